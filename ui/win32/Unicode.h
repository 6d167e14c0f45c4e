// Texts cross between the program (UTF-8, as calc/ and ui/ hold them) and
// the W functions of Windows (UTF-16) here, and only here.
#pragma once

#include <string>
#include <string_view>

namespace velmora::win32 {

std::wstring Utf16(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

}  // namespace velmora::win32
