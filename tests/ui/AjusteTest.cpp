// The fit and placement rules as pure functions, with rows of screens and
// fonts: a window keeps its font where it fits, shrinks it as little as it
// must where it does not (never below 6 points), is centred in the free
// area unless it is larger than that area, and goes into one column where
// a phone is too narrow for it.
#include <gtest/gtest.h>

#include <string_view>

#include "ui/Ajuste.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/Disposicion.h"

namespace velmora::ui {
namespace {

// A font whose texts are 0.6 of its size wide a character, and whose lines
// are 1.3 of its size, in pixels at 96 dpi.
Medidas MedidasA(double puntos) {
    const double pixeles = puntos / 0.75;
    Medidas m;
    m.anchoDeTexto = [pixeles](std::string_view texto) {
        return int(texto.size() * pixeles * 0.6 + 0.5);
    };
    m.altoDeLetra = m.altoTituloMarco = m.altoFilaLista = int(pixeles * 1.3 + 0.5);
    m.bordeCampo = m.bordeLista = 2;
    return m;
}
Escala Medir(double puntos) {
    return EscalaDeAjuste(kDisenoVelmora, 1.0 / kTwipsPorPixel, MedidasA(puntos));
}

TEST(Ajuste, LaLetraBajaSoloLoQueHaceFalta) {
    struct Caso {
        const char* nombre;
        int ancho, alto;
        double puntosMinimos, puntosMaximos;  // where the font may end
    };
    const double puntos = 9;
    const double cabe9 = Medir(puntos).Factor();
    const int ancho9 = Escala(1.0 / kTwipsPorPixel).APixeles(kDisenoVelmora.anchoCliente);
    const Caso casos[] = {
        {"cabe", 1024, 768, 9, 9},
        {"cabe justo", int(ancho9 * cabe9) + 1, 768, 9, 9},
        {"mas estrecha", int(ancho9 * cabe9 * 0.8), 768, 6.5, 8},
        {"ni a 6 puntos", 60, 60, 6, 6},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const EscalaAjustada a =
            AjustarAlEspacio(kDisenoVelmora, 1.0 / kTwipsPorPixel, c.ancho, c.alto, puntos, Medir);
        EXPECT_GE(a.puntos, c.puntosMinimos);
        EXPECT_LE(a.puntos, c.puntosMaximos);
        // What it keeps is what it was measured at, and it fits where it can.
        EXPECT_EQ(a.escala.Factor(), Medir(a.puntos).Factor());
        if (a.puntos > kPuntosMinimos) {
            EXPECT_LE(a.escala.Factor(),
                      FactorQueCabe(kDisenoVelmora, 1.0 / kTwipsPorPixel, c.ancho, c.alto));
        }
    }
}

TEST(Ajuste, PuntosParaCaber) {
    EXPECT_DOUBLE_EQ(PuntosParaCaber(9, 1.5, 1.0), 6.0);   // in proportion
    EXPECT_DOUBLE_EQ(PuntosParaCaber(9, 1.01, 1.0), 8.5);  // by half a point at least
    EXPECT_DOUBLE_EQ(PuntosParaCaber(6.5, 3.0, 1.0), kPuntosMinimos);
}

TEST(Colocacion, CentradaSalvoDondeNoCabe) {
    const Rectangulo libre{0, 30, 1366, 738};  // below a panel of 30
    struct Caso {
        int ancho, alto, x, y;
    };
    for (const Caso& c :
         {Caso{500, 600, 433, 99}, Caso{500, 800, 433, 30}, Caso{1400, 600, 0, 99}}) {
        const Posicion p = PosicionDeVentana(c.ancho, c.alto, libre);
        EXPECT_EQ(p.x, c.x) << c.ancho << " x " << c.alto;
        EXPECT_EQ(p.y, c.y) << c.ancho << " x " << c.alto;
    }
}

// A screen too narrow for the main window at a legible font: one column,
// every control inside its container and clear of its neighbours, every
// control a finger presses at least kMinimoToque each way; the frames in
// reading order, the result, "Km" and "Calcular" on one line where they
// fit. Where the
// window fits, it stays as drawn; the formula, a drawing, never goes into a
// column.
TEST(Columna, UnaColumnaSoloDondeNoCabe) {
    const auto disponer = [](const DisenoVentana& d, int ancho) {
        return Disponer(d, 1.0 / kTwipsPorPixel, {ancho, 1 << 20, 9}, MedidasA, ReglaColumna{});
    };
    EXPECT_FALSE(disponer(kDisenoVelmora, 1200).enColumna);
    EXPECT_FALSE(disponer(kDisenoFormula, 200).enColumna);
    for (const int ancho : {344, 300, 240}) {
        SCOPED_TRACE(ancho);
        const Disposicion d = disponer(kDisenoVelmora, ancho);
        ASSERT_TRUE(d.enColumna);
        EXPECT_LE(d.ancho, ancho);
        const auto& c = kControlesVelmora;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const Rectangulo& r = d.cajas[i];
            const std::size_t marco = FilaDelContenedor(c, i);
            const int dentro = marco < c.size() ? d.cajas[marco].ancho : d.ancho;
            EXPECT_GE(r.x, 0) << c[i].nombre;
            EXPECT_LE(r.x + r.ancho, dentro) << c[i].nombre;
            if (TomaElFoco(c[i])) {
                EXPECT_GE(std::min(r.ancho, r.alto), kMinimoToque) << c[i].nombre;
            }
            for (std::size_t j = 0; j < i; ++j) {
                const Rectangulo& o = d.cajas[j];
                const bool solapan = FilaDelContenedor(c, j) == marco && r.x < o.x + o.ancho &&
                                     o.x < r.x + r.ancho && r.y < o.y + o.alto &&
                                     o.y < r.y + r.alto;
                EXPECT_FALSE(solapan) << c[i].nombre << " / " << c[j].nombre;
            }
        }
        const auto caja = [&](const char* nombre) { return d.cajas[IndiceControl(c, nombre)]; };
        EXPECT_LT(caja("frmDiesel").y, caja("Frame1").y);
        EXPECT_LT(caja("Frame1").y, caja("frmInteres").y);
        EXPECT_LT(caja("frmInteres").y, caja("lblAmortizacion").y);
        EXPECT_LT(caja("lblAmortizacion").y, caja("lblResultado").y);
        // Side by side where they fit, else one under the other.
        if (ancho >= 300) {
            EXPECT_EQ(caja("lblResultado").y, caja("cmdCalcular").y);
            EXPECT_EQ(caja("lblKM").y, caja("cmdCalcular").y);
        } else {
            EXPECT_LT(caja("lblResultado").y, caja("lblKM").y);
            EXPECT_LT(caja("lblKM").y, caja("cmdCalcular").y);
        }
    }
}

}  // namespace
}  // namespace velmora::ui
