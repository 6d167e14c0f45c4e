// The four rules by which field texts become numbers and a result becomes
// text. Every number of the calculation enters through NumeroEstricto or
// NumeroInicial and the result leaves through TextoDeSimple; EsNumerico
// decides whether the optional interest fields take part. All four follow
// the regional settings they are given. Nothing here knows about windows.
#pragma once

#include <string>
#include <string_view>

#include "ConfiguracionRegional.h"
#include "ErrorCalculo.h"

namespace velmora {

// The whole text, apart from spaces before and after it, must be one number
// written by the regional settings: an optional sign, digits among which the
// group separator may stand anywhere before the decimal separator (skipped,
// its place unchecked), at most one decimal separator with a digit on at
// least one side, and an optional exponent (E or e, optional sign, digits).
// Under the Spanish convention "6,5" is 6.5, "6.5" is 65, "15.000" is 15000,
// ",5" is 0.5 and "5," is 5. Where the group separator is a blank (French
// settings give the narrow no-break space U+202F), the space, the no-break
// space, the figure space and the narrow no-break space all count as it, so
// "2 600 000" reads as typed; where it is the typographic apostrophe U+2019
// (Swiss settings), so does the ASCII apostrophe: "2'600'000". Gives the
// nearest double; a value too small for a double reads as 0.
// Fails with ErrorCalculo: Conversion when the text is not such a number,
// Desbordamiento when its value lies beyond the double range.
Intento<double> NumeroEstricto(std::string_view texto, const ConfiguracionRegional& config);

// The lenient reading: every blank, tab and line feed is removed first, then
// the longest leading number is read with the same regional separators (and
// the same stand-ins for the group separator) as NumeroEstricto, the
// exponent letter also D or d, and the rest is ignored. A text that does not
// begin with a number gives 0. Under the Spanish convention "1 500" is 1500,
// "12abc" is 12 and "abc" is 0. For every text that EsNumerico accepts it
// gives what NumeroEstricto gives.
// Fails with ErrorCalculo (Desbordamiento) when the value lies beyond the
// double range; never with a conversion error.
Intento<double> NumeroInicial(std::string_view texto, const ConfiguracionRegional& config);

// True when NumeroEstricto would read the text without a conversion error.
// It judges the form only, so "1E400" is numeric (and overflows later).
bool EsNumerico(std::string_view texto, const ConfiguracionRegional& config);

// The text of a Single: rounded to at most 7 significant digits, no group
// separators, trailing zeros of a fraction dropped, zero is "0". From ten
// million up it takes the exponent form: 10000000 is "1E+07", 12345679 is
// "1,234568E+07" under the Spanish convention.
std::string TextoDeSimple(float valor, const ConfiguracionRegional& config);

// The exponent form TextoDeSimple writes, for any double: seven significant
// digits at most, trailing zeros dropped, E, the exponent's sign and at
// least two digits: 12345679 is "1,234568E+07", 2e38 "2E+38" under the
// Spanish convention.
std::string TextoExponencial(double valor, const ConfiguracionRegional& config);

}  // namespace velmora
