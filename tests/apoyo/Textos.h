// Field texts for tests, written as a row in the order of kCampos: the
// diesel car's price, consumption and litre price, the petrol car's, then
// the kilometres a year and the interest rate. A row names every field; an
// empty text is an empty field.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/Campos.h"

namespace velmora::prueba {

using FilaTextos = std::array<std::string_view, kNumeroCampos>;

// The worked example: 2600000 / 6 / 115 against 2300000 / 8 / 145, no interest.
inline constexpr FilaTextos kEjemploResuelto{"2600000", "6", "115", "2300000", "8", "145", "", ""};

inline TextosCampos Textos(const FilaTextos& fila) {
    TextosCampos textos;
    for (const Campo& campo : kCampos) {
        textos[campo.id] = std::string(fila[static_cast<std::size_t>(campo.id)]);
    }
    return textos;
}

// The same texts with the two interest fields set.
inline TextosCampos ConInteres(TextosCampos textos, std::string_view km, std::string_view interes) {
    textos[IdCampo::txtKmAno] = std::string(km);
    textos[IdCampo::txtInteres] = std::string(interes);
    return textos;
}

}  // namespace velmora::prueba
