// The calculation request behind the "Calcular" button and the "&Calcular"
// menu command. It takes the eight field texts, read from the window once,
// and gives one outcome: the caption to write into lblResultado, or the one
// message to show. The window does what the outcome says and nothing else,
// so a request that ends with a message leaves every field and the result
// label as they were.
//
// The checks, in order: every field of the diesel section, then of the
// petrol section, holds some text; then the interest formula runs when both
// interest fields are numbers, the plain formula otherwise.
#pragma once

#include <string>
#include <variant>

#include "Campos.h"
#include "ConfiguracionRegional.h"

namespace velmora {

// The caption for lblResultado: the break-even distance in whole kilometres.
struct Resultado {
    std::string texto;
    bool operator==(const Resultado&) const = default;
};

// A message for a modal box titled "Velmora" with an OK button only.
struct Mensaje {
    std::string texto;
    bool operator==(const Mensaje&) const = default;
};

// Exactly one of the two, by construction.
using Desenlace = std::variant<Resultado, Mensaje>;

Desenlace OperacionCalcular(const TextosCampos& textos, const ConfiguracionRegional& config);

}  // namespace velmora
