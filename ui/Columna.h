// A window on a screen too narrow to show it as drawn at a legible size (a
// phone): every control of its table kept, with its caption, its place in
// the keyboard order and its role, arranged in one column. Only where each
// control stands changes, by a rule read off the table:
//   - the client area's frames and its lines (the rows that stand at one
//     height, left to right) go one under the other, in the order one reads
//     the table (top, then left); every frame takes a line of its own and
//     the column's width, and its rows go inside it one under the other
//     (a caption above its field), as wide as the frame;
//   - a line of the client area keeps its rows side by side where they fit,
//     and the room left goes to its fields, lists and result box; where
//     they do not fit, each row takes a line of its own, as wide as the
//     column;
//   - every row gets what it needs at the font it is measured with
//     (TamanoNecesario), and a field, a button or a list at least
//     `minimoToque` pixels each way, the size of a fingertip;
//   - a label on a line with a taller row is as tall as the line, so that
//     its text stands level with the other's.
// Only a window that holds frames is arranged so (the main window); one that
// draws a picture from its rows (the formula) keeps its drawing.
//
// Worked example: the main window at 16 px in a column of 344 px stacks the
// "Diesel", "Gasolina" and "Aplicar interes acumulado" frames, each caption
// above its field, the field as wide as the frame, then "Coche amortizado a
// partir de", then the result box, "Km" and "Calcular" on one line.
#pragma once

#include <vector>

#include "Ajuste.h"
#include "Colocacion.h"
#include "Diseno.h"

namespace velmora::ui {

// The column's font, in points: 16 CSS pixels, below which a phone's
// browser zooms in on a field as it takes the focus; and a fingertip, in
// pixels.
inline constexpr double kPuntosEnColumna = 12;
inline constexpr int kMinimoToque = 44;

struct EnColumna {
    std::vector<Rectangulo> cajas;  // a row each, in pixels from its container's corner
    int ancho = 0, alto = 0;        // the client area
};

// Whether `diseno` is arranged in one column where it does not fit.
bool SeColocaEnColumna(const DisenoVentana& diseno);

// `diseno` in a column `ancho` pixels wide, measured by `medidas`.
EnColumna ColocarEnUnaColumna(const DisenoVentana& diseno, const Medidas& medidas, int ancho,
                              int minimoToque);

}  // namespace velmora::ui
