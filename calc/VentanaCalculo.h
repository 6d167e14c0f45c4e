// What the calculation needs from the main window, and nothing more: the
// text of a field by its name, the caption of the result label, and a
// message box (modal, the text as its only content, an OK button only, no
// icon, the title "Velmora"). The main window implements it; tests use a
// fake, so every rule of a calculation is checked without a screen.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class VentanaCalculo {
  public:
    virtual ~VentanaCalculo() = default;

    // The text of the field `nombre` exactly as typed, as UTF-8.
    virtual std::string TextoCampo(std::string_view nombre) const = 0;
    // Writes the caption of lblResultado.
    virtual void EscribirResultado(const std::string& texto) = 0;
    // Shows `texto` in a modal message box and returns once it is closed.
    virtual void MostrarMensaje(const std::string& texto) = 0;
};

}  // namespace velmora
