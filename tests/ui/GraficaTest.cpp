// The picture of an answer without a screen: its words say the figures the
// window gives, and its chart, for every kind of answer and a phone's and a
// desktop's width, has round axis values written once and never "-0", no
// text outside the chart or over another text or a line that carries
// meaning, and the crossing on both lines; and the same of the chart of a
// replay over real prices, whose sentences say its range and median.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "calc/ConversionNumeros.h"
#include "calc/OperacionCalcular.h"
#include "ui/Explicacion.h"
#include "ui/ExplicacionRepeticion.h"
#include "ui/PlanoGrafica.h"
#include "ui/PlanoRepeticion.h"

namespace velmora::ui {
namespace {

// The Spanish way of a browser: "1.234.567,5", no trailing zeros.
std::string Agrupado(double valor, int decimales) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimales, std::fabs(valor));
    std::string cifras(buffer), fraccion;
    if (const auto punto = cifras.find('.'); punto != std::string::npos) {
        fraccion = cifras.substr(punto + 1);
        cifras.resize(punto);
        fraccion.erase(fraccion.find_last_not_of('0') + 1);
    }
    for (int i = int(cifras.size()) - 3; i > 0; i -= 3) cifras.insert(std::size_t(i), ".");
    return (valor < 0 ? "-" : "") + cifras + (fraccion.empty() ? "" : "," + fraccion);
}

const Escritura kEspanol{Agrupado, ","};
// Seven pixels a character, lines of fifteen.
const MedidasGrafica kMedidas{[](std::string_view t) {
                                  double n = 0;
                                  for (const char c : t) n += (c & 0xC0) != 0x80;
                                  return 7 * n;
                              },
                              15};

Grafica GraficaDeTextos(std::initializer_list<const char*> textos) {
    TextosCampos t;
    int i = 0;
    for (const char* texto : textos) t[IdCampo(i++)] = texto;
    const auto g = Responder(t, ConfiguracionRegional::Espanola()).grafica;
    EXPECT_TRUE(g.has_value());
    return g.value_or(Grafica{});
}

TEST(Grafica, LasFrasesDicenLasCifrasDeLaVentana) {
    EXPECT_EQ(kEspanol.Numero(12345679, 0), "1,234568E+07");
    EXPECT_EQ(kEspanol.Numero(-0.001, 2), "0");
    EXPECT_EQ(kEspanol.Numero(86.25, 2), "86,25");
    const Grafica cero = GraficaDeTextos({"2300001", "6", "115", "2300000", "8", "145"});
    const std::string frase = ExplicacionDe(cero, kEspanol).frases.at(0);
    EXPECT_NE(frase.find("recupera los 1 que cuesta de más en menos de un kilómetro"),
              std::string::npos)
        << frase;
    const Grafica enorme = GraficaDeTextos({"1E+10", "1", "1", "0", "1", "91"});
    ASSERT_EQ(enorme.textoDistancia, "1,111111E+10");
    EXPECT_NE(ExplicacionDe(enorme, kEspanol).frases.at(0).find("necesita 1,111111E+10 km"),
              std::string::npos);
}

TEST(Grafica, MarcasRedondasYDistintas) {
    struct Caso {
        double desde, hasta;
        int cuantas;
        std::vector<double> valores;
    };
    for (const Caso& c : {Caso{0, 1.3, 5, {0, 0.5, 1}}, Caso{-2160, 0, 4, {-2000, -1000, 0}},
                          Caso{0, 100000, 5, {0, 20000, 40000, 60000, 80000, 100000}},
                          Caso{0, 4.4e38, 4, {0, 2e38, 4e38}}}) {
        const Marcas m = MarcasDe(c.desde, c.hasta, c.cuantas);
        ASSERT_EQ(m.valores.size(), c.valores.size()) << c.hasta;
        for (std::size_t i = 0; i < c.valores.size(); ++i) {
            EXPECT_DOUBLE_EQ(m.valores[i], c.valores[i]) << c.hasta;
            EXPECT_FALSE(std::signbit(m.valores[i]) && m.valores[i] == 0);
        }
    }
}

// Axis values written once and never "-0"; no text outside the chart, over
// another, or crossed by a line that carries meaning (a grid line may).
void SeLee(const PlanoGrafica& p) {
    std::map<std::pair<Estilo, Ancla>, std::set<std::string>> marcas;  // an axis's values
    std::vector<Segmento> trazos;
    for (const Segmento& s : p.segmentos) {
        if (s.trazo != Trazo::Rejilla) trazos.push_back(s);
    }
    for (const Linea& l : p.lineas) {
        for (std::size_t i = 1; i < l.puntos.size(); ++i) {
            const Punto &a = l.puntos[i - 1], &b = l.puntos[i];
            trazos.push_back({a.x, a.y, b.x, b.y, l.trazo});
        }
    }
    std::vector<Caja> cajas;
    for (const Rotulo& r : p.rotulos) {
        EXPECT_NE(r.texto, "-0");
        if (r.estilo == Estilo::Marca || r.estilo == Estilo::Anos) {
            EXPECT_TRUE((marcas[{r.estilo, r.ancla}].insert(r.texto).second))
                << "repeated: " << r.texto;
        }
        const Caja c = CajaDe(r, kMedidas);
        EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.ancho <= p.ancho && c.y + c.alto <= p.alto)
            << "outside: " << r.texto;
        for (std::size_t i = 0; i < cajas.size(); ++i) {
            const Caja& o = cajas[i];
            EXPECT_FALSE(c.x < o.x + o.ancho && o.x < c.x + c.ancho && c.y < o.y + o.alto &&
                         o.y < c.y + c.alto)
                << r.texto << " over " << p.rotulos[i].texto;
        }
        for (const Segmento& s : trazos) EXPECT_FALSE(Cruza(s, c)) << "line over " << r.texto;
        cajas.push_back(c);
    }
}

