#include "FormularioVelmora.h"

#include <utility>
#include <variant>

#include "DisenoEjemplos.h"
#include "DisenoFormula.h"
#include "Textos.h"
#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"

namespace velmora::ui {

void FormularioVelmora::Form_Load() {
    frente_.PonerTituloVentana(TituloConVersion(frente_.TituloVentana()));
}

void FormularioVelmora::OperacionCalcular() {
    TextosCampos textos;
    for (const Campo& campo : kCampos) textos[campo.id] = frente_.LeerCampo(campo.id);
    const ConfiguracionRegional config = frente_.ConfiguracionDelUsuario();
    const Respuesta respuesta = Responder(textos, config);
    ultima_.reset();
    if (respuesta.grafica) ultima_.emplace(std::move(textos), config);
    if (const auto* resultado = std::get_if<Resultado>(&respuesta.desenlace)) {
        frente_.EscribirResultado(resultado->texto);
    } else {
        MostrarMensaje(std::get<Mensaje>(respuesta.desenlace).texto);
    }
    frente_.MostrarGrafica(respuesta.grafica);
}

std::optional<Repeticion> FormularioVelmora::RepetirLaUltima(std::span<const SemanaDePrecios> tabla,
                                                             EleccionMoneda eleccion) const {
    if (!ultima_) return std::nullopt;
    return Repetir(ultima_->first, ultima_->second, tabla, eleccion);
}

void FormularioVelmora::Ejecutar(Orden orden) {
    if (modalAbierto_) return;
    switch (orden) {
        case Orden::Calcular:
            return OperacionCalcular();
        case Orden::Salir:
            return frente_.Terminar();
        case Orden::Ejemplos:
        case Orden::Formula: {
            const DisenoVentana& diseno =
                orden == Orden::Ejemplos ? kDisenoEjemplos : kDisenoFormula;
            Modal([&](auto cerrada) { frente_.MostrarVentanaFija(diseno, std::move(cerrada)); });
            return;
        }
        case Orden::AcercaDe:
            return MostrarMensaje(TextoAcercaDe());
        case Orden::Ninguna:
            return;
    }
}

bool FormularioVelmora::Modal(const std::function<void(std::function<void()>)>& mostrar) {
    // One at a time: a handler queued before a window opened, that runs
    // inside its event loop, opens nothing on top of it (a box within a box
    // within a box ends the program once the stack is spent).
    if (modalAbierto_) return false;
    modalAbierto_ = true;
    mostrar([this] { modalAbierto_ = false; });
    return true;
}

void FormularioVelmora::MostrarMensaje(std::string texto) {
    Modal([this, &texto](auto cerrada) {
        frente_.MostrarMensaje(LineasDeMensaje(texto), std::move(cerrada));
    });
}

void FormularioVelmora::TextoDemasiadoLargo(IdCampo campo) {
    TextoRechazado(MensajeTextoDemasiadoLargo(campo));
}

void FormularioVelmora::TextoRechazado(std::string mensaje) {
    // Refusals that come while the message is pending or shown add nothing
    // to it.
    if (avisoPendiente_) return;
    avisoPendiente_ = true;
    Despues([this, mensaje = std::move(mensaje)] {
        const bool abierta = Modal([this, &mensaje](auto cerrada) {
            frente_.MostrarMensaje(LineasDeMensaje(mensaje), [this, cerrada = std::move(cerrada)] {
                avisoPendiente_ = false;
                cerrada();
            });
        });
        // Another window was open: the refusal is not reported on top of it.
        if (!abierta) avisoPendiente_ = false;
    });
}

void FormularioVelmora::Despues(std::function<void()> tarea) {
    tareas_.push_back(std::move(tarea));
    frente_.PedirTurno();
}

void FormularioVelmora::Turno() {
    if (tareas_.empty()) return;
    const std::function<void()> tarea = std::move(tareas_.front());
    tareas_.pop_front();
    tarea();
}

}  // namespace velmora::ui
