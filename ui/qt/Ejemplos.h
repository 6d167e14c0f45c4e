// The examples window: sixteen break-even distances from a car magazine,
// sorted, for reference. Nothing in it touches the calculation.
#pragma once

class QListWidget;
class QString;

namespace velmora::qt {

class Ejemplos {
  public:
    // Shows the window modally, built afresh; returns when it is closed.
    void Mostrar();

    // Adds the sixteen rows to the list, which places each in order.
    static void PonerEjemplos(QListWidget* lstEjemplos);

    // Appends one row to a sorted list; the list places it in alphabetical
    // order without regard to case.
    static void Agregar(QListWidget* lista, const QString& fila);
};

// The one examples window object of the program, created on first use.
Ejemplos& FormularioEjemplos();

}  // namespace velmora::qt
