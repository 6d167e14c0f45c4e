// How much room each control of a table needs to show its content, and the
// one factor by which a whole table is scaled so that every control gets it
// (Escala, ui/Colocacion.h). The rule is written here once; a front end only
// measures texts with the font in use, in its own pixels, and fills Medidas.
//
// A frame needs its caption plus its inset on both sides, and a caption band
// that ends above its first control; a label its text (or its `muestra`)
// and a line of the font; a field a line of the font inside its border and
// padding; a button its caption inside its padding; a list every row, its
// widest row beside its padding, inside its border. A line needs nothing.
#pragma once

#include <functional>
#include <string_view>

#include "Colocacion.h"
#include "Diseno.h"

namespace velmora::ui {

// Margins of the rule, in pixels at 96 dpi, each on one side: the room a
// front end's controls keep around their text on every toolkit seen.
inline constexpr int kSangriaTituloMarco = 8;      // a frame's edge to its caption, left and right
inline constexpr int kRellenoBotonHorizontal = 8;  // a button's edge to its caption, left and right
inline constexpr int kRellenoBotonVertical = 4;    // the same above and below
inline constexpr int kRellenoCampoVertical = 1;    // a field's border to its text, above and below
inline constexpr int kRellenoFilaLista = 3;  // a list's border to its rows' text, left and right

// What a front end measures with the font in use, in the pixels it places
// controls by.
struct Medidas {
    std::function<int(std::string_view utf8)> anchoDeTexto;  // a one-line text's width
    int altoDeLetra = 0;                                     // the height of a line of text
    int altoTituloMarco = 0;                                 // the height of a frame's caption band
    int altoFilaLista = 0;                                   // the height of a list's row
    int bordeCampo = 0;                                      // a field's sunken border, on one side
    int bordeLista = 0;                                      // a list's sunken border, on one side
    double pixelesPorPixel96 = 1.0;  // its pixels for one pixel at 96 dpi, for the margins

    // A margin of the rule in these pixels.
    int Margen(int pixeles96) const;
};

// What row `c` needs, in pixels; 0 on a side its content does not bound. For
// a frame the height is its caption band's, which must end above the
// frame's first control rather than fit its whole box.
struct Necesario {
    int ancho = 0;
    int alto = 0;
};
Necesario TamanoNecesario(const Control& c, const Medidas& medidas);

// The scale, at `pixelesPorTwip` for factor 1, with which every control of
// `diseno` gets what it needs.
Escala EscalaDeAjuste(const DisenoVentana& diseno, double pixelesPorTwip, const Medidas& medidas);

// The scale of `diseno` for a window whose client area may take `ancho` x
// `alto` pixels (ui/Colocacion.h): `medir(puntos)` gives the scale with
// which every control gets what it needs at a font of `puntos` points (the
// front end sets that font on the window and measures). From `puntos` on,
// the font shrinks (PuntosParaCaber) while that scale needs more room than
// there is, never below kPuntosMinimos. Gives the scale and the font it was
// last measured at, which the window keeps.
struct EscalaAjustada {
    Escala escala;
    double puntos;
};
EscalaAjustada AjustarAlEspacio(const DisenoVentana& diseno, double pixelesPorTwip, int ancho,
                                int alto, double puntos,
                                const std::function<Escala(double puntos)>& medir);

}  // namespace velmora::ui
