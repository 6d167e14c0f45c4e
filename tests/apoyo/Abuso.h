// Abuse of a front end's window through its Conductor (Jugador.h): seeded
// random steps that type, paste, drop or set random texts into random
// fields (digits, separators, signs, exponents, blanks, control characters,
// letters of other alphabets, marks that draw nothing; now and then a text
// far longer than a field takes, or as long) and ask for a calculation by
// the button or the menu. After every calculation the window must agree
// with the calculation core given the texts the fields show: the core's
// caption in the result box and no message, or exactly the core's one
// message with the result box kept; and no field changed. A text too long
// for a field is refused with its message, the field kept.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "Jugador.h"
#include "calc/ConfiguracionRegional.h"

namespace velmora::prueba {

struct Informe {
    int calculos = 0, resultados = 0, mensajes = 0, rechazos = 0;
    std::vector<std::string> fallos;  // a line each, naming the step

    // Nothing went wrong, and every kind of outcome came up.
    bool Bien() const { return fallos.empty() && resultados > 0 && mensajes > 0 && rechazos > 0; }
    std::string Resumen() const;
};

// VELMORA_SEMILLA where it is set (to repeat a run), otherwise a new seed.
unsigned Semilla();

// `pasos` steps from `semilla` under the user's settings `config`, stopping
// after `limite` or at the sixth fault.
Informe Abusar(Conductor& conductor, const ConfiguracionRegional& config, unsigned semilla,
               int pasos, std::chrono::seconds limite);

}  // namespace velmora::prueba
