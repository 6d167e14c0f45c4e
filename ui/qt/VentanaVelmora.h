// The main window, "Velmora": eight fields in three frames, the result box,
// the "Calcular" button and the menu bar. The program's only working surface.
//
// How the pieces meet:
//   - ui/DisenoVelmora.h describes the controls (twips, tab order) and the
//     menu bar; the ConstructorVentana builds them.
//   - What each command does is ui/FormularioVelmora.h's, the same for
//     every front end: this window connects each row that carries a
//     command (the button, the menu entries) and each field to it, and
//     implements FrenteVelmora for it (read a field, write the result, show
//     a message or a fixed window, call back from the event loop, end the
//     program).
#pragma once

#include <QMainWindow>

#include "ConstructorVentana.h"
#include "ui/FormularioVelmora.h"

namespace velmora::qt {

class VentanaVelmora : public QMainWindow, private ui::FrenteVelmora {
  public:
    explicit VentanaVelmora(QWidget* padre = nullptr);

    // The regional settings of the user's locale: its decimal point and
    // digit-group separator.
    static ConfiguracionRegional ConfiguracionRegionalDelSistema();

  private:
    void CrearMenus();
    // Fits the window into `espacio`, the size it may take on its screen.
    void AjustarAlEspacio(const QSize& espacio);

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

    ControlesConstruidos controles_;
    ui::FormularioVelmora formulario_{*this};
};

}  // namespace velmora::qt
