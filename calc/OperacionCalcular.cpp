#include "OperacionCalcular.h"

#include <array>
#include <cmath>
#include <string_view>

#include "Campos.h"
#include "ConversionNumeros.h"
#include "Formulas.h"

namespace velmora {
namespace {

std::string_view NombreSeccion(Seccion seccion) {
    switch (seccion) {
        case Seccion::Diesel:
            return "diesel";
        case Seccion::Gasolina:
            return "gasolina";
        case Seccion::Interes:
            return "interes acumulado";
    }
    return "";
}

// "el dato Consumo medio de la seccion diesel"
std::string DescribirCampo(const Campo& campo) {
    std::string texto = "el dato ";
    texto += campo.etiqueta;
    texto += " de la seccion ";
    texto += NombreSeccion(campo.seccion);
    return texto;
}

// A field text is missing when it is empty; a text of blanks is not.
bool FaltaAlguno(const VentanaCalculo& ventana, const std::array<std::string_view, 3>& nombres) {
    for (std::string_view nombre : nombres) {
        if (ventana.TextoCampo(nombre).empty()) return true;
    }
    return false;
}

}  // namespace

std::string MensajeDeError(const ErrorCalculo& error) {
    const Campo* campo = BuscarCampo(error.Campo());
    switch (error.Tipo()) {
        case TipoError::Conversion:
            if (campo) return "ERROR: " + DescribirCampo(*campo) + " no es un numero.";
            return "ERROR: uno de los datos no es un numero.";
        case TipoError::Desbordamiento:
            if (campo) return "ERROR: " + DescribirCampo(*campo) + " es demasiado grande.";
            return "ERROR: los datos dan un resultado demasiado grande para calcularlo.";
        case TipoError::DivisionPorCero:
            if (campo && campo->nombre == campos::txtKmAno) {
                return "ERROR: el dato Media de Km/año no puede ser 0.";
            }
            return "ERROR: los dos coches cuestan lo mismo por kilometro; "
                   "no se puede calcular la amortizacion.";
    }
    return "ERROR: no se puede calcular la amortizacion.";
}

void OperacionCalcular(VentanaCalculo& ventana, const ConfiguracionRegional& config) {
    using namespace campos;
    if (FaltaAlguno(ventana, {txtPrecioCocheDiesel, txtConsumoMedioDiesel, txtPrecioLitroGasoil})) {
        ventana.MostrarMensaje(kMensajeFaltanDiesel);
        return;
    }
    if (FaltaAlguno(ventana,
                    {txtPrecioCocheGasolina, txtConsumoMedioGasolina, txtPrecioLitroGasolina})) {
        ventana.MostrarMensaje(kMensajeFaltanGasolina);
        return;
    }

    // The interest fields are optional: both must be numbers for the
    // interest formula to run, and nothing is said when they are not.
    const bool conInteres = EsNumerico(ventana.TextoCampo(txtKmAno), config) &&
                            EsNumerico(ventana.TextoCampo(txtInteres), config);

    std::string texto;
    try {
        const Amortizacion a = conInteres ? CalcularResultadoInteres(ventana, config)
                                          : CalcularResultado(ventana, config);
        if (a.NuncaSeAmortiza()) {
            ventana.MostrarMensaje(kMensajeNoSeAmortiza);
            return;
        }
        // Whole kilometres: the clamped result with its fraction cut off.
        texto = TextoDeSimple(std::floor(Corrije(a.distancia)), config);
    } catch (const ErrorCalculo& error) {
        ventana.MostrarMensaje(MensajeDeError(error));
        return;
    }
    ventana.EscribirResultado(texto);
}

}  // namespace velmora
