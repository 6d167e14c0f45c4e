// Every message a calculation can end in, in the program's style: "ERROR: "
// and no accents, a field named by the caption the user reads beside it and
// by its section. Every front end shows these texts as they are.
#pragma once

#include <string>
#include <string_view>

#include "Campos.h"
#include "ErrorCalculo.h"

namespace velmora {

inline constexpr const char* kMensajeNoSeAmortiza =
    "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina.";

// A diesel cheaper to buy and dearer to run, ahead until `distancia` (the
// whole kilometres, as a result is written):
// "El coche diesel es mas barato de compra pero gasta mas por kilometro: a
// partir de 63829 Km sale mas caro que el de gasolina."
std::string MensajeVentajaQueSeAcaba(std::string_view distancia);

// "ERROR: faltan datos en la seccion diesel."
std::string MensajeFaltanDatos(Seccion seccion);

// What an error of the formulas means, naming the field's caption and
// section where the error comes from one field:
// "ERROR: el dato Consumo medio de la seccion diesel no es un numero."
std::string MensajeDeError(const ErrorCalculo& error);

// A text longer than kLargoMaximoCampo refused for a field:
// "ERROR: el texto es demasiado largo para el dato Precio de la seccion
// diesel: admite como mucho 50000 caracteres. El dato no ha cambiado."
std::string MensajeTextoDemasiadoLargo(IdCampo campo);

}  // namespace velmora
