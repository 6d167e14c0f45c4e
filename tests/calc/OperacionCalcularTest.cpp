// The calculation request as a table: the eight field texts and the regional
// convention in, the one outcome out (the caption for lblResultado or the
// message to show). Rows follow the order of the checks: missing figures,
// the choice of formula, errors of the formulas, and the result's text.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

#include "Textos.h"
#include "calc/ConversionNumeros.h"
#include "calc/Formulas.h"
#include "calc/Grafica.h"
#include "calc/OperacionCalcular.h"

namespace velmora {

void PrintTo(const Desenlace& d, std::ostream* os) {
    if (const auto* r = std::get_if<Resultado>(&d)) {
        *os << "Resultado \"" << r->texto << "\"";
    } else {
        *os << "Mensaje \"" << std::get<Mensaje>(d).texto << "\"";
    }
}

namespace {

using prueba::FilaTextos;
using prueba::Textos;

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();
const ConfiguracionRegional kEn = ConfiguracionRegional::Inglesa();
const ConfiguracionRegional kFr = ConfiguracionRegional::Francesa();
const ConfiguracionRegional kCh = ConfiguracionRegional::Suiza();

const Mensaje kFaltanDiesel{"ERROR: faltan datos en la seccion diesel."};
const Mensaje kFaltanGasolina{"ERROR: faltan datos en la seccion gasolina."};
const Mensaje kNoSeAmortiza{
    "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina."};

struct Caso {
    const char* nombre;
    FilaTextos textos;  // diesel price, consumption, litre price; petrol likewise; km, rate
    Desenlace esperado;
    const ConfiguracionRegional* config = &kEs;
};

// Every request also gives the picture of its answer, which agrees with it:
// where a result shows, the lines meet at the distance it shows (and cross
// there where they cross at all); a diesel that never pays off has a picture
// without a crossing; any other message, none.
void Comprobar(const std::vector<Caso>& casos) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Desenlace d = OperacionCalcular(Textos(c.textos), *c.config);
        EXPECT_EQ(d, c.esperado);
        const std::optional<Grafica> g = GraficaDe(Textos(c.textos), *c.config);
        if (const auto* r = std::get_if<Resultado>(&d)) {
            ASSERT_TRUE(g);
            EXPECT_EQ(TextoDeSimple(float(g->distancia), *c.config), r->texto);
            if (g->caso == CasoGrafica::SeAmortiza || g->caso == CasoGrafica::VentajaQueSeAcaba) {
                const auto cruce = float(g->diferencia / g->ahorroPorKm);
                EXPECT_EQ(std::floor(Corrije(cruce)), g->distancia);
            } else {
                EXPECT_EQ(g->caso, CasoGrafica::AmortizadoDesdeYa);
                EXPECT_EQ(r->texto, "0");
            }
        } else if (std::get<Mensaje>(d) == kNoSeAmortiza) {
            ASSERT_TRUE(g);
            EXPECT_EQ(g->caso, CasoGrafica::NuncaSeAmortiza);
        } else {
            EXPECT_FALSE(g);
        }
    }
}

TEST(OperacionCalcular, EjemploResuelto) {
    Comprobar({
        {"sin interes", {"2600000", "6", "115", "2300000", "8", "145", "", ""}, Resultado{"63829"}},
        {"con interes",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", "5"},
         Resultado{"74694"}},
        {"con interes, convencion inglesa",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", "5"},
         Resultado{"74694"},
         &kEn},
        {"kilometros con separador de miles",
         {"2600000", "6", "115", "2300000", "8", "145", "15.000", "5"},
         Resultado{"74694"}},
        {"precios con separadores de miles",
         {"2.600.000", "6", "115", "2.300.000", "8", "145", "", ""},
         Resultado{"63829"}},
        // As French and Swiss users type them: with a space, or an ASCII
        // apostrophe, where their settings group with U+202F or U+2019.
        {"convencion francesa, con espacios",
         {"2 600 000", "6", "115", "2 300 000", "8", "145", "", ""},
         Resultado{"63829"},
         &kFr},
        {"convencion francesa, con interes",
         {"2 600 000", "6", "115", "2\u00a0300\u00a0000", "8", "145", "15 000", "5"},
         Resultado{"74694"},
         &kFr},
        {"convencion suiza, con interes",
         {"2'600'000", "6", "115", "2\u2019300\u2019000", "8", "145", "15'000", "5"},
         Resultado{"74694"},
         &kCh},
    });
}

