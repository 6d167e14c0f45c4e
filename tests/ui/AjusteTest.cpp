// The fit and placement rules as pure functions, with rows of screens and
// fonts: a window keeps its font where it fits, shrinks it as little as it
// must where it does not (never below 6 points), and is centred in the free
// area unless it is larger than that area.
#include <gtest/gtest.h>

#include <string_view>

#include "ui/Ajuste.h"
#include "ui/DisenoVelmora.h"

namespace velmora::ui {
namespace {

// A font whose texts are 0.6 of its size wide a character, and whose lines
// are 1.3 of its size, in pixels at 96 dpi.
Escala Medir(double puntos) {
    const double pixeles = puntos / 0.75;
    Medidas m;
    m.anchoDeTexto = [pixeles](std::string_view texto) {
        return int(texto.size() * pixeles * 0.6 + 0.5);
    };
    m.altoDeLetra = m.altoTituloMarco = m.altoFilaLista = int(pixeles * 1.3 + 0.5);
    m.bordeCampo = m.bordeLista = 2;
    return EscalaDeAjuste(kDisenoVelmora, 1.0 / kTwipsPorPixel, m);
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

}  // namespace
}  // namespace velmora::ui
