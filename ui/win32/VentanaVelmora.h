// The main window on Windows, "Velmora": eight fields in three frames, the
// result box, the "Calcular" button and the menu bar.
//
// How the pieces meet:
//   - ui/DisenoVelmora.h describes the controls and the menu bar; the
//     Constructor builds them, with ids from Identificadores.h.
//   - A calculation flows one way: the window reads the eight field texts
//     once, with the user's regional settings hands them to
//     OperacionCalcular (calc/), and either writes the caption it gets into
//     lblResultado or shows the message it gets.
//   - The menu opens the examples and formula windows (Ejemplos, Formula),
//     the About message, or ends the program (Aplicacion).
#pragma once

#include <windows.h>

#include "Constructor.h"
#include "calc/Campos.h"
#include "calc/ConfiguracionRegional.h"

namespace velmora::win32 {

class VentanaVelmora {
  public:
    // Creates the window, runs its load handler and places it, hidden.
    static HWND Crear(HINSTANCE instancia);

    static LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);

    // The user's decimal and digit-group separators, asked for at every
    // calculation (the user may change them while the program runs).
    static ConfiguracionRegional ConfiguracionDelUsuario();

    // The eight field texts as they stand now.
    TextosCampos LeerCampos() const;

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdCalcular_Click();
    void menuCalcular_Click();
    void menuSalir_Click();
    void menuEjemplos_Click();
    void menuFormula_Click();
    void menuAcercaDe_Click();

  private:
    explicit VentanaVelmora(HWND ventana) : ventana_(ventana) {}
    LRESULT Procesar(UINT mensaje, WPARAM w, LPARAM l);
    void CrearMenus();
    void Orden(int id, int aviso, HWND control);
    // What both "Calcular" handlers do: one calculation request.
    void OperacionCalcular();

    HWND ventana_;
    Construidos controles_;
    HWND focoGuardado_ = nullptr;  // the control that had the focus when the window lost it
};

}  // namespace velmora::win32
