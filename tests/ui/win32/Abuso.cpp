// Abuse of Velmora.exe from another process: seeded random steps that set
// random texts into random fields (digits, separators, signs, exponents,
// blanks, control characters, letters of other alphabets, now and then a
// pasted megabyte, or a text as long as a field takes or just longer), paste
// them, and press
// "Calcular" or choose "&Calcular". After every calculation the window must
// agree with the calculation core given the same texts: the core's caption
// in the result box and no message, or exactly the core's one message with
// the result box kept; and no field changed. A text too long for a field is
// refused with its message, the field kept.
//
//   abuso_win32.exe path\to\Velmora.exe [seed [steps]]
// (the seed also from VELMORA_SEMILLA; at most 90 seconds whatever the steps)
#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "Conductor.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"

using namespace std::chrono_literals;
using namespace velmora;
using namespace velmora::prueba;

namespace {

std::string Separador(LCTYPE que) {
    wchar_t texto[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, que, texto, 8);
    return Utf8(texto);
}

class Generador {
  public:
    explicit Generador(unsigned semilla) : azar_(semilla) {}
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar_); }
    bool Probabilidad(double p) { return std::bernoulli_distribution(p)(azar_); }

    // A text of the pieces users and pastes bring, in UTF-8.
    std::string Texto() {
        static const std::vector<std::string> piezas = {"0",
                                                        "1",
                                                        "5",
                                                        "9",
                                                        "15",
                                                        "2600000",
                                                        ",",
                                                        ".",
                                                        "+",
                                                        "-",
                                                        "E",
                                                        "e",
                                                        "D",
                                                        "E+",
                                                        "E-",
                                                        "E400",
                                                        "E38",
                                                        "1E308",
                                                        "9999999999999999999999999",
                                                        " ",
                                                        "\t",
                                                        "\r\n",
                                                        "abc",
                                                        "ñ",
                                                        "é",
                                                        "€",
                                                        "\u0663",
                                                        "\uff13",
                                                        "\u200f",
                                                        "\u202e",
                                                        "\u00a0",
                                                        "\u202f",
                                                        "'",
                                                        "\u2019",
                                                        "\x01",
                                                        "\x7f",
                                                        Separador(LOCALE_SDECIMAL),
                                                        Separador(LOCALE_STHOUSAND)};
        std::string texto;
        const int n = Entre(0, 6);
        for (int i = 0; i < n; ++i) texto += piezas[std::size_t(Entre(0, int(piezas.size()) - 1))];
        return texto;
    }

    // A figure a user might really type.
    std::string Cifra() {
        switch (Entre(0, 2)) {
            case 0:
                return std::to_string(Entre(0, 3000000));
            case 1:
                return std::to_string(Entre(0, 200)) + Separador(LOCALE_SDECIMAL) +
                       std::to_string(Entre(0, 9));
            default:
                return std::to_string(Entre(-5, 200));
        }
    }

    // For a paste, a megabyte (refused whole) or a text as long as a field
    // takes; for WM_SETTEXT, a text just over that or as long. (Wine hangs
    // a WM_SETTEXT of a megabyte between processes before the program sees
    // it; the clipboard carries one fine.)
    std::wstring Enorme(bool pegar) {
        std::size_t largo = kLargoMaximoCampo;
        if (Probabilidad(0.5))
            largo = pegar ? std::size_t(1) << 20 : largo + std::size_t(Entre(1, 999));
        return std::wstring(largo, Probabilidad(0.5) ? L'7' : L'\u0663');
    }

  private:
    std::mt19937 azar_;
};

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 2) {
        std::printf("uso: abuso_win32 Velmora.exe [semilla [pasos]]\n");
        return 2;
    }
    unsigned semilla = std::random_device{}();
    if (argc > 2) {
        semilla = unsigned(_wtoi64(argv[2]));
    } else if (const char* s = std::getenv("VELMORA_SEMILLA")) {
        semilla = unsigned(std::strtoul(s, nullptr, 10));
    }
    const int pasos = argc > 3 ? _wtoi(argv[3]) : 400;
    std::printf("semilla %u (VELMORA_SEMILLA=%u repeats this run), %d pasos\n", semilla, semilla,
                pasos);
    std::fflush(stdout);
    const bool traza = std::getenv("VELMORA_TRAZA") != nullptr;
    Generador g(semilla);
    Cuenta ok;
    Programa p(argv[1]);
    if (!ok(p.Arrancado(), "Velmora starts")) return ok.Terminar();
    const ConfiguracionRegional config{Separador(LOCALE_SDECIMAL), Separador(LOCALE_STHOUSAND)};

    int calculos = 0, resultados = 0, mensajes = 0, rechazos = 0, fallos = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (int paso = 0; paso < pasos && std::chrono::steady_clock::now() - inicio < 90s; ++paso) {
        const Campo& campo = kCampos[std::size_t(g.Entre(0, int(kNumeroCampos) - 1))];
        HWND control = p.Campo(campo.id);
        const std::wstring antes = Texto(control);
        const std::string contexto = "paso " + std::to_string(paso);
        const int que = paso % 100 == 50 ? 1 : g.Entre(0, 9);
        if (traza) {
            std::printf("paso %d: %d en %s\n", paso, que, campo.nombre.data());
            std::fflush(stdout);
        }
        if (que <= 3) {  // set, or paste, a text into a field
            // Every hundred steps surely a pasted megabyte; now and then a long text.
            const bool pegar = que % 2 == 1;
            const std::wstring texto = paso % 100 == 50 ? std::wstring(std::size_t(1) << 20, L'7')
                                       : g.Probabilidad(0.01)
                                           ? g.Enorme(pegar)
                                           : Utf16(g.Probabilidad(0.5) ? g.Cifra() : g.Texto());
            if (traza) {
                std::printf("  %s %zu: %s\n", pegar ? "pega" : "pone", texto.size(),
                            Utf8(texto.substr(0, 60)).c_str());
                std::fflush(stdout);
            }
            if (pegar) {
                PonerPortapapeles(p.Principal(), texto);
                SendMessageW(control, EM_SETSEL, 0, -1);
                SendMessageW(control, WM_PASTE, 0, 0);
            } else {
                SendMessageW(control, WM_SETTEXT, 0, LPARAM(texto.c_str()));
            }
            // A paste stops at the first line break, as a one-line field does.
            const std::size_t largo = pegar ? texto.find_first_of(L"\r\n") : texto.size();
            if (std::min(largo, texto.size()) > kLargoMaximoCampo) {
                ++rechazos;
                const Caja caja = p.BuscarCaja(5s);
                const bool cerrada = caja.ventana && p.CerrarCaja(caja);
                if (!ok(cerrada && caja.texto == Utf16(MensajeTextoDemasiadoLargo(campo.id)) &&
                            Texto(control) == antes,
                        contexto + ": a text too long is refused whole")) {
                    ++fallos;
                }
            }
        } else if (que == 4) {  // clear
            SendMessageW(control, WM_SETTEXT, 0, LPARAM(L""));
        } else {  // calculate, by the button or the menu
            ++calculos;
            const std::vector<std::wstring> campos = p.TextosDeCampos();
            TextosCampos textos;
            for (const Campo& c : kCampos) textos[c.id] = Utf8(campos[std::size_t(c.id)]);
            const Desenlace nucleo = OperacionCalcular(textos, config);
            const std::wstring etiqueta = Texto(p.Control("lblResultado"));
            if (que <= 7) {
                p.Calcular();
            } else {
                p.Comando("menuCalcular");
            }
            bool bien;
            if (const auto* r = std::get_if<Resultado>(&nucleo)) {
                ++resultados;
                const std::wstring esperado = Utf16(r->texto);
                // Written only if it differs: wait for it, then make sure no box came.
                bien = Esperar([&] { return Texto(p.Control("lblResultado")) == esperado; }, 5s) &&
                       !p.BuscarCaja(30ms).ventana;
            } else {
                ++mensajes;
                const Caja caja = p.BuscarCaja(5s);
                const bool cerrada = caja.ventana && p.CerrarCaja(caja);
                bien = cerrada && caja.texto == Utf16(std::get<Mensaje>(nucleo).texto) &&
                       !p.BuscarCaja(30ms).ventana && Texto(p.Control("lblResultado")) == etiqueta;
            }
            bien = bien && p.TextosDeCampos() == campos;
            if (!bien) {
                ++fallos;
                ok(false, contexto + ": window and core disagree on fields [" +
                              Utf8(campos[0]).substr(0, 40) + "|...]");
            }
        }
        // Now and then the worked example again, so that results stay frequent.
        if (g.Probabilidad(0.05)) p.EscribirTodos(kEjemploResuelto);
        if (fallos > 5) break;
    }
    std::printf("%d calculos: %d resultados, %d mensajes; %d textos rechazados\n", calculos,
                resultados, mensajes, rechazos);
    ok(fallos == 0 && resultados > 0 && mensajes > 0 && rechazos > 0,
       "every calculation agrees with the core, every long text refused");
    p.Comando("menuSalir");
    ok(p.EsperarFin(10s) == 0, "the program still ends with 0");
    return ok.Terminar();
}
