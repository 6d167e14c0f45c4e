#include "FormularioVelmora.h"

#include <variant>

#include "DisenoEjemplos.h"
#include "DisenoFormula.h"
#include "Textos.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"

namespace velmora::ui {

void FormularioVelmora::OperacionCalcular() {
    const Desenlace desenlace =
        velmora::OperacionCalcular(frente_.LeerCampos(), frente_.ConfiguracionDelUsuario());
    if (const auto* resultado = std::get_if<Resultado>(&desenlace)) {
        frente_.EscribirResultado(resultado->texto);
    } else {
        frente_.MostrarMensaje(std::get<Mensaje>(desenlace).texto);
    }
}

void FormularioVelmora::Form_Load() {
    // The caption as the window's table gives it, read from the window.
    frente_.PonerTituloVentana(TituloConVersion(frente_.TituloVentana()));
}

void FormularioVelmora::cmdCalcular_Click() {
    OperacionCalcular();
}

void FormularioVelmora::menuCalcular_Click() {
    OperacionCalcular();
}

void FormularioVelmora::menuSalir_Click() {
    frente_.Terminar();
}

void FormularioVelmora::menuEjemplos_Click() {
    frente_.MostrarVentanaFija(kDisenoEjemplos);
}

void FormularioVelmora::menuFormula_Click() {
    frente_.MostrarVentanaFija(kDisenoFormula);
}

void FormularioVelmora::menuAcercaDe_Click() {
    frente_.MostrarMensaje(TextoAcercaDe());
}

void FormularioVelmora::Ejecutar(Orden orden) {
    switch (orden) {
        case Orden::Calcular:
            return menuCalcular_Click();
        case Orden::Salir:
            return menuSalir_Click();
        case Orden::Ejemplos:
            return menuEjemplos_Click();
        case Orden::Formula:
            return menuFormula_Click();
        case Orden::AcercaDe:
            return menuAcercaDe_Click();
        case Orden::Ninguna:
            return;
    }
}

void FormularioVelmora::TextoDemasiadoLargo(IdCampo campo) {
    // Refusals that come while the message is pending or shown add nothing
    // to it: each would otherwise open a box from inside the previous one's
    // event loop, until the stack is spent.
    if (avisoPendiente_) return;
    avisoPendiente_ = true;
    frente_.Despues([this, campo] {
        frente_.MostrarMensaje(MensajeTextoDemasiadoLargo(campo));
        avisoPendiente_ = false;
    });
}

}  // namespace velmora::ui
