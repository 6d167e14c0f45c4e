#include "Grafica.h"

#include <cmath>

#include "ConversionNumeros.h"
#include "OperacionCalcular.h"

namespace velmora {

namespace {

// Where each energy of each car makes both cost the same a kilometre.
std::vector<Limite> LimitesDe(const Calculo& calculo) {
    const Amortizacion& a = calculo.amortizacion;
    const double coste[2] = {static_cast<double>(a.costeKm1), a.costeKm2};
    std::vector<Limite> limites;
    for (const int coche : {1, 0}) {
        const CocheCalculado& c = calculo.coches[std::size_t(coche)];
        for (const Energia& e : c.energias) {
            if (!(e.porKm > 0)) continue;
            // The rest of this car's cost, which this price does not move.
            double resto = c.fijoPorKm;
            for (const Energia& otra : c.energias) {
                if (&otra != &e) resto += otra.porKm * otra.precio;
            }
            const double limite = (coste[1 - coche] - resto) / e.porKm;
            if (limite > 0 && std::isfinite(limite)) {
                limites.push_back({std::string(e.nombre), coche, e.precio, limite});
            }
        }
    }
    return limites;
}

}  // namespace

Grafica GraficaDe(const Calculo& calculo, const ConfiguracionRegional& config) {
    const Amortizacion& a = calculo.amortizacion;
    const double c1 = static_cast<double>(a.costeKm1);

    Grafica g{};
    g.conInteres = calculo.conInteres;
    g.diferencia = a.diferenciaCargada;
    g.diferenciaPrecio = a.diferenciaPrecio;
    g.ahorroPorKm = a.costeKm2 - c1;
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
    g.kmAno = calculo.kmAno;
    if (cruzan && g.kmAno && *g.kmAno > 0) g.anos = g.distancia / *g.kmAno;
    g.nombres = {std::string(calculo.coches[0].nombre), std::string(calculo.coches[1].nombre)};
    g.costeKm = {c1, a.costeKm2};
    g.limites = LimitesDe(calculo);
    return g;
}

}  // namespace velmora
