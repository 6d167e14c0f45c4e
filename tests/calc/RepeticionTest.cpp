// An answer replayed over the weeks of real prices (calc/Repeticion.h):
// the table has every row of the published file; each week's answer is the
// answer of the request with that week's prices typed in; the currency the
// typed prices look like, at its edges; what a replay of a comparison
// replaces and what it leaves.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ArchivoPrecios.h"
#include "Clase.h"
#include "Textos.h"
#include "calc/ConversionNumeros.h"
#include "calc/Repeticion.h"

namespace velmora {
namespace {

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

TEST(Repeticion, LaTablaTieneCadaFilaDelArchivo) {
    std::istringstream archivo(kArchivoPrecios);
    std::string linea;
    std::getline(archivo, linea);
    EXPECT_EQ(linea, "semana,gasoleo_eur_litro,gasolina95_eur_litro");
    const auto tabla = PreciosReales();
    std::size_t fila = 0;
    for (; std::getline(archivo, linea); ++fila) {
        ASSERT_LT(fila, tabla.size());
        const SemanaDePrecios& s = tabla[fila];
        char fecha[11];
        std::snprintf(fecha, sizeof fecha, "%04d-%02d-%02d", s.ano, s.mes, s.dia);
        const std::size_t coma = linea.find(',', 11);
        EXPECT_EQ(linea.substr(0, 10), fecha);
        EXPECT_EQ(std::strtod(linea.substr(11, coma - 11).c_str(), nullptr), s.gasoleo) << linea;
        EXPECT_EQ(std::strtod(linea.substr(coma + 1).c_str(), nullptr), s.gasolina) << linea;
    }
    EXPECT_EQ(fila, tabla.size());
    EXPECT_EQ(fila, 473u);
}

// A week's price as a user could type it: seventeen digits, which read
// back as the same double, with the Spanish decimal comma.
std::string Tecleado(double precio) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.17g", precio);
    std::string t(texto);
    for (char& c : t) c = c == '.' ? ',' : c;
    return t;
}

// A week's answer said as Clase says a request's outcome.
std::string ClaseDe(const SemanaRepetida& s) {
    switch (s.tipo) {
        case TipoSemana::Amortizado:
            return "resultado " + TextoDeSimple(s.distancia, kEs);
        case TipoSemana::NuncaSeAmortiza:
            return "nunca";
        case TipoSemana::VentajaQueSeAcaba:
            return "ventaja " + TextoDeSimple(s.distancia, kEs);
        case TipoSemana::SinResultado:
            break;
    }
    return "otro";
}

// Every week of `r` against the request answered with that week's prices
// typed in by `poner`; a week without a result against any other message.
template <typename Textos, typename Poner, typename Responder>
void CadaSemanaEsSuPeticion(const Repeticion& r, Textos textos, Poner poner, Responder responder) {
    ASSERT_EQ(r.semanas.size(), r.tabla.size());
    const double factor = r.moneda == Moneda::Pesetas ? kPesetasPorEuro : 1;
    for (std::size_t i = 0; i < r.tabla.size(); ++i) {
        poner(textos, Tecleado(r.tabla[i].gasoleo * factor),
              Tecleado(r.tabla[i].gasolina * factor));
        std::string clase = Clase(responder(textos));
        if (clase.rfind("resultado", 0) && clase.rfind("nunca", 0) && clase.rfind("ventaja", 0))
            clase = "otro";
        ASSERT_EQ(ClaseDe(r.semanas[i]), clase) << "semana " << i;
    }
}

void CadaSemanaEsSuPeticion(const TextosCampos& textos, Moneda moneda) {
    const auto r = Repetir(textos, kEs, PreciosReales(), EleccionMoneda::SegunLosPrecios);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->moneda, moneda);
    CadaSemanaEsSuPeticion(
        *r, textos,
        [](TextosCampos& t, const std::string& gasoleo, const std::string& gasolina) {
            t[IdCampo::txtPrecioLitroGasoil] = gasoleo;
            t[IdCampo::txtPrecioLitroGasolina] = gasolina;
        },
        [](const TextosCampos& t) { return OperacionCalcular(t, kEs); });
}

const TextosCampos kEuros = prueba::Textos({"22.500", "5", "1,45", "20.000", "7", "1,55", "", ""});

// The diesel in euros, the worked example in pesetas with interest, and
// costs a kilometre so close that in 28 weeks of 2022 and 2023, when gas
// oil cost as much as petrol or more, the diesel never pays off (the
// range and median of the first are checked through their sentence, in
// GraficaTest).
TEST(Repeticion, CadaSemanaEsLaPeticionConSusPrecios) {
    CadaSemanaEsSuPeticion(kEuros, Moneda::Euros);
    CadaSemanaEsSuPeticion(
        prueba::ConInteres(prueba::Textos(prueba::kEjemploResuelto), "15000", "5"),
        Moneda::Pesetas);
    TextosCampos casi = kEuros;
    casi[IdCampo::txtConsumoMedioDiesel] = "6,9";
    CadaSemanaEsSuPeticion(casi, Moneda::Euros);
    const auto n = Repetir(casi, kEs, PreciosReales(), EleccionMoneda::SegunLosPrecios);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->nunca, 28);
    for (const AnoRepetido& a : n->anos) {
        if (a.ano != 2022 && a.ano != 2023) {
            EXPECT_EQ(a.semanas, a.amortizadas.semanas) << a.ano;
        }
    }
}

