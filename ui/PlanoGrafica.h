// The plan of the chart of an answer (ui/Explicacion.h) for a chart of a
// given width: every line, point and text with its place, so that a front
// end only draws them. Across, the kilometres from 0 to past the crossing
// (or ten years at the kilometres a year typed, or 100 000 km); up, the
// money. Written for any front end; the page draws it in SVG.
//
// What the plan promises, whatever the figures:
//   - the axes' values are round (1, 2 or 5 times a power of ten), each
//     written once, none "-0"; large ones in millions ("Km en millones")
//     and, from a thousand million up (or below a ten-thousandth), in the
//     window's exponent form ("2E+38");
//   - no text leaves the chart, overlaps another text, or crosses a line
//     that carries meaning (the difference, the saving, the zero line);
//     the two lines are named in a legend above the chart;
//   - where the lines cross, the point is drawn on both, at the true
//     crossing (a result of 1,5 km shows 1 and is drawn at 1,5), and
//     labelled beside it with the distance as the window shows it (in the
//     legend, where no place beside it is free).
//
// Worked example: the answer of 63829 km with the chart 600 pixels wide
// has kilometres from 0 to 82 978, ticks 0, 20.000, ... 80.000, money ticks
// 0, 100.000, ... 400.000, and "63829 Km" above and left of the crossing.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Explicacion.h"

namespace velmora::ui {

// The chart's font, measured by the front end in the chart's pixels.
struct MedidasGrafica {
    std::function<double(std::string_view utf8)> anchoDeTexto;
    double altoDeLetra = 14;  // a text's box; its baseline at four fifths of it
};

enum class Trazo { Rejilla, Eje, Diferencia, Ahorro };
enum class Estilo { Marca, Anos, Titulo, Diferencia, Ahorro, Cruce };
enum class Ancla { Inicio, Medio, Fin };

struct Segmento {
    double x1, y1, x2, y2;
    Trazo trazo;
};
struct Rotulo {
    double x, y;  // the anchor on the baseline
    Ancla ancla;
    std::string texto;
    Estilo estilo;
};
struct Punto {
    double x, y;
};
struct Caja {
    double x, y, ancho, alto;
};

struct PlanoGrafica {
    double ancho = 0, alto = 0;
    std::vector<Segmento> segmentos;  // in the order they are drawn
    std::vector<Rotulo> rotulos;
    std::vector<Punto> puntos;  // the crossing (and its sample in the legend)
    double radioPunto = 5;
};

PlanoGrafica PlanoDe(const Explicacion& e, double ancho, const MedidasGrafica& medidas,
                     const Escritura& escritura);

// Round values from `desde` to `hasta`, about `cuantas` steps apart: the
// multiples within of a step of 1, 2 or 5 times a power of ten, 0 exactly
// 0. Gives the values and the step.
struct Marcas {
    std::vector<double> valores;
    double paso = 1;
};
Marcas MarcasDe(double desde, double hasta, int cuantas);

// The box a text takes, and whether a segment passes through a box.
Caja CajaDe(const Rotulo& r, const MedidasGrafica& medidas);
bool Cruza(const Segmento& s, const Caja& c);

}  // namespace velmora::ui
