// The two formulas: the worked example to the last bit, where values are
// held as floats, the fault check of each step and the clamp.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Textos.h"
#include "calc/ErrorCalculo.h"
#include "calc/Formulas.h"

namespace velmora {
namespace {

using prueba::ConInteres;
using prueba::kEjemploResuelto;
using prueba::Textos;

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

// A formula on the fields' texts.
using Formula = Intento<Amortizacion> (*)(const TextosCampos&, const ConfiguracionRegional&);

// The error a formula fails with for these fields, expected to be one.
ErrorCalculo ErrorDe(Formula formula, const TextosCampos& v) {
    const auto a = formula(v, kEs);
    if (!a.Bien()) return a.Error();
    ADD_FAILURE() << "no error";
    return ErrorCalculo(TipoError::Conversion);
}

// A formula's result, expected to be one.
Amortizacion De(Formula formula, const TextosCampos& v) {
    const auto a = formula(v, kEs);
    EXPECT_TRUE(a.Bien());
    return a.Valor();
}

TEST(Formulas, EjemploResuelto) {
    TextosCampos v = Textos(kEjemploResuelto);
    const Amortizacion a = De(CalcularResultado, v);
    EXPECT_EQ(a.diferenciaPrecio, 300000.0f);
    EXPECT_EQ(a.costeKm2, 11.6);
    EXPECT_EQ(a.costeKm1, 6.9f);  // narrowed: 6.900000095367432
    EXPECT_EQ(a.distancia, 63829.7890625f);

    v = ConInteres(v, "15000", "5");
    EXPECT_EQ(De(CalcularResultadoInteres, v).distancia, 74694.4375f);
}

TEST(Formulas, ElCosteDieselSeRedondeaAFloat) {
    // 2800 / (10.075 - 6.075): exactly 700 in real numbers and in doubles,
    // but the diesel cost per kilometre is held as a float (6.0749998...),
    // so the distance is 699.99994 and the caption shows 699.
    TextosCampos v = Textos({"2685600", "4,5", "135", "2682800", "6,5", "155", "", ""});
    EXPECT_EQ(De(CalcularResultado, v).distancia, 699.99994f);
}

TEST(Formulas, InteresCeroDaLaDistanciaSinInteres) {
    const TextosCampos v = ConInteres(Textos(kEjemploResuelto), "15000", "0");
    EXPECT_EQ(De(CalcularResultadoInteres, v).distancia, 63829.7890625f);
}

TEST(Formulas, InteresLeeLasCifrasSegunLaConfiguracionRegional) {
    // "6,5" litres is 6.5 for both formulas, and "15.000" km is fifteen
    // thousand: the interest fields must not change what a figure means.
    const TextosCampos coma =
        Textos({"2600000", "6,5", "115", "2300000", "8", "145", "15.000", "0"});
    // "6.5" is 65 under this convention.
    const TextosCampos punto =
        Textos({"2600000", "6.5", "115", "2300000", "8", "145", "15.000", "0"});
    EXPECT_EQ(De(CalcularResultadoInteres, coma).distancia, De(CalcularResultado, coma).distancia);
    EXPECT_NE(De(CalcularResultadoInteres, coma).distancia,
              De(CalcularResultadoInteres, punto).distancia);

    const TextosCampos miles = ConInteres(coma, "15.000", "5");
    const TextosCampos sinPuntos = ConInteres(coma, "15000", "5");
    EXPECT_EQ(De(CalcularResultadoInteres, miles).distancia,
              De(CalcularResultadoInteres, sinPuntos).distancia);
}

TEST(Formulas, ResultadoNegativoSinRecortar) {
    // Cheaper to buy and to run, then dearer to buy and to run.
    TextosCampos v = Textos({"2000000", "6", "115", "2300000", "8", "145", "", ""});
    EXPECT_LT(De(CalcularResultado, v).distancia, 0.0f);
    EXPECT_EQ(De(CalcularResultado, v).Caso(), CasoAmortizacion::AmortizadoDesdeYa);
    v = Textos({"2600000", "10", "145", "2300000", "8", "145", "", ""});
    EXPECT_LT(De(CalcularResultado, v).distancia, 0.0f);
    EXPECT_EQ(De(CalcularResultado, v).Caso(), CasoAmortizacion::NuncaSeAmortiza);
}

TEST(Formulas, ErroresDeConversionNombranElCampoEnOrdenDeLectura) {
    TextosCampos v = Textos({"x", "6", "115", "y", "8", "145", "", ""});
    EXPECT_EQ(ErrorDe(CalcularResultado, v).Campo(), IdCampo::txtPrecioCocheDiesel);
    // The petrol litre price is read before the petrol consumption, and the
    // diesel litre price before the diesel consumption.
    v = Textos({"2600000", "a", "b", "2300000", "c", "d", "", ""});
    EXPECT_EQ(ErrorDe(CalcularResultado, v).Campo(), IdCampo::txtPrecioLitroGasolina);
    v = Textos({"2600000", "a", "b", "2300000", "8", "145", "", ""});
    const ErrorCalculo e = ErrorDe(CalcularResultado, v);
    EXPECT_EQ(e.Tipo(), TipoError::Conversion);
    EXPECT_EQ(e.Campo(), IdCampo::txtPrecioLitroGasoil);
}

TEST(Formulas, InteresLeeLosCochesComoSinInteres) {
    // The car figures strictly, in the same order; the interest fields
    // leniently ("5 %" is 5).
    TextosCampos v = Textos({" ", "6", "115", "2300000abc", "8", "145", "15000", "5"});
    const ErrorCalculo e = ErrorDe(CalcularResultadoInteres, v);
    EXPECT_EQ(e.Tipo(), TipoError::Conversion);
    EXPECT_EQ(e.Campo(), IdCampo::txtPrecioCocheDiesel);
    v = ConInteres(Textos(kEjemploResuelto), "15000 km", "5 %");
    EXPECT_EQ(De(CalcularResultadoInteres, v).distancia, 74694.4375f);
}

// Each step checks its own value: a figure beyond the double range names
// its field; a value beyond the float range, where the formula narrows, is
// an overflow even when a double could hold it.
TEST(Formulas, LimitesDeCadaPaso) {
    struct Caso {
        const char* nombre;
        const char *pcd, *cmd, *pgas, *pcg, *cmg, *pg;
        std::optional<TipoError> error;
    };
    // 2^128 - 2^103 is the first value that rounds to infinity as a float;
    // the double just below it rounds to the largest float.
    const char* kLimite = "340282356779733661637539395458142568448";
    const char* kBajoLimite = "340282356779733623858607532500980858880";
    const Caso casos[] = {
        {"diferencia que redondea al mayor float", kBajoLimite, "0", "0", "0", "1E300", "1", {}},
        {"diferencia en el limite", kLimite, "0", "0", "0", "1", "1", TipoError::Desbordamiento},
        {"diferencia 1E39 (cabe en un double)", "1E39", "0", "0", "0", "1", "1",
         TipoError::Desbordamiento},
        {"diferencia fuera del double", "1,7E308", "0", "0", "-1,7E308", "1", "1",
         TipoError::Desbordamiento},
        {"coste gasolina fuera del double", "1", "0", "0", "0", "1E200", "1E200",
         TipoError::Desbordamiento},
        {"coste gasolina grande, doble", "1", "0", "0", "0", "1E100", "1E100", {}},
        // CMD 1 and these litre prices make CMD * PGas / 100 exactly the two
        // doubles above.
        {"coste diesel en el mayor float",
         "1",
         "1",
         "3,402823567797336E40",
         "0",
         "1E300",
         "100",
         {}},
        {"coste diesel en el limite", "1", "1", "3,4028235677973366E40", "0", "1E300", "100",
         TipoError::Desbordamiento},
        {"costes iguales", "2600000", "8", "150", "2300000", "8", "150",
         TipoError::DivisionPorCero},
        {"precios y costes iguales", "1", "8", "150", "1", "8", "150", TipoError::DivisionPorCero},
        // A petrol cost of 1E-40 a km, a float apart from the diesel's 0.
        {"cociente fuera del float", "3E38", "0", "0", "0", "1", "1E-38",
         TipoError::Desbordamiento},
        // 1E-302 a km is 0 as a float: the two cost the same.
        {"coste gasolina por debajo del float", "3E38", "0", "0", "0", "1", "1E-300",
         TipoError::DivisionPorCero},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        TextosCampos v = Textos({c.pcd, c.cmd, c.pgas, c.pcg, c.cmg, c.pg, "", ""});
        if (c.error) {
            EXPECT_EQ(ErrorDe(CalcularResultado, v).Tipo(), *c.error);
        } else {
            EXPECT_TRUE(CalcularResultado(v, kEs).Bien());
        }
    }

    TextosCampos v = Textos({"1E400", "6", "115", "2300000", "8", "145", "", ""});
    EXPECT_EQ(ErrorDe(CalcularResultado, v).Campo(), IdCampo::txtPrecioCocheDiesel);
    v = Textos({kBajoLimite, "0", "0", "0", "1E300", "1", "", ""});
    EXPECT_EQ(De(CalcularResultado, v).diferenciaPrecio, std::numeric_limits<float>::max());
}

TEST(Formulas, LimitesDelInteres) {
    TextosCampos v = Textos(kEjemploResuelto);

    v = ConInteres(v, "0", "5");
    ErrorCalculo e = ErrorDe(CalcularResultadoInteres, v);
    EXPECT_EQ(e.Tipo(), TipoError::DivisionPorCero);
    EXPECT_EQ(e.Campo(), IdCampo::txtKmAno);

    v = ConInteres(v, "1E-300", "5");  // years beyond the float range
    EXPECT_EQ(ErrorDe(CalcularResultadoInteres, v).Tipo(), TipoError::Desbordamiento);

    v = ConInteres(v, "15000", "1E300");  // charged difference beyond the float range
    e = ErrorDe(CalcularResultadoInteres, v);
    EXPECT_EQ(e.Tipo(), TipoError::Desbordamiento);
    EXPECT_EQ(e.Campo(), std::nullopt);

    v = ConInteres(v, "1E400", "5");
    EXPECT_EQ(ErrorDe(CalcularResultadoInteres, v).Campo(), IdCampo::txtKmAno);
}

TEST(Formulas, Corrije) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float valor : {nan, -0.0f, 0.0f, -3.0f, -std::numeric_limits<float>::infinity()}) {
        const float r = Corrije(valor);
        EXPECT_EQ(r, 0.0f) << valor;
        EXPECT_FALSE(std::signbit(r)) << valor;
    }
    const float minimo = std::numeric_limits<float>::denorm_min();
    EXPECT_EQ(Corrije(minimo), minimo);
    EXPECT_EQ(Corrije(63829.7890625f), 63829.7890625f);
}

}  // namespace
}  // namespace velmora
