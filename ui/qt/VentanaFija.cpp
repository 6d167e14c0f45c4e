#include "VentanaFija.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <utility>

#include "ConstructorVentana.h"
#include "ui/Colocacion.h"

namespace velmora::qt {

using namespace velmora::ui;

namespace {

// Places a window by the size of its frame, and once more when the window
// manager has put its frame (title bar, borders) around it: before the
// window is first shown its frame is only the window itself, and a window
// centred by that size would sit half a title bar too low.
class Colocador : public QObject {
  public:
    Colocador(QWidget* ventana, std::function<void(const QSize&)> ajustar)
        : QObject(ventana), ventana_(ventana), ajustar_(std::move(ajustar)) {
        Colocar();
        ventana->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if ((evento->type() == QEvent::Move || evento->type() == QEvent::Show) &&
            ventana_->frameGeometry().size() != marco_) {
            Colocar();
        }
        return false;
    }

  private:
    void Colocar() {
        QScreen* pantalla =
            ventana_->screen() ? ventana_->screen() : QGuiApplication::primaryScreen();
        if (!pantalla) {
            if (ajustar_) ajustar_(QSize());  // no screen to fit: no bound
            return;
        }
        const QRect libre = pantalla->availableGeometry();
        if (ajustar_) {
            // The window itself may take the free area less its frame.
            const QSize bordes = ventana_->frameGeometry().size() - ventana_->geometry().size();
            ajustar_(libre.size() - bordes);
        }
        marco_ = ventana_->frameGeometry().size();
        const Posicion p = PosicionDeVentana(marco_.width(), marco_.height(),
                                             {libre.x(), libre.y(), libre.width(), libre.height()});
        // For a window, move() places the top-left corner of its frame.
        ventana_->move(p.x, p.y);
    }

    QWidget* ventana_;
    std::function<void(const QSize&)> ajustar_;
    QSize marco_;
};

}  // namespace

void ColocarEnPantalla(QWidget* ventana, std::function<void(const QSize&)> ajustar) {
    new Colocador(ventana, std::move(ajustar));
}

void MostrarVentanaFija(const DisenoVentana& diseno) {
    QDialog dialogo(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialogo.setObjectName(QLatin1String(diseno.nombre));
    dialogo.setWindowTitle(QString::fromUtf8(diseno.titulo));
    ControlesConstruidos controles = ConstruirControles(diseno, &dialogo);
    ColocarEnPantalla(&dialogo,
                      [&](const QSize& espacio) { Colocar(diseno, controles, &dialogo, espacio); });
    dialogo.exec();
}

}  // namespace velmora::qt
