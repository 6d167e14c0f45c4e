#include "FormularioMotores.h"

#include <variant>

#include "DisenoMotores.h"

namespace velmora::ui {

TextosComparacion FormularioMotores::Textos() const {
    TextosComparacion t;
    for (int coche : {0, 1}) t.coches[std::size_t(coche)].motor = frente_.LeerMotor(coche);
    for (std::size_t i = 0; i < kFilasMotores.size(); ++i) {
        const FilaMotores& f = kFilasMotores[i];
        if (f.dato) t.coches[std::size_t(f.coche)][*f.dato] = frente_.LeerFila(i);
        if (f.uso) (*f.uso == DatoUso::KmAno ? t.kmAno : t.interes) = frente_.LeerFila(i);
        if (f.tipo == TipoFila::Casilla) t.consumoReal = frente_.LeerCasilla(i);
    }
    return t;
}

void FormularioMotores::Calcular() {
    if (velmora_.ModalAbierto()) return;
    const ConfiguracionRegional config = velmora_.Frente().ConfiguracionDelUsuario();
    TextosComparacion textos = Textos();
    const Respuesta respuesta = ResponderMotores(textos, config);
    ultima_.reset();
    if (respuesta.grafica) ultima_.emplace(std::move(textos), config);
    if (const auto* resultado = std::get_if<Resultado>(&respuesta.desenlace)) {
        frente_.EscribirResultadoMotores(resultado->texto);
    } else {
        velmora_.MostrarMensaje(std::get<Mensaje>(respuesta.desenlace).texto);
    }
    frente_.MostrarGraficaMotores(respuesta.grafica);
}

std::optional<Repeticion> FormularioMotores::RepetirLaUltima(std::span<const SemanaDePrecios> tabla,
                                                             EleccionMoneda eleccion) const {
    if (!ultima_) return std::nullopt;
    return Repetir(ultima_->first, ultima_->second, tabla, eleccion);
}

void FormularioMotores::TextoDemasiadoLargo(std::size_t fila) {
    const FilaMotores& f = kFilasMotores[fila];
    const std::string figura = f.dato ? FiguraDelCoche(f.coche, frente_.LeerMotor(f.coche), *f.dato)
                                      : FiguraDeUso(f.uso.value_or(DatoUso::KmAno));
    velmora_.TextoRechazado(MensajeDemasiadoLargo(figura));
}

}  // namespace velmora::ui