TEST(OperacionCalcular, CamposVaciosDeLosCoches) {
    Comprobar({
        {"todo vacio: solo la seccion diesel", {"", "", "", "", "", "", "", ""}, kFaltanDiesel},
        {"sin precio diesel", {"", "6", "115", "2300000", "8", "145", "", ""}, kFaltanDiesel},
        {"sin consumo diesel",
         {"2600000", "", "115", "2300000", "8", "145", "", ""},
         kFaltanDiesel},
        {"sin litro de gasoil", {"2600000", "6", "", "2300000", "8", "145", "", ""}, kFaltanDiesel},
        {"diesel antes que gasolina",
         {"2600000", "", "115", "", "8", "145", "", ""},
         kFaltanDiesel},
        {"sin precio gasolina", {"2600000", "6", "115", "", "8", "145", "", ""}, kFaltanGasolina},
        {"sin consumo gasolina",
         {"2600000", "6", "115", "2300000", "", "145", "", ""},
         kFaltanGasolina},
        {"sin litro de gasolina",
         {"2600000", "6", "115", "2300000", "8", "", "15000", "5"},
         kFaltanGasolina},
    });
}

TEST(OperacionCalcular, UnBlancoNoFaltaPeroNoEsNumero) {
    Comprobar({
        {"formula sin interes",
         {"2600000", "6", "115", " ", "8", "145", "", ""},
         Mensaje{"ERROR: el dato Precio de la seccion gasolina no es un numero."}},
        // With both interest fields numeric the lenient reading takes it as
        // 0: the diesel car costs 2600000 more and pays off after 553191 km.
        {"formula con interes",
         {"2600000", "6", "115", " ", "8", "145", "15000", "0"},
         Resultado{"553191"}},
    });
}

TEST(OperacionCalcular, EleccionDeLaFormula) {
    Comprobar({
        {"sin interes anual",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", ""},
         Resultado{"63829"}},
        {"sin kilometros",
         {"2600000", "6", "115", "2300000", "8", "145", "", "5"},
         Resultado{"63829"}},
        {"interes no numerico",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", "5%"},
         Resultado{"63829"}},
        {"interes 4,5",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", "4,5"},
         Resultado{"73607"}},
        {"interes 4.5 es 45",
         {"2600000", "6", "115", "2300000", "8", "145", "15000", "4.5"},
         Resultado{"161611"}},
        {"cero kilometros al ano",
         {"2600000", "6", "115", "2300000", "8", "145", "0", "5"},
         Mensaje{"ERROR: el dato Media de Km/año no puede ser 0."}},
    });
}

