// What the examples and formula windows share: a dialog built from a table,
// fixed size, close button only, centred on the screen, shown modally with
// no owner. Each showing builds the window afresh and destroys it on close.
#pragma once

#include <QWidget>

#include "ui/Diseno.h"

namespace velmora::qt {

// Builds the dialog of `diseno` with its content (a list's rows are added as
// it is built, its load handler) and shows it modally. Returns when the
// user has closed it; the dialog is gone by then.
void MostrarVentanaFija(const ui::DisenoVentana& diseno);

// Centres a top-level window in the free area of its screen (or puts it at
// the area's top-left corner when it is larger, see Colocacion.h), by the
// frame the window manager gives it: once now, and again when the frame is
// known. Before each placing, `ajustar` (if given) lays the window out for
// the size it may take: the free area less the frame (an invalid size where
// there is no screen); it runs once at once. Call it before the window is
// shown.
void ColocarEnPantalla(QWidget* ventana, std::function<void(const QSize&)> ajustar = {});

}  // namespace velmora::qt
