#include "Grafica.h"

#include <variant>

#include "ConversionNumeros.h"

namespace velmora {

std::optional<Grafica> GraficaDe(const std::variant<Calculo, Mensaje>& calculo,
                                 const ConfiguracionRegional& config) {
    const auto* c = std::get_if<Calculo>(&calculo);
    if (!c) return std::nullopt;
    const Amortizacion& a = c->amortizacion;
    const double cd = static_cast<double>(a.costeKmDiesel);

    Grafica g{};
    g.conInteres = c->conInteres;
    g.diferencia = a.diferenciaCargada;
    g.diferenciaPrecio = a.diferenciaPrecio;
    g.ahorroPorKm = a.costeKmGasolina - cd;
    g.precioLitroGasolina = a.precioLitroGasolina;
    g.precioLitroGasoil = a.precioLitroGasoil;
    g.caso = a.Caso();
    const bool cruzan =
        g.caso == CasoAmortizacion::SeAmortiza || g.caso == CasoAmortizacion::VentajaQueSeAcaba;
    if (cruzan) {
        g.distancia = DistanciaMostrada(a);
    } else {
        // Interest is charged for the years until the lines cross; where
        // they never do, the difference is the price difference.
        g.diferencia = a.diferenciaPrecio;
    }
    g.textoDistancia = TextoDeSimple(float(g.distancia), config);
    if (c->conInteres) {
        g.kmAno = a.kmAno;
        if (cruzan) g.anos = g.distancia / *g.kmAno;
    }
    // Where both cars cost the same per km: CMG * PG / 100 = CD, and
    // CMD * PGas / 100 = CG.
    if (a.consumoGasolina > 0) g.gasolinaLimite = cd * 100.0 / a.consumoGasolina;
    if (a.consumoDiesel > 0) g.gasoilLimite = a.costeKmGasolina * 100.0 / a.consumoDiesel;
    return g;
}

Respuesta Responder(const TextosCampos& textos, const ConfiguracionRegional& config) {
    const auto calculo = Calcular(textos, config);
    return {DesenlaceDe(calculo, config), GraficaDe(calculo, config)};
}

}  // namespace velmora
