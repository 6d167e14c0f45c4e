#include "ConstructorVentana.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <limits>

#include "ui/Disposicion.h"
#include "ui/Entrada.h"

namespace velmora::qt {

using namespace velmora::ui;

Linea::Linea(QWidget* padre) : QWidget(padre) {
    setFocusPolicy(Qt::NoFocus);
}

void Linea::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), palette().color(QPalette::WindowText));
}

Boton::Boton(const QString& titulo, QWidget* padre) : QPushButton(titulo, padre) {
    setAutoDefault(false);
    setDefault(false);
}

void Boton::keyPressEvent(QKeyEvent* evento) {
    const int tecla = evento->key();
    const auto modificadores = evento->modifiers() & ~Qt::KeypadModifier;
    if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && modificadores == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

namespace {

QString DeUtf16(const std::u16string& texto) {
    return QString::fromStdU16String(texto);
}

}  // namespace

// Every edit of a field that was not judged as it came passes here: the
// text becomes what the field takes of it (ui/Entrada.h), the cursor
// keeping its place among the characters that stay; a text too long is
// Invalid, which the toolkit takes back and reports by inputRejected().
class LimiteDeLargo : public QValidator {
  public:
    explicit LimiteDeLargo(CampoTexto* campo) : QValidator(campo), campo_(campo) {}
    State validate(QString& texto, int& cursor) const override {
        if (campo_->juzgado_) return Acceptable;
        const auto tomado = TextoQueEntra(0, 0, texto.toStdU16String(), false);
        if (!tomado) return Invalid;
        // (A tab becomes a blank: the same length, another text.)
        if (*tomado != texto.toStdU16String()) {
            cursor = int(TextoTecleado(texto.left(cursor).toStdU16String()).size());
            texto = DeUtf16(*tomado);
        }
        return Acceptable;
    }

  private:
    CampoTexto* campo_;
};

CampoTexto::CampoTexto(QWidget* padre) : QLineEdit(padre) {
    // The toolkit's own limit would cut a text to fit; lift it.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LimiteDeLargo(this));
    // Left, whatever the direction of the text's first letter.
    setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
}

void CampoTexto::Entrar(const QString& entrante, bool pegado) {
    if (isReadOnly()) return;
    const auto tomado =
        TextoQueEntra(std::size_t(text().size()), std::size_t(selectedText().size()),
                      entrante.toStdU16String(), pegado);
    if (!tomado) {
        Q_EMIT inputRejected();
        return;
    }
    juzgado_ = true;
    insert(DeUtf16(*tomado));
    juzgado_ = false;
}

void CampoTexto::PegarComprobado(QClipboard::Mode modo) {
    // The selection of other programs goes in at the cursor; a paste of the
    // clipboard replaces the field's own selection.
    if (modo != QClipboard::Clipboard) deselect();
    Entrar(QGuiApplication::clipboard()->text(modo), true);
}

void CampoTexto::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) {
        PegarComprobado();
        evento->accept();
        return;
    }
    const auto modificadores = evento->modifiers();
    const QString texto = evento->text();
    if (!texto.isEmpty() && texto.front().isPrint()) {
        if (modificadores & Qt::AltModifier) {
            // Alt and a letter that no menu has: nothing, as on Windows.
            evento->ignore();
            return;
        }
        if (!(modificadores & (Qt::ControlModifier | Qt::MetaModifier))) {
            Entrar(texto, false);
            evento->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(evento);
}

void CampoTexto::mouseReleaseEvent(QMouseEvent* evento) {
    // The middle button pastes the selection of other programs on X11.
    if (evento->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        PegarComprobado(QClipboard::Selection);
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
}

void CampoTexto::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The toolkit's entry names its shortcut after a tab ("&Paste\tCtrl+V").
    const QString pegar =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* accion : menu->actions()) {
        if (accion->text().endsWith(pegar)) {
            accion->disconnect();
            connect(accion, &QAction::triggered, this, [this] { PegarComprobado(); });
        }
    }
    menu->popup(evento->globalPos());
}

void CampoTexto::dropEvent(QDropEvent* evento) {
    const QMimeData* datos = evento->mimeData();
    if (!datos || !datos->hasText()) {
        QLineEdit::dropEvent(evento);
        return;
    }
    // A drop is taken as a paste is, at the place it falls.
    const auto tomado =
        TextoQueEntra(std::size_t(text().size()), 0, datos->text().toStdU16String(), true);
    if (!tomado) {
        evento->ignore();
        Q_EMIT inputRejected();
        return;
    }
    QMimeData tomados;
    tomados.setText(DeUtf16(*tomado));
    QDropEvent soltado(evento->position(), evento->possibleActions(), &tomados, evento->buttons(),
                       evento->modifiers(), evento->type());
    soltado.setDropAction(evento->dropAction());
    juzgado_ = true;
    QLineEdit::dropEvent(&soltado);
    juzgado_ = false;
    evento->setDropAction(soltado.dropAction());
    evento->setAccepted(soltado.isAccepted());
}

void ControlesConstruidos::NoEsDelTipo(std::size_t fila, const char* tipo) {
    qFatal("the control of row %zu is not a %s", fila, tipo);
}

