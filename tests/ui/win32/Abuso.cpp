// Abuse of Velmora.exe from another process (tests/apoyo/Abuso.h): seeded
// random steps that set, type and paste random texts into random fields,
// now and then a pasted megabyte, and press "Calcular" or choose
// "&Calcular", the window checked against the calculation core after
// every calculation; then the program must still end with 0.
//
//   abuso_win32.exe path\to\Velmora.exe [steps]
// (the seed from VELMORA_SEMILLA; at most 90 seconds whatever the steps)
#include <windows.h>

#include "Abuso.h"

#include <chrono>

#include "Conductor.h"

using namespace std::chrono_literals;
using namespace velmora;
using namespace velmora::prueba;

namespace {

std::string Separador(LCTYPE que) {
    wchar_t texto[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, que, texto, 8);
    return Utf8(texto);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 2) {
        std::printf("uso: abuso_win32 Velmora.exe [pasos]\n");
        return 2;
    }
    const unsigned semilla = Semilla();
    const int pasos = argc > 2 ? _wtoi(argv[2]) : 400;
    std::printf("semilla %u (VELMORA_SEMILLA=%u repeats this run), %d pasos\n", semilla, semilla,
                pasos);
    std::fflush(stdout);
    Cuenta ok;
    Programa p(argv[1]);
    if (!ok(p.Arrancado(), "Velmora starts")) return ok.Terminar();
    ConductorWin32 conductor(p);
    const ConfiguracionRegional config{Separador(LOCALE_SDECIMAL), Separador(LOCALE_STHOUSAND)};
    const Informe informe = Abusar(conductor, config, semilla, pasos, 90s);
    std::printf("%s\n", informe.Resumen().c_str());
    for (const std::string& fallo : informe.fallos) ok(false, fallo);
    ok(informe.Bien(), "every calculation agrees with the core, every long text refused");
    p.Comando("menuSalir");
    ok(p.EsperarFin(10s) == 0, "the program still ends with 0");
    return ok.Terminar();
}
