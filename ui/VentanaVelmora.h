// The main window, "Velmora": eight fields in three frames, the result box,
// the "Calcular" button and the menu bar. The program's only working surface.
//
// How the pieces meet:
//   - DisenoVelmora.h describes the controls (twips, tab order); the
//     ConstructorVentana builds them.
//   - The window implements VentanaCalculo for the calculation in calc/:
//     OperacionCalcular reads the fields by name, writes lblResultado and
//     shows its messages through MostrarMensajeVelmora.
//   - The menu opens the examples and formula windows (Ejemplos, Formula),
//     the About message, or ends the program (Aplicacion).
#pragma once

#include <QMainWindow>

#include "ConstructorVentana.h"
#include "calc/ConfiguracionRegional.h"
#include "calc/VentanaCalculo.h"

class QLabel;

namespace velmora::ui {

class VentanaVelmora : public QMainWindow, public VentanaCalculo {
  public:
    explicit VentanaVelmora(QWidget* padre = nullptr);

    // VentanaCalculo
    std::string TextoCampo(std::string_view nombre) const override;
    void EscribirResultado(const std::string& texto) override;
    void MostrarMensaje(const std::string& texto) override;

    // The regional settings of the user's locale: its decimal point and
    // digit-group separator.
    static ConfiguracionRegional ConfiguracionDelUsuario();

    // Handlers, named after their control and event.
    void Form_Load();
    void cmdCalcular_Click();
    void menuCalcular_Click();
    void menuSalir_Click();
    void menuEjemplos_Click();
    void menuFormula_Click();
    void menuAcercaDe_Click();

  private:
    void CrearMenus();

    ControlesConstruidos controles_;
    QLabel* lblResultado_ = nullptr;
};

}  // namespace velmora::ui
