#include "VentanaFija.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

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
    explicit Colocador(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
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
        if (!pantalla) return;
        const QRect libre = pantalla->availableGeometry();
        marco_ = ventana_->frameGeometry().size();
        const Posicion p = PosicionDeVentana(marco_.width(), marco_.height(),
                                             {libre.x(), libre.y(), libre.width(), libre.height()});
        // For a window, move() places the top-left corner of its frame.
        ventana_->move(p.x, p.y);
    }

    QWidget* ventana_;
    QSize marco_;
};

}  // namespace

void ColocarEnPantalla(QWidget* ventana) {
    new Colocador(ventana);
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
    ColocarEnPantalla(&dialogo);
    dialogo.exec();
}

}  // namespace velmora::qt
