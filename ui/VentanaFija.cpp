#include "VentanaFija.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmora::ui {

void CentrarEnPantalla(QWidget* ventana) {
    QScreen* pantalla = ventana->screen() ? ventana->screen() : QGuiApplication::primaryScreen();
    if (!pantalla) return;
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

void MostrarVentanaFija(const DisenoVentana& diseno,
                        const std::function<void(const ControlesConstruidos&)>& alCargar) {
    QDialog dialogo(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialogo.setObjectName(QLatin1String(diseno.nombre));
    dialogo.setWindowTitle(QString::fromUtf8(diseno.titulo));
    ControlesConstruidos controles = ConstruirControles(diseno, &dialogo);
    if (alCargar) alCargar(controles);
    Colocar(diseno, controles, &dialogo);
    CentrarEnPantalla(&dialogo);
    dialogo.exec();
}

}  // namespace velmora::ui
