// The main window, "Velmora": eight fields in three frames, the result box,
// the "Calcular" button and the menu bar. The program's only working surface.
//
// How the pieces meet:
//   - DisenoVelmora.h describes the controls (twips, tab order); the
//     ConstructorVentana builds them. The fields are those of calc/Campos.h.
//   - A calculation flows one way: the window reads the eight field texts
//     once, hands them to OperacionCalcular (calc/), and either writes the
//     caption it gets into lblResultado or shows the message it gets
//     through MostrarMensajeVelmora.
//   - The menu opens the examples and formula windows (Ejemplos, Formula),
//     the About message, or ends the program (Aplicacion).
#pragma once

#include <QMainWindow>

#include "ConstructorVentana.h"
#include "calc/Campos.h"
#include "calc/ConfiguracionRegional.h"

class QLabel;

namespace velmora::qt {

class VentanaVelmora : public QMainWindow {
  public:
    explicit VentanaVelmora(QWidget* padre = nullptr);

    // The regional settings of the user's locale: its decimal point and
    // digit-group separator.
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
    void CrearMenus();
    // Fits the window into `espacio`, the size it may take on its screen.
    void AjustarAlEspacio(const QSize& espacio);
    // What both "Calcular" handlers do: one calculation request.
    void OperacionCalcular();
    // A field refused a text too long for it.
    void TextoRechazado(IdCampo campo);

    ControlesConstruidos controles_;
    QLabel* lblResultado_ = nullptr;
    bool avisoPendiente_ = false;  // a refusal's message is queued or shown
};

}  // namespace velmora::qt
