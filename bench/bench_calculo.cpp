// Nanoseconds per call of each conversion and of a whole calculation
// request with each formula. Run: build/release/bench/velmora_calc_bench
#include <benchmark/benchmark.h>

#include "calc/ConversionNumeros.h"
#include "calc/OperacionCalcular.h"

namespace {

using velmora::ConfiguracionRegional;
using velmora::IdCampo;
const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

// The worked example, the prices written with group separators.
velmora::TextosCampos EjemploResuelto() {
    velmora::TextosCampos t;
    t[IdCampo::txtPrecioCocheDiesel] = "2.600.000";
    t[IdCampo::txtConsumoMedioDiesel] = "6";
    t[IdCampo::txtPrecioLitroGasoil] = "115";
    t[IdCampo::txtPrecioCocheGasolina] = "2.300.000";
    t[IdCampo::txtConsumoMedioGasolina] = "8";
    t[IdCampo::txtPrecioLitroGasolina] = "145";
    return t;
}

void NumeroEstricto(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::NumeroEstricto("2.600.000,75", kEs));
}
BENCHMARK(NumeroEstricto);

void NumeroInicial(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::NumeroInicial("2.600.000,75 km", kEs));
}
BENCHMARK(NumeroInicial);

void EsNumerico(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::EsNumerico("2.600.000,75", kEs));
}
BENCHMARK(EsNumerico);

void TextoDeSimple(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::TextoDeSimple(12345679.0f, kEs));
}
BENCHMARK(TextoDeSimple);

void OperacionSinInteres(benchmark::State& state) {
    const velmora::TextosCampos textos = EjemploResuelto();
    for (auto _ : state) benchmark::DoNotOptimize(velmora::OperacionCalcular(textos, kEs));
}
BENCHMARK(OperacionSinInteres);

void OperacionConInteres(benchmark::State& state) {
    velmora::TextosCampos textos = EjemploResuelto();
    textos[IdCampo::txtKmAno] = "15.000";
    textos[IdCampo::txtInteres] = "5";
    for (auto _ : state) benchmark::DoNotOptimize(velmora::OperacionCalcular(textos, kEs));
}
BENCHMARK(OperacionConInteres);

}  // namespace

BENCHMARK_MAIN();
