#include "OperacionCalcular.h"

#include <cmath>

#include "ConversionNumeros.h"
#include "ErrorCalculo.h"
#include "Formulas.h"
#include "Mensajes.h"

namespace velmora {
namespace {

// A field text is missing when it is empty; a text of blanks is not.
bool FaltaAlguno(const TextosCampos& textos, Seccion seccion) {
    for (const Campo& campo : kCampos) {
        if (campo.seccion == seccion && textos[campo.id].empty()) return true;
    }
    return false;
}

}  // namespace

Desenlace OperacionCalcular(const TextosCampos& textos, const ConfiguracionRegional& config) {
    for (const DatosSeccion& seccion : kSecciones) {
        if (seccion.obligatoria && FaltaAlguno(textos, seccion.seccion)) {
            return Mensaje{MensajeFaltanDatos(seccion.seccion)};
        }
    }

    // The interest fields are optional: both must be numbers for the
    // interest formula to run, and nothing is said when they are not.
    const bool conInteres = EsNumerico(textos[IdCampo::txtKmAno], config) &&
                            EsNumerico(textos[IdCampo::txtInteres], config);
    try {
        const Amortizacion a = conInteres ? CalcularResultadoInteres(textos, config)
                                          : CalcularResultado(textos, config);
        if (a.NuncaSeAmortiza()) return Mensaje{kMensajeNoSeAmortiza};
        // Whole kilometres: the clamped result with its fraction cut off.
        return Resultado{TextoDeSimple(std::floor(Corrije(a.distancia)), config)};
    } catch (const ErrorCalculo& error) {
        return Mensaje{MensajeDeError(error)};
    }
}

}  // namespace velmora
