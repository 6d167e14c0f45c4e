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
// (no character that draws nothing, a paste's or a drop's first line, at
// most kLargoMaximoCampo UTF-16 code units, a longer text refused whole):
// typed, pasted (keys, context menu, middle button) or dropped. It emits
// inputRejected() for a refusal. What a key, a paste or a drop brings is
// judged before the toolkit inserts it, by itself: typing into a long text
// costs the rule nothing, and a refused megabyte is never inserted and
// taken back. Every other edit (an input method, the accessibility bus)
// passes the field's validator, which judges the whole text. A key with Alt
// (no menu has its letter) types nothing. Its text stands at the left,
// whatever the direction of its letters.
class CampoTexto : public QLineEdit {
  public:
    explicit CampoTexto(QWidget* padre);

    // Pastes the clipboard as Ctrl+V does, or refuses it.
    void PegarComprobado(QClipboard::Mode modo = QClipboard::Clipboard);

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    // Puts `entrante` in place of the selection as the field takes it, or
    // refuses it.
    void Entrar(const QString& entrante, bool pegado);

    friend class LimiteDeLargo;
    bool juzgado_ = false;  // the edit being made was judged already
};

// The controls of one window, in the order of its table.
struct ControlesConstruidos {
    std::vector<QWidget*> widgets;

    // The control of row `fila`, as the type its row makes it; another type
    // is a fault of the program, which stops naming the row.
    template <typename T>
    T* En(std::size_t fila) const {
        T* control = fila < widgets.size() ? dynamic_cast<T*>(widgets[fila]) : nullptr;
        if (!control) NoEsDelTipo(fila, typeid(T).name());
        return control;
    }

  private:
    [[noreturn]] static void NoEsDelTipo(std::size_t fila, const char* tipo);
};

// What the rule of ui/Ajuste.h needs to know of the font `w` uses, in
// logical pixels.
ui::Medidas MedidasDe(const QWidget* w);

// Builds every control of `diseno` inside `cliente`, each frame's controls
// inside their frame: objectName, caption, flags, accessible name, a list's
// rows and the tab order of the table; the first control that takes the
// focus has it. Nothing is placed yet.
ControlesConstruidos ConstruirControles(const ui::DisenoVentana& diseno, QWidget* cliente);

// Lays the table out (ui/Disposicion.h) at the font `cliente` inherits,
// shrunk where the client area would not fit `espacio` (when given), and
// places every control; `cliente` takes the size of the client area.
void Colocar(const ui::DisenoVentana& diseno, ControlesConstruidos& construidos, QWidget* cliente,
             const QSize& espacio = {});

}  // namespace velmora::qt
