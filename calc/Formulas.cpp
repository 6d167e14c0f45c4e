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

// Reads field `campo` by its conversion (the car fields strictly, the
// interest fields by their initial number), naming the field in any error.
Intento<double> Leer(const TextosCampos& textos, IdCampo campo,
                     const ConfiguracionRegional& config) {
    const bool inicial = DatosDe(campo).seccion == Seccion::Interes;
    const Intento<double> leido =
        inicial ? NumeroInicial(textos[campo], config) : NumeroEstricto(textos[campo], config);
    if (!leido.Bien()) return ErrorCalculo(leido.Error().Tipo(), campo);
    return leido;
}

// D / (C2 - C1), the last step of both formulas: equal costs per kilometre
// are a division by zero, a quotient beyond the float range an overflow.
// Car 1's cost is a float; car 2's, a double, equals it when it rounds to
// it (it cannot where it lies beyond the float range).
Intento<float> Dividir(float dividendo, const Amortizacion& a) {
    const double divisor = a.costeKm2 - static_cast<double>(a.costeKm1);
    const bool iguales = divisor == 0.0 || (std::fabs(a.costeKm2) < kLimiteSimple &&
                                            static_cast<float>(a.costeKm2) == a.costeKm1);
    if (iguales) return ErrorCalculo(TipoError::DivisionPorCero);
    return Estrechado(static_cast<double>(dividendo) / divisor);
}

// Steps shared by both formulas: price difference, the two costs per
// kilometre and the distance without interest, every car figure taken in
// this order; the first error ends them.
Intento<Amortizacion> SinInteres(const CamposLeidos& campos) {
    using enum IdCampo;
    const auto& pcd = campos[txtPrecioCocheDiesel];
    if (!pcd.Bien()) return pcd.Error();
    const auto& pcg = campos[txtPrecioCocheGasolina];
    if (!pcg.Bien()) return pcg.Error();
    const auto d = Estrechado(pcd.Valor() - pcg.Valor());
    if (!d.Bien()) return d.Error();
    const auto& pg = campos[txtPrecioLitroGasolina];
    if (!pg.Bien()) return pg.Error();
    const auto& cmg = campos[txtConsumoMedioGasolina];
    if (!cmg.Bien()) return cmg.Error();
    const auto cg = Comprobado(cmg.Valor() * pg.Valor() / 100.0);
    if (!cg.Bien()) return cg.Error();
    const auto& pgas = campos[txtPrecioLitroGasoil];
    if (!pgas.Bien()) return pgas.Error();
    const auto& cmd = campos[txtConsumoMedioDiesel];
    if (!cmd.Bien()) return cmd.Error();
    const auto cd = Estrechado(cmd.Valor() * pgas.Valor() / 100.0);
    if (!cd.Bien()) return cd.Error();
    return Amortizar(d.Valor(), cg.Valor(), cd.Valor());
}

}  // namespace

Intento<double> Comprobado(double valor) {
    if (!std::isfinite(valor)) return ErrorCalculo(TipoError::Desbordamiento);
    return valor;
}

Intento<float> Estrechado(double valor) {
    if (!(std::fabs(valor) < kLimiteSimple)) return ErrorCalculo(TipoError::Desbordamiento);
    return static_cast<float>(valor);
}

Intento<Amortizacion> Amortizar(float diferenciaPrecio, double costeKm2, float costeKm1) {
    Amortizacion a;
    a.diferenciaPrecio = diferenciaPrecio;
    a.costeKm2 = costeKm2;
    a.costeKm1 = costeKm1;
    a.diferenciaCargada = diferenciaPrecio;
    const auto distancia = Dividir(diferenciaPrecio, a);
    if (!distancia.Bien()) return distancia.Error();
    a.distancia = distancia.Valor();
    return a;
}

Intento<float> AnosHastaAmortizar(const Amortizacion& a, double km) {
    if (km == 0.0) return ErrorCalculo(TipoError::DivisionPorCero);
    return Estrechado(static_cast<double>(a.distancia) / km);
}

Intento<Amortizacion> CargarInteres(Amortizacion a, float anos, double tasa) {
    const double d = a.diferenciaPrecio;
    const auto cargada = Estrechado(d * tasa / 100.0 * 4.0 / 5.0 * static_cast<double>(anos) + d);
    if (!cargada.Bien()) return cargada.Error();
    a.diferenciaCargada = cargada.Valor();
    const auto distancia = Dividir(a.diferenciaCargada, a);
    if (!distancia.Bien()) return distancia.Error();
    a.distancia = distancia.Valor();
    return a;
}

CamposLeidos::CamposLeidos(const TextosCampos& textos, const ConfiguracionRegional& config)
    : hayKmAno_(EsNumerico(textos[IdCampo::txtKmAno], config)),
      conInteres_(hayKmAno_ && EsNumerico(textos[IdCampo::txtInteres], config)) {
    leidos_.reserve(kNumeroCampos);
    for (const Campo& campo : kCampos) leidos_.push_back(Leer(textos, campo.id, config));
}

Intento<Amortizacion> CalcularResultado(const CamposLeidos& campos) {
    return SinInteres(campos);
}

Intento<Amortizacion> CalcularResultado(const TextosCampos& textos,
                                        const ConfiguracionRegional& config) {
    return SinInteres(CamposLeidos(textos, config));
}

Intento<Amortizacion> CalcularResultadoInteres(const CamposLeidos& campos) {
    const auto a = SinInteres(campos);
    if (!a.Bien()) return a;
    const auto& km = campos[IdCampo::txtKmAno];
    if (!km.Bien()) return km.Error();
    // Only a distance a year of 0 divides on its own.
    if (km.Valor() == 0.0) return ErrorCalculo(TipoError::DivisionPorCero, IdCampo::txtKmAno);
    const auto anos = AnosHastaAmortizar(a.Valor(), km.Valor());
    if (!anos.Bien()) return anos.Error();
    const auto& tasa = campos[IdCampo::txtInteres];
    if (!tasa.Bien()) return tasa.Error();
    return CargarInteres(a.Valor(), anos.Valor(), tasa.Valor());
}

Intento<Amortizacion> CalcularResultadoInteres(const TextosCampos& textos,
                                               const ConfiguracionRegional& config) {
    return CalcularResultadoInteres(CamposLeidos(textos, config));
}

float Corrije(float valor) {
    return valor > 0.0f ? valor : 0.0f;
}

}  // namespace velmora
