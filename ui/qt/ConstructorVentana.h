// Turns a window description (ui/Diseno.h) into widgets, each frame's
// controls inside their frame.
//
// Positions come from the table in twips, 15 to a logical pixel; Qt's
// high-DPI scaling takes care of denser screens. The whole layout is scaled
// by one factor, by the rule of ui/Ajuste.h fed with the metrics of the
// font in use.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "calc/Campos.h"
#include "ui/Ajuste.h"
#include "ui/Diseno.h"

namespace velmora::qt {

// A straight horizontal line one pixel thick, in the text colour; a widget
// so that it stacks with labels like any other control.
class Linea : public QWidget {
  public:
    explicit Linea(QWidget* padre);

  protected:
    void paintEvent(QPaintEvent* evento) override;
};

// A push button that Return and keypad Enter press while it has the focus,
// as Space does. It is no default button: Return in a field presses nothing.
class Boton : public QPushButton {
  public:
    Boton(const QString& titulo, QWidget* padre);

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

// A single-line text field that takes what reaches it as ui/Entrada.h says
// (no character that draws nothing, a paste's or a drop's first line), holds
// at most `maximo` UTF-16 code units and refuses whole, never cuts, a longer
// text: typed, pasted (keys, context menu, middle button) or dropped. It
// emits inputRejected() for a refusal. A paste is measured before the
// toolkit inserts it, since inserting and taking back megabytes takes the
// toolkit a noticeable time; every other edit passes the field's validator.
// Its text stands at the left, whatever the direction of its letters.
class CampoTexto : public QLineEdit {
  public:
    CampoTexto(std::size_t maximo, QWidget* padre);

    // Pastes the clipboard as Ctrl+V does, or refuses it.
    void PegarComprobado(QClipboard::Mode modo = QClipboard::Clipboard);

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    // Whether `entrante`, put in place of the selection, fits.
    bool Cabe(qsizetype entrante) const;

    std::size_t maximo_;
};

// The controls of one window, in the order of its table.
struct ControlesConstruidos {
    std::vector<QWidget*> widgets;

    // The control named `nombre`, as the type its table row makes it. A
    // name that is not in the table, or a control of another type, is a
    // fault of the program: it stops with a message naming both.
    template <typename T>
    T* Buscar(std::string_view nombre) const {
        T* control = dynamic_cast<T*>(BuscarWidget(nombre));
        if (!control) NoEsDelTipo(nombre, typeid(T).name());
        return control;
    }

  private:
    QWidget* BuscarWidget(std::string_view nombre) const;
    [[noreturn]] static void NoEsDelTipo(std::string_view nombre, const char* tipo);
};

// Appends one row to a sorted list; the list places it in alphabetical order
// without regard to case.
void AgregarFilaOrdenada(QListWidget* lista, const QString& fila);

// What the rule of ui/Ajuste.h needs to know of the font `w` uses, in
// logical pixels.
ui::Medidas MedidasDe(const QWidget* w);

// Builds every control of `diseno` inside `cliente`, each frame's controls
// inside their frame: objectName, caption, flags, accessible name, a list's
// rows and the tab order of the table. Nothing is placed yet.
ControlesConstruidos ConstruirControles(const ui::DisenoVentana& diseno, QWidget* cliente);

// Scales the table by the smallest factor (never below 1) with which every
// control's content fits its box at the font in use, and places every
// control; `cliente` takes the size of the client area. Given the
// `espacio` the client area may take at most, the window's font shrinks
// where that factor would not fit it (ui/Colocacion.h).
void Colocar(const ui::DisenoVentana& diseno, ControlesConstruidos& construidos, QWidget* cliente,
             const QSize& espacio = {});

}  // namespace velmora::qt