ui::Medidas MedidasDe(const QWidget* w) {
    const QFontMetrics letra = w->fontMetrics();
    ui::Medidas m;
    m.anchoDeTexto = [letra](std::string_view texto) {
        return letra.horizontalAdvance(QString::fromUtf8(texto.data(), qsizetype(texto.size())));
    };
    m.altoDeLetra = letra.height();
    // The caption band of a frame, as the style draws it.
    QStyleOptionGroupBox marco;
    marco.initFrom(w);
    marco.text = QStringLiteral("Xy");
    marco.lineWidth = 1;
    marco.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    marco.rect = QRect(0, 0, 1000, 1000);
    m.altoTituloMarco =
        w->style()
            ->subControlRect(QStyle::CC_GroupBox, &marco, QStyle::SC_GroupBoxLabel, nullptr)
            .bottom() +
        1;
    // A list's rows and border, and a field's border, as the style has them.
    QListWidget lista;
    lista.setFont(w->font());
    lista.addItem(QStringLiteral("Xy"));
    m.altoFilaLista = lista.sizeHintForRow(0);
    m.bordeLista = lista.frameWidth();
    m.bordeCampo = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    return m;
}

namespace {

QWidget* Crear(const Control& c, QWidget* padre) {
    const QString titulo = QString::fromUtf8(c.titulo);
    switch (c.tipo) {
        case Tipo::Marco:
            return new QGroupBox(titulo, padre);
        case Tipo::Etiqueta: {
            auto* etiqueta = new QLabel(titulo, padre);
            etiqueta->setTextFormat(Qt::PlainText);
            etiqueta->setAlignment((c.banderas & Centrado ? Qt::AlignHCenter : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
            if (c.banderas & FondoBlanco) {
                QPalette paleta = etiqueta->palette();
                paleta.setColor(QPalette::Window, Qt::white);
                paleta.setColor(QPalette::WindowText, Qt::black);
                etiqueta->setPalette(paleta);
                etiqueta->setAutoFillBackground(true);
            }
            if (c.banderas & Opaco) etiqueta->setAutoFillBackground(true);
            return etiqueta;
        }
        case Tipo::Campo:
            // A plain text box: no filter, no alignment, no silent cut.
            return new CampoTexto(padre);
        case Tipo::Boton:
            return new Boton(titulo, padre);
        case Tipo::Lista: {
            auto* lista = new QListWidget(padre);
            lista->setSelectionMode(QAbstractItemView::SingleSelection);
            // The window's load handler: its rows, sorted (FilasEnOrden).
            for (const char* fila : FilasEnOrden(c)) lista->addItem(QString::fromUtf8(fila));
            return lista;
        }
        case Tipo::Linea:
            return new Linea(padre);
    }
    return nullptr;
}

}  // namespace

ControlesConstruidos ConstruirControles(const DisenoVentana& diseno, QWidget* cliente) {
    ControlesConstruidos construidos;
    QWidget* anterior = nullptr;
    const std::size_t foco = PrimerFoco(diseno.controles);
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Control& c = diseno.controles[i];
        // The table's check guarantees that a container is an earlier frame.
        const std::size_t marco = FilaDelContenedor(diseno.controles, i);
        QWidget* padre = marco < i ? construidos.En<QGroupBox>(marco) : cliente;
        QWidget* w = Crear(c, padre);
        w->setObjectName(QString::fromLatin1(c.nombre));
        const std::string nombre = NombreAccesible(c);
        if (!nombre.empty()) w->setAccessibleName(QString::fromStdString(nombre));
        // The keyboard order is the order of the table.
        if (TomaElFoco(c)) {
            if (anterior) QWidget::setTabOrder(anterior, w);
            if (i == foco) w->setFocus();
            anterior = w;
        } else {
            w->setFocusPolicy(Qt::NoFocus);
        }
        construidos.widgets.push_back(w);
    }
    return construidos;
}

void Colocar(const DisenoVentana& diseno, ControlesConstruidos& construidos, QWidget* cliente,
             const QSize& espacio) {
    // Measured at the font the window inherits; a smaller one only where the
    // window would not fit its space otherwise. (A font given in pixels,
    // not points, is not shrunk; nor is a window with no screen to fit.)
    cliente->setFont(QFont());
    const QFont heredada = cliente->font();
    const auto medir = [&](double puntos) {
        QFont letra;  // the inherited font, at its size
        if (puntos != heredada.pointSizeF()) {
            letra = heredada;
            letra.setPointSizeF(puntos);
        }
        cliente->setFont(letra);
        return MedidasDe(cliente);
    };
    constexpr int kSinLimite = 1 << 24;
    const Disposicion d =
        Disponer(diseno, 1.0 / kTwipsPorPixel,
                 {espacio.isValid() ? espacio.width() : kSinLimite,
                  espacio.isValid() ? espacio.height() : kSinLimite, heredada.pointSizeF()},
                 medir);
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        // Each frame is a widget of its own: its controls count from it.
        const Rectangulo& caja = d.cajas[i];
        construidos.widgets[i]->setGeometry(caja.x, caja.y, caja.ancho, caja.alto);
        // Lines are drawn over the labels they cross.
        if (diseno.controles[i].tipo == Tipo::Linea) construidos.widgets[i]->raise();
    }
    cliente->setFixedSize(d.ancho, d.alto);
}

}  // namespace velmora::qt
