// The calculation request as a table: the eight field texts and the regional
// convention in, the one outcome out (the caption for lblResultado or the
// message to show). Rows follow the order of the checks: missing figures,
// the choice of formula, errors of the formulas, and the result's text.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

#include "Clase.h"
#include "Textos.h"
#include "calc/ConversionNumeros.h"
#include "calc/Formulas.h"
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

const Mensaje kCostesIguales{
    "ERROR: los dos coches cuestan lo mismo por kilometro; no se puede calcular la amortizacion."};
const char kVentaja[] = "El coche diesel es mas barato de compra pero gasta mas por kilometro";

// Every request also gives the picture of its answer, which agrees with it:
// where a result or a head start's end shows, the lines meet at the distance
// it shows; where the result is 0 because nothing is owed, or the diesel
// never pays off, the picture has no crossing; any other message, none.
void Comprobar(const std::vector<Caso>& casos) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Desenlace d = OperacionCalcular(Textos(c.textos), *c.config);
        EXPECT_EQ(d, c.esperado);
        // A comparison of a diesel and a petrol car answers alike.
        EXPECT_EQ(
            Clase(ResponderMotores(DieselContraGasolina(Textos(c.textos)), *c.config).desenlace),
            Clase(d));
        const Respuesta respuesta = Responder(Textos(c.textos), *c.config);
        EXPECT_EQ(respuesta.desenlace, d);
        const std::optional<Grafica>& g = respuesta.grafica;
        const auto* m = std::get_if<Mensaje>(&d);
        const bool ventaja = m && m->texto.starts_with(kVentaja);
        if (!m || ventaja || *m == kNoSeAmortiza) {
            ASSERT_TRUE(g);
        } else {
            EXPECT_FALSE(g);
            continue;
        }
        if (g->caso == CasoAmortizacion::SeAmortiza ||
            g->caso == CasoAmortizacion::VentajaQueSeAcaba) {
            EXPECT_EQ(g->caso == CasoAmortizacion::VentajaQueSeAcaba, ventaja);
            const auto cruce = float(g->diferencia / g->ahorroPorKm);
            EXPECT_EQ(std::floor(Corrije(cruce)), g->distancia);
            EXPECT_EQ(g->textoDistancia, TextoDeSimple(float(g->distancia), *c.config));
            const std::string texto = m ? m->texto : std::get<Resultado>(d).texto;
            EXPECT_NE(texto.find(g->textoDistancia), std::string::npos);
        } else if (m) {
            EXPECT_EQ(g->caso, CasoAmortizacion::NuncaSeAmortiza);
        } else {
            EXPECT_TRUE(g->caso == CasoAmortizacion::AmortizadoDesdeYa ||
                        g->caso == CasoAmortizacion::MismoPrecio);
            EXPECT_EQ(std::get<Resultado>(d).texto, "0");
            EXPECT_LE(g->diferencia, 0.0);
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
        // The interest fields change how far the diesel goes, not what a
        // car's figure says.
        {"formula con interes",
         {"2600000", "6", "115", " ", "8", "145", "15000", "0"},
         Mensaje{"ERROR: el dato Precio de la seccion gasolina no es un numero."}},
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
        {"costes iguales", {"2600000", "8", "150", "2300000", "8", "150", "", ""}, kCostesIguales},
    });
}

// A diesel cheaper to buy and cheaper to run has nothing to recover, with
// or without interest: the interest formula charges such a difference for a
// negative number of years, which made 59706 km of it.
TEST(OperacionCalcular, DieselMasBaratoDeCompraYDeUso) {
    Comprobar({
        {"sin interes", {"20.000", "5", "1,45", "22.000", "6,8", "1,62", "", ""}, Resultado{"0"}},
        {"con interes",
         {"20.000", "5", "1,45", "22.000", "6,8", "1,62", "1.000", "5"},
         Resultado{"0"}},
        {"con interes, convencion inglesa",
         {"20,000", "5", "1.45", "22,000", "6.8", "1.62", "1,000", "5"},
         Resultado{"0"},
         &kEn},
    });
}

