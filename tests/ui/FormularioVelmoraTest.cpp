// What the main window does, with no toolkit: FormularioVelmora through a
// fake front end that notes every call. The shared scenarios, every
// command, the rules of its modal windows for a front end whose windows
// block and for one whose windows do not, and a burst of refused keys.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Escenarios.h"
#include "calc/Mensajes.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/FormularioVelmora.h"
#include "ui/Textos.h"

namespace velmora::ui {
namespace {

// A front end that holds eight texts and a caption, and notes what it is
// asked. Its modal windows block (the continuation runs before the call
// returns) or, with `bloquea` false, stay open until Cerrar().
class FrenteDePrueba final : public FrenteVelmora {
  public:
    bool bloquea = true;
    TextosCampos campos;
    std::string titulo = "Amortización Diesel", resultado;
    std::vector<std::string> mostrados;  // messages and fixed windows, in order
    std::vector<std::function<void()>> abiertos;
    int turnos = 0, graficas = 0, terminado = 0;
    std::optional<Grafica> grafica;

    std::string LeerCampo(IdCampo campo) const override { return campos[campo]; }
    ConfiguracionRegional ConfiguracionDelUsuario() const override {
        return ConfiguracionRegional::Espanola();
    }
    std::string TituloVentana() const override { return titulo; }
    void PonerTituloVentana(std::string_view t) override { titulo = t; }
    void EscribirResultado(std::string_view t) override { resultado = t; }
    // A message is noted as the program writes it, its lines joined by CR LF.
    void MostrarMensaje(const std::vector<std::string>& lineas,
                        std::function<void()> cerrada) override {
        std::string texto = lineas.at(0);
        for (std::size_t i = 1; i < lineas.size(); ++i) texto += "\r\n" + lineas[i];
        Abrir(std::move(texto), std::move(cerrada));
    }
    void MostrarVentanaFija(const DisenoVentana& d, std::function<void()> cerrada) override {
        Abrir(d.nombre, std::move(cerrada));
    }
    void PedirTurno() override { ++turnos; }
    void Terminar() override { ++terminado; }
    void MostrarGrafica(const std::optional<Grafica>& g) override {
        ++graficas;
        grafica = g;
    }

    void Cerrar() {
        auto cerrada = std::move(abiertos.back());
        abiertos.pop_back();
        cerrada();
    }

  private:
    void Abrir(std::string que, std::function<void()> cerrada) {
        mostrados.push_back(std::move(que));
        if (bloquea) {
            cerrada();
        } else {
            abiertos.push_back(std::move(cerrada));
        }
    }
};

struct Formulario : ::testing::Test {
    FrenteDePrueba frente;
    FormularioVelmora formulario{frente};
};

TEST_F(Formulario, LosEscenariosCompartidos) {
    for (const prueba::Escenario& e : prueba::kEscenarios) {
        SCOPED_TRACE(e.nombre);
        frente.mostrados.clear();
        frente.resultado = "63829";
        frente.campos = prueba::Textos(e.textos);
        formulario.Ejecutar(Orden::Calcular);
        if (e.resultado) {
            EXPECT_EQ(frente.resultado, e.resultado);
            EXPECT_TRUE(frente.mostrados.empty());
        } else {
            EXPECT_EQ(frente.mostrados, std::vector<std::string>{e.mensaje});
            EXPECT_EQ(frente.resultado, "63829");
        }
        // The picture comes with every request, from the same calculation.
        EXPECT_EQ(frente.grafica.has_value(),
                  e.resultado != nullptr || std::string(e.mensaje).rfind("ERROR", 0) != 0);
    }
}

TEST_F(Formulario, CadaOrden) {
    formulario.Form_Load();
    EXPECT_EQ(frente.titulo, "Amortización Diesel v1.0");
    for (const Orden orden : {Orden::Ejemplos, Orden::Formula, Orden::AcercaDe, Orden::Ninguna}) {
        formulario.Ejecutar(orden);
    }
    EXPECT_EQ(frente.mostrados, (std::vector<std::string>{kDisenoEjemplos.nombre,
                                                          kDisenoFormula.nombre, TextoAcercaDe()}));
    EXPECT_EQ(frente.terminado, 0);
    formulario.Ejecutar(Orden::Salir);
    EXPECT_EQ(frente.terminado, 1);
    EXPECT_FALSE(formulario.ModalAbierto());
}

// The page's dialogs do not block: while one is open no command runs and no
// other window opens on top of it; once it is closed, all is as before.
TEST_F(Formulario, MientrasUnaVentanaNoBloqueanteEstaAbierta) {
    frente.bloquea = false;
    frente.campos = prueba::Textos(prueba::kEjemploResuelto);
    formulario.Ejecutar(Orden::AcercaDe);
    ASSERT_TRUE(formulario.ModalAbierto());
    formulario.Ejecutar(Orden::Calcular);
    formulario.Ejecutar(Orden::Ejemplos);
    formulario.Ejecutar(Orden::Salir);
    EXPECT_EQ(frente.mostrados.size(), 1u);
    EXPECT_EQ(frente.resultado, "");
    EXPECT_EQ(frente.terminado, 0);
    frente.Cerrar();
    EXPECT_FALSE(formulario.ModalAbierto());
    formulario.Ejecutar(Orden::Calcular);
    EXPECT_EQ(frente.resultado, "63829");
}

// A burst of keys into a full field asks for one turn and gets one message;
// a refusal whose turn comes while another window is open is dropped, and
// the next refusal is told again.
TEST_F(Formulario, UnaRafagaDeRechazosDaUnMensaje) {
    const std::string aviso = MensajeTextoDemasiadoLargo(IdCampo::txtPrecioCocheDiesel);
    frente.bloquea = false;
    for (int i = 0; i < 1000; ++i) formulario.TextoDemasiadoLargo(IdCampo::txtPrecioCocheDiesel);
    EXPECT_EQ(frente.turnos, 1);
    formulario.Turno();
    formulario.Turno();
    EXPECT_EQ(frente.mostrados, std::vector<std::string>{aviso});
    formulario.TextoDemasiadoLargo(IdCampo::txtPrecioCocheDiesel);  // while it is shown
    EXPECT_EQ(frente.turnos, 1);
    frente.Cerrar();

    formulario.Ejecutar(Orden::Formula);
    formulario.TextoDemasiadoLargo(IdCampo::txtKmAno);
    formulario.Turno();
    EXPECT_EQ(frente.mostrados.back(), kDisenoFormula.nombre);
    frente.Cerrar();
    formulario.TextoDemasiadoLargo(IdCampo::txtKmAno);
    formulario.Turno();
    EXPECT_EQ(frente.mostrados.back(), MensajeTextoDemasiadoLargo(IdCampo::txtKmAno));
}

}  // namespace
}  // namespace velmora::ui
