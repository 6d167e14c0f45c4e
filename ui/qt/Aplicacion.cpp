#include "Aplicacion.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Textos.h"

namespace velmora::qt {

void PrepararAplicacion() {
    QApplication::setApplicationName(QLatin1String(ui::kTituloAplicacion));
    QApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    QIcon icono;
    icono.addFile(QStringLiteral(":/velmora/velmora-16.png"), QSize(16, 16));
    icono.addFile(QStringLiteral(":/velmora/velmora-32.png"), QSize(32, 32));
    QApplication::setWindowIcon(icono);
}

void MostrarMensajeVelmora(QWidget* padre, const QString& texto) {
    QMessageBox caja(padre);
    caja.setObjectName(QStringLiteral("mensajeVelmora"));
    caja.setWindowTitle(QLatin1String(ui::kTituloAplicacion));
    caja.setIcon(QMessageBox::NoIcon);
    caja.setTextFormat(Qt::PlainText);
    // A line break is CR LF in the program's texts; a label draws the CR as
    // a stray glyph, so only the LF is kept for display.
    QString mostrado = texto;
    mostrado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    caja.setText(mostrado);
    caja.setStandardButtons(QMessageBox::Ok);
    // Some styles put a picture on the button; the box shows text only.
    caja.button(QMessageBox::Ok)->setIcon(QIcon());
    caja.exec();
}

}  // namespace velmora::qt
