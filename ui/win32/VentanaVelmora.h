// The main window on Windows, "Velmora": eight fields in three frames, the
// result box, the "Calcular" button and the menu bar.
//
// How the pieces meet:
//   - ui/DisenoVelmora.h describes the controls and the menu bar; the
//     Constructor builds them, with ids from Identificadores.h.
//   - What each handler does is ui/FormularioVelmora.h's, the same for
//     every front end: this window only turns its messages into calls of
//     those handlers and implements FrenteVelmora for them (read the
//     fields, write the result, show a message or a fixed window, end the
//     program).
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

#include "Constructor.h"
#include "ui/FormularioVelmora.h"

namespace velmora::win32 {

class VentanaVelmora final : private ui::FrenteVelmora {
  public:
    // Creates the window, runs its load handler and places it, hidden.
    static HWND Crear(HINSTANCE instancia);

    static LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);

    // The user's decimal and digit-group separators, asked for at every
    // calculation (the user may change them while the program runs).
    static ConfiguracionRegional ConfiguracionRegionalDelSistema();

  private:
    explicit VentanaVelmora(HWND ventana) : ventana_(ventana) {}
    LRESULT Procesar(UINT mensaje, WPARAM w, LPARAM l);
    void CrearMenus();
    void Orden(int id, int aviso, HWND control);

    // FrenteVelmora
    TextosCampos LeerCampos() const override;
    ConfiguracionRegional ConfiguracionDelUsuario() const override;
    std::string TituloVentana() const override;
    void PonerTituloVentana(std::string_view titulo) override;
    void EscribirResultado(std::string_view texto) override;
    void MostrarMensaje(std::string_view texto) override;
    void MostrarVentanaFija(const ui::DisenoVentana& diseno) override;
    void Despues(std::function<void()> tarea) override;
    void Terminar() override;

    HWND ventana_;
    Construidos controles_;
    HWND focoGuardado_ = nullptr;  // the control that had the focus when the window lost it
    std::deque<std::function<void()>> tareas_;  // queued by Despues, in order
    ui::FormularioVelmora formulario_{*this};
};

}  // namespace velmora::win32
