// Nanoseconds per call of each conversion and of a whole calculation
// request with each formula. Run: build/release/bench/velmora_calc_bench
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "calc/ConversionNumeros.h"
#include "calc/OperacionCalcular.h"

namespace {

using velmora::ConfiguracionRegional;
const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

class VentanaMedida : public velmora::VentanaCalculo {
  public:
    std::map<std::string, std::string, std::less<>> campos;
    std::string resultado;
    std::string TextoCampo(std::string_view nombre) const override {
        auto it = campos.find(nombre);
        return it == campos.end() ? std::string() : it->second;
    }
    void EscribirResultado(const std::string& texto) override { resultado = texto; }
    void MostrarMensaje(const std::string&) override {}
};

VentanaMedida EjemploResuelto() {
    VentanaMedida v;
    v.campos = {{"txtPrecioCocheDiesel", "2.600.000"}, {"txtConsumoMedioDiesel", "6"},
                {"txtPrecioLitroGasoil", "115"},       {"txtPrecioCocheGasolina", "2.300.000"},
                {"txtConsumoMedioGasolina", "8"},      {"txtPrecioLitroGasolina", "145"}};
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
    VentanaMedida v = EjemploResuelto();
    for (auto _ : state) {
        velmora::OperacionCalcular(v, kEs);
        benchmark::DoNotOptimize(v.resultado);
    }
}
BENCHMARK(OperacionSinInteres);

void OperacionConInteres(benchmark::State& state) {
    VentanaMedida v = EjemploResuelto();
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
