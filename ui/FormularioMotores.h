// What the page's view "Otros motores" (ui/DisenoMotores.h) does: its one
// command, a comparison, whose one outcome is written into its result box
// or shown as a message by the main window's rules of modal windows
// (FormularioVelmora), with the picture of its answer; and the refusal of
// a text too long for one of its fields. The page implements FrenteMotores.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "FormularioVelmora.h"
#include "calc/Grafica.h"
#include "calc/Motores.h"
#include "calc/Repeticion.h"

namespace velmora::ui {

class FrenteMotores {
  public:
    virtual Motor LeerMotor(int coche) const = 0;
    // The text of the field of row `fila` of kFilasMotores, as UTF-8.
    virtual std::string LeerFila(std::size_t fila) const = 0;
    virtual bool LeerCasilla(std::size_t fila) const = 0;
    virtual void EscribirResultadoMotores(std::string_view texto) = 0;
    virtual void MostrarGraficaMotores(const std::optional<Grafica>& grafica) = 0;

  protected:
    ~FrenteMotores() = default;
};

class FormularioMotores {
  public:
    FormularioMotores(FrenteMotores& frente, FormularioVelmora& velmora)
        : frente_(frente), velmora_(velmora) {}

    // One comparison: the fields as they stand now, read at once.
    void Calcular();

    // The last comparison that had a picture, replayed over the prices of
    // past weeks (calc/Repeticion.h); none where there is none.
    std::optional<Repeticion> RepetirLaUltima(std::span<const SemanaDePrecios> tabla,
                                              EleccionMoneda eleccion) const;

    // The field of row `fila` refused a text longer than it takes: the
    // message names the car and the figure, once the edit has ended.
    void TextoDemasiadoLargo(std::size_t fila);

  private:
    TextosComparacion Textos() const;

    FrenteMotores& frente_;
    FormularioVelmora& velmora_;
    std::optional<std::pair<TextosComparacion, ConfiguracionRegional>> ultima_;
};

}  // namespace velmora::ui
