#include "ConversionNumeros.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "Cientifica.h"
#include "ErrorCalculo.h"

namespace velmora {
namespace {

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

bool EmpiezaCon(std::string_view texto, std::size_t pos, std::string_view prefijo) {
    return !prefijo.empty() && texto.substr(pos).starts_with(prefijo);
}

// The blanks that group digits in some conventions: the space, the no-break
// space, the figure space and the narrow no-break space.
constexpr std::string_view kEspaciosDeGrupo[] = {" ", "\u00a0", "\u2007", "\u202f"};
constexpr std::string_view kApostrofoTipografico = "\u2019";

bool EsEspacioDeGrupo(std::string_view separador) {
    for (std::string_view espacio : kEspaciosDeGrupo) {
        if (separador == espacio) return true;
    }
    return false;
}

// The length of the group separator that stands at `pos`, or 0. Besides the
// user's own separator, where it is a blank any of the blanks counts (the
// narrow no-break space that French settings give is on no keyboard, and a
// user types a space), and where it is an apostrophe both apostrophes count
// (Swiss settings group with the typographic one on some systems and the
// ASCII one on others, and users type and copy either: "2'600'000",
// "2’600’000").
std::size_t LargoSeparadorGrupos(std::string_view t, std::size_t pos,
                                 const ConfiguracionRegional& config) {
    const std::string_view propio = config.separadorGrupos;
    if (EmpiezaCon(t, pos, propio)) return propio.size();
    if (EsEspacioDeGrupo(propio)) {
        for (std::string_view espacio : kEspaciosDeGrupo) {
            if (EmpiezaCon(t, pos, espacio)) return espacio.size();
        }
    } else if (propio == kApostrofoTipografico || propio == "'") {
        for (std::string_view apostrofo : {kApostrofoTipografico, std::string_view("'")}) {
            if (EmpiezaCon(t, pos, apostrofo)) return apostrofo.size();
        }
    }
    return 0;
}

// A number as read from a text, before it is turned into a double: the
// digits only, separators already dropped. "-1.234,5E3" under the Spanish
// convention gives negativo, entera "1234", fraccion "5", exponente "3".
struct NumeroLeido {
    bool negativo = false;
    std::string entera;
    std::string fraccion;
    bool exponenteNegativo = false;
    std::string exponente;
    std::size_t fin = 0;  // position just after the number in the text
};

// Reads the longest number that starts at `pos`, or nothing when no number
// starts there. `admiteD` lets D or d introduce the exponent as well as E.
std::optional<NumeroLeido> LeerNumero(std::string_view t, std::size_t pos,
                                      const ConfiguracionRegional& config, bool admiteD) {
    NumeroLeido n;
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        n.negativo = t[i] == '-';
        ++i;
    }
    // Whole part: digits, with group separators skipped wherever they stand.
    while (i < t.size()) {
        if (EsDigito(t[i])) {
            n.entera += t[i++];
        } else if (EmpiezaCon(t, i, config.separadorDecimal)) {
            break;
        } else if (const std::size_t largo = LargoSeparadorGrupos(t, i, config)) {
            i += largo;
        } else {
            break;
        }
    }
    std::size_t finMantisa = i;
    if (EmpiezaCon(t, i, config.separadorDecimal)) {
        std::size_t j = i + config.separadorDecimal.size();
        std::string fraccion;
        while (j < t.size() && EsDigito(t[j])) fraccion += t[j++];
        // The separator counts only with a digit on at least one side.
        if (!n.entera.empty() || !fraccion.empty()) {
            n.fraccion = std::move(fraccion);
            finMantisa = j;
        }
    }
    if (n.entera.empty() && n.fraccion.empty()) return std::nullopt;

    n.fin = finMantisa;
    std::size_t j = finMantisa;
    if (j < t.size() && (t[j] == 'E' || t[j] == 'e' || (admiteD && (t[j] == 'D' || t[j] == 'd')))) {
        ++j;
        bool negativo = false;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            negativo = t[j] == '-';
            ++j;
        }
        std::string exponente;
        while (j < t.size() && EsDigito(t[j])) exponente += t[j++];
        // An exponent letter without digits is not part of the number.
        if (!exponente.empty()) {
            n.exponenteNegativo = negativo;
            n.exponente = std::move(exponente);
            n.fin = j;
        }
    }
    return n;
}

// The strict form: the number and nothing but spaces around it.
std::optional<NumeroLeido> FormaEstricta(std::string_view t, const ConfiguracionRegional& config) {
    std::size_t inicio = t.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return std::nullopt;
    auto n = LeerNumero(t, inicio, config, /*admiteD=*/false);
    if (!n) return std::nullopt;
    if (t.find_first_not_of(' ', n->fin) != std::string_view::npos) return std::nullopt;
    return n;
}

