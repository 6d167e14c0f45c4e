// An answer replayed over the prices that really were: the request as
// typed, once for every week of Spain's pump prices from 2015 to 2024
// (PreciosReales.h), with the price of a litre of gas oil and of petrol
// put in place of the typed ones (in the comparison of other motors, the
// price of the litre of each car that burns either; a hybrid's and a
// plug-in's litre is petrol; electricity and LPG stay as typed). Each week
// takes the request's own road (OperacionCalcular.h, Motores.h) from its
// figures read once, so a week's answer is exactly the answer of the
// request with that week's prices typed in: the same kilometres, the same
// kind of outcome.
//
// The table is in euros; a request may be in any one currency. Where the
// typed prices of the litres replaced all look like euros a litre (0,3 to
// 5) the weeks are in euros, where they all look like pesetas (50 to 400)
// in pesetas at 166,386 to the euro; otherwise there is no replay unless
// the user says which currency the figures are in.
//
// Worked example: a diesel of 5 l/100 km that costs 2.500 euros more than a
// petrol car of 7 l/100 km pays off in every week, after 52.072 to 101.609
// km, half of the weeks before 80.910.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Campos.h"
#include "ConfiguracionRegional.h"
#include "Motores.h"
#include "OperacionCalcular.h"
#include "PreciosReales.h"

namespace velmora {

enum class Moneda { Euros, Pesetas };
// Which currency the request's figures are in: as their prices of a litre
// suggest, or as the user says.
enum class EleccionMoneda { SegunLosPrecios, Euros, Pesetas };

inline constexpr double kPesetasPorEuro = 166.386;
// The prices of a litre that look like each currency, bounds included.
inline constexpr double kLitroEnEuros[] = {0.3, 5};
inline constexpr double kLitroEnPesetas[] = {50, 400};

// The currency every one of `precios` looks like, or none.
std::optional<Moneda> MonedaDe(std::span<const double> precios);

// A week's answer: a result (where the car pays off, 0 where there is
// nothing to recover), a car that never pays off, a head start that runs
// out, or a message (equal costs, a result too large).
enum class TipoSemana { Amortizado, NuncaSeAmortiza, VentajaQueSeAcaba, SinResultado };
struct SemanaRepetida {
    TipoSemana tipo;
    float distancia;  // whole km, as the window shows it; 0 without one
};

// The least, the median (of an even count, the lower one: half of the
// weeks at or before it) and the most kilometres of the weeks with a
// result.
struct Distancias {
    int semanas = 0;
    float minima = 0, mediana = 0, maxima = 0;
};
struct AnoRepetido {
    int ano;
    int semanas;  // the year's weeks in the table
    Distancias amortizadas;
};

struct Repeticion {
    std::string coche;      // the car that pays off, as a sentence points at it: "este diésel"
    bool gasoleo = false;   // the weeks' price of gas oil replaces a typed one
    bool gasolina = false;  // and of petrol
    std::vector<std::string> sinCambio;   // the energies that stay as typed: "el kWh en casa"
    std::vector<double> preciosEscritos;  // the typed prices of the litres replaced
    std::optional<Moneda> moneda;  // none: no replay, the prices look like neither
    std::span<const SemanaDePrecios> tabla;
    std::vector<SemanaRepetida> semanas;  // a week each row of the table, where there is a currency
    Distancias distancias;                // the weeks with a result
    int nunca = 0, ventaja = 0, sinResultado = 0;  // the weeks of each other kind
    std::vector<AnoRepetido> anos;
    std::optional<float> propia;  // the answer as typed, where it is a result
};

// The replay of a request of the main window, and of a comparison; none
// where the request ends with a message, or where no car burns gas oil or
// petrol.
std::optional<Repeticion> Repetir(const TextosCampos& textos, const ConfiguracionRegional& config,
                                  std::span<const SemanaDePrecios> tabla, EleccionMoneda eleccion);
std::optional<Repeticion> Repetir(const TextosComparacion& textos,
                                  const ConfiguracionRegional& config,
                                  std::span<const SemanaDePrecios> tabla, EleccionMoneda eleccion);

}  // namespace velmora
