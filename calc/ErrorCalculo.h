// The one error type of the calculation. A conversion or a formula throws
// it; OperacionCalcular catches it and turns it into a message for the user.
#pragma once

#include <optional>
#include <stdexcept>

#include "Campos.h"

namespace velmora {

enum class TipoError {
    Conversion,       // a field text is not a number
    Desbordamiento,   // a figure or a value of the formula is too large (or invalid)
    DivisionPorCero,  // equal costs per kilometre, or zero kilometres a year
};

class ErrorCalculo : public std::runtime_error {
  public:
    // campo: the field the error comes from, or nothing when it comes from
    // the arithmetic of several figures.
    explicit ErrorCalculo(TipoError tipo, std::optional<IdCampo> campo = std::nullopt)
        : std::runtime_error(Descripcion(tipo)), tipo_(tipo), campo_(campo) {}

    TipoError Tipo() const { return tipo_; }
    std::optional<IdCampo> Campo() const { return campo_; }

  private:
    static const char* Descripcion(TipoError tipo) {
        switch (tipo) {
            case TipoError::Conversion:
                return "conversion";
            case TipoError::Desbordamiento:
                return "desbordamiento";
            case TipoError::DivisionPorCero:
                return "division por cero";
        }
        return "error";
    }

    TipoError tipo_;
    std::optional<IdCampo> campo_;
};

}  // namespace velmora