TEST(Grafica, NadaSeCortaNiSeSolapaYElCruceEstaEnLasDosLineas) {
    struct Caso {
        const char* nombre;
        std::initializer_list<const char*> textos;
    };
    const Caso casos[] = {
        {"el ejemplo", {"2600000", "6", "115", "2300000", "8", "145"}},
        {"el ejemplo con interes", {"2600000", "6", "115", "2300000", "8", "145", "15000", "5"}},
        {"una diferencia de 1", {"2300001", "6", "115", "2300000", "8", "145"}},
        {"1 km", {"2300005", "6", "115", "2300000", "8", "145", "15000", "5"}},
        {"1,5 km", {"2300007", "6", "115", "2300000", "8", "145"}},
        {"mas barato con interes", {"20000", "5", "145", "22000", "11", "100", "10", "5"}},
        {"sin cruce, con km al ano", {"20000", "5", "145", "22000", "11", "100", "15000", "0"}},
        {"la ventaja que se acaba", {"2000000", "8", "145", "2300000", "6", "115"}},
        {"nunca", {"2600000", "10", "150", "2300000", "8", "150"}},
        {"3,3E+38 km", {"3E+38", "1", "1", "0", "1", "91"}},
        {"millones", {"9000000", "1", "1", "0", "1", "91", "15000", "1"}},
    };
    for (const Caso& caso : casos) {
        const Explicacion e = ExplicacionDe(GraficaDeTextos(caso.textos), kEspanol);
        for (const double ancho : {600.0, 320.0}) {
            SCOPED_TRACE(std::string(caso.nombre) + " a " + std::to_string(int(ancho)));
            const PlanoGrafica p = PlanoDe(e, ancho, kMedidas, kEspanol);
            SeLee(p);
            EXPECT_EQ(p.puntos.empty(), !e.cruzan);
            const bool rotulado =
                std::any_of(p.rotulos.begin(), p.rotulos.end(),
                            [&](const Rotulo& r) { return r.texto == e.rotuloCruce; });
            EXPECT_EQ(rotulado, e.cruzan);
            if (!e.cruzan) continue;
            // On the difference's line and on the saving's, inside the plot.
            const Punto& cruce = p.puntos.front();
            for (const Segmento& s : p.segmentos) {
                if (s.trazo != Trazo::Diferencia && s.trazo != Trazo::Ahorro) continue;
                if (s.x2 - s.x1 < 30) continue;  // a sample in the legend
                EXPECT_GT(cruce.x, s.x1);
                EXPECT_LT(cruce.x, s.x2);
                const double y = s.y1 + (s.y2 - s.y1) * (cruce.x - s.x1) / (s.x2 - s.x1);
                EXPECT_NEAR(cruce.y, y, 0.5);
            }
        }
    }
}

// Replays: a diesel in euros, one whose weeks 2022 and 2023 never pay off
// (a range up to millions of km), the worked example in pesetas with
// interest; at a desktop's and a phone's width.
TEST(Grafica, LaRepeticionSeLeeYDiceSuRango) {
    const auto repetir = [](std::initializer_list<const char*> textos) {
        TextosCampos t;
        int i = 0;
        for (const char* texto : textos) t[IdCampo(i++)] = texto;
        const auto r = Repetir(t, ConfiguracionRegional::Espanola(), PreciosReales(),
                               EleccionMoneda::SegunLosPrecios);
        EXPECT_TRUE(r.has_value());
        return r.value_or(Repeticion{});
    };
    const std::pair<Repeticion, const char*> casos[] = {
        {repetir({"22500", "5", "1,45", "20000", "7", "1,55"}),
         "Con los precios reales de cada semana, de enero de 2015 a junio de 2024, este diésel se "
         "habría amortizado entre 52.072 y 101.609 km (la mitad de las semanas, antes de 80.910 "
         "km)."},
        {repetir({"22500", "6,9", "1,45", "20000", "7", "1,55"}),
         "en 28 semanas no se habría amortizado nunca."},
        {repetir({"2600000", "6", "115", "2300000", "8", "145", "15000", "5"}),
         "en pesetas (a 166,386 pesetas el euro)"},
    };
    for (const auto& [r, frase] : casos) {
        const ExplicacionRepeticion e = ExplicacionDe(r, kEspanol);
        ASSERT_FALSE(e.frases.empty());
        EXPECT_NE(e.frases.front().find(frase), std::string::npos) << e.frases.front();
        EXPECT_EQ(e.frases.back(), kFuentePrecios);
        EXPECT_EQ(e.filas.size(), 10u);
        for (const double ancho : {600.0, 320.0}) {
            SCOPED_TRACE(frase + (" a " + std::to_string(int(ancho))));
            const PlanoGrafica p = PlanoDe(r, e, ancho, kMedidas, kEspanol);
            EXPECT_FALSE(p.lineas.empty());
            SeLee(p);
        }
    }
}

}  // namespace
}  // namespace velmora::ui
