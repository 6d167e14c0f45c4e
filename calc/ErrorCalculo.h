// What keeps a calculation from an answer, as a value: a conversion or a
// formula gives an Intento, its value or the error that stopped it, which
// the request turns into a message for the user. Nothing in the
// calculation throws: an error is handed back step by step, so the page's
// module needs no unwinding machinery (a third of its size where every
// step could throw).
#pragma once

#include <optional>
#include <utility>

#include "Campos.h"

namespace velmora {

enum class TipoError {
    Conversion,       // a field text is not a number
    Desbordamiento,   // a figure or a value of the formula is too large (or invalid)
    DivisionPorCero,  // equal costs per kilometre, or zero kilometres a year
};

class ErrorCalculo {
  public:
    // campo: the field the error comes from, or nothing when it comes from
    // the arithmetic of several figures.
    explicit ErrorCalculo(TipoError tipo, std::optional<IdCampo> campo = std::nullopt)
        : tipo_(tipo), campo_(campo) {}

    TipoError Tipo() const { return tipo_; }
    std::optional<IdCampo> Campo() const { return campo_; }

  private:
    TipoError tipo_;
    std::optional<IdCampo> campo_;
};

// The value of a step, or what kept it from one (an ErrorCalculo, or for
// the comparison of other cars the message it ends with).
template <typename T, typename E = ErrorCalculo>
class Intento {
  public:
    Intento(T valor) : valor_(std::move(valor)) {}
    Intento(E error) : error_(std::move(error)) {}

    bool Bien() const { return !error_.has_value(); }
    const T& Valor() const { return valor_; }   // where Bien()
    const E& Error() const { return *error_; }  // where not

  private:
    T valor_{};
    std::optional<E> error_;
};

}  // namespace velmora
