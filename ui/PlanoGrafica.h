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

// The kinds of line and of text, each drawn in its own style: those of the
// chart of an answer, and of a replay over real prices (PlanoRepeticion.h).
enum class Trazo { Rejilla, Eje, Diferencia, Ahorro, Semanas, Propia, SinAmortizar };
enum class Estilo { Marca, Anos, Titulo, Diferencia, Ahorro, Cruce, Semanas, Propia, SinAmortizar };
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

// A line through many points (a replay's weeks).
struct Linea {
    std::vector<Punto> puntos;
    Trazo trazo;
};

struct PlanoGrafica {
    double ancho = 0, alto = 0;
    std::vector<Segmento> segmentos;  // in the order they are drawn
    std::vector<Linea> lineas;        // drawn after the segments
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

// What the plans of charts share.
namespace trazado {

// Room, in the chart's pixels.
inline constexpr double kMargen = 4;          // the chart's edge to anything in it
inline constexpr double kHueco = 6;           // between two texts, or a text and what it names
inline constexpr double kMuestra = 22;        // a line's sample in the legend
inline constexpr double kEntreRenglones = 4;  // between two rows of the legend, or an axis's name
inline constexpr double kBajoLaRaya = 2;      // between a line and the row of texts under it
// A value on an axis up every so many rows of text.
inline constexpr double kRenglonesPorMarca = 2.2;

// How an axis writes all its values: as they are, in millions, or in the
// exponent form.
enum class Forma { Llana, Millones, Exponente };
Forma FormaDe(const Marcas& m, bool millones);
// Value `v` of an axis whose values are `paso` apart, with as many
// decimals as the step needs, so that no two read alike.
std::string TextoDe(double v, double paso, Forma forma, const Escritura& w);
std::vector<std::string> TextosDe(const Marcas& m, Forma forma, const Escritura& w);

bool Solapan(const Caja& a, const Caja& b, double hueco = 0);
bool Dentro(const Caja& c, const Caja& area);
// A text of `medidas` whose box starts at `arriba`.
Rotulo Texto(double x, double arriba, Ancla ancla, std::string texto, Estilo estilo,
             const MedidasGrafica& medidas);

// The legend, in rows from the top of the chart: each entry's sample (its
// line, or a point where it has none) and its name. Gives where it ends.
struct EntradaLeyenda {
    const std::string& texto;
    Estilo estilo;
    std::optional<Trazo> trazo;
};
double Leyenda(const std::vector<EntradaLeyenda>& entradas, const MedidasGrafica& m,
               PlanoGrafica& p);

}  // namespace trazado

}  // namespace velmora::ui
