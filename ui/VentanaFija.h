// What the examples and formula windows share: a dialog built from a table,
// fixed size, close button only, centred on the screen, shown modally with
// no owner. Each showing builds the window afresh and destroys it on close.
#pragma once

#include <QDialog>
#include <functional>

#include "ConstructorVentana.h"

namespace velmora::ui {

// Builds the dialog of `diseno`, runs `alCargar` on its controls (the
// window's load handler) before it is first drawn, and shows it modally.
// Returns when the user has closed it; the dialog is gone by then.
void MostrarVentanaFija(const DisenoVentana& diseno,
                        const std::function<void(const ControlesConstruidos&)>& alCargar);

// Centres a top-level window on the screen it is on.
void CentrarEnPantalla(QWidget* ventana);

}  // namespace velmora::ui
