#include "VentanaVelmora.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

#include "Aplicacion.h"
#include "DisenoVelmora.h"
#include "Ejemplos.h"
#include "Formula.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"

namespace velmora::ui {

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
        // A text too long for the field was refused; say so once the edit
        // that brought it has ended (a paste, a drop, a key press).
        connect(
            texto, &QLineEdit::inputRejected, this,
            [this, id = campo.id] {
                MostrarMensajeVelmora(this, QString::fromStdString(MensajeTextoDemasiadoLargo(id)));
            },
            Qt::QueuedConnection);
    }

    CrearMenus();

    connect(controles_.Buscar<QPushButton>("cmdCalcular"), &QPushButton::clicked, this,
            &VentanaVelmora::cmdCalcular_Click);

    // Fixed single border: the size of the menu bar plus the client area.
    adjustSize();
    setFixedSize(sizeHint());
    controles_.Buscar<QLineEdit>(DatosDe(IdCampo::txtPrecioCocheDiesel).nombre)->setFocus();
    Form_Load();
}

void VentanaVelmora::CrearMenus() {
    auto accion = [this](QMenu* menu, const char* nombre, const char* titulo,
                         void (VentanaVelmora::*manejador)()) {
        QAction* a = menu->addAction(QString::fromUtf8(titulo));
        a->setObjectName(QLatin1String(nombre));
        // Queued: the handler runs from the event loop, not inside the
        // trigger, so whoever triggered the entry (a screen reader through
        // the accessibility bus, say) gets its answer before a modal box
        // opens.
        connect(a, &QAction::triggered, this, manejador, Qt::QueuedConnection);
    };
    auto separador = [](QMenu* menu, const char* nombre) {
        menu->addSeparator()->setObjectName(QLatin1String(nombre));
    };

    QMenu* amortizacion = menuBar()->addMenu(QStringLiteral("&Amortizacion"));
    amortizacion->setObjectName(QStringLiteral("menuAmortizacion"));
    accion(amortizacion, "menuCalcular", "&Calcular", &VentanaVelmora::menuCalcular_Click);
    separador(amortizacion, "menuSeparador1");
    accion(amortizacion, "menuSalir", "&Salir", &VentanaVelmora::menuSalir_Click);

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    ayuda->setObjectName(QStringLiteral("menuAyuda"));
    accion(ayuda, "menuEjemplos", "&Ejemplos", &VentanaVelmora::menuEjemplos_Click);
    accion(ayuda, "menuFormula", "&Formula", &VentanaVelmora::menuFormula_Click);
    separador(ayuda, "menuSeparador2");
    accion(ayuda, "menuAcercaDe", "&Acerca de", &VentanaVelmora::menuAcercaDe_Click);
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
    setWindowTitle(windowTitle() + QStringLiteral(" v") + QLatin1String(kVersion));
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
    MostrarMensajeVelmora(this, TextoAcercaDe());
}

}  // namespace velmora::ui
