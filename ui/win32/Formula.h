// The formula window: the break-even formula without interest drawn as a
// two-level fraction of labels and lines, with a legend. A static picture.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class Formula {
  public:
    // Shows the window modally over `propietario`; returns when it is closed.
    void Mostrar(HWND propietario);
};

// The one formula window object of the program, created on first use.
Formula& FormularioFormula();

}  // namespace velmora::win32
