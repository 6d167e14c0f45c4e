#include "VentanaVelmora.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <string>

#include "Aplicacion.h"
#include "VentanaFija.h"
#include "ui/DisenoVelmora.h"
#include "ui/Menus.h"

namespace velmora::qt {

using namespace velmora::ui;

namespace {

// A menu bar whose access keys open the first menu that has them
// (ui/Menus.h), each time: the toolkit would take turns between two menus
// with the same key, so that Alt+A C calculated only every other time.
class BarraDeMenus : public QMenuBar {
  public:
    using QMenuBar::QMenuBar;

  protected:
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::Shortcut) {
            auto* atajo = static_cast<QShortcutEvent*>(evento);
            const int tecla = atajo->key()[0].key();
            const int menu = atajo->isAmbiguous() && tecla >= Qt::Key_A && tecla <= Qt::Key_Z
                                 ? MenuDeTecla(kMenuVelmora, char('a' + (tecla - Qt::Key_A)))
                                 : -1;
            if (menu >= 0 && menu < actions().size()) {
                setActiveAction(actions()[menu]);
                return true;
            }
        }
        return QMenuBar::event(evento);
    }
};

QString Texto(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

}  // namespace

VentanaVelmora::VentanaVelmora(QWidget* padre)
    : QMainWindow(padre, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QLatin1String(kDisenoVelmora.nombre));
    setWindowTitle(QString::fromUtf8(kDisenoVelmora.titulo));

    auto* cliente = new QWidget(this);
    cliente->setObjectName(QStringLiteral("cliente"));
    setCentralWidget(cliente);
    controles_ = ConstruirControles(kDisenoVelmora, cliente);
    for (std::size_t i = 0; i < kControlesVelmora.size(); ++i) {
        const Control& c = kControlesVelmora[i];
        if (c.orden != Orden::Ninguna) {
            connect(controles_.En<QPushButton>(i), &QPushButton::clicked, this,
                    [this, orden = c.orden] { formulario_.Ejecutar(orden); });
        }
        if (c.campo) {
            // A text too long for the field was refused, however it came.
            connect(controles_.En<QLineEdit>(i), &QLineEdit::inputRejected, this,
                    [this, campo = *c.campo] { formulario_.TextoDemasiadoLargo(campo); });
        }
    }
    CrearMenus();

    // Laid out for the screen it is on, and placed there.
    ColocarEnPantalla(this, [this](const QSize& espacio) { AjustarAlEspacio(espacio); });
    formulario_.Form_Load();
}

// Fixed single border: the size of the menu bar plus the client area.
void VentanaVelmora::AjustarAlEspacio(const QSize& espacio) {
    const QSize cliente(espacio.width(), espacio.height() - menuBar()->sizeHint().height());
    Colocar(kDisenoVelmora, controles_, centralWidget(), cliente);
    layout()->invalidate();
    const QSize ajustado = sizeHint();
    if (ajustado != minimumSize() || ajustado != maximumSize()) setFixedSize(ajustado);
}

void VentanaVelmora::CrearMenus() {
    setMenuBar(new BarraDeMenus(this));
    QMenu* menu = nullptr;
    for (const EntradaMenu& entrada : kMenuVelmora) {
        const QString nombre = QLatin1String(entrada.nombre);
        switch (entrada.tipo) {
            case TipoEntrada::Menu:
                menu = menuBar()->addMenu(QString::fromUtf8(entrada.titulo));
                menu->setObjectName(nombre);
                break;
            case TipoEntrada::Separador:
                menu->addSeparator()->setObjectName(nombre);
                break;
            case TipoEntrada::Orden: {
                QAction* accion = menu->addAction(QString::fromUtf8(entrada.titulo));
                accion->setObjectName(nombre);
                // Queued: the handler runs from the event loop, not inside
                // the trigger, so whoever triggered the entry (a screen
                // reader through the accessibility bus, say) gets its answer
                // before a modal box opens.
                connect(
                    accion, &QAction::triggered, this,
                    [this, orden = entrada.orden] { formulario_.Ejecutar(orden); },
                    Qt::QueuedConnection);
                break;
            }
        }
    }
}

std::string VentanaVelmora::LeerCampo(IdCampo campo) const {
    return controles_.En<QLineEdit>(FilaDelCampo(kControlesVelmora, campo))->text().toStdString();
}

ConfiguracionRegional VentanaVelmora::ConfiguracionRegionalDelSistema() {
    const QLocale local = QLocale::system();
    return {local.decimalPoint().toStdString(), local.groupSeparator().toStdString()};
}

ConfiguracionRegional VentanaVelmora::ConfiguracionDelUsuario() const {
    return ConfiguracionRegionalDelSistema();
}

std::string VentanaVelmora::TituloVentana() const {
    return windowTitle().toStdString();
}

void VentanaVelmora::PonerTituloVentana(std::string_view titulo) {
    setWindowTitle(Texto(titulo));
}

void VentanaVelmora::EscribirResultado(std::string_view texto) {
    auto* resultado = controles_.En<QLabel>(FilaDelResultado(kControlesVelmora));
    resultado->setText(Texto(texto));
    // A screen reader reads the result from the description.
    resultado->setAccessibleDescription(Texto(texto));
}

void VentanaVelmora::MostrarMensaje(const std::vector<std::string>& lineas,
                                    std::function<void()> cerrada) {
    MostrarMensajeVelmora(this, lineas);
    cerrada();
}

void VentanaVelmora::MostrarVentanaFija(const DisenoVentana& diseno,
                                        std::function<void()> cerrada) {
    qt::MostrarVentanaFija(diseno);
    cerrada();
}

void VentanaVelmora::PedirTurno() {
    QMetaObject::invokeMethod(
        this, [this] { formulario_.Turno(); }, Qt::QueuedConnection);
}

void VentanaVelmora::Terminar() {
    hide();
    QCoreApplication::exit(0);
}

}  // namespace velmora::qt