TEST(Repeticion, LaMonedaQueParecenLosPrecios) {
    using L = std::vector<double>;
    EXPECT_EQ(MonedaDe(L{0.3, 5}), Moneda::Euros);
    EXPECT_EQ(MonedaDe(L{50, 400}), Moneda::Pesetas);
    for (const L& ninguna :
         {L{0.29, 1}, L{1, 5.01}, L{49.9, 100}, L{100, 400.5}, L{1.45, 115}, L{}})
        EXPECT_EQ(MonedaDe(ninguna), std::nullopt);

    // One price in each: no weeks, unless the user says which.
    TextosCampos mezcla = kEuros;
    mezcla[IdCampo::txtPrecioLitroGasoil] = "115";
    const auto tabla = PreciosReales();
    const auto sin = Repetir(mezcla, kEs, tabla, EleccionMoneda::SegunLosPrecios);
    ASSERT_TRUE(sin);
    EXPECT_FALSE(sin->moneda);
    EXPECT_TRUE(sin->semanas.empty());
    const auto pesetas = Repetir(mezcla, kEs, tabla, EleccionMoneda::Pesetas);
    ASSERT_TRUE(pesetas);
    EXPECT_EQ(pesetas->moneda, Moneda::Pesetas);
    EXPECT_EQ(pesetas->semanas.size(), tabla.size());
    // A request that ends with a message has nothing to replay.
    TextosCampos falta = kEuros;
    falta[IdCampo::txtPrecioLitroGasoil] = "";
    EXPECT_FALSE(Repetir(falta, kEs, tabla, EleccionMoneda::Euros));
}

// Only the litres of a car that burns gas oil or petrol follow the weeks:
// an electric car against a petrol one replays the petrol prices and leaves
// the kWh as typed; a hybrid's litre is petrol; LPG has no weekly price.
TEST(Repeticion, UnaComparacionCambiaSoloElGasoleoYLaGasolina) {
    const TextosCoche hibrido =
        Coche(Motor::Hibrido,
              {{Dato::Precio, "30.000"}, {Dato::Consumo, "4,5"}, {Dato::PrecioLitro, "1,55"}});
    const TextosCoche diesel =
        Coche(Motor::Diesel,
              {{Dato::Precio, "27.000"}, {Dato::Consumo, "5"}, {Dato::PrecioLitro, "1,45"}});
    const TextosCoche glp = Coche(
        Motor::GLP, {{Dato::Precio, "26.000"}, {Dato::Consumo, "8"}, {Dato::PrecioLitro, "0,95"}});
    const auto tabla = PreciosReales();
    const auto poner = [](TextosComparacion& t, const std::string& gasoleo,
                          const std::string& gasolina) {
        for (TextosCoche& c : t.coches) {
            const Combustible f = DatosDe(c.motor).combustible;
            if (f != Combustible::Ninguno)
                c[Dato::PrecioLitro] = f == Combustible::Gasoleo ? gasoleo : gasolina;
        }
    };
    const auto responder = [](const TextosComparacion& t) {
        return ResponderMotores(t, kEs).desenlace;
    };

    const TextosComparacion e{{kElectrico, kGasolina}, "15.000", ""};
    const auto r = Repetir(e, kEs, tabla, EleccionMoneda::SegunLosPrecios);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->gasolina);
    EXPECT_FALSE(r->gasoleo);
    EXPECT_EQ(r->sinCambio, (std::vector<std::string>{"el kWh en casa", "el kWh fuera"}));
    EXPECT_EQ(r->coche, "este eléctrico");
    EXPECT_EQ(r->propia, 148920.f);
    CadaSemanaEsSuPeticion(*r, e, poner, responder);

    const TextosComparacion h{{hibrido, diesel}, "15.000", "5", true};
    const auto rh = Repetir(h, kEs, tabla, EleccionMoneda::SegunLosPrecios);
    ASSERT_TRUE(rh);
    EXPECT_TRUE(rh->gasolina && rh->gasoleo && rh->sinCambio.empty());
    CadaSemanaEsSuPeticion(*rh, h, poner, responder);

    EXPECT_FALSE(
        Repetir(TextosComparacion{{kElectrico, glp}, "", ""}, kEs, tabla, EleccionMoneda::Euros));
}

}  // namespace
}  // namespace velmora
