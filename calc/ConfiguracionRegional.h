// The user's regional settings as the calculation sees them: the decimal
// separator and the digit-group separator, each a UTF-8 string because some
// locales group with a multi-byte character (the narrow no-break space
// U+202F, for instance). The windows read them from the user's locale and
// hand them to every conversion; the calculation never asks the system.
#pragma once

#include <string>

namespace velmora {

struct ConfiguracionRegional {
    std::string separadorDecimal;
    std::string separadorGrupos;

    // Spanish convention: "1.234,5" is one thousand two hundred and
    // thirty-four and a half.
    static ConfiguracionRegional Espanola() { return {",", "."}; }
    // English convention: "1,234.5" is the same number.
    static ConfiguracionRegional Inglesa() { return {".", ","}; }
    // French convention, as Qt gives it: "1 234,5" grouped by the narrow
    // no-break space U+202F.
    static ConfiguracionRegional Francesa() { return {",", "\u202f"}; }
    // Swiss German convention: "1’234.5", grouped by the typographic
    // apostrophe U+2019.
    static ConfiguracionRegional Suiza() { return {".", "\u2019"}; }
};

}  // namespace velmora
