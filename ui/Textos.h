// The program's fixed texts that are not part of a window's table: its
// title, its version and the About message. Both front ends show them as
// they are.
#pragma once

#include <string>
#include <string_view>

namespace velmora::ui {

// The title of every message box, and the program's name.
inline constexpr const char* kTituloAplicacion = "Velmora";
// The version the main window's caption and the About message show. (The
// executable's version record, 0.00.0002, is another thing: res/velmora.rc.)
inline constexpr const char* kVersion = "1.0";

// The caption of the main window once it has loaded: the caption its table
// gives, " v" and the version ("Amortización Diesel v1.0").
inline std::string TituloConVersion(std::string_view titulo) {
    return std::string(titulo) + " v" + kVersion;
}

inline constexpr const char* kAutor = "Equipo Velmora";
inline constexpr const char* kCorreo = "velmora@example.org";
inline constexpr const char* kWeb = "https://velmora.example.org";

// The About message: four lines separated by CR LF, without accents; the
// fourth is the web address indented by 38 blanks.
inline std::string TextoAcercaDe() {
    const std::string salto = "\r\n";
    return std::string("Calculo de amortizacion de un coche diesel.") + salto +
           "Version: " + kVersion + ". " + "Junio del 2000" + "." + salto + "Autor: " + kAutor +
           " - " + kCorreo + salto + std::string(38, ' ') + kWeb;
}

}  // namespace velmora::ui
