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

// What the main window's cars are made of, for the picture: the diesel's
// and the petrol's litre, as the formula took them (without an error).
void Coches(const CamposLeidos& campos, Calculo& c) {
    const auto cifra = [&](IdCampo campo) { return campos[campo].Valor(); };
    c.coches[0] = {"el diésel",
                   {{"el litro de gasóleo", cifra(IdCampo::txtPrecioLitroGasoil),
                     cifra(IdCampo::txtConsumoMedioDiesel) / 100}}};
    c.coches[1] = {"el de gasolina",
                   {{"el litro de gasolina", cifra(IdCampo::txtPrecioLitroGasolina),
                     cifra(IdCampo::txtConsumoMedioGasolina) / 100}}};
}

}  // namespace

std::variant<Calculo, Mensaje> Calcular(const TextosCampos& textos,
                                        const ConfiguracionRegional& config) {
    return Calcular(textos, CamposLeidos(textos, config));
}

std::variant<Calculo, Mensaje> Calcular(const TextosCampos& textos, const CamposLeidos& campos) {
    for (const DatosSeccion& seccion : kSecciones) {
        if (seccion.obligatoria && FaltaAlguno(textos, seccion.seccion)) {
            return Mensaje{MensajeFaltanDatos(seccion.seccion)};
        }
    }

    // The interest fields are optional: both must be numbers for the
    // interest formula to run, and nothing is said when they are not.
    const bool hayKm = campos.HayKmAno();
    const bool conInteres = campos.ConInteres();
    const auto a = conInteres ? CalcularResultadoInteres(campos) : CalcularResultado(campos);
    if (!a.Bien()) return Mensaje{MensajeDeError(a.Error())};
    Calculo c;
    c.amortizacion = a.Valor();
    c.conInteres = conInteres;
    // The kilometres a year where they are a number, to tell the distance
    // in years; nothing where they are too large.
    const auto& km = campos[IdCampo::txtKmAno];
    if (hayKm && km.Bien()) c.kmAno = km.Valor();
    Coches(campos, c);
    return c;
}

float DistanciaMostrada(const Amortizacion& a) {
    return std::floor(Corrije(a.distancia));
}

Desenlace OperacionCalcular(const TextosCampos& textos, const ConfiguracionRegional& config) {
    return DesenlaceDe(Calcular(textos, config), config);
}

Respuesta Responder(const TextosCampos& textos, const ConfiguracionRegional& config) {
    const auto calculo = Calcular(textos, config);
    const auto* c = std::get_if<Calculo>(&calculo);
    return {DesenlaceDe(calculo, config),
            c ? std::optional<Grafica>(GraficaDe(*c, config)) : std::nullopt};
}

Desenlace DesenlaceDe(const std::variant<Calculo, Mensaje>& calculo,
                      const ConfiguracionRegional& config) {
    return DesenlaceDe(
        calculo, config,
        {[] { return std::string(kMensajeNoSeAmortiza); }, MensajeVentajaQueSeAcaba});
}

Sentido SentidoDe(const Amortizacion& a) {
    switch (a.Caso()) {
        case CasoAmortizacion::NuncaSeAmortiza:
            return {TipoSentido::NuncaSeAmortiza, 0};
        case CasoAmortizacion::VentajaQueSeAcaba:
            // The distance found is where the head start runs out.
            return {TipoSentido::VentajaQueSeAcaba, DistanciaMostrada(a)};
        case CasoAmortizacion::AmortizadoDesdeYa:
            // Whatever the interest formula made of a difference that is
            // not owed (charged for a negative number of years).
            return {TipoSentido::Resultado, 0};
        case CasoAmortizacion::SeAmortiza:
        case CasoAmortizacion::MismoPrecio:
            break;
    }
    return {TipoSentido::Resultado, DistanciaMostrada(a)};
}

Desenlace DesenlaceDe(const std::variant<Calculo, Mensaje>& calculo,
                      const ConfiguracionRegional& config, const MensajesDelCaso& mensajes) {
    if (const auto* mensaje = std::get_if<Mensaje>(&calculo)) return *mensaje;
    const Sentido sentido = SentidoDe(std::get<Calculo>(calculo).amortizacion);
    // Whole kilometres: the clamped result with its fraction cut off.
    const auto distancia = [&] { return TextoDeSimple(sentido.distancia, config); };
    switch (sentido.tipo) {
        case TipoSentido::NuncaSeAmortiza:
            return Mensaje{mensajes.nunca()};
        case TipoSentido::VentajaQueSeAcaba:
            return Mensaje{mensajes.ventaja(distancia())};
        case TipoSentido::Resultado:
            break;
    }
    return Resultado{distancia()};
}

}  // namespace velmora
