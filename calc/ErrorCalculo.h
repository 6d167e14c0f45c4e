// The one error type of the calculation. A conversion or a formula throws
// it; OperacionCalcular catches it and turns it into a message for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

enum class TipoError {
    Conversion,       // a field text is not a number
    Desbordamiento,   // a figure or a value of the formula is too large (or invalid)
    DivisionPorCero,  // equal costs per kilometre, or zero kilometres a year
};

class ErrorCalculo : public std::runtime_error {
  public:
    // campo: the name of the field the error comes from (for example
    // "txtConsumoMedioDiesel"), or empty when it comes from the arithmetic
    // of several figures.
    ErrorCalculo(TipoError tipo, std::string campo = {})
        : std::runtime_error(Descripcion(tipo)), tipo_(tipo), campo_(std::move(campo)) {}

    TipoError Tipo() const { return tipo_; }
    const std::string& Campo() const { return campo_; }

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
    std::string campo_;
};

}  // namespace velmora
