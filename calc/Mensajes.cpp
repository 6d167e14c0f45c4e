#include "Mensajes.h"

#include <string_view>

namespace velmora {
namespace {

// "el dato Consumo medio de la seccion diesel"
std::string DescribirCampo(const Campo& campo) {
    std::string texto = "el dato ";
    texto += EtiquetaCitada(campo);
    texto += " de la seccion ";
    texto += DatosDe(campo.seccion).nombre;
    return texto;
}

}  // namespace

std::string MensajeTextoDemasiadoLargo(IdCampo campo) {
    return "ERROR: el texto es demasiado largo para " + DescribirCampo(DatosDe(campo)) +
           ": admite como mucho " + std::to_string(kLargoMaximoCampo) +
           " caracteres. El dato no ha cambiado.";
}

std::string MensajeVentajaQueSeAcaba(std::string_view distancia) {
    return "El coche diesel es mas barato de compra pero gasta mas por kilometro: a partir de " +
           std::string(distancia) + " Km sale mas caro que el de gasolina.";
}

std::string MensajeFaltanDatos(Seccion seccion) {
    return "ERROR: faltan datos en la seccion " + std::string(DatosDe(seccion).nombre) + ".";
}

std::string MensajeDeError(const ErrorCalculo& error) {
    const Campo* campo = error.Campo() ? &DatosDe(*error.Campo()) : nullptr;
    switch (error.Tipo()) {
        case TipoError::Conversion:
            if (campo) return "ERROR: " + DescribirCampo(*campo) + " no es un numero.";
            return "ERROR: uno de los datos no es un numero.";
        case TipoError::Desbordamiento:
            if (campo) return "ERROR: " + DescribirCampo(*campo) + " es demasiado grande.";
            return "ERROR: los datos dan un resultado demasiado grande para calcularlo.";
        case TipoError::DivisionPorCero:
            // Only the distance a year divides on its own; any other
            // division by zero is the difference of the costs per kilometre.
            if (campo) {
                return "ERROR: el dato " + std::string(EtiquetaCitada(*campo)) + " no puede ser 0.";
            }
            return "ERROR: los dos coches cuestan lo mismo por kilometro; "
                   "no se puede calcular la amortizacion.";
    }
    return "ERROR: no se puede calcular la amortizacion.";
}

}  // namespace velmora
