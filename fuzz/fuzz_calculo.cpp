// Arbitrary bytes as field texts. The first byte picks the regional
// convention; the rest is split at NUL bytes into the eight field texts.
// Checks the invariants the program relies on:
//  - EsNumerico is true exactly when NumeroEstricto fails with no conversion error;
//  - for a numeric text NumeroInicial reads what NumeroEstricto reads;
//  - NumeroInicial never fails with a conversion error;
//  - a request's caption reads back as a whole number >= 0, and a message
//    is never empty;
//  - what a request says is true of the figures as typed: a distance above 0
//    only for a diesel dearer to buy and cheaper to run; the message of a
//    diesel that never pays off only for one dearer to buy and to run; that
//    of a head start only for one cheaper to buy and dearer to run; never a
//    result for costs per km that are equal as floats, nor for a car figure
//    that is not a number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Campos.h"
#include "calc/ConversionNumeros.h"
#include "calc/ErrorCalculo.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"

namespace {

using namespace velmora;

void Verificar(bool condicion) {
    if (!condicion) std::abort();
}

void ComprobarConversiones(const std::string& texto, const ConfiguracionRegional& config) {
    const auto estricto = NumeroEstricto(texto, config);
    const bool convertible = estricto.Bien() || estricto.Error().Tipo() != TipoError::Conversion;
    if (!estricto.Bien() && convertible) return;  // overflow: numeric form, no value to compare
    Verificar(EsNumerico(texto, config) == convertible);
    const auto inicial = NumeroInicial(texto, config);
    if (!inicial.Bien()) {
        Verificar(inicial.Error().Tipo() == TipoError::Desbordamiento);
    } else if (convertible) {
        Verificar(inicial.Valor() == estricto.Valor());
    }
}

// The figures the six car texts hold, read as typed (nothing where one is
// not a number or does not fit), and what they say of the two cars: the
// signs of the price difference and of the saving per km, at the precisions
// the formulas hold them in.
struct Figuras {
    int diferencia;  // -1, 0, 1
    int ahorro;
};
std::optional<Figuras> FigurasDe(const TextosCampos& t, const ConfiguracionRegional& config) {
    double v[6];
    const IdCampo campos[6] = {IdCampo::txtPrecioCocheDiesel,    IdCampo::txtPrecioCocheGasolina,
                               IdCampo::txtConsumoMedioGasolina, IdCampo::txtPrecioLitroGasolina,
                               IdCampo::txtConsumoMedioDiesel,   IdCampo::txtPrecioLitroGasoil};
    for (int i = 0; i < 6; ++i) {
        const auto leido = NumeroEstricto(t[campos[i]], config);
        if (!leido.Bien()) return std::nullopt;
        v[i] = leido.Valor();
    }
    const double d = v[0] - v[1], cg = v[2] * v[3] / 100, cd = v[4] * v[5] / 100;
    constexpr double kFlt = 3.4e38;
    if (!(std::fabs(d) < kFlt && std::fabs(cd) < kFlt && std::fabs(cg) < 1e308)) {
        return std::nullopt;
    }
    const float df = float(d), cdf = float(cd);
    const double cgf = std::fabs(cg) < kFlt ? double(float(cg)) : cg;
    return Figuras{(df > 0) - (df < 0), (cgf > double(cdf)) - (cgf < double(cdf))};
}

void ComprobarVerdad(const TextosCampos& textos, const ConfiguracionRegional& config,
                     const Desenlace& desenlace) {
    const bool numericos = [&] {
        for (const Campo& c : kCampos) {
            if (c.seccion != Seccion::Interes && !EsNumerico(textos[c.id], config)) return false;
        }
        return true;
    }();
    const auto* resultado = std::get_if<Resultado>(&desenlace);
    if (!numericos) {
        // No empty field gets this far, so a text that is no number is named.
        Verificar(!resultado);
        return;
    }
    const std::optional<Figuras> f = FigurasDe(textos, config);
    if (!f) return;
    if (resultado) {
        Verificar(f->ahorro != 0);
        if (NumeroEstricto(resultado->texto, config).Valor() > 0) {
            Verificar(f->diferencia > 0 && f->ahorro > 0);
        }
        return;
    }
    const std::string& mensaje = std::get<Mensaje>(desenlace).texto;
    if (mensaje == kMensajeNoSeAmortiza) Verificar(f->diferencia > 0 && f->ahorro < 0);
    if (mensaje.starts_with("El coche diesel es mas barato")) {
        Verificar(f->diferencia < 0 && f->ahorro < 0);
    }
    if (f->diferencia <= 0 && f->ahorro > 0) Verificar(mensaje.starts_with("ERROR: "));
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
        const double valor = NumeroEstricto(caption, config).Valor();
        Verificar(valor >= 0);
        // Below ten million the caption is the exact whole number.
        if (valor < 1e7) Verificar(valor == static_cast<double>(static_cast<std::int64_t>(valor)));
    }
    ComprobarVerdad(textos, config, desenlace);
    return 0;
}
