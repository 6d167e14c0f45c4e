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

#include "Campos.h"
#include "ConfiguracionRegional.h"

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
// picture of the answer to draw it (Grafica.h).
struct Amortizacion {
    float diferenciaPrecio = 0;  // PCD - PCG
    double costeKmGasolina = 0;  // CMG * PG / 100
    float costeKmDiesel = 0;     // CMD * PGas / 100
    // The difference the fuel saving must make up: the price difference,
    // or with the interest formula the difference charged with interest.
    float diferenciaCargada = 0;
    float distancia = 0;  // the formula's result, not clamped
    // The figures as the formula read them (kmAno: the interest formula's).
    double precioLitroGasolina = 0, consumoGasolina = 0;
    double precioLitroGasoil = 0, consumoDiesel = 0;
    double kmAno = 0;

    CasoAmortizacion Caso() const {
        const bool ahorra = costeKmGasolina > static_cast<double>(costeKmDiesel);
        if (ahorra) {
            return diferenciaPrecio > 0 ? CasoAmortizacion::SeAmortiza
                                        : CasoAmortizacion::AmortizadoDesdeYa;
        }
        if (diferenciaPrecio > 0) return CasoAmortizacion::NuncaSeAmortiza;
        return diferenciaPrecio < 0 ? CasoAmortizacion::VentajaQueSeAcaba
                                    : CasoAmortizacion::MismoPrecio;
    }
};

// What a formula found, and whether it was the interest formula: what the
// outcome of a request (OperacionCalcular.h) and the picture of its answer
// (Grafica.h) are both made of, so that they never disagree.
struct Calculo {
    Amortizacion amortizacion;
    bool conInteres = false;
};

// Reads the six car fields with NumeroEstricto (PCD, PCG, PG, CMG, PGas,
// CMD, in that order). Throws ErrorCalculo: a conversion error naming the
// field, an overflow (naming the field when a figure itself is too large),
// or a division by zero when both cars cost the same per kilometre. They
// cost the same where the petrol's cost, rounded to a float as the diesel's
// is, equals the diesel's: 8 l at 1,5 and 6 l at 2 are both 0,12 a km,
// which a float and a double hold a few units of 1E-9 apart.
Amortizacion CalcularResultado(const TextosCampos& textos, const ConfiguracionRegional& config);

// Reads the six car fields as CalcularResultado does (a typo is an error,
// never a 0), the kilometres a year and the rate with NumeroInicial.
// Throws as CalcularResultado, and a division by zero naming txtKmAno when
// the distance per year is 0.
Amortizacion CalcularResultadoInteres(const TextosCampos& textos,
                                      const ConfiguracionRegional& config);

// valor when it is greater than 0, unchanged; otherwise +0 (negative values,
// both zeros and NaN alike).
float Corrije(float valor);

}  // namespace velmora
