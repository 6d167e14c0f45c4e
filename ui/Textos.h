// The program's fixed texts that are not part of a window's table: its
// title, its version, the About message, and what a page must write itself
// where a toolkit has its own words. Every front end shows them as they
// are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Proyecto.h"

namespace velmora::ui {

// The title of every message box, and the program's name.
inline constexpr const char* kTituloAplicacion = "Velmora";
// The version the main window's caption and the About message show. (The
// executable's version record is another thing: cmake/Proyecto.cmake.)
inline constexpr const char* kVersion = "1.0";

// What a desktop toolkit says in Spanish of its own (its translations, the
// system's) and a browser page writes itself: a message box's button, the
// name of a window's close button, and what a browser tab, which a page may
// not close, says after "&Salir", with the button that starts again.
inline constexpr const char* kTextoAceptar = "Aceptar";
inline constexpr const char* kTextoCerrar = "Cerrar";
inline constexpr const char* kTextoTerminado = "Velmora ha terminado.";
inline constexpr const char* kTextoVolverAEmpezar = "Volver a empezar";

// The caption of the main window once it has loaded: the caption its table
// gives, " v" and the version ("Amortización Diesel v1.0").
inline std::string TituloConVersion(std::string_view titulo) {
    return std::string(titulo) + " v" + kVersion;
}

// The About message: four lines separated by CR LF, without accents: the
// program's description, its version and date, its maker (the author) and
// the maker's address, and the web address indented by 38 blanks. The maker
// and the description are cmake/Proyecto.cmake's.
inline std::string TextoAcercaDe() {
    const std::string salto = "\r\n";
    return std::string(kDescripcion) + "." + salto + "Version: " + kVersion + ". " +
           "Junio del 2000" + "." + salto + "Autor: " + kFabricante + " - " + kCorreo + salto +
           std::string(38, ' ') + kWeb;
}

// A message's lines, as a front end shows them: the program's texts break
// lines with CR LF, as Windows writes them ("a\r\nb" is "a" and "b"); a
// lone line feed breaks one too.
inline std::vector<std::string> LineasDeMensaje(std::string_view texto) {
    std::vector<std::string> lineas;
    for (;;) {
        const std::size_t salto = texto.find('\n');
        std::string_view linea = texto.substr(0, salto);
        if (linea.ends_with('\r')) linea.remove_suffix(1);
        lineas.emplace_back(linea);
        if (salto == std::string_view::npos) return lineas;
        texto.remove_prefix(salto + 1);
    }
}

}  // namespace velmora::ui
