// What the main window "Velmora" does, once for every front end: its load
// handler, the handlers of the "Calcular" button and of each menu command
// (kMenuVelmora names its command by an Orden), and what it answers when a
// field refuses a text too long for it.
//
// A front end's main window implements FrenteVelmora, the few things only a
// toolkit can do (read the fields, write the result box and the caption,
// show a message or a fixed window modally, end the program), and calls
// these handlers from its events. It holds none of the logic itself.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Diseno.h"
#include "calc/Campos.h"
#include "calc/ConfiguracionRegional.h"

namespace velmora::ui {

class FrenteVelmora {
  public:
    // The eight field texts as they stand now, as UTF-8.
    virtual TextosCampos LeerCampos() const = 0;
    // The user's decimal and digit-group separators at this moment.
    virtual ConfiguracionRegional ConfiguracionDelUsuario() const = 0;
    virtual std::string TituloVentana() const = 0;
    virtual void PonerTituloVentana(std::string_view titulo) = 0;
    // Writes the caption of lblResultado (and what a screen reader reads).
    virtual void EscribirResultado(std::string_view texto) = 0;
    // A modal box titled "Velmora" with the text, an OK button and no icon;
    // returns when the user has closed it.
    virtual void MostrarMensaje(std::string_view texto) = 0;
    // Builds the window of `diseno` afresh, shows it modally and returns
    // when the user has closed it.
    virtual void MostrarVentanaFija(const DisenoVentana& diseno) = 0;
    // Runs `tarea` from the event loop, once the event being handled (a
    // key press, a paste) has ended.
    virtual void Despues(std::function<void()> tarea) = 0;
    // Ends the program at once: nothing to save, nothing to ask.
    virtual void Terminar() = 0;

  protected:
    ~FrenteVelmora() = default;
};

class FormularioVelmora {
  public:
    explicit FormularioVelmora(FrenteVelmora& frente) : frente_(frente) {}

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdCalcular_Click();
    void menuCalcular_Click();
    void menuSalir_Click();
    void menuEjemplos_Click();
    void menuFormula_Click();
    void menuAcercaDe_Click();

    // The handler of a menu entry's command.
    void Ejecutar(Orden orden);

    // A field refused a text longer than kLargoMaximoCampo, however it came
    // (typed, pasted, dropped): the message names the field, which kept its
    // text. It opens once the edit has ended; a burst of refusals (keys
    // typed into a full field faster than a box opens) gets one message.
    void TextoDemasiadoLargo(IdCampo campo);

  private:
    // What both "Calcular" handlers do: one calculation request, whose one
    // outcome is written into lblResultado or shown as a message.
    void OperacionCalcular();

    FrenteVelmora& frente_;
    bool avisoPendiente_ = false;  // a refusal's message is queued or shown
};

}  // namespace velmora::ui
