// The two conversions between a double and decimal digits that every
// number of the program passes through, both correctly rounded: a text in
// the scientific form the conversions build ("-1.2345e67") to the nearest
// double, and a double to seven significant digits in the form "%.6e" of
// the C library writes ("1.234568e+07"), halfway cases to the even digit.
// Natively they are the C++ library's from_chars and to_chars. In the
// browser they are the engine's own Number() and toExponential(), which
// the page has anyway: the C library's strtod and printf would add a
// third of the module's size for the same digits.
#pragma once

#include <optional>
#include <string>

namespace velmora {

// The double nearest to `cientifica` ("[-]d[.ddd]e[-]N", N within a few
// hundred); a value too small for a double is a zero of its sign; nothing
// where the value lies beyond the double range.
std::optional<double> LeerCientifica(const std::string& cientifica);

// A finite `valor` as "%.6e" writes it: "-1.234568e+07", "2.000000e-05".
std::string SieteCifras(double valor);

}  // namespace velmora
