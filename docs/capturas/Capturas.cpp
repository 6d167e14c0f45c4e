// Renders every window of the program and the About box to PNG files, for
// the pictures in docs/. Not a test: `make capturas` runs it under Xvfb with
// a window manager, so the pictures show the title bars; on any other
// platform (offscreen) it renders the windows without their frames.
//   velmora_capturas <folder>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "ui/qt/Aplicacion.h"
#include "ui/qt/VentanaFija.h"
#include "ui/qt/VentanaVelmora.h"

namespace {

QString carpeta;

void Guardar(QWidget* ventana, const char* nombre) {
    QPixmap imagen;
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The window with the frame the window manager gave it.
        const QRect marco = ventana->frameGeometry();
        imagen =
            ventana->screen()->grabWindow(0, marco.x(), marco.y(), marco.width(), marco.height());
    } else {
        imagen = ventana->grab();
    }
    const QString ruta = QDir(carpeta).filePath(QLatin1String(nombre));
    if (!imagen.save(ruta)) std::fprintf(stderr, "no se pudo guardar %s\n", qPrintable(ruta));
    std::printf("%s %dx%d\n", qPrintable(ruta), imagen.width(), imagen.height());
}

// Triggers a menu entry and, once its modal window is up and drawn, saves it
// and closes it; then goes on with `despues`.
void CapturarModal(velmora::qt::VentanaVelmora& principal, const char* accion, const char* nombre,
                   std::function<void()> despues) {
    principal.findChild<QAction*>(QLatin1String(accion))->trigger();
    QTimer::singleShot(700, [nombre, despues] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            Guardar(modal, nombre);
            if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
                caja->button(QMessageBox::Ok)->click();
            } else {
                modal->close();
            }
        } else {
            std::fprintf(stderr, "no se abrio la ventana de %s\n", nombre);
        }
        QTimer::singleShot(300, despues);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::qt::PrepararAplicacion();
    carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    velmora::qt::VentanaVelmora ventana;
    ventana.show();

    // The worked example with interest, calculated.
    const std::pair<const char*, const char*> datos[] = {{"txtPrecioCocheDiesel", "2600000"},
                                                         {"txtConsumoMedioDiesel", "6"},
                                                         {"txtPrecioLitroGasoil", "115"},
                                                         {"txtPrecioCocheGasolina", "2300000"},
                                                         {"txtConsumoMedioGasolina", "8"},
                                                         {"txtPrecioLitroGasolina", "145"},
                                                         {"txtKmAno", "15000"},
                                                         {"txtInteres", "5"}};
    for (const auto& [campo, texto] : datos) {
        ventana.findChild<QLineEdit*>(QLatin1String(campo))->setText(QLatin1String(texto));
    }
    ventana.findChild<QPushButton*>(QStringLiteral("cmdCalcular"))->click();

    QTimer::singleShot(700, [&] {
        Guardar(&ventana, "velmora.png");
        CapturarModal(ventana, "menuEjemplos", "ejemplos.png", [&] {
            CapturarModal(ventana, "menuFormula", "formula.png", [&] {
                CapturarModal(ventana, "menuAcercaDe", "acerca-de.png",
                              [] { QCoreApplication::quit(); });
            });
        });
    });
    return app.exec();
}
