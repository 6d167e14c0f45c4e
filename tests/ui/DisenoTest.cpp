// The window descriptions without a toolkit: the checks the build runs on
// every table catch what they promise (run here on broken copies, where
// they throw instead of failing the build), and no two controls overlap but
// the fraction bar over "PCD - PCG".
#include <gtest/gtest.h>

#include <string>

#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"

namespace velmora::ui {
namespace {

const DisenoVentana* const kDisenos[] = {&kDisenoVelmora, &kDisenoEjemplos, &kDisenoFormula};

// (Built without exceptions, as the page's module is, a broken table stops
// the program instead of throwing: this test runs natively.)
#if defined(__cpp_exceptions)
// The index of the row named `nombre` in the main window's table.
std::size_t Fila(const char* nombre) {
    return IndiceControl(kControlesVelmora, nombre);
}

TEST(Diseno, LasComprobacionesDeCompilacionDetectanTablasRotas) {
    const auto comprobar = [](auto controles) {
        const DisenoVentana d{"Velmora", "", kDisenoVelmora.anchoCliente,
                              kDisenoVelmora.altoCliente, controles};
        DisenoCoherente(d);
        CadaCampoEnSuFila(controles);
    };
    ASSERT_NO_THROW(comprobar(kControlesVelmora));

    auto renombrado = kControlesVelmora;
    renombrado[Fila("txtInteres")].nombre = "txtInteresAnual";
    EXPECT_THROW(comprobar(renombrado), const char*);

    auto sinEtiqueta = kControlesVelmora;
    sinEtiqueta[Fila("lblKmAno")].titulo = "Media de Km/año";  // without its blank
    EXPECT_THROW(comprobar(sinEtiqueta), const char*);

    auto marcoMalEscrito = kControlesVelmora;
    marcoMalEscrito[Fila("txtKmAno")].contenedor = "frmIntereses";
    EXPECT_THROW(comprobar(marcoMalEscrito), const char*);

    auto noEsMarco = kControlesVelmora;
    noEsMarco[Fila("txtKmAno")].contenedor = "lblKmAno";
    EXPECT_THROW(comprobar(noEsMarco), const char*);

    auto repetido = kControlesVelmora;
    repetido[Fila("lblKM")].nombre = "lblAmortizacion";
    EXPECT_THROW(comprobar(repetido), const char*);

    auto fuera = kControlesVelmora;
    fuera[Fila("txtInteres")].ancho = 2000;  // wider than what is left of its frame
    EXPECT_THROW(comprobar(fuera), const char*);
}
#endif

// The box of a control in twips; a line is one twip high.
struct Caja {
    int izquierda, arriba, derecha, abajo;
    bool Cruza(const Caja& o) const {
        return izquierda < o.derecha && o.izquierda < derecha && arriba < o.abajo &&
               o.arriba < abajo;
    }
};
Caja EnTwips(const Control& c) {
    if (c.tipo == Tipo::Linea) return {c.izquierda, c.arriba, c.ancho, c.arriba + 1};
    return {c.izquierda, c.arriba, c.izquierda + c.ancho, c.arriba + c.alto};
}

TEST(Diseno, NingunSolapeSalvoLaBarraSobrePCD) {
    for (const DisenoVentana* d : kDisenos) {
        for (const Control& a : d->controles) {
            for (const Control& b : d->controles) {
                if (&a >= &b || !MismoNombre(a.contenedor, b.contenedor)) continue;
                const bool permitido =
                    MismoNombre(a.nombre, "Label2") && MismoNombre(b.nombre, "Line1");
                EXPECT_EQ(EnTwips(a).Cruza(EnTwips(b)), permitido) << a.nombre << " / " << b.nombre;
            }
        }
    }
}

// A sorted list shows its rows in ascending order without regard to case,
// whatever order they come in; rows alike keep theirs. The examples window
// shows the Citroen Xantia first, though the Renault Clio is added first.
TEST(Diseno, FilasDeUnaListaOrdenada) {
    static constexpr const char* filas[] = {"seat b", "Seat a", "SEAT c", "fiat", "Fiat"};
    Control lista{Tipo::Lista, "lst", "", nullptr, 0, 0, 1, 1};
    lista.filas = filas;
    EXPECT_EQ(FilasEnOrden(lista),
              (std::vector<const char*>{filas[3], filas[4], filas[1], filas[0], filas[2]}));
    const auto ejemplos = FilasEnOrden(kControlesEjemplos[0]);
    EXPECT_STREQ(ejemplos.front(), "Citroen Xantia 2.0HDi/1.816V = 80.000 Km");
    EXPECT_STREQ(ejemplos.back(), "Seat Toledo 1.9TDi / 1.8 20V = 26.000 Km");
}

}  // namespace
}  // namespace velmora::ui
