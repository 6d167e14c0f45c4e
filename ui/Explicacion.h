// The words and the plan of the picture of an answer (calc/Grafica.h), for
// any front end that shows one: a heading, one or two sentences that say
// what the figures mean and what would change the answer, the key points as
// a table for those who do not see the chart, and what the chart draws.
// Figures stay numbers (Cifra): a front end writes them in its reader's
// number format ("63.829" in Spanish, "63,829" in English).
//
// Worked example: "El diésel ahorra 4,7 por kilómetro y necesita 63.829 km
// para recuperar los 300.000 que cuesta de más."
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/Grafica.h"

namespace velmora::ui {

// A number to write with at most `decimales` digits after the point.
struct Cifra {
    double valor;
    int decimales;
};

// A piece of a sentence: a text, or a figure.
struct Pieza {
    std::string texto;
    std::optional<Cifra> cifra;
};
using Frase = std::vector<Pieza>;

struct Explicacion {
    std::string titulo;         // "Qué significa"
    std::string nombreGrafica;  // what the chart is, for a screen reader
    std::vector<Frase> frases;
    std::string tituloTabla;                     // "Puntos clave"
    std::vector<std::pair<Frase, Frase>> tabla;  // a name and its value, a row each

    // The chart: the kilometres across from 0 to `tramo`, the money up. The
    // difference to recover, a level line at `diferencia`; the saving
    // accumulated, from 0 by `ahorroPorKm` a kilometre; where they cross
    // (`cruzan`), at `distancia`. The kilometres a year (`kmAno`, 0 where
    // none was typed) put years under the kilometres.
    double tramo = 0, diferencia = 0, ahorroPorKm = 0, distancia = 0, kmAno = 0;
    bool cruzan = false;
    std::string rotuloDiferencia, rotuloAhorro, rotuloCruce, rotuloEje;
};

Explicacion ExplicacionDe(const Grafica& g);

}  // namespace velmora::ui
