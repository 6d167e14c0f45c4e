#include "Aplicacion.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <algorithm>

#include "ui/Textos.h"

namespace velmora::qt {

namespace {

// A modal window has a close button only, as the window descriptions say.
// Where a window manager shows a minimise button on it anyway (openbox draws
// its buttons by the window's type and disregards the request), minimising
// would hide the window while the main window it blocks stays on screen,
// taking no input; the window comes back at once instead.
class SinMinimizarModales : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::WindowStateChange && objeto->isWidgetType()) {
            auto* ventana = static_cast<QWidget*>(objeto);
            if (ventana->isWindow() && ventana->isModal() && ventana->isMinimized()) {
                QTimer::singleShot(0, ventana, [ventana] {
                    ventana->showNormal();
                    ventana->activateWindow();
                });
            }
        }
        return false;
    }
};

// A window of the program that another program destroyed (a window
// manager's "kill", xdotool windowclose) is closed as if the user had closed
// it: a modal window then frees the window it blocked, and once the last
// window is gone the program ends. The X server tells the window itself
// (DestroyNotify); the toolkit would only see it vanish. It is closed at
// once, before the events that follow: the window manager gives the focus
// back to the window left right after the destruction, and while the modal
// window stood, the toolkit would hand that focus on to it, leaving the
// window left without keys.
class VentanasDestruidas : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override {
        if (tipo != "xcb_generic_event_t") return false;
        const auto* evento = static_cast<const xcb_generic_event_t*>(mensaje);
        if ((evento->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
        const auto ventana = reinterpret_cast<const xcb_destroy_notify_event_t*>(evento)->window;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->internalWinId() == ventana && w->isVisible()) w->close();
        }
        return false;
    }
};

}  // namespace

void PrepararAplicacion() {
    qApp->installEventFilter(new SinMinimizarModales(qApp));
    static VentanasDestruidas destruidas;
    qApp->installNativeEventFilter(&destruidas);
    // The toolkit's own texts (a field's context menu, the OK button) in
    // Spanish, like every text of the program, whatever the user's locale.
    auto* traductor = new QTranslator(qApp);
    if (traductor->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    }
    QApplication::setApplicationName(QLatin1String(ui::kTituloAplicacion));
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    QIcon icono;
    for (const int tamano : {16, 32, 48, 64, 128, 256}) {
        icono.addFile(QStringLiteral(":/velmora/velmora-%1.png").arg(tamano),
                      QSize(tamano, tamano));
    }
    QApplication::setWindowIcon(icono);
}

void MostrarMensajeVelmora(QWidget* padre, const std::vector<std::string>& lineas) {
    QMessageBox caja(padre);
    caja.setObjectName(QStringLiteral("mensajeVelmora"));
    caja.setWindowTitle(QLatin1String(ui::kTituloAplicacion));
    caja.setIcon(QMessageBox::NoIcon);
    caja.setTextFormat(Qt::PlainText);
    QStringList texto;
    for (const std::string& linea : lineas) texto << QString::fromStdString(linea);
    caja.setText(texto.join(QLatin1Char('\n')));
    // A message written in several lines keeps each line whole: the box may
    // not wrap the indented web address of the About message onto a fifth.
    // (A message of one line wraps where the box is too narrow for it.) The
    // box has no call for the width of its text, so its label, the one that
    // shows the text, is made as wide as the widest line.
    if (texto.size() > 1) {
        for (QLabel* etiqueta : caja.findChildren<QLabel*>()) {
            if (etiqueta->text() != caja.text()) continue;
            int ancho = 0;
            for (const QString& linea : texto) {
                ancho = std::max(ancho, etiqueta->fontMetrics().horizontalAdvance(linea));
            }
            etiqueta->setMinimumWidth(ancho + 2 * etiqueta->margin() + 1);
        }
    }
    caja.setStandardButtons(QMessageBox::Ok);
    // Some styles put a picture on the button; the box shows text only.
    caja.button(QMessageBox::Ok)->setIcon(QIcon());
    caja.exec();
}

}  // namespace velmora::qt
