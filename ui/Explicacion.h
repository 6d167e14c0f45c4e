// The words of the picture of an answer (calc/Grafica.h), for any front end
// that shows one: a heading, one or two sentences that say what the figures
// mean and what would change the answer, the key points as a table for
// those who do not see the chart, and what the chart draws (its plan is
// ui/PlanoGrafica.h's). Figures are written in the reader's number format
// (Escritura), and each is the figure the window gives: a distance the
// window writes in its exponent form ("1,234568E+07") is written so here.
//
// Worked example: "El diésel ahorra 4,7 por kilómetro y necesita 63.829 km
// para recuperar los 300.000 que cuesta de más."
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/Grafica.h"

namespace velmora::ui {

// How the reader writes numbers: `agrupado` writes one in their format with
// at most `decimales` digits after the point ("63.829", "86,25" in
// Spanish; "63,829", "86.25" in English), and `separadorDecimal` is their
// decimal separator.
struct Escritura {
    std::function<std::string(double valor, int decimales)> agrupado;
    std::string separadorDecimal;

    // `valor` as the window would show it: from ten million up (and, not
    // zero, below a ten-thousandth) in the window's exponent form, else by
    // `agrupado`; never "-0".
    std::string Numero(double valor, int decimales) const;
    // The window's exponent form of seven digits: "1,234568E+07", "2E+38".
    std::string Exponente(double valor) const;
};

// 10 to the power `n`: a product of tens, exact up to 10^22 (and 1/10^-n
// below 0, the double nearest to it as far as 10^-22).
double PotenciaDeDiez(int n);
// The exponent of the largest power of ten not above `valor` (> 0): 2 for
// 100 and for 999, -1 for 0,1.
int OrdenDeMagnitud(double valor);

// A sentence's words: its first letter capital ("el diésel" as
// "El diésel"); parts listed ("a", "a o b", "a, b o c" with "o").
std::string Capitalizado(std::string texto);
std::string Enumerado(const std::vector<std::string>& partes, std::string_view conjuncion);

struct Explicacion {
    std::string titulo;         // "Qué significa"
    std::string nombreGrafica;  // what the chart is, for a screen reader
    std::vector<std::string> frases;
    std::string tituloTabla;                                 // "Puntos clave"
    std::vector<std::pair<std::string, std::string>> tabla;  // a name and its value, a row each

    // The chart: the kilometres across from 0, the money up. The difference
    // to recover, a level line at `diferencia`; the saving accumulated,
    // from 0 by `ahorroPorKm` a kilometre. Where they cross (`cruzan`: the
    // diesel pays off, or its head start runs out), the point is labelled
    // `rotuloCruce`, the distance as the window shows it. The kilometres a
    // year (`kmAno`, 0 where none was typed) put years under the
    // kilometres.
    double diferencia = 0, ahorroPorKm = 0, kmAno = 0;
    bool cruzan = false;
    std::string rotuloDiferencia, rotuloAhorro, rotuloCruce;
    std::string rotuloEje;  // the kilometres' name: "Km"
};

Explicacion ExplicacionDe(const Grafica& g, const Escritura& escritura);

}  // namespace velmora::ui
