// The two break-even formulas and the clamp of their result.
//
// CalcularResultado: the distance after which the diesel car has made up
// its higher purchase price through its lower fuel cost per kilometre:
//   (PCD - PCG) / (CMG * PG / 100 - CMD * PGas / 100).
// CalcularResultadoInteres: the same, with the price difference first
// charged with simple interest at 4/5 of the annual rate for the years the
// car takes to pay off without interest.
//
// Where a value is held as a float and where as a double is deliberate and
// changes the last digits of results: the price difference, the diesel cost
// per kilometre and the result are floats, the petrol cost per kilometre a
// double. All arithmetic is done in double and narrowed explicitly.
//
// Worked example: PCD 2600000, PCG 2300000, CMD 6, PGas 115, CMG 8, PG 145
// gives 63829.7890625; with 15000 km a year at 5 % it gives 74694.4375.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Campos.h"
#include "ConfiguracionRegional.h"
#include "ErrorCalculo.h"

namespace velmora {

// What the figures say about the two cars, by the sign of the price
// difference D and of the saving per kilometre CG - CD (never 0: equal costs
// are a division by zero).
enum class CasoAmortizacion {
    SeAmortiza,         // D > 0, cheaper to run: pays off at the distance found
    AmortizadoDesdeYa,  // D <= 0, cheaper to run: nothing to recover, 0 km
    NuncaSeAmortiza,    // D > 0, dearer to run: no distance makes up for it
    VentajaQueSeAcaba,  // D < 0, dearer to run: ahead until the distance found
    MismoPrecio,        // D = 0, dearer to run: nothing to recover, 0 km
};

// What a formula found: its result and the figures the result came from,
// which the calculation request needs to tell what the result means, and a
// picture of the answer to draw it (Grafica.h). Car 1 is the car whose
// higher price is to be recovered (the diesel of the main window), car 2
// the other (its petrol version).
struct Amortizacion {
    float diferenciaPrecio = 0;  // car 1's price - car 2's (PCD - PCG)
    double costeKm2 = 0;         // car 2's cost a kilometre (CMG * PG / 100)
    float costeKm1 = 0;          // car 1's (CMD * PGas / 100), narrowed as the diesel's is
    // The difference the saving must make up: the price difference, or
    // with the interest formula the difference charged with interest.
    float diferenciaCargada = 0;
    float distancia = 0;  // the formula's result, not clamped

    CasoAmortizacion Caso() const {
        const bool ahorra = costeKm2 > static_cast<double>(costeKm1);
        if (ahorra) {
            return diferenciaPrecio > 0 ? CasoAmortizacion::SeAmortiza
                                        : CasoAmortizacion::AmortizadoDesdeYa;
        }
        if (diferenciaPrecio > 0) return CasoAmortizacion::NuncaSeAmortiza;
        return diferenciaPrecio < 0 ? CasoAmortizacion::VentajaQueSeAcaba
                                    : CasoAmortizacion::MismoPrecio;
    }
};

// The steps both formulas take, on figures already read, for every kind of
// car (Motores.h) and for a replay over real prices. Each fails with an
// ErrorCalculo that names no field: an overflow for a value beyond the
// float range (or not a number), a division by zero for equal costs.

// A step's double result, checked.
Intento<double> Comprobado(double valor);
// A double narrowed to float, checked.
Intento<float> Estrechado(double valor);
// Both cars' prices and costs a kilometre, and the distance without
// interest: D / (C2 - C1). The costs are equal where car 2's, rounded to a
// float as car 1's is, equals it: 8 l at 1,5 and 6 l at 2 are both 0,12 a
// km, which a float and a double hold a few units of 1E-9 apart.
Intento<Amortizacion> Amortizar(float diferenciaPrecio, double costeKm2, float costeKm1);
// The years car 1 takes to pay off without interest at `km` a year
// (0 is a division by zero).
Intento<float> AnosHastaAmortizar(const Amortizacion& a, double km);
// The price difference charged with simple interest at 4/5 of the rate
// `tasa` for `anos` years, in exactly this order: times the rate, /100, *4,
// /5, times the years; and the distance that makes it up.
Intento<Amortizacion> CargarInteres(Amortizacion a, float anos, double tasa);

// What a formula found, and whether it was the interest formula: what the
// outcome of a request (OperacionCalcular.h) and the picture of its answer
// (Grafica.h) are both made of, so that they never disagree.
// Each car as the answer names it, and what its cost a kilometre is made of:
// the price of each energy it uses times what it takes of it a kilometre,
// plus what it costs a kilometre whatever it burns (other yearly costs over
// the kilometres a year). So a picture tells how far each price may move
// before the answer changes.
struct Energia {
    std::string_view nombre;  // "el litro de gasolina", "el kWh en casa"
    double precio;
    double porKm;  // what a kilometre takes of it: the cost a km is porKm * precio + ...
};
struct CocheCalculado {
    std::string_view nombre;  // "el diésel", "el de gasolina", "el híbrido"
    std::vector<Energia> energias;
    double fijoPorKm = 0;
};

struct Calculo {
    Amortizacion amortizacion;
    bool conInteres = false;
    std::optional<double> kmAno;           // where the kilometres a year are a number
    std::array<CocheCalculado, 2> coches;  // car 1, car 2
};

// The eight fields as the formulas read them: the six car fields with
// NumeroEstricto, the kilometres a year and the rate with NumeroInicial;
// each its value or an error that names the field. Read once, the figures
// of a request can be taken again with other prices of a litre (a replay
// over the prices of past weeks, Repeticion.h): a price put in place of
// its text is the value that text would have read.
class CamposLeidos {
  public:
    CamposLeidos(const TextosCampos& textos, const ConfiguracionRegional& config);

    const Intento<double>& operator[](IdCampo campo) const {
        return leidos_[static_cast<std::size_t>(campo)];
    }
    void Poner(IdCampo campo, double valor) { leidos_[static_cast<std::size_t>(campo)] = valor; }
    // Whether the kilometres a year are a number, and the rate too (the
    // interest formula runs): the texts' say, not a value's.
    bool HayKmAno() const { return hayKmAno_; }
    bool ConInteres() const { return conInteres_; }

  private:
    std::vector<Intento<double>> leidos_;  // by IdCampo
    bool hayKmAno_, conInteres_;
};

// Takes the six car figures (PCD, PCG, PG, CMG, PGas, CMD, in that order).
// Fails with the first ErrorCalculo: a conversion error naming the field,
// an overflow (naming the field when a figure itself is too large), or a
// division by zero when both cars cost the same per kilometre (Amortizar).
Intento<Amortizacion> CalcularResultado(const CamposLeidos& campos);
Intento<Amortizacion> CalcularResultado(const TextosCampos& textos,
                                        const ConfiguracionRegional& config);

// Takes the six car figures as CalcularResultado does (a typo is an error,
// never a 0), then the kilometres a year and the rate. Fails as
// CalcularResultado, and with a division by zero naming txtKmAno when the
// distance per year is 0.
Intento<Amortizacion> CalcularResultadoInteres(const CamposLeidos& campos);
Intento<Amortizacion> CalcularResultadoInteres(const TextosCampos& textos,
                                               const ConfiguracionRegional& config);

// valor when it is greater than 0, unchanged; otherwise +0 (negative values,
// both zeros and NaN alike).
float Corrije(float valor);

}  // namespace velmora
