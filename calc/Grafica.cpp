#include "Grafica.h"

#include "ConversionNumeros.h"
#include "OperacionCalcular.h"

namespace velmora {

Grafica GraficaDe(const Calculo& calculo, const ConfiguracionRegional& config) {
    const Amortizacion& a = calculo.amortizacion;
    const double cd = static_cast<double>(a.costeKmDiesel);

    Grafica g{};
    g.conInteres = calculo.conInteres;
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
    if (calculo.conInteres) {
        g.kmAno = a.kmAno;
        if (cruzan) g.anos = g.distancia / *g.kmAno;
    }
    // Where both cars cost the same per km: CMG * PG / 100 = CD, and
    // CMD * PGas / 100 = CG.
    if (a.consumoGasolina > 0) g.gasolinaLimite = cd * 100.0 / a.consumoGasolina;
    if (a.consumoDiesel > 0) g.gasoilLimite = a.costeKmGasolina * 100.0 / a.consumoDiesel;
    return g;
}

}  // namespace velmora
