// What a picture of the answer needs, for the same eight texts and regional
// settings as a calculation request: the saving accumulated over the
// kilometres against the price difference to recover, where the two meet,
// and how far the fuel prices may move before the diesel never pays off.
// It is computed on the request's own road (Calcular), with the same
// conversions and precisions, so the picture's crossing is the distance the
// result shows. A request that ends with an error has no picture
// (Responder, OperacionCalcular.h); GraficaDe draws one without a crossing
// for a diesel that never pays off (the request's message explains it) or
// has nothing to recover (the result shows 0), and one with a crossing where
// a diesel pays off or its head start runs out.
//
// Worked example: PCD 2600000, PCG 2300000, CMD 6, PGas 115, CMG 8, PG 145:
// 300000 to recover, 11.6 - 6.9000001 = 4.6999999 saved per km, 63829 km;
// the petrol may fall to 86.25 a litre, or the diesel fuel rise to
// 193.33, before the diesel never pays off. With 15000 km a year: 4.26
// years; at 5 % too, 351063.84 to recover, 74694 km, 4.98 years.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ConfiguracionRegional.h"
#include "Formulas.h"

namespace velmora {

// The price of one energy of one car at which both cars cost the same a
// kilometre (the other prices as typed): past it the answer changes kind.
struct Limite {
    std::string energia;  // "el litro de gasolina"
    int coche;            // 0: car 1, 1: car 2
    double precio;        // as typed
    double limite;
};

struct Grafica {
    CasoAmortizacion caso;
    bool conInteres;                     // the interest formula ran
    double diferencia;                   // to recover: the price difference, charged with interest
                                         // where the interest formula ran and the lines cross
    double diferenciaPrecio;             // car 1's price - car 2's, without interest
    double ahorroPorKm;                  // car 2's cost per km - car 1's
    double distancia;                    // where the lines cross, in whole km (0 when they do not)
    std::string textoDistancia;          // that distance as the window writes it
    std::optional<double> kmAno;         // the kilometres a year, where they are a number
    std::optional<double> anos;          // the distance in years at kmAno, where there is one
    std::array<std::string, 2> nombres;  // how a sentence names each car: "el diésel"
    std::array<double, 2> costeKm;       // what each costs a kilometre
    std::vector<Limite> limites;         // car 2's energies, then car 1's
};

Grafica GraficaDe(const Calculo& calculo, const ConfiguracionRegional& config);

}  // namespace velmora
