// What the examples and formula windows share: a window built from a table,
// fixed size, close button only, centred, shown modally over the main
// window (which takes no input meanwhile). Each showing builds the window
// afresh and destroys it on close; Escape closes it, as the close button
// and Alt+F4 do.
#pragma once

#include <windows.h>

#include "ui/Diseno.h"

namespace velmora::win32 {

class VentanaFija {
  public:
    // Builds the window of `diseno` with its content (a list's rows are
    // added as it is built, its load handler), shows it and returns once the
    // user has closed it.
    static void Mostrar(const ui::DisenoVentana& diseno, HWND propietario);

    static LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);
};

}  // namespace velmora::win32
