// The calculation request through a fake window: order of the checks, the
// choice of formula, the caption it writes, and the one message it shows
// for each kind of failure with everything left as it was.
#include <gtest/gtest.h>

#include "VentanaFalsa.h"
#include "calc/OperacionCalcular.h"

namespace velmora {
namespace {

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();
const ConfiguracionRegional kEn = ConfiguracionRegional::Inglesa();

// Runs one request on a window that already shows "123" and expects it to
// end in exactly one message, the label untouched.
std::string UnicoMensaje(VentanaFalsa v, const ConfiguracionRegional& config = kEs) {
    v.resultado = "123";
    OperacionCalcular(v, config);
    EXPECT_EQ(v.escriturasResultado, 0);
    EXPECT_EQ(v.resultado, "123");
    EXPECT_EQ(v.mensajes.size(), 1u);
    return v.mensajes.empty() ? std::string() : v.mensajes.front();
}

// Runs one request and expects it to write the label and show nothing.
std::string Resultado(VentanaFalsa v, const ConfiguracionRegional& config = kEs) {
    OperacionCalcular(v, config);
    EXPECT_TRUE(v.mensajes.empty()) << v.mensajes.front();
    EXPECT_EQ(v.escriturasResultado, 1);
    return v.resultado;
}

TEST(OperacionCalcular, EjemploResuelto) {
    VentanaFalsa v;
    v.EjemploResuelto();
    EXPECT_EQ(Resultado(v), "63829");
    v.Interes("15000", "5");
    EXPECT_EQ(Resultado(v), "74694");
    EXPECT_EQ(Resultado(v, kEn), "74694");
    v.Interes("15.000", "5");  // a thousands separator under the Spanish convention
    EXPECT_EQ(Resultado(v), "74694");
}

TEST(OperacionCalcular, CamposVaciosDeLosCoches) {
    VentanaFalsa vacia;
    EXPECT_EQ(UnicoMensaje(vacia), "ERROR: faltan datos en la seccion diesel.");

    for (const char* campo :
         {"txtPrecioCocheDiesel", "txtConsumoMedioDiesel", "txtPrecioLitroGasoil"}) {
        VentanaFalsa v;
        v.EjemploResuelto();
        v.campos[campo] = "";
        EXPECT_EQ(UnicoMensaje(v), "ERROR: faltan datos en la seccion diesel.") << campo;
    }
    for (const char* campo :
         {"txtPrecioCocheGasolina", "txtConsumoMedioGasolina", "txtPrecioLitroGasolina"}) {
        VentanaFalsa v;
        v.EjemploResuelto();
        v.campos[campo] = "";
        EXPECT_EQ(UnicoMensaje(v), "ERROR: faltan datos en la seccion gasolina.") << campo;
    }
}

TEST(OperacionCalcular, UnBlancoNoFaltaPeroNoEsNumero) {
    VentanaFalsa v;
    v.EjemploResuelto();
    v.campos["txtPrecioCocheGasolina"] = " ";
    EXPECT_EQ(UnicoMensaje(v), "ERROR: el dato Precio de la seccion gasolina no es un numero.");
    // With both interest fields numeric the lenient reading takes it as 0:
    // the diesel car costs 2600000 more and pays off after 553191 km of
    // interest-free savings, more with interest.
    v.Interes("15000", "0");
    EXPECT_EQ(Resultado(v), "553191");
}

TEST(OperacionCalcular, EleccionDeLaFormula) {
    VentanaFalsa v;
    v.EjemploResuelto();
    v.Interes("15000", "");
    EXPECT_EQ(Resultado(v), "63829");
    v.Interes("", "5");
    EXPECT_EQ(Resultado(v), "63829");
    v.Interes("15000", "5%");
    EXPECT_EQ(Resultado(v), "63829");
    v.Interes("15000", "4,5");
    const std::string conComa = Resultado(v);
    v.Interes("15000", "4.5");  // 45 under the Spanish convention
    EXPECT_NE(Resultado(v), conComa);
    v.Interes("0", "5");
    EXPECT_EQ(UnicoMensaje(v), "ERROR: el dato Media de Km/año no puede ser 0.");
}

TEST(OperacionCalcular, ErroresDeCalculoSeMuestranYElProgramaSigue) {
    VentanaFalsa v;
    v.EjemploResuelto();
    v.campos["txtConsumoMedioDiesel"] = "6,5 l";
    EXPECT_EQ(UnicoMensaje(v),
              "ERROR: el dato Consumo medio de la seccion diesel no es un numero.");

    v.EjemploResuelto();
    v.campos["txtPrecioCocheDiesel"] = "1E400";
    EXPECT_EQ(UnicoMensaje(v), "ERROR: el dato Precio de la seccion diesel es demasiado grande.");

    v.EjemploResuelto();
    v.campos["txtPrecioCocheDiesel"] = "1E39";
    EXPECT_EQ(UnicoMensaje(v),
              "ERROR: los datos dan un resultado demasiado grande para calcularlo.");

    v.Coches("2600000", "8", "150", "2300000", "8", "150");
    EXPECT_EQ(UnicoMensaje(v),
              "ERROR: los dos coches cuestan lo mismo por kilometro; "
              "no se puede calcular la amortizacion.");
}

TEST(OperacionCalcular, DieselQueNuncaSeAmortiza) {
    VentanaFalsa v;
    v.Coches("2600000", "10", "145", "2300000", "8", "145");
    EXPECT_EQ(UnicoMensaje(v), kMensajeNoSeAmortiza);
    // Whatever the sign of the interest formula's quotient.
    for (const char* interes : {"5", "-500", "0"}) {
        v.Interes("15000", interes);
        EXPECT_EQ(UnicoMensaje(v), kMensajeNoSeAmortiza) << interes;
    }
    v.Interes("-15000", "5");
    EXPECT_EQ(UnicoMensaje(v), kMensajeNoSeAmortiza);
}

TEST(OperacionCalcular, ResultadosRecortadosYExponenciales) {
    VentanaFalsa v;
    v.Coches("2000000", "6", "115", "2300000", "8", "145");  // cheaper to buy and to run
    EXPECT_EQ(Resultado(v), "0");
    v.Coches("2300000", "6", "115", "2300000", "8", "145");  // same price
    EXPECT_EQ(Resultado(v), "0");
    v.Coches("12345679", "0", "0", "0", "100", "1");
    EXPECT_EQ(Resultado(v), "1,234568E+07");
    EXPECT_EQ(Resultado(v, kEn), "1.234568E+07");
    v.Coches("1234567,9", "0", "0", "0", "100", "1");  // fraction cut, not rounded
    EXPECT_EQ(Resultado(v), "1234567");
}

TEST(OperacionCalcular, UnRechazoConservaElResultadoAnterior) {
    VentanaFalsa v;
    v.EjemploResuelto();
    OperacionCalcular(v, kEs);
    ASSERT_EQ(v.resultado, "63829");
    v.campos["txtPrecioLitroGasolina"] = "";
    OperacionCalcular(v, kEs);
    v.campos["txtPrecioLitroGasolina"] = "abc";
    OperacionCalcular(v, kEs);
    EXPECT_EQ(v.resultado, "63829");
    EXPECT_EQ(v.escriturasResultado, 1);
    EXPECT_EQ(v.mensajes.size(), 2u);
}

}  // namespace
}  // namespace velmora
