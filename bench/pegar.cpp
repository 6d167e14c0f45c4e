// Pastes ever longer texts into a text field on a real X display and prints
// how long the field takes to answer: the paste itself, one key press after
// it, a calculation with that text, and the processor time the program
// spends in two idle seconds with the caret blinking in that field; then
// the processor time to type thousands of keys one by one. Once for a plain
// text field that takes any length, once for Velmora's own field in the
// main window. Figures, not a test: run it under Xvfb
// (bench/arranque shows how), e.g.
//   build/release/bench/velmora_pegar
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <limits>

#include "calc/OperacionCalcular.h"
#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaVelmora.h"

namespace {

double SegundosDeProcesador() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
           double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e6;
}

// Milliseconds until `accion` and everything it started have been handled
// and the field drawn again. A modal box that opens meanwhile is closed.
double Medir(QLineEdit* campo, const std::function<void()>& accion) {
    QTimer cerrar;
    cerrar.setInterval(1);
    QObject::connect(&cerrar, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    cerrar.start();
    QElapsedTimer reloj;
    reloj.start();
    accion();
    QCoreApplication::processEvents();
    campo->repaint();
    QCoreApplication::processEvents();
    return double(reloj.nsecsElapsed()) / 1e6;
}

void Fila(const char* nombre, QLineEdit* campo, qsizetype largo) {
    campo->clear();
    campo->setFocus();
    QGuiApplication::clipboard()->setText(QString(largo, QLatin1Char('7')));
    const double pegar =
        Medir(campo, [&] { QTest::keyClick(campo, Qt::Key_V, Qt::ControlModifier); });
    const double tecla = Medir(campo, [&] { QTest::keyClick(campo, Qt::Key_1); });

    // The worked example with this text as the diesel car's price.
    velmora::TextosCampos textos;
    const char* ejemplo[] = {"", "6", "115", "2300000", "8", "145", "", ""};
    for (const velmora::Campo& c : velmora::kCampos) textos[c.id] = ejemplo[std::size_t(c.id)];
    textos[velmora::IdCampo::txtPrecioCocheDiesel] = campo->text().toStdString();
    QElapsedTimer reloj;
    reloj.start();
    velmora::OperacionCalcular(textos, velmora::ConfiguracionRegional::Espanola());
    const double calculo = double(reloj.nsecsElapsed()) / 1e6;

    const double antes = SegundosDeProcesador();
    QTest::qWait(2000);
    const double ocioso = (SegundosDeProcesador() - antes) / 2.0 * 100.0;
    std::printf("%-22s %10lld %10lld %10.1f %10.1f %10.2f %8.0f %%\n", nombre, (long long)largo,
                (long long)campo->text().size(), pegar, tecla, calculo, ocioso);
    std::fflush(stdout);
}

// Milliseconds of processor time to type `teclas` keys one by one into an
// empty field, the events handled every hundred keys as a burst of typing
// would be, and the field drawn at the end.
void Teclear(const char* nombre, QLineEdit* campo, int teclas) {
    campo->clear();
    campo->setFocus();
    const double antes = SegundosDeProcesador();
    for (int i = 0; i < teclas; ++i) {
        QKeyEvent pulsada(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QKeyEvent soltada(QEvent::KeyRelease, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(campo, &pulsada);
        QApplication::sendEvent(campo, &soltada);
        if (i % 100 == 99) QCoreApplication::processEvents();
    }
    campo->repaint();
    const double ms = (SegundosDeProcesador() - antes) * 1000;
    std::printf("%-22s %10d keys typed: %8.0f ms of CPU, %6.3f ms a key\n", nombre,
                int(campo->text().size()), ms, ms / teclas);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::qt::PrepararAplicacion();
    const qsizetype maximo = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLongLong() : 1000000;

    std::printf("%-22s %10s %10s %10s %10s %10s %10s\n", "field", "pasted", "kept", "paste ms",
                "key ms", "calc ms", "idle CPU");
    QMainWindow sencilla;
    auto* campo = new QLineEdit(&sencilla);
    campo->setMaxLength(std::numeric_limits<int>::max());
    sencilla.setCentralWidget(campo);
    sencilla.show();
    sencilla.activateWindow();
    if (!QTest::qWaitForWindowActive(&sencilla)) return 1;
    for (qsizetype largo = 1000; largo <= maximo; largo *= 10) {
        Fila("plain, no limit", campo, largo);
        if (largo * 5 <= maximo) Fila("plain, no limit", campo, largo * 5);
    }
    for (const int teclas : {2000, 10000}) Teclear("plain, no limit", campo, teclas);
    sencilla.close();

    velmora::qt::VentanaVelmora ventana;
    ventana.show();
    ventana.activateWindow();
    if (!QTest::qWaitForWindowActive(&ventana)) return 1;
    auto* precio = ventana.findChild<QLineEdit*>(QStringLiteral("txtPrecioCocheDiesel"));
    for (qsizetype largo = 1000; largo <= maximo; largo *= 10) {
        Fila("Velmora", precio, largo);
        if (largo * 5 <= maximo) Fila("Velmora", precio, largo * 5);
    }
    for (const int teclas : {2000, 10000}) Teclear("Velmora", precio, teclas);
    return 0;
}
