// The calculation request behind the "Calcular" button and the "&Calcular"
// menu command: check that the six car fields hold something, choose the
// formula, and either write the break-even distance into lblResultado or
// show exactly one message. A request that ends with a message leaves every
// field and the result label as they were.
#pragma once

#include <string>

#include "ConfiguracionRegional.h"
#include "ErrorCalculo.h"
#include "VentanaCalculo.h"

namespace velmora {

inline constexpr const char* kMensajeFaltanDiesel = "ERROR: faltan datos en la seccion diesel.";
inline constexpr const char* kMensajeFaltanGasolina = "ERROR: faltan datos en la seccion gasolina.";
inline constexpr const char* kMensajeNoSeAmortiza =
    "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina.";

// The message that tells the user what an error of the formulas means, in
// the program's style ("ERROR: ", no accents), naming the field's caption
// and section where the error comes from one field.
std::string MensajeDeError(const ErrorCalculo& error);

void OperacionCalcular(VentanaCalculo& ventana, const ConfiguracionRegional& config);

}  // namespace velmora
