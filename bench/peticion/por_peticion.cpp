// Nanoseconds of one calculation request, as a click on "Calcular" costs it
// in the core (the outcome and the picture of the answer, Responder), with
// each formula: the same program built natively and for the browser, so the
// two figures compare the module with the native core.
//   build/release/bench/peticion/velmora_por_peticion
//   node --no-experimental-fetch build/web/bench/peticion/velmora_por_peticion.js
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "calc/OperacionCalcular.h"

namespace {

velmora::TextosCampos EjemploResuelto(bool conInteres) {
    velmora::TextosCampos t;
    const char* textos[] = {"2.600.000", "6", "115", "2.300.000", "8", "145", "15.000", "5"};
    for (const velmora::Campo& c : velmora::kCampos) {
        if (conInteres || c.seccion != velmora::Seccion::Interes) t[c.id] = textos[int(c.id)];
    }
    return t;
}

}  // namespace

int main() {
    const velmora::ConfiguracionRegional es = velmora::ConfiguracionRegional::Espanola();
    for (const bool conInteres : {false, true}) {
        const velmora::TextosCampos textos = EjemploResuelto(conInteres);
        constexpr int kVeces = 200000;
        double mejor = 1e30;
        for (int ronda = 0; ronda < 5; ++ronda) {
            const auto inicio = std::chrono::steady_clock::now();
            std::size_t suma = 0;
            for (int i = 0; i < kVeces; ++i) {
                suma += velmora::Responder(textos, es).grafica.has_value();
            }
            const std::chrono::duration<double, std::nano> t =
                std::chrono::steady_clock::now() - inicio;
            if (suma != kVeces) return 1;
            mejor = std::min(mejor, t.count() / kVeces);
        }
        std::printf("request %s interest: %.0f ns\n", conInteres ? "with" : "without", mejor);
    }
    return 0;
}
