// Where every row of a window's table goes, in pixels: the one entry point
// every front end lays a window out by. As drawn, scaled by the fit rule
// (ui/Ajuste.h), its font shrunk where the window would not fit its space;
// or, for a front end that offers it (the page), on a screen too narrow
// for the window as drawn at its font, in one column (ui/Columna.h).
//
// Boxes count from their container's corner, as a toolkit whose frames
// hold their controls places them (Qt, the page); EnCliente gives them from
// the client area's corner, for one whose controls are all children of the
// window (Win32). Either way a frame's controls move with the frame's
// rounded place, so the same table gives the same pixels everywhere.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "Ajuste.h"
#include "Colocacion.h"
#include "Columna.h"
#include "Diseno.h"

namespace velmora::ui {

// The room a window's client area may take, in the front end's pixels, and
// the font, in points, it starts from.
struct Espacio {
    int ancho = 0, alto = 0;
    double puntos = 0;
};

// The one-column arrangement: its font, and the size of a fingertip.
struct ReglaColumna {
    double puntos = kPuntosEnColumna;
    int minimoToque = kMinimoToque;
};

struct Disposicion {
    bool enColumna = false;
    double puntos = 0;              // the font the window keeps
    std::vector<Rectangulo> cajas;  // a row each, from its container's corner
    int ancho = 0, alto = 0;        // the client area
};

// Where every row of `diseno` goes in `espacio` (`pixelesPorTwip` at
// factor 1), `medir(puntos)` measuring at a font of `puntos` points: as
// drawn, by the fit rule from `espacio.puntos` on; or, given `columna` and
// where the window would not fit as drawn at that font and is arranged so
// (SeColocaEnColumna), in one column.
Disposicion Disponer(const DisenoVentana& diseno, double pixelesPorTwip, const Espacio& espacio,
                     const std::function<Medidas(double puntos)>& medir,
                     std::optional<ReglaColumna> columna = std::nullopt);

// The box of row `fila` from the client area's corner.
Rectangulo EnCliente(const DisenoVentana& diseno, const Disposicion& d, std::size_t fila);

}  // namespace velmora::ui
