// What Velmora does with its command line, where a system starts programs
// with one (the Linux front end): nothing but the window, or a line of
// text. "--help" and "--version" print a line each and end the program
// with 0; any other argument is reported on the error output and ends it
// with 2. Options the toolkit takes itself (-display, -platform) are gone
// from the arguments before this rule reads them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "Textos.h"

namespace velmora::ui {

inline constexpr const char* kUso = "Uso: velmora [--help | --version]";

struct Salida {
    std::string linea;  // without its line break
    bool error;         // on the error output
    int estado;         // the exit status
};

// What the program's arguments (without the program's name) ask for;
// nothing where it opens its window.
inline std::optional<Salida> LineaDeOrdenes(std::span<const std::string_view> argumentos) {
    for (const std::string_view a : argumentos) {
        if (a == "--help") {
            return Salida{std::string(kUso) + ". Abre la ventana de " + kTituloAplicacion +
                              ": a partir de cuantos kilometros se amortiza un coche diesel.",
                          false, 0};
        }
        if (a == "--version") {
            return Salida{std::string(kTituloAplicacion) + " " + kVersion + " (" +
                              kTextoVersionDelRegistro + ")",
                          false, 0};
        }
    }
    if (argumentos.empty()) return std::nullopt;
    return Salida{"velmora: opcion desconocida: " + std::string(argumentos.front()) + ". " + kUso,
                  true, 2};
}

}  // namespace velmora::ui
