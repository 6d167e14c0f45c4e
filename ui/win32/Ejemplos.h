// The examples window: sixteen break-even distances from a car magazine,
// sorted, for reference. Nothing in it touches the calculation.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class Ejemplos {
  public:
    // Shows the window modally over `propietario`, built afresh; returns
    // when it is closed.
    void Mostrar(HWND propietario);

    // Adds the sixteen rows to the list box, which sorts them (LBS_SORT).
    static void PonerEjemplos(HWND lstEjemplos);
};

// The one examples window object of the program, created on first use.
Ejemplos& FormularioEjemplos();

}  // namespace velmora::win32
