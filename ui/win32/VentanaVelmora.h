// The main window on Windows, "Velmora": eight fields in three frames, the
// result box, the "Calcular" button and the menu bar.
//
// How the pieces meet:
//   - ui/DisenoVelmora.h describes the controls and the menu bar; the
//     Constructor builds them, with ids from Identificadores.h.
//   - What each command does is ui/FormularioVelmora.h's, the same for
//     every front end: this window turns its messages into calls of it (a
//     control's id is its row, which carries its command or its field) and
//     implements FrenteVelmora for it (read a field, write the result, show
//     a message or a fixed window, call back from the message loop, end the
//     program).
#pragma once

#include <windows.h>

#include <functional>

#include "Constructor.h"
#include "ui/FormularioVelmora.h"

namespace velmora::win32 {

class VentanaVelmora final : private ui::FrenteVelmora {
  public:
    // Creates the window, runs its load handler and places it, hidden.
    static HWND Crear(HINSTANCE instancia);

    static LRESULT CALLBACK Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l);

  private:
    explicit VentanaVelmora(HWND ventana) : ventana_(ventana) {}
    LRESULT Procesar(UINT mensaje, WPARAM w, LPARAM l);
    void CrearMenus();
    void Orden(int id, int aviso, HWND control);

    // FrenteVelmora
    std::string LeerCampo(IdCampo campo) const override;
    ConfiguracionRegional ConfiguracionDelUsuario() const override;
    std::string TituloVentana() const override;
    void PonerTituloVentana(std::string_view titulo) override;
    void EscribirResultado(std::string_view texto) override;
    void MostrarMensaje(const std::vector<std::string>& lineas,
                        std::function<void()> cerrada) override;
    void MostrarVentanaFija(const ui::DisenoVentana& diseno,
                            std::function<void()> cerrada) override;
    void PedirTurno() override;
    void Terminar() override;

    HWND ventana_;
    Construidos controles_;
    HWND focoGuardado_ = nullptr;  // the control that had the focus when the window lost it
    ui::FormularioVelmora formulario_{*this};
};

}  // namespace velmora::win32
