// Arbitrary bytes as field texts. The first byte picks the regional
// convention; the rest is split at NUL bytes into the eight field texts.
// Checks the invariants the program relies on:
//  - EsNumerico is true exactly when NumeroEstricto raises no conversion error;
//  - for a numeric text NumeroInicial reads what NumeroEstricto reads;
//  - NumeroInicial never raises a conversion error;
//  - a request's caption reads back as a whole number >= 0, and a message
//    is never empty.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Campos.h"
#include "calc/ConversionNumeros.h"
#include "calc/ErrorCalculo.h"
#include "calc/OperacionCalcular.h"

namespace {

using namespace velmora;

void Verificar(bool condicion) {
    if (!condicion) std::abort();
}

void ComprobarConversiones(const std::string& texto, const ConfiguracionRegional& config) {
    bool convertible = true;
    double estricto = 0;
    try {
        estricto = NumeroEstricto(texto, config);
    } catch (const ErrorCalculo& e) {
        convertible = e.Tipo() != TipoError::Conversion;
        if (convertible) return;  // overflow: numeric form, no value to compare
    }
    Verificar(EsNumerico(texto, config) == convertible);
    try {
        const double inicial = NumeroInicial(texto, config);
        if (convertible) Verificar(inicial == estricto);
    } catch (const ErrorCalculo& e) {
        Verificar(e.Tipo() == TipoError::Desbordamiento);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    if (largo == 0) return 0;
    static const ConfiguracionRegional kConfiguraciones[] = {
        ConfiguracionRegional::Espanola(), ConfiguracionRegional::Inglesa(),
        ConfiguracionRegional::Francesa(), ConfiguracionRegional::Suiza()};
    const ConfiguracionRegional& config = kConfiguraciones[datos[0] % 4];
    std::string_view resto(reinterpret_cast<const char*>(datos) + 1, largo - 1);

    TextosCampos textos;
    std::size_t i = 0;
    for (const Campo& campo : kCampos) {
        const std::size_t fin = std::min(resto.find('\0', i), resto.size());
        std::string texto(resto.substr(std::min(i, resto.size()), fin - std::min(i, resto.size())));
        ComprobarConversiones(texto, config);
        textos[campo.id] = std::move(texto);
        i = fin + 1;
    }

    const Desenlace desenlace = OperacionCalcular(textos, config);
    if (const auto* mensaje = std::get_if<Mensaje>(&desenlace)) {
        Verificar(!mensaje->texto.empty());
    } else {
        const std::string& caption = std::get<Resultado>(desenlace).texto;
        Verificar(EsNumerico(caption, config));
        const double valor = NumeroEstricto(caption, config);
        Verificar(valor >= 0);
        // Below ten million the caption is the exact whole number.
        if (valor < 1e7) Verificar(valor == static_cast<double>(static_cast<std::int64_t>(valor)));
    }
    return 0;
}