TEST(OperacionCalcular, ErroresDeLasFormulas) {
    Comprobar({
        {"consumo con unidad",
         {"2600000", "6,5 l", "115", "2300000", "8", "145", "", ""},
         Mensaje{"ERROR: el dato Consumo medio de la seccion diesel no es un numero."}},
        {"gana el primero leido",
         {"x", "6", "115", "y", "8", "145", "", ""},
         Mensaje{"ERROR: el dato Precio de la seccion diesel no es un numero."}},
        {"cifra fuera del double",
         {"1E400", "6", "115", "2300000", "8", "145", "", ""},
         Mensaje{"ERROR: el dato Precio de la seccion diesel es demasiado grande."}},
        {"kilometros fuera del double",
         {"2600000", "6", "115", "2300000", "8", "145", "1E400", "5"},
         Mensaje{"ERROR: el dato Media de Km/año de la seccion interes acumulado es demasiado "
                 "grande."}},
        {"diferencia fuera del float",
         {"1E39", "6", "115", "2300000", "8", "145", "", ""},
         Mensaje{"ERROR: los datos dan un resultado demasiado grande para calcularlo."}},
        {"costes iguales",
         {"2600000", "8", "150", "2300000", "8", "150", "", ""},
         Mensaje{"ERROR: los dos coches cuestan lo mismo por kilometro; "
                 "no se puede calcular la amortizacion."}},
    });
}

TEST(OperacionCalcular, DieselQueNuncaSeAmortiza) {
    // Dearer to buy and to run, whatever the sign of the interest formula's
    // quotient.
    Comprobar({
        {"sin interes", {"2600000", "10", "145", "2300000", "8", "145", "", ""}, kNoSeAmortiza},
        {"interes 5", {"2600000", "10", "145", "2300000", "8", "145", "15000", "5"}, kNoSeAmortiza},
        {"interes -500",
         {"2600000", "10", "145", "2300000", "8", "145", "15000", "-500"},
         kNoSeAmortiza},
        {"interes 0", {"2600000", "10", "145", "2300000", "8", "145", "15000", "0"}, kNoSeAmortiza},
        {"kilometros negativos",
         {"2600000", "10", "145", "2300000", "8", "145", "-15000", "5"},
         kNoSeAmortiza},
    });
}

TEST(OperacionCalcular, ResultadosRecortadosYExponenciales) {
    Comprobar({
        {"mas barato de comprar y de usar",
         {"2000000", "6", "115", "2300000", "8", "145", "", ""},
         Resultado{"0"}},
        {"mismo precio", {"2300000", "6", "115", "2300000", "8", "145", "", ""}, Resultado{"0"}},
        {"diez millones o mas",
         {"12345679", "0", "0", "0", "100", "1", "", ""},
         Resultado{"1,234568E+07"}},
        {"diez millones o mas, convencion inglesa",
         {"12345679", "0", "0", "0", "100", "1", "", ""},
         Resultado{"1.234568E+07"},
         &kEn},
        {"la fraccion se corta",
         {"1234567,9", "0", "0", "0", "100", "1", "", ""},
         Resultado{"1234567"}},
    });
}

// The picture of the worked example: what it recovers and saves, where the
// lines cross, the years, and the prices beyond which it never pays off.
TEST(Grafica, EjemploResuelto) {
    const auto g = GraficaDe(Textos(prueba::kEjemploResuelto), kEs);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->caso, CasoGrafica::SeAmortiza);
    EXPECT_EQ(g->diferencia, 300000.0);
    EXPECT_EQ(g->ahorroPorKm, 11.6 - double(6.9f));
    EXPECT_EQ(g->distancia, 63829.0);
    EXPECT_FALSE(g->anos);
    EXPECT_DOUBLE_EQ(*g->gasolinaLimite, double(6.9f) * 100 / 8);  // 86.25
    EXPECT_DOUBLE_EQ(*g->gasoilLimite, 11.6 * 100 / 6);            // 193.33

    const auto i =
        GraficaDe(prueba::ConInteres(Textos(prueba::kEjemploResuelto), "15000", "5"), kEs);
    ASSERT_TRUE(i);
    EXPECT_TRUE(i->conInteres);
    EXPECT_EQ(i->diferencia, 351063.84375);
    EXPECT_EQ(i->diferenciaPrecio, 300000.0);
    EXPECT_EQ(i->distancia, 74694.0);
    EXPECT_EQ(*i->kmAno, 15000.0);
    EXPECT_NEAR(*i->anos, 4.98, 0.005);
}

}  // namespace
}  // namespace velmora
