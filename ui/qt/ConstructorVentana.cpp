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

#include "ui/Colocacion.h"
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

// Every edit of a field passes here: the text becomes what the field takes
// of it (ui/Entrada.h), the cursor keeping its place among the characters
// that stay; a text too long is Invalid, which the toolkit takes back and
// reports by inputRejected().
class LimiteDeLargo : public QValidator {
  public:
    LimiteDeLargo(std::size_t maximo, QObject* padre) : QValidator(padre), maximo_(maximo) {}
    State validate(QString& texto, int& cursor) const override {
        const QString tomado = DeUtf16(TextoTecleado(texto.toStdU16String()));
        if (tomado.size() != texto.size()) {
            cursor = int(TextoTecleado(texto.left(cursor).toStdU16String()).size());
        }
        texto = tomado;
        return std::size_t(texto.size()) > maximo_ ? Invalid : Acceptable;
    }

  private:
    std::size_t maximo_;
};

}  // namespace

CampoTexto::CampoTexto(std::size_t maximo, QWidget* padre) : QLineEdit(padre), maximo_(maximo) {
    // The toolkit's own limit would cut a text to fit; lift it.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new LimiteDeLargo(maximo, this));
    // Left, whatever the direction of the text's first letter.
    setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
}

bool CampoTexto::Cabe(qsizetype entrante) const {
    const qsizetype resto = text().size() - selectedText().size();
    return std::size_t(resto) + std::size_t(entrante) <= maximo_;
}

void CampoTexto::PegarComprobado(QClipboard::Mode modo) {
    if (isReadOnly()) return;
    const QString texto =
        DeUtf16(TextoPegado(QGuiApplication::clipboard()->text(modo).toStdU16String()));
    if (!Cabe(texto.size())) {
        Q_EMIT inputRejected();
        return;
    }
    // The selection of other programs goes in at the cursor; a paste of the
    // clipboard replaces the field's own selection.
    if (modo != QClipboard::Clipboard) deselect();
    insert(texto);
}

void CampoTexto::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) {
        PegarComprobado();
        evento->accept();
        return;
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
    QMimeData tomado;
    tomado.setText(DeUtf16(TextoPegado(datos->text().toStdU16String())));
    if (!Cabe(tomado.text().size())) {
        evento->ignore();
        Q_EMIT inputRejected();
        return;
    }
    QDropEvent soltado(evento->position(), evento->possibleActions(), &tomado, evento->buttons(),
                       evento->modifiers(), evento->type());
    soltado.setDropAction(evento->dropAction());
    QLineEdit::dropEvent(&soltado);
    evento->setDropAction(soltado.dropAction());
    evento->setAccepted(soltado.isAccepted());
}

QWidget* ControlesConstruidos::BuscarWidget(std::string_view nombre) const {
    const QLatin1String buscado(nombre.data(), qsizetype(nombre.size()));
    for (QWidget* w : widgets) {
        if (w->objectName() == buscado) return w;
    }
    qFatal("no control named %.*s in the window", int(nombre.size()), nombre.data());
}

void ControlesConstruidos::NoEsDelTipo(std::string_view nombre, const char* tipo) {
    qFatal("the control %.*s is not a %s", int(nombre.size()), nombre.data(), tipo);
}

namespace {

// A row of a sorted list that ignores case when it is placed.
class FilaOrdenada : public QListWidgetItem {
  public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& otra) const override {
        return text().compare(otra.text(), Qt::CaseInsensitive) < 0;
    }
};

}  // namespace

void AgregarFilaOrdenada(QListWidget* lista, const QString& fila) {
    lista->addItem(new FilaOrdenada(fila));
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
            return new CampoTexto(kLargoMaximoCampo, padre);
        case Tipo::Boton:
            return new Boton(titulo, padre);
        case Tipo::Lista: {
            auto* lista = new QListWidget(padre);
            lista->setSelectionMode(QAbstractItemView::SingleSelection);
            lista->setSortingEnabled(true);
            // The window's load handler: its rows, in the table's order.
            for (const char* fila : c.filas) AgregarFilaOrdenada(lista, QString::fromUtf8(fila));
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
    for (const Control& c : diseno.controles) {
        // The table's check guarantees that a container is an earlier frame.
        QWidget* padre = c.contenedor ? construidos.Buscar<QGroupBox>(c.contenedor) : cliente;
        QWidget* w = Crear(c, padre);
        w->setObjectName(QString::fromLatin1(c.nombre));
        if (c.nombreAccesible) w->setAccessibleName(QString::fromUtf8(c.nombreAccesible));
        // The keyboard order is the order of the table.
        if (c.tipo == Tipo::Campo || c.tipo == Tipo::Boton || c.tipo == Tipo::Lista) {
            if (anterior) QWidget::setTabOrder(anterior, w);
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
    // window would not fit its space otherwise.
    cliente->setFont(QFont());
    const auto ajuste = [&] {
        return EscalaDeAjuste(diseno, 1.0 / kTwipsPorPixel, MedidasDe(cliente));
    };
    Escala escala = ajuste();
    if (espacio.isValid()) {
        const double cabe =
            FactorQueCabe(diseno, 1.0 / kTwipsPorPixel, espacio.width(), espacio.height());
        QFont letra = cliente->font();
        while (escala.Factor() > cabe && letra.pointSizeF() > kPuntosMinimos) {
            letra.setPointSizeF(PuntosParaCaber(letra.pointSizeF(), escala.Factor(), cabe));
            cliente->setFont(letra);
            escala = ajuste();
        }
    }
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        // Each frame is a widget of its own: its controls count from it.
        const Rectangulo caja = escala.Caja(diseno.controles[i]);
        construidos.widgets[i]->setGeometry(caja.x, caja.y, caja.ancho, caja.alto);
        // Lines are drawn over the labels they cross.
        if (diseno.controles[i].tipo == Tipo::Linea) construidos.widgets[i]->raise();
    }
    cliente->setFixedSize(escala.APixeles(diseno.anchoCliente),
                          escala.APixeles(diseno.altoCliente));
}

}  // namespace velmora::qt
