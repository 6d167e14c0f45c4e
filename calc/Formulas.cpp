#include "Formulas.h"

#include <cmath>

#include "Campos.h"
#include "ConversionNumeros.h"
#include "ErrorCalculo.h"

namespace velmora {
namespace {

// The smallest magnitude that rounds to infinity when narrowed to float:
// halfway between FLT_MAX and 2^128. FLT_MAX itself, and anything that
// rounds to it, is not an overflow.
constexpr double kLimiteSimple = 0x1.ffffffp127;

// A step's double result, checked: a step that overflowed or made no sense
// (NaN) raises an overflow. Underflow and inexact results are not faults.
double Comprobar(double valor) {
    if (!std::isfinite(valor)) throw ErrorCalculo(TipoError::Desbordamiento);
    return valor;
}

// Narrows a checked double to float, raising an overflow beyond the float
// range instead of converting (which would be undefined behaviour in C++).
float Estrechar(double valor) {
    if (!(std::fabs(Comprobar(valor)) < kLimiteSimple)) {
        throw ErrorCalculo(TipoError::Desbordamiento);
    }
    return static_cast<float>(valor);
}

// Reads one field with one of the two conversions, naming the field in any
// error the conversion raises.
using Conversion = double (*)(std::string_view, const ConfiguracionRegional&);

double Leer(const TextosCampos& textos, IdCampo campo, Conversion convertir,
            const ConfiguracionRegional& config) {
    try {
        return convertir(textos[campo], config);
    } catch (const ErrorCalculo& e) {
        throw ErrorCalculo(e.Tipo(), campo);
    }
}

// D / (CG - CD), the last step of both formulas: equal costs per kilometre
// are a division by zero, a quotient beyond the float range an overflow.
// The diesel's cost is a float; the petrol's, a double, equals it when it
// rounds to it (it cannot where it lies beyond the float range).
float Dividir(float dividendo, const Amortizacion& a) {
    const double divisor = a.costeKmGasolina - static_cast<double>(a.costeKmDiesel);
    const bool iguales =
        divisor == 0.0 || (std::fabs(a.costeKmGasolina) < kLimiteSimple &&
                           static_cast<float>(a.costeKmGasolina) == a.costeKmDiesel);
    if (iguales) throw ErrorCalculo(TipoError::DivisionPorCero);
    return Estrechar(static_cast<double>(dividendo) / divisor);
}

// Steps shared by both formulas: price difference, the two costs per
// kilometre and the distance without interest, every car figure read
// strictly.
Amortizacion SinInteres(const TextosCampos& textos, const ConfiguracionRegional& config) {
    constexpr Conversion convertir = NumeroEstricto;
    using enum IdCampo;
    Amortizacion a;

    const double pcd = Leer(textos, txtPrecioCocheDiesel, convertir, config);
    const double pcg = Leer(textos, txtPrecioCocheGasolina, convertir, config);
    a.diferenciaPrecio = Estrechar(pcd - pcg);

    const double pg = Leer(textos, txtPrecioLitroGasolina, convertir, config);
    const double cmg = Leer(textos, txtConsumoMedioGasolina, convertir, config);
    a.costeKmGasolina = Comprobar(cmg * pg / 100.0);

    const double pgas = Leer(textos, txtPrecioLitroGasoil, convertir, config);
    const double cmd = Leer(textos, txtConsumoMedioDiesel, convertir, config);
    a.costeKmDiesel = Estrechar(cmd * pgas / 100.0);

    a.precioLitroGasolina = pg;
    a.consumoGasolina = cmg;
    a.precioLitroGasoil = pgas;
    a.consumoDiesel = cmd;
    a.diferenciaCargada = a.diferenciaPrecio;
    a.distancia = Dividir(a.diferenciaPrecio, a);
    return a;
}

}  // namespace

Amortizacion CalcularResultado(const TextosCampos& textos, const ConfiguracionRegional& config) {
    return SinInteres(textos, config);
}

Amortizacion CalcularResultadoInteres(const TextosCampos& textos,
                                      const ConfiguracionRegional& config) {
    Amortizacion a = SinInteres(textos, config);

    // Years the car takes to pay off without interest.
    const double km = Leer(textos, IdCampo::txtKmAno, NumeroInicial, config);
    if (km == 0.0) throw ErrorCalculo(TipoError::DivisionPorCero, IdCampo::txtKmAno);
    a.kmAno = km;
    const float anos = Estrechar(static_cast<double>(a.distancia) / km);

    // Price difference charged with simple interest at 4/5 of the rate, in
    // exactly this order: times the rate, /100, *4, /5, times the years.
    const double interes = Leer(textos, IdCampo::txtInteres, NumeroInicial, config);
    const double d = a.diferenciaPrecio;
    a.diferenciaCargada =
        Estrechar(d * interes / 100.0 * 4.0 / 5.0 * static_cast<double>(anos) + d);

    a.distancia = Dividir(a.diferenciaCargada, a);
    return a;
}

float Corrije(float valor) {
    return valor > 0.0f ? valor : 0.0f;
}

}  // namespace velmora
