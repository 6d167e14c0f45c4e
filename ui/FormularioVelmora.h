// What the main window "Velmora" does, once for every front end: its load
// handler, what each command does (a menu entry's or a button's Orden, from
// the window's tables), what it answers when a field refuses a text too
// long for it, and the rules every modal window of the program keeps.
//
// A front end's main window implements FrenteVelmora, the few things only a
// toolkit can do (read a field, write the result box and the caption, show
// a message or a fixed window modally, call back from its event loop, end
// the program), connects every row that carries a command and every field
// to FormularioVelmora, and holds none of the logic itself.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Diseno.h"
#include "calc/Campos.h"
#include "calc/ConfiguracionRegional.h"
#include "calc/OperacionCalcular.h"
#include "calc/Repeticion.h"

namespace velmora::ui {

class FrenteVelmora {
  public:
    // The text of field `campo` as it stands now, as UTF-8.
    virtual std::string LeerCampo(IdCampo campo) const = 0;
    // The user's decimal and digit-group separators at this moment.
    virtual ConfiguracionRegional ConfiguracionDelUsuario() const = 0;
    virtual std::string TituloVentana() const = 0;
    virtual void PonerTituloVentana(std::string_view titulo) = 0;
    // Writes the caption of the result box (and what a screen reader reads).
    virtual void EscribirResultado(std::string_view texto) = 0;
    // A modal box titled "Velmora" with the text, an OK button and no icon;
    // the text comes in its lines (LineasDeMensaje, ui/Textos.h), each
    // shown whole on a line of its own. `cerrada` is called once the user
    // has closed it. A front end whose
    // modal windows block (a nested event loop) calls it before it returns;
    // one whose modal windows do not (the page's dialogs) returns at once
    // and calls it when the box closes. FormularioVelmora never asks for a
    // modal window while another one of the program is open.
    virtual void MostrarMensaje(const std::vector<std::string>& lineas,
                                std::function<void()> cerrada) = 0;
    // The window of `diseno`, built afresh and shown modally; `cerrada` as
    // for MostrarMensaje.
    virtual void MostrarVentanaFija(const DisenoVentana& diseno, std::function<void()> cerrada) = 0;
    // Calls FormularioVelmora::Turno() from the event loop, once the event
    // being handled (a key press, a paste) has ended.
    virtual void PedirTurno() = 0;
    // Ends the program at once: nothing to save, nothing to ask.
    virtual void Terminar() = 0;
    // The picture of the last calculation's answer (calc/Grafica.h), or
    // nothing where the request ended with a message that has none. A front
    // end that draws no picture leaves it.
    virtual void MostrarGrafica(const std::optional<Grafica>& grafica) { (void)grafica; }

  protected:
    ~FrenteVelmora() = default;
};

class FormularioVelmora {
  public:
    explicit FormularioVelmora(FrenteVelmora& frente) : frente_(frente) {}

    // The load handler: the caption as the table gives it, read from the
    // window, with the version.
    void Form_Load();

    // What command `orden` does, chosen from a menu entry or a button (the
    // rows that carry it): one calculation request, whose one outcome is
    // written into the result box or shown as a message; the examples or
    // the formula window, or the About message, modally; the end of the
    // program. While a modal window of the program is open the main window
    // takes no command.
    void Ejecutar(Orden orden);

    // A field refused a text longer than kLargoMaximoCampo, however it came
    // (typed, pasted, dropped, set): the message names the field, which kept
    // its text. It opens once the edit has ended; a burst of refusals (keys
    // typed into a full field faster than a box opens) gets one message.
    void TextoDemasiadoLargo(IdCampo campo);
    // The same for any field of the program: `mensaje` names it.
    void TextoRechazado(std::string mensaje);

    // A message in the program's box, by the rules of its modal windows:
    // one at a time, none on top of another.
    void MostrarMensaje(std::string texto);

    // Runs the work queued for once the event being handled has ended
    // (FrenteVelmora::PedirTurno), one piece a call.
    void Turno();

    bool ModalAbierto() const { return modalAbierto_; }
    FrenteVelmora& Frente() const { return frente_; }

    // The last calculation that had a picture, replayed over the prices of
    // past weeks (calc/Repeticion.h) in the currency `eleccion` says; none
    // where there is no such calculation or no replay. The page shows it
    // below the picture.
    std::optional<Repeticion> RepetirLaUltima(std::span<const SemanaDePrecios> tabla,
                                              EleccionMoneda eleccion) const;

  private:
    void OperacionCalcular();
    // Opens a modal window (`mostrar` gets the continuation to call once
    // the window is closed): one at a time, never one on top of another.
    // False where another one was open and nothing was shown.
    bool Modal(const std::function<void(std::function<void()>)>& mostrar);
    void Despues(std::function<void()> tarea);

    FrenteVelmora& frente_;
    // The texts of the last calculation that had a picture, and the
    // settings they were read by.
    std::optional<std::pair<TextosCampos, ConfiguracionRegional>> ultima_;
    bool modalAbierto_ = false;
    bool avisoPendiente_ = false;  // a refusal's message is queued or shown
    std::deque<std::function<void()>> tareas_;
};

}  // namespace velmora::ui