// Costs equal as typed are equal, although the diesel's is held as a float
// and the petrol's as a double (12 per 100 km either way).
TEST(OperacionCalcular, CostesIgualesTalComoSeEscriben) {
    Comprobar({
        {"6 a 2 y 8 a 1,5", {"25.000", "6", "2", "22.000", "8", "1,5", "", ""}, kCostesIguales},
        {"6 a 2 y 8 a 1,5, con interes",
         {"25.000", "6", "2", "22.000", "8", "1,5", "15.000", "5"},
         kCostesIguales},
        {"6 a 2 y 8 a 1.5, convencion inglesa",
         {"25,000", "6", "2", "22,000", "8", "1.5", "", ""},
         kCostesIguales,
         &kEn},
        {"mismo consumo y litro",
         {"2600000", "8", "145", "2300000", "8", "145", "", ""},
         kCostesIguales},
        // The petrol at the float just above the diesel's 0,12 (a saving of
        // 7,45E-09 a km) still pays off, far away.
        {"un paso de float aparte",
         {"25.000", "6", "2", "22.000", "1", "12,000000476837158", "", ""},
         Resultado{"4,026532E+11"}},
    });
}

// A diesel cheaper to buy and dearer to run is ahead from the first km: the
// distance found is where it stops being so, not a pay-off.
TEST(OperacionCalcular, VentajaQueSeAcaba) {
    const auto ventaja = [](const char* km) {
        return Mensaje{std::string(kVentaja) + ": a partir de " + km +
                       " Km sale mas caro que el de gasolina."};
    };
    Comprobar({
        {"sin interes",
         {"2.000.000", "8", "145", "2.300.000", "6", "115", "", ""},
         ventaja("63829")},
        {"con interes",
         {"2.000.000", "8", "145", "2.300.000", "6", "115", "15.000", "5"},
         ventaja("74694")},
        {"diez millones o mas",
         {"0", "100", "1", "12345679", "0", "0", "", ""},
         ventaja("1,234568E+07")},
        {"diez millones o mas, convencion inglesa",
         {"0", "100", "1", "12345679", "0", "0", "", ""},
         ventaja("1.234568E+07"),
         &kEn},
    });
}

// With both interest fields numeric, the car figures are read as the plain
// formula reads them: a typo is the conversion error naming its field, in
// the same order, never a 0. The interest fields stay lenient.
TEST(OperacionCalcular, ConInteresUnaErrataNoEsUnCero) {
    Comprobar({
        {"consumo x",
         {"2600000", "x", "115", "2300000", "8", "145", "15000", "5"},
         Mensaje{"ERROR: el dato Consumo medio de la seccion diesel no es un numero."}},
        {"precio en letras",
         {"dos millones", "6", "115", "2300000", "8", "145", "15000", "5"},
         Mensaje{"ERROR: el dato Precio de la seccion diesel no es un numero."}},
        {"6,5 l con interes, convencion inglesa",
         {"2600000", "6.5 l", "115", "2300000", "8", "145", "15,000", "5"},
         Mensaje{"ERROR: el dato Consumo medio de la seccion diesel no es un numero."},
         &kEn},
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
    const auto g = Responder(Textos(prueba::kEjemploResuelto), kEs).grafica;
    ASSERT_TRUE(g);
    EXPECT_EQ(g->caso, CasoAmortizacion::SeAmortiza);
    EXPECT_EQ(g->diferencia, 300000.0);
    EXPECT_EQ(g->ahorroPorKm, 11.6 - double(6.9f));
    EXPECT_EQ(g->distancia, 63829.0);
    EXPECT_FALSE(g->anos);
    ASSERT_EQ(g->limites.size(), 2u);
    EXPECT_EQ(g->limites[0].energia, "el litro de gasolina");
    EXPECT_DOUBLE_EQ(g->limites[0].limite, double(6.9f) * 100 / 8);  // 86.25
    EXPECT_EQ(g->limites[1].energia, "el litro de gasóleo");
    EXPECT_DOUBLE_EQ(g->limites[1].limite, 11.6 * 100 / 6);  // 193.33
    // Years whenever the kilometres a year are a number, interest or not.
    const auto k =
        Responder(prueba::ConInteres(Textos(prueba::kEjemploResuelto), "15000", ""), kEs).grafica;
    EXPECT_NEAR(*k->anos, 63829.0 / 15000, 1e-12);

    const auto i =
        Responder(prueba::ConInteres(Textos(prueba::kEjemploResuelto), "15000", "5"), kEs).grafica;
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
