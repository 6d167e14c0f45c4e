#include <windows.h>

#include "Unicode.h"

namespace velmora::win32 {

std::wstring Utf16(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int largo = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring texto(std::size_t(largo), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), texto.data(), largo);
    return texto;
}

std::string Utf8(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int largo = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0,
                                          nullptr, nullptr);
    std::string texto(std::size_t(largo), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), texto.data(), largo, nullptr,
                        nullptr);
    return texto;
}

}  // namespace velmora::win32
