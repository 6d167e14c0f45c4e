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
// and the petrol's litre, as the formula read them. (They were read before
// without an error.)
void Coches(const TextosCampos& textos, const ConfiguracionRegional& config, Calculo& c) {
    const auto leer = [&](IdCampo campo) { return NumeroEstricto(textos[campo], config).Valor(); };
    c.coches[0] = {"el diésel",
                   {{"el litro de gasóleo", leer(IdCampo::txtPrecioLitroGasoil),
                     leer(IdCampo::txtConsumoMedioDiesel) / 100}}};
    c.coches[1] = {"el de gasolina",
                   {{"el litro de gasolina", leer(IdCampo::txtPrecioLitroGasolina),
                     leer(IdCampo::txtConsumoMedioGasolina) / 100}}};
}

// The kilometres a year where they are a number (read as the interest
// formula reads them), to tell the distance in years; nothing where they
// are not, or are too large.
std::optional<double> KmAno(const TextosCampos& textos, const ConfiguracionRegional& config) {
    const std::string& km = textos[IdCampo::txtKmAno];
    if (!EsNumerico(km, config)) return std::nullopt;
    const auto leido = NumeroInicial(km, config);
    return leido.Bien() ? std::optional<double>(leido.Valor()) : std::nullopt;
}

}  // namespace

std::variant<Calculo, Mensaje> Calcular(const TextosCampos& textos,
                                        const ConfiguracionRegional& config) {
    for (const DatosSeccion& seccion : kSecciones) {
        if (seccion.obligatoria && FaltaAlguno(textos, seccion.seccion)) {
            return Mensaje{MensajeFaltanDatos(seccion.seccion)};
        }
    }

    // The interest fields are optional: both must be numbers for the
    // interest formula to run, and nothing is said when they are not.
    const bool conInteres = EsNumerico(textos[IdCampo::txtKmAno], config) &&
                            EsNumerico(textos[IdCampo::txtInteres], config);
    const auto a =
        conInteres ? CalcularResultadoInteres(textos, config) : CalcularResultado(textos, config);
    if (!a.Bien()) return Mensaje{MensajeDeError(a.Error())};
    Calculo c;
    c.amortizacion = a.Valor();
    c.conInteres = conInteres;
    c.kmAno = KmAno(textos, config);
    Coches(textos, config, c);
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

Desenlace DesenlaceDe(const std::variant<Calculo, Mensaje>& calculo,
                      const ConfiguracionRegional& config, const MensajesDelCaso& mensajes) {
    if (const auto* mensaje = std::get_if<Mensaje>(&calculo)) return *mensaje;
    const Amortizacion& a = std::get<Calculo>(calculo).amortizacion;
    // Whole kilometres: the clamped result with its fraction cut off.
    const auto distancia = [&] { return TextoDeSimple(DistanciaMostrada(a), config); };
    switch (a.Caso()) {
        case CasoAmortizacion::NuncaSeAmortiza:
            return Mensaje{mensajes.nunca()};
        case CasoAmortizacion::VentajaQueSeAcaba:
            // The distance found is where the head start runs out.
            return Mensaje{mensajes.ventaja(distancia())};
        case CasoAmortizacion::AmortizadoDesdeYa:
            // Whatever the interest formula made of a difference that is
            // not owed (charged for a negative number of years).
            return Resultado{TextoDeSimple(0.0f, config)};
        case CasoAmortizacion::SeAmortiza:
        case CasoAmortizacion::MismoPrecio:
            break;
    }
    return Resultado{distancia()};
}

}  // namespace velmora
