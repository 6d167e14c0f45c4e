// The shared scenarios (Escenarios.h) played the same way on any front end
// whose tests drive its window from C++ (Qt's widgets, Velmora.exe from
// another process): Jugar says what to do and what the window must then
// show; a Conductor of a front end does it with that front end's means.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Textos.h"

namespace velmora::prueba {

// A message box of the program as it stood when it was found.
struct Caja {
    std::string titulo, texto;
    bool unAceptar = false;  // one button, OK ("Aceptar" where the program sets its texts)
    bool icono = false;      // it shows a picture beside the text
    bool modal = true;       // the main window took no input meanwhile
};

// What the window showed once it had answered: the result box's text, and
// the message box it opened (closed again since), if any.
struct Visto {
    std::string resultado;
    std::optional<Caja> caja;
};

enum class Via { Boton, Menu };                         // how "Calcular" is asked for
enum class Modo { Tecleado, Pegado, Soltado, Fijado };  // how a text reaches a field

class Conductor {
  public:
    virtual ~Conductor() = default;
    // Types every field's text of `fila` as a user does, over what it held.
    virtual void Escribir(const FilaTextos& fila) = 0;
    // The text each field shows, in the order of kCampos.
    virtual std::vector<std::string> Campos() = 0;
    // What the result box shows.
    virtual std::string Resultado() = 0;
    // Asks for a calculation; gives what the window shows once it has
    // answered. `resultado` is the result the player expects, or nullptr
    // for a message, for a front end that must know what to wait for.
    virtual Visto Calcular(Via via, const char* resultado) = 0;
    // Puts `texto` (UTF-8) into `campo`: typed (its whole text deleted
    // first), pasted or set in place of its whole text, dropped at its start; gives what the window
    // shows then (a message box, where `caja` says one is awaited), or nothing for a way this front
    // end has not.
    virtual std::optional<Visto> Entrar(IdCampo campo, const std::string& texto, Modo modo,
                                        bool caja) = 0;
};

// Plays every scenario (by the button and by the menu, each after the
// worked example's result), every field entry and the refusal of a text
// too long, in every way the conductor has; gives what went wrong, a line
// each (nothing where all went right).
std::vector<std::string> Jugar(Conductor& conductor);

// What went wrong, a line each, for a test's report.
inline std::string Lineas(const std::vector<std::string>& fallos) {
    std::string texto;
    for (const std::string& f : fallos) texto += "\n  " + f;
    return texto;
}

}  // namespace velmora::prueba
