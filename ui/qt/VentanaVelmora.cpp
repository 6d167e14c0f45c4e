#include "VentanaVelmora.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>

#include "Aplicacion.h"
#include "VentanaFija.h"
#include "ui/DisenoVelmora.h"

namespace velmora::qt {

using namespace velmora::ui;

namespace {

// A menu bar whose access keys open the first menu that has them. Both
// menus use the key A; the toolkit would take turns between the two on each
// Alt+A, so that Alt+A C calculated only every other time. As on Windows,
// Alt+A opens "&Amortizacion" each time.
class BarraDeMenus : public QMenuBar {
  public:
    using QMenuBar::QMenuBar;

  protected:
    bool event(QEvent* evento) override {
        if (evento->type() == QEvent::Shortcut) {
            auto* atajo = static_cast<QShortcutEvent*>(evento);
            if (atajo->isAmbiguous()) {
                for (QAction* menu : actions()) {
                    if (menu->isVisible() && menu->isEnabled() &&
                        QKeySequence::mnemonic(menu->text()) == atajo->key()) {
                        setActiveAction(menu);
                        return true;
                    }
                }
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
    lblResultado_ = controles_.Buscar<QLabel>("lblResultado");
    for (const Campo& campo : kCampos) {
        // A text too long for the field was refused, however it came.
        connect(controles_.Buscar<QLineEdit>(campo.nombre), &QLineEdit::inputRejected, this,
                [this, id = campo.id] { formulario_.TextoDemasiadoLargo(id); });
    }

    CrearMenus();

    connect(controles_.Buscar<QPushButton>("cmdCalcular"), &QPushButton::clicked, this,
            [this] { formulario_.cmdCalcular_Click(); });

    // Laid out for the screen it is on, and placed there.
    ColocarEnPantalla(this, [this](const QSize& espacio) { AjustarAlEspacio(espacio); });
    controles_.Buscar<QLineEdit>(DatosDe(IdCampo::txtPrecioCocheDiesel).nombre)->setFocus();
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

TextosCampos VentanaVelmora::LeerCampos() const {
    TextosCampos textos;
    for (const Campo& campo : kCampos) {
        textos[campo.id] = controles_.Buscar<QLineEdit>(campo.nombre)->text().toStdString();
    }
    return textos;
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
    lblResultado_->setText(Texto(texto));
    // A screen reader reads the result from the description.
    lblResultado_->setAccessibleDescription(Texto(texto));
}

void VentanaVelmora::MostrarMensaje(std::string_view texto) {
    MostrarMensajeVelmora(this, Texto(texto));
}

void VentanaVelmora::MostrarVentanaFija(const DisenoVentana& diseno) {
    qt::MostrarVentanaFija(diseno);
}

void VentanaVelmora::Despues(std::function<void()> tarea) {
    QMetaObject::invokeMethod(this, std::move(tarea), Qt::QueuedConnection);
}

void VentanaVelmora::Terminar() {
    hide();
    QCoreApplication::exit(0);
}

}  // namespace velmora::qt
