#include "VentanaDePrueba.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "Modales.h"
#include "ui/Ajuste.h"
#include "ui/qt/ConstructorVentana.h"
#include "ui/qt/VentanaVelmora.h"

namespace velmora::prueba {

VentanaDePrueba::VentanaDePrueba() : ventana_(std::make_unique<qt::VentanaVelmora>()) {
    ventana_->show();
    if (!QTest::qWaitForWindowExposed(ventana_.get())) qFatal("the main window was not exposed");
}

VentanaDePrueba::~VentanaDePrueba() = default;

QLineEdit* VentanaDePrueba::Campo(IdCampo id) const {
    return Hijo<QLineEdit>(ventana_.get(), DatosDe(id).nombre);
}

QLabel* VentanaDePrueba::Resultado() const {
    return Hijo<QLabel>(ventana_.get(), "lblResultado");
}

QPushButton* VentanaDePrueba::Boton() const {
    return Hijo<QPushButton>(ventana_.get(), "cmdCalcular");
}

QAction* VentanaDePrueba::Accion(std::string_view nombre) const {
    return Hijo<QAction>(ventana_.get(), nombre);
}

void VentanaDePrueba::Disparar(std::string_view nombre) const {
    Accion(nombre)->trigger();
}

void Teclear(QWidget* campo, const QString& texto) {
    for (QChar c : texto) {
        if (c == QLatin1Char('\t')) {
            QTest::keyClick(campo, Qt::Key_Tab);
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            QTest::keyClick(campo, Qt::Key_Return);
        } else {
            QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(campo, &pulsada);
            QApplication::sendEvent(campo, &soltada);
        }
    }
}

void VentanaDePrueba::Escribir(IdCampo id, const QString& texto) const {
    QLineEdit* campo = Campo(id);
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    Teclear(campo, texto);
}

void VentanaDePrueba::Escribir(const FilaTextos& fila) const {
    for (const velmora::Campo& campo : kCampos) {
        const std::string_view texto = fila[static_cast<std::size_t>(campo.id)];
        Escribir(campo.id, QString::fromUtf8(texto.data(), qsizetype(texto.size())));
    }
}

void VentanaDePrueba::EjemploResuelto() const {
    const QLocale local = QLocale::system();
    Escribir(kEjemploResuelto);
    Escribir(IdCampo::txtPrecioCocheDiesel, local.toString(2600000));
    Escribir(IdCampo::txtPrecioCocheGasolina, local.toString(2300000));
}

// Every control of `ventana` whose content must fit its box, with the
// reason it does not, if it does not.
QStringList Recortes(QWidget* ventana) {
    QStringList recortes;
    auto informar = [&](QWidget* w, const QString& que) {
        recortes << w->objectName() + QStringLiteral(": ") + que;
    };
    for (QLabel* l : ventana->findChildren<QLabel*>()) {
        if (l->objectName().isEmpty()) continue;  // parts of other widgets
        const QSize texto = l->fontMetrics().size(0, l->text());
        if (texto.width() > l->width() || texto.height() > l->height()) {
            informar(l, QStringLiteral("text %1x%2 in %3x%4")
                            .arg(texto.width())
                            .arg(texto.height())
                            .arg(l->width())
                            .arg(l->height()));
        }
    }
    for (QLineEdit* e : ventana->findChildren<QLineEdit*>()) {
        if (e->minimumSizeHint().height() > e->height()) informar(e, QStringLiteral("too low"));
    }
    // A button's caption and a frame's title with the room around them
    // that the fit rule gives them.
    const auto necesario = [](QWidget* w, ui::Tipo tipo, const QString& titulo) {
        const QByteArray utf8 = titulo.toUtf8();
        return ui::TamanoNecesario({tipo, "", utf8.constData(), nullptr, 0, 0, 0, 0},
                                   qt::MedidasDe(w));
    };
    for (QAbstractButton* b : ventana->findChildren<QAbstractButton*>()) {
        if (b->isVisibleTo(ventana) &&
            necesario(b, ui::Tipo::Boton, b->text()).ancho > b->width()) {
            informar(b, QStringLiteral("caption too wide"));
        }
    }
    for (QGroupBox* g : ventana->findChildren<QGroupBox*>()) {
        if (necesario(g, ui::Tipo::Marco, g->title()).ancho > g->width()) {
            informar(g, QStringLiteral("title too wide"));
        }
        // The title band stays above every control in the frame.
        for (QWidget* hijo : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (hijo->geometry().top() < g->fontMetrics().height()) {
                informar(hijo, QStringLiteral("under the frame's title"));
            }
        }
    }
    for (QListWidget* lista : ventana->findChildren<QListWidget*>()) {
        for (int i = 0; i < lista->count(); ++i) {
            const QRect fila = lista->visualItemRect(lista->item(i));
            const int ancho = lista->fontMetrics().horizontalAdvance(lista->item(i)->text());
            if (!lista->viewport()->rect().contains(fila) || ancho > lista->viewport()->width()) {
                informar(lista, QStringLiteral("row %1 not fully shown").arg(i));
            }
        }
    }
    return recortes;
}

QStringList VentanaDePrueba::TextosDeCampos() const {
    QStringList textos;
    for (const velmora::Campo& campo : kCampos) textos << Campo(campo.id)->text();
    return textos;
}

namespace {

// How long a step that opens no box is watched for one: the button answers
// at once, the menu entry's queued handler in the first turn of the event
// loop.
constexpr int kSinCaja = 0;

}  // namespace

void ConductorQt::Escribir(const FilaTextos& fila) {
    v_.Escribir(fila);
}

std::vector<std::string> ConductorQt::Campos() {
    std::vector<std::string> campos;
    for (const QString& t : v_.TextosDeCampos()) campos.push_back(t.toStdString());
    return campos;
}

std::string ConductorQt::Resultado() {
    return v_.Resultado()->text().toStdString();
}

// What the window shows after a step that `modal` watched.
static Visto Ver(const ModalVisto& modal, const std::string& resultado) {
    Visto visto{resultado, std::nullopt};
    if (!modal.abierto) return visto;
    Caja c{modal.titulo.toStdString(), modal.texto.toStdString(),
           modal.textosBotones == QStringList{kBotonAceptar}, false, true};
    c.icono = modal.icono != QMessageBox::NoIcon || modal.iconoVisible;
    if (modal.clase != QStringLiteral("QMessageBox")) {
        c.titulo += " (" + modal.clase.toStdString() + ")";
    }
    visto.caja = c;
    return visto;
}

Visto ConductorQt::Calcular(Via via, const char* resultado) {
    const auto calcular = [&] {
        if (via == Via::Menu) {
            v_.Disparar("menuCalcular");
        } else {
            QTest::mouseClick(v_.Boton(), Qt::LeftButton);
        }
    };
    const ModalVisto modal =
        resultado ? NingunModal(calcular, kSinCaja) : CerrarModal(calcular, {}, 5000, true);
    return Ver(modal, Resultado());
}

std::optional<Visto> ConductorQt::Entrar(IdCampo id, const std::string& texto, Modo modo,
                                         bool caja) {
    QLineEdit* campo = v_.Campo(id);
    const QString t = QString::fromStdString(texto);
    std::function<void()> entrar;
    if (modo == Modo::Tecleado) {
        entrar = [&] { v_.Escribir(id, t); };
    } else if (modo == Modo::Pegado) {
        entrar = [&] {
            QGuiApplication::clipboard()->setText(t);
            campo->setFocus();
            campo->selectAll();
            QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier);
        };
    } else if (modo == Modo::Soltado) {
        entrar = [&] {
            QMimeData datos;
            datos.setText(t);
            QDragEnterEvent llega(QPoint(2, 2), Qt::CopyAction, &datos, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(campo, &llega);
            QDropEvent suelta(QPointF(2, 2), Qt::CopyAction, &datos, Qt::LeftButton,
                              Qt::NoModifier);
            QApplication::sendEvent(campo, &suelta);
        };
    } else {
        return std::nullopt;  // a program setting the text is not a user
    }
    return Ver(caja ? CerrarModal(entrar, {}, 5000, true) : NingunModal(entrar, kSinCaja),
               Resultado());
}

}  // namespace velmora::prueba
