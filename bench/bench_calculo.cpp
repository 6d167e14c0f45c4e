// Nanoseconds per call of each conversion and of a whole calculation
// request with each formula. Run: build/release/bench/velmora_calc_bench
#include <benchmark/benchmark.h>

#include "VentanaFalsa.h"
#include "calc/ConversionNumeros.h"
#include "calc/OperacionCalcular.h"

namespace {

using velmora::ConfiguracionRegional;
const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

// The worked example, the prices written with group separators.
velmora::VentanaFalsa EjemploResuelto() {
    velmora::VentanaFalsa v;
    v.Coches("2.600.000", "6", "115", "2.300.000", "8", "145");
    return v;
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
    velmora::VentanaFalsa v = EjemploResuelto();
    for (auto _ : state) {
        velmora::OperacionCalcular(v, kEs);
        benchmark::DoNotOptimize(v.resultado);
    }
}
BENCHMARK(OperacionSinInteres);

void OperacionConInteres(benchmark::State& state) {
    velmora::VentanaFalsa v = EjemploResuelto();
    v.campos["txtKmAno"] = "15.000";
    v.campos["txtInteres"] = "5";
    for (auto _ : state) {
        velmora::OperacionCalcular(v, kEs);
        benchmark::DoNotOptimize(v.resultado);
    }
}
BENCHMARK(OperacionConInteres);

}  // namespace

BENCHMARK_MAIN();
