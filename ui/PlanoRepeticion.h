// The plan of the chart of a replay over real prices (calc/Repeticion.h,
// its words ui/ExplicacionRepeticion.h) for a chart of a given width: time
// across, from the first week to the last, a year between two lines; the
// kilometres to pay off up. Each week that paid off is a point of the line
// (broken where the bulletin has no week or a week did not pay off); each
// week that did not is a mark standing on the bottom line; the answer as
// typed is a level line. The plan keeps the promises of the picture of an
// answer (ui/PlanoGrafica.h): round values each written once, no text
// leaving the chart or over another text or a line that carries meaning,
// the lines named in a legend above the chart; the years are written in
// the middle of their part of the axis, every one where they fit, else
// every second or fifth.
#pragma once

#include "ExplicacionRepeticion.h"
#include "PlanoGrafica.h"

namespace velmora::ui {

PlanoGrafica PlanoDe(const Repeticion& r, const ExplicacionRepeticion& e, double ancho,
                     const MedidasGrafica& medidas, const Escritura& escritura);

}  // namespace velmora::ui
