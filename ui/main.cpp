// Velmora: after how many kilometres does a diesel car pay off?
// Starts the main window; everything else follows from the user's events.
#include <QApplication>

#include "ui/Aplicacion.h"
#include "ui/VentanaFija.h"
#include "ui/VentanaVelmora.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    velmora::ui::PrepararAplicacion();

    velmora::ui::VentanaVelmora ventana;
    velmora::ui::ColocarEnPantalla(&ventana);
    ventana.show();
    return app.exec();
}
