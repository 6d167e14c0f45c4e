// The words of a replay over the prices that really were (calc/Repeticion.h),
// for the page, which shows them below the picture of an answer: a heading,
// the sentences (the range of kilometres and its median, how many weeks
// gave another kind of answer, the currency, what stays as typed, the
// source of the prices), the kilometres year by year as a table for those
// who do not see the chart, and the chart's words (its plan is
// ui/PlanoRepeticion.h's). Where the prices look like no currency, one
// sentence says why and asks for one.
//
// Worked example: "Con los precios reales de cada semana, de enero de 2015 a
// junio de 2024, este diésel se habría amortizado entre 52.072 y 101.609 km
// (la mitad de las semanas, antes de 80.910 km)."
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Explicacion.h"
#include "calc/Repeticion.h"

namespace velmora::ui {

// The switch beside the sentences: its caption and its choices, in
// EleccionMoneda's order.
inline constexpr const char* kRotuloMoneda = "Las cifras están en";
inline constexpr std::array<const char*, 3> kEleccionesMoneda = {"La moneda que parecen", "Euros",
                                                                 "Pesetas"};

struct ExplicacionRepeticion {
    std::string titulo;         // "Con los precios reales"
    std::string nombreGrafica;  // what the chart is, for a screen reader
    std::vector<std::string> frases;
    std::string tituloTabla;                      // "Año por año"
    std::vector<std::string> columnas;            // the table's heading
    std::vector<std::vector<std::string>> filas;  // a year each

    // The chart's words: its line, the answer as typed (where there is one)
    // and the weeks that did not pay off (where there are).
    bool hayGrafica = false;
    std::string rotuloSemanas, rotuloPropia, rotuloSinAmortizar;
};

ExplicacionRepeticion ExplicacionDe(const Repeticion& r, const Escritura& escritura);

}  // namespace velmora::ui
