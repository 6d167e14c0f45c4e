// Velmora: after how many kilometres does a diesel car pay off?
// Starts the main window; everything else follows from the user's events.
#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaFija.h"
#include "ui/qt/VentanaVelmora.h"

namespace {

// The display the toolkit tries to open, as the user would name it.
std::string PantallaIntentada() {
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (!plataforma.isEmpty() && !plataforma.startsWith("xcb")) {
        return "de la plataforma \"" + plataforma.toStdString() + "\"";
    }
    const QByteArray pantalla = qgetenv("DISPLAY");
    if (pantalla.isEmpty()) return "(la variable DISPLAY no esta definida)";
    return "\"" + pantalla.toStdString() + "\"";
}

// While the toolkit starts, its messages are held back: if it cannot open
// the display it ends the program with advice meant for other programs
// ("Reinstalling the application may fix this problem") and an abort. The
// user gets one line instead, and the status 1. Once it has started, what
// it said is passed on as usual.
QtMessageHandler manejadorPrevio = nullptr;
QList<std::pair<QtMsgType, QString>> retenidos;

void AlArrancar(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (tipo == QtFatalMsg) {
        std::fprintf(stderr, "velmora: no se puede abrir la pantalla %s.\n",
                     PantallaIntentada().c_str());
        std::_Exit(1);
    }
    retenidos.append({tipo, texto});
}

}  // namespace

int main(int argc, char* argv[]) {
    manejadorPrevio = qInstallMessageHandler(AlArrancar);
    QApplication app(argc, argv);
    qInstallMessageHandler(manejadorPrevio);
    for (const auto& [tipo, texto] : retenidos) {
        manejadorPrevio ? manejadorPrevio(tipo, QMessageLogContext(), texto)
                        : qt_message_output(tipo, QMessageLogContext(), texto);
    }
    retenidos.clear();

    velmora::qt::PrepararAplicacion();
    velmora::qt::VentanaVelmora ventana;
    velmora::qt::ColocarEnPantalla(&ventana);
    ventana.show();
    return app.exec();
}
