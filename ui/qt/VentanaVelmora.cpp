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
#include "Ejemplos.h"
#include "Formula.h"
#include "VentanaFija.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"
#include "ui/DisenoVelmora.h"
#include "ui/Textos.h"

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
    Colocar(kDisenoVelmora, controles_, cliente);
    lblResultado_ = controles_.Buscar<QLabel>("lblResultado");
    for (const Campo& campo : kCampos) {
        auto* texto = controles_.Buscar<QLineEdit>(campo.nombre);
        texto->setAccessibleName(QString::fromUtf8(campo.nombreAccesible));
        connect(texto, &QLineEdit::inputRejected, this,
                [this, id = campo.id] { TextoRechazado(id); });
    }

    CrearMenus();

    connect(controles_.Buscar<QPushButton>("cmdCalcular"), &QPushButton::clicked, this,
            &VentanaVelmora::cmdCalcular_Click);

    // Fixed single border: the size of the menu bar plus the client area.
    adjustSize();
    setFixedSize(sizeHint());
    ColocarEnPantalla(this, [this](const QSize& espacio) { AjustarAlEspacio(espacio); });
    controles_.Buscar<QLineEdit>(DatosDe(IdCampo::txtPrecioCocheDiesel).nombre)->setFocus();
    Form_Load();
}

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
                const auto manejador = ManejadorDeMenu<VentanaVelmora>(entrada.nombre);
                if (!manejador) qFatal("no handler for %s", entrada.nombre);
                // Queued: the handler runs from the event loop, not inside
                // the trigger, so whoever triggered the entry (a screen
                // reader through the accessibility bus, say) gets its answer
                // before a modal box opens.
                connect(accion, &QAction::triggered, this, manejador, Qt::QueuedConnection);
                break;
            }
        }
    }
}

void VentanaVelmora::TextoRechazado(IdCampo campo) {
    // A burst of refused input (keys typed into a full field faster than
    // the box can open) gets one message: the refusals that come while one
    // is pending or shown add nothing to it. The message opens once the edit
    // that brought the first has ended (a paste, a drop, a key press).
    if (avisoPendiente_) return;
    avisoPendiente_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, campo] {
            MostrarMensajeVelmora(this, QString::fromStdString(MensajeTextoDemasiadoLargo(campo)));
            avisoPendiente_ = false;
        },
        Qt::QueuedConnection);
}

TextosCampos VentanaVelmora::LeerCampos() const {
    TextosCampos textos;
    for (const Campo& campo : kCampos) {
        textos[campo.id] = controles_.Buscar<QLineEdit>(campo.nombre)->text().toStdString();
    }
    return textos;
}

void VentanaVelmora::OperacionCalcular() {
    const Desenlace desenlace = velmora::OperacionCalcular(LeerCampos(), ConfiguracionDelUsuario());
    if (const auto* resultado = std::get_if<Resultado>(&desenlace)) {
        const QString texto = QString::fromStdString(resultado->texto);
        lblResultado_->setText(texto);
        // A screen reader reads the result from the description.
        lblResultado_->setAccessibleDescription(texto);
    } else {
        MostrarMensajeVelmora(this, QString::fromStdString(std::get<Mensaje>(desenlace).texto));
    }
}

ConfiguracionRegional VentanaVelmora::ConfiguracionDelUsuario() {
    const QLocale local = QLocale::system();
    return {local.decimalPoint().toStdString(), local.groupSeparator().toStdString()};
}

void VentanaVelmora::Form_Load() {
    setWindowTitle(QString::fromStdString(TituloConVersion(windowTitle().toStdString())));
}

void VentanaVelmora::cmdCalcular_Click() {
    OperacionCalcular();
}

void VentanaVelmora::menuCalcular_Click() {
    OperacionCalcular();
}

void VentanaVelmora::menuSalir_Click() {
    // Ends at once: nothing to save, nothing to ask.
    hide();
    QCoreApplication::exit(0);
}

void VentanaVelmora::menuEjemplos_Click() {
    FormularioEjemplos().Mostrar();
}

void VentanaVelmora::menuFormula_Click() {
    FormularioFormula().Mostrar();
}

void VentanaVelmora::menuAcercaDe_Click() {
    MostrarMensajeVelmora(this, QString::fromStdString(TextoAcercaDe()));
}

}  // namespace velmora::qt