// Turns the digits into the nearest double. The text is first brought to
// the scientific form "d.ddd" "e" exponent, so that the conversion
// (Cientifica.h) sees a short exponent however many leading zeros or digits
// the user typed; the rounding itself is the conversion's.
Intento<double> ValorDe(const NumeroLeido& n) {
    const std::string digitos = n.entera + n.fraccion;
    const std::size_t primero = digitos.find_first_not_of('0');
    const double cero = n.negativo ? -0.0 : 0.0;
    if (primero == std::string::npos) return cero;
    const std::size_t ultimo = digitos.find_last_not_of('0');

    // Exponent typed by the user, saturated far beyond any double.
    constexpr std::int64_t kSaturado = 1'000'000'000;
    std::int64_t exponente = 0;
    for (char c : n.exponente) {
        exponente = exponente * 10 + (c - '0');
        if (exponente > kSaturado) {
            exponente = kSaturado;
            break;
        }
    }
    if (n.exponenteNegativo) exponente = -exponente;

    // Decimal exponent of the first significant digit.
    const std::int64_t total = static_cast<std::int64_t>(n.entera.size()) -
                               static_cast<std::int64_t>(primero) - 1 + exponente;
    // Doubles span about 1e-324 to 1e308; far outside that no need to ask.
    if (total > 400) return ErrorCalculo(TipoError::Desbordamiento);
    if (total < -400) return cero;

    std::string cientifica;
    cientifica.reserve(ultimo - primero + 16);
    if (n.negativo) cientifica += '-';
    cientifica += digitos[primero];
    if (ultimo > primero) {
        cientifica += '.';
        cientifica.append(digitos, primero + 1, ultimo - primero);
    }
    cientifica += 'e';
    cientifica += std::to_string(total);

    const auto valor = LeerCientifica(cientifica);
    if (!valor) return ErrorCalculo(TipoError::Desbordamiento);
    return *valor;
}

}  // namespace

Intento<double> NumeroEstricto(std::string_view texto, const ConfiguracionRegional& config) {
    auto n = FormaEstricta(texto, config);
    if (!n) return ErrorCalculo(TipoError::Conversion);
    return ValorDe(*n);
}

Intento<double> NumeroInicial(std::string_view texto, const ConfiguracionRegional& config) {
    std::string sinBlancos;
    sinBlancos.reserve(texto.size());
    for (char c : texto) {
        if (c != ' ' && c != '\t' && c != '\n') sinBlancos += c;
    }
    auto n = LeerNumero(sinBlancos, 0, config, /*admiteD=*/true);
    if (!n) return 0.0;
    return ValorDe(*n);
}

bool EsNumerico(std::string_view texto, const ConfiguracionRegional& config) {
    return FormaEstricta(texto, config).has_value();
}

namespace {

// The digits and the decimal exponent of `valor` rounded to seven
// significant digits: 63829 is "6382900" and 4.
struct Siete {
    std::string digitos;
    int exponente;
};

Siete SieteDe(double valor) {
    const std::string texto = SieteCifras(std::fabs(valor));  // "6.382900e+04"
    Siete s;
    s.digitos = texto.substr(0, 1) + texto.substr(2, 6);
    s.exponente = std::atoi(texto.c_str() + 9);
    return s;
}

// "6382900" without the zeros that end a fraction that starts after `enteras` digits.
std::string SinCerosFinales(std::string digitos, std::size_t enteras) {
    const std::size_t fin = digitos.find_last_not_of('0');
    digitos.resize(std::max(enteras, fin == std::string::npos ? 0 : fin + 1));
    return digitos;
}

}  // namespace

std::string TextoExponencial(double valor, const ConfiguracionRegional& config) {
    if (std::isnan(valor)) return "nan";
    if (std::isinf(valor)) return valor < 0 ? "-inf" : "inf";
    const Siete s = SieteDe(valor);
    const std::string mantisa = SinCerosFinales(s.digitos, 1);
    std::string texto = valor < 0 ? "-" : "";
    texto += mantisa[0];
    if (mantisa.size() > 1) texto += config.separadorDecimal + mantisa.substr(1);
    texto += s.exponente < 0 ? "E-" : "E+";
    if (std::abs(s.exponente) < 10) texto += '0';
    return texto + std::to_string(std::abs(s.exponente));
}

// As "%.7g" writes a value: seven significant digits, trailing zeros of a
// fraction dropped; in the fixed form where the exponent lies from -4 to 6,
// in the exponent form (TextoExponencial) elsewhere: 63829 -> "63829",
// 12345679 -> "1,234568E+07" under the Spanish convention.
std::string TextoDeSimple(float valor, const ConfiguracionRegional& config) {
    if (valor == 0.0f) return "0";
    if (!std::isfinite(valor)) return TextoExponencial(valor, config);
    const Siete s = SieteDe(valor);
    if (s.exponente < -4 || s.exponente >= 7) return TextoExponencial(valor, config);
    std::string texto = valor < 0 ? "-" : "";
    if (s.exponente < 0) {
        // 0,000123: zeros after the separator, then the digits.
        return texto + "0" + config.separadorDecimal +
               std::string(std::size_t(-s.exponente - 1), '0') + SinCerosFinales(s.digitos, 0);
    }
    const std::size_t enteras = std::size_t(s.exponente) + 1;
    const std::string digitos = SinCerosFinales(s.digitos, enteras);
    texto += digitos.substr(0, enteras);
    if (digitos.size() > enteras) texto += config.separadorDecimal + digitos.substr(enteras);
    return texto;
}

}  // namespace velmora
