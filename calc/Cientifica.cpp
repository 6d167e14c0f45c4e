#include "Cientifica.h"

#include <cmath>

#if defined(__EMSCRIPTEN__)
#include <emscripten.h>

#include <cstdlib>

// The browser's conversions (see the header). toExponential(6) rounds a
// value that lies halfway between two numbers of seven digits up, where
// printf rounds it to the even digit; only a value whose eight digits end
// in 5 can lie so, and for it the 101 significant digits nearest to it
// (toExponential(100), exact for every such value) are handed over, to be
// rounded here.
EM_JS(double, velmora_numero, (const char* texto), { return Number(UTF8ToString(texto)); });
EM_JS(void, velmora_digitos, (double valor, char* destino, int largo), {
    var v = Math.abs(valor);
    var ocho = v.toExponential(7);
    stringToUTF8(ocho.charAt(8) == '5' ? v.toExponential(100) : v.toExponential(6), destino, largo);
});
#else
#include <charconv>
#endif

namespace velmora {

std::optional<double> LeerCientifica(const std::string& cientifica) {
#if defined(__EMSCRIPTEN__)
    const double valor = velmora_numero(cientifica.c_str());
#else
    double valor = 0.0;
    const auto [ptr, ec] =
        std::from_chars(cientifica.data(), cientifica.data() + cientifica.size(), valor);
    // from_chars reports both ends of the range alike; a tiny value is 0.
    if (ec == std::errc::result_out_of_range) {
        const bool enorme = cientifica.find("e-") == std::string::npos;
        if (enorme) return std::nullopt;
        return cientifica.front() == '-' ? -0.0 : 0.0;
    }
#endif
    if (!std::isfinite(valor)) return std::nullopt;
    return valor;
}

#if defined(__EMSCRIPTEN__)
std::string SieteCifras(double valor) {
    char exactas[128];
    velmora_digitos(valor, exactas, sizeof exactas);
    // "d.ddd...de+N": the digits without the point, and N.
    std::string digitos(1, exactas[0]);
    const char* p = exactas + 2;
    for (; *p != 'e'; ++p) digitos += *p;
    int exponente = std::atoi(p + 1);
    // Seven digits, the rest rounded: up beyond half, to even at half.
    const auto resto = digitos.substr(7) + "0";
    const bool mitad = resto[0] == '5' && resto.find_first_not_of('0', 1) == std::string::npos;
    const bool arriba =
        resto[0] > '5' || (resto[0] == '5' && !mitad) || (mitad && (digitos[6] - '0') % 2 == 1);
    digitos.resize(7);
    if (arriba) {
        int i = 6;
        for (; i >= 0 && digitos[i] == '9'; --i) digitos[i] = '0';
        if (i >= 0) {
            ++digitos[i];
        } else {
            digitos.insert(digitos.begin(), '1');
            digitos.pop_back();
            ++exponente;
        }
    }
    std::string texto = valor < 0 ? "-" : "";
    texto += digitos[0];
    texto += '.';
    texto.append(digitos, 1, 6);
    texto += exponente < 0 ? "e-" : "e+";
    const int magnitud = std::abs(exponente);
    if (magnitud < 10) texto += '0';
    texto += std::to_string(magnitud);
    return texto;
}
#else
std::string SieteCifras(double valor) {
    char buffer[40];
    const auto [fin, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::scientific, 6);
    return ec == std::errc() ? std::string(buffer, fin) : std::string("0.000000e+00");
}
#endif

}  // namespace velmora
