// The calculation request: the eight field texts, read from the window
// once, give one outcome, the caption to write into lblResultado or the one
// message to show. Responder is the call behind the "Calcular" button and
// the "&Calcular" menu command in every front end (ui/FormularioVelmora.h):
// the outcome and the picture of the answer (Grafica.h) from one
// calculation. OperacionCalcular gives the outcome alone, for those that
// need no picture (the tests, the benchmarks, the fuzzer). The window does
// what the outcome says and nothing else, so a request that ends with a
// message leaves every field and the result label as they were.
//
// The checks, in order: every field of the diesel section, then of the
// petrol section, holds some text; then the interest formula runs when both
// interest fields are numbers, the plain formula otherwise. What the formula
// found is then said as what it means (CasoAmortizacion): the distance
// where the diesel pays off; 0 where it has nothing to recover and is
// cheaper to run, whatever the formula gave; a message where it is dearer
// to run, naming the distance where a head start runs out.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "Campos.h"
#include "ConfiguracionRegional.h"
#include "Formulas.h"
#include "Grafica.h"

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

// What a calculation request answers: its one outcome and the picture of
// it, from one calculation; no picture where it ends with an error.
struct Respuesta {
    Desenlace desenlace;
    std::optional<Grafica> grafica;
};
Respuesta Responder(const TextosCampos& textos, const ConfiguracionRegional& config);

// The road of a request up to its figures: the message it ends with, or
// what the chosen formula found.
std::variant<Calculo, Mensaje> Calcular(const TextosCampos& textos,
                                        const ConfiguracionRegional& config);
// The same, the fields already read (`campos`, from `textos`; a replay puts
// other prices in them).
std::variant<Calculo, Mensaje> Calcular(const TextosCampos& textos, const CamposLeidos& campos);

// The outcome of a request whose road went as `calculo` says, its messages
// the main window's.
Desenlace DesenlaceDe(const std::variant<Calculo, Mensaje>& calculo,
                      const ConfiguracionRegional& config);

// The same, with the messages of a car that never pays off and of a head
// start that runs out (at the distance given, as the window writes it)
// written by `mensajes` (other cars than the main window's).
struct MensajesDelCaso {
    std::function<std::string()> nunca;
    std::function<std::string(std::string_view distancia)> ventaja;
};
Desenlace DesenlaceDe(const std::variant<Calculo, Mensaje>& calculo,
                      const ConfiguracionRegional& config, const MensajesDelCaso& mensajes);

// The break-even distance a result shows: the clamped result with its
// fraction cut off.
float DistanciaMostrada(const Amortizacion& a);

// What an answer says before it is written (DesenlaceDe writes it): a
// result of so many whole kilometres (0 where there is nothing to
// recover), a car that never pays off, or a head start that runs out at so
// many kilometres (a message each).
enum class TipoSentido { Resultado, NuncaSeAmortiza, VentajaQueSeAcaba };
struct Sentido {
    TipoSentido tipo;
    float distancia;  // whole km; 0 for a car that never pays off
};
Sentido SentidoDe(const Amortizacion& a);

}  // namespace velmora
