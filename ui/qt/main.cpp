// Velmora: after how many kilometres does a diesel car pay off?
// Starts the main window; everything else follows from the user's events.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Opciones.h"
#include "ui/qt/Aplicacion.h"
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

// Once started: when the X server goes away, the toolkit says so in English
// and ends the program; the user reads the program's own line instead, and
// the status is 1 as before. Everything else is passed on.
void Despues(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("The X11 connection broke"))) {
        std::fprintf(stderr, "velmora: se ha perdido la conexion con la pantalla %s.\n",
                     PantallaIntentada().c_str());
        std::_Exit(1);
    }
    manejadorPrevio ? manejadorPrevio(tipo, contexto, texto)
                    : qt_message_output(tipo, contexto, texto);
}

// Velmora needs no session bus; only the accessibility bridge would look
// for one, and it matters only where a session has a bus, since that is
// where screen readers listen. Where there is none, the bus library would
// start one of its own (writing under ~/.dbus and leaving a daemon behind
// the program, or waiting seconds where the home is read-only): an address
// that names no bus keeps it from trying.
void SinBusPropio() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
    const QByteArray tiempoDeEjecucion = qgetenv("XDG_RUNTIME_DIR");
    if (!tiempoDeEjecucion.isEmpty() &&
        QFileInfo::exists(QFile::decodeName(tiempoDeEjecucion) + QLatin1String("/bus"))) {
        return;  // the session's bus, at its usual place
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

// What the command line asks for (ui/Opciones.h), and saying it.
std::optional<velmora::ui::Salida> Ordenes(int argc, char* argv[]) {
    const std::vector<std::string_view> argumentos(argv + 1, argv + argc);
    return velmora::ui::LineaDeOrdenes(argumentos);
}
int Decir(const velmora::ui::Salida& salida) {
    std::fprintf(salida.error ? stderr : stdout, "%s\n", salida.linea.c_str());
    return salida.estado;
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version need no display.
    if (const auto salida = Ordenes(argc, argv); salida && !salida->error) return Decir(*salida);
    SinBusPropio();
    manejadorPrevio = qInstallMessageHandler(AlArrancar);
    QApplication app(argc, argv);  // takes the toolkit's own options out of argv
    if (const auto salida = Ordenes(argc, argv)) return Decir(*salida);
    qInstallMessageHandler(Despues);
    for (const auto& [tipo, texto] : retenidos) {
        manejadorPrevio ? manejadorPrevio(tipo, QMessageLogContext(), texto)
                        : qt_message_output(tipo, QMessageLogContext(), texto);
    }
    retenidos.clear();

    velmora::qt::PrepararAplicacion();
    velmora::qt::VentanaVelmora ventana;
    ventana.show();
    return app.exec();
}
