// The formula window: the break-even formula without interest drawn as a
// two-level fraction of labels and lines, with a legend. A static picture.
#pragma once

namespace velmora::qt {

class Formula {
  public:
    // Shows the window modally; returns when it is closed.
    void Mostrar();
};

// The one formula window object of the program, created on first use.
Formula& FormularioFormula();

}  // namespace velmora::qt
