// The page's view "Otros motores" as data: its frames ("Coche 1", "Coche 2",
// "Uso"), each car's drop-down of motors and its fields, the use's fields
// and check box, the result line and the button, in the keyboard's order.
// A car's field shows where its motor asks for it (MotorUsa, calc/Motores.h);
// its caption is its figure's (kDatos), also its accessible name. The page
// draws the view from this table, in the look of a window; it lays the rows
// out in the flow of its frames (two side by side where there is room, one
// column on a phone) rather than in twips, since which rows show changes
// with the motors chosen.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Diseno.h"
#include "calc/ConfiguracionRegional.h"
#include "calc/Motores.h"

namespace velmora::ui {

enum class TipoFila {
    Marco,      // a frame: a group named by its caption
    Motor,      // a car's drop-down of motors
    Campo,      // a text field, its caption above it
    Casilla,    // a check box
    Nota,       // a paragraph that explains the row before it
    Etiqueta,   // a one-line text
    Resultado,  // the result box: a calculation writes its caption here
    Boton,      // a push button: one calculation
};

struct FilaMotores {
    TipoFila tipo;
    const char* nombre;       // its element's id, and its key in the page's address
    std::string_view titulo;  // caption; a field's, its figure's
    int contenedor = -1;      // the frame's row, or -1
    int coche = -1;           // 0 or 1 for a car's rows
    std::optional<Dato> dato{};
    std::optional<DatoUso> uso{};
};

inline constexpr const char* kTituloMotores = "Otros motores";
inline constexpr const char* kEnlaceMotores = "Comparar otros motores";
inline constexpr const char* kEnlaceVolver = "Volver al cálculo del diésel";
inline constexpr const char* kAmortizadoMotores = "El coche 1 se amortiza a partir de";

// The motors' keys in the page's address, in kMotores' order.
inline constexpr const char* kClavesMotor[] = {"diesel",     "gasolina",  "hibrido",
                                               "enchufable", "electrico", "glp"};
static_assert(std::size(kClavesMotor) == kNumeroMotores);

namespace detalle {

// The rows of car `coche` (0 or 1): its frame, its drop-down, a field a
// figure, their ids prefixed (c1Precio, c2Precio).
template <std::size_t N>
constexpr void FilasDeCoche(std::array<FilaMotores, N>& filas, std::size_t& i, int coche,
                            const char* marco, const char* motor,
                            const std::array<const char*, kNumeroDatos>& nombres) {
    const int fila = int(i);
    filas[i++] = {TipoFila::Marco, marco, coche == 0 ? "Coche 1" : "Coche 2"};
    filas[i++] = {TipoFila::Motor, motor, "Motor", fila, coche};
    for (const DatosDeDato& d : kDatos) {
        filas[i++] = {TipoFila::Campo, nombres[std::size_t(d.dato)], d.etiqueta, fila, coche,
                      d.dato};
    }
}

constexpr auto Filas() {
    std::array<FilaMotores, 2 * (2 + kNumeroDatos) + 9> filas{};
    std::size_t i = 0;
    FilasDeCoche(filas, i, 0, "coche1", "c1Motor",
                 {"c1Precio", "c1Consumo", "c1PrecioLitro", "c1ConsumoKWh", "c1PrecioKWhCasa",
                  "c1PrecioKWhFuera", "c1CargaEnCasa", "c1ConsumoElectrico", "c1PrecioKWh",
                  "c1KmElectrico", "c1OtrosGastos"});
    FilasDeCoche(filas, i, 1, "coche2", "c2Motor",
                 {"c2Precio", "c2Consumo", "c2PrecioLitro", "c2ConsumoKWh", "c2PrecioKWhCasa",
                  "c2PrecioKWhFuera", "c2CargaEnCasa", "c2ConsumoElectrico", "c2PrecioKWh",
                  "c2KmElectrico", "c2OtrosGastos"});
    const int uso = int(i);
    filas[i++] = {TipoFila::Marco, "uso", "Uso"};
    filas[i++] = {TipoFila::Campo, "kmAno", kEtiquetaKmAno, uso, -1, {}, DatoUso::KmAno};
    filas[i++] = {TipoFila::Campo, "interes", kEtiquetaInteres, uso, -1, {}, DatoUso::Interes};
    filas[i++] = {TipoFila::Casilla, "consumoReal", kEtiquetaConsumoReal, uso};
    filas[i++] = {TipoFila::Nota, "notaConsumoReal", kFuenteConsumoReal, uso};
    filas[i++] = {TipoFila::Etiqueta, "motoresAmortizacion", kAmortizadoMotores};
    filas[i++] = {TipoFila::Resultado, "motoresResultado", ""};
    filas[i++] = {TipoFila::Etiqueta, "motoresKm", "Km"};
    filas[i++] = {TipoFila::Boton, "motoresCalcular", "Calcular"};
    Exigir(i == filas.size(), "the view's table has another number of rows");
    return filas;
}

}  // namespace detalle

inline constexpr auto kFilasMotores = detalle::Filas();

// Names are unique; a row's frame is a frame before it.
static_assert([] {
    for (std::size_t i = 0; i < kFilasMotores.size(); ++i) {
        const FilaMotores& f = kFilasMotores[i];
        for (std::size_t j = 0; j < i; ++j) {
            Exigir(!MismoNombre(kFilasMotores[j].nombre, f.nombre), "two rows share a name");
        }
        Exigir(f.contenedor < int(i) &&
                   (f.contenedor < 0 ||
                    kFilasMotores[std::size_t(f.contenedor)].tipo == TipoFila::Marco),
               "a row's frame is no earlier frame");
    }
    return true;
}());

// Whether row `f` shows where car 1 has motor `m1` and car 2 `m2`.
constexpr bool SeMuestra(const FilaMotores& f, Motor m1, Motor m2) {
    if (!f.dato) return true;
    return MotorUsa(f.coche == 0 ? m1 : m2, *f.dato);
}

// The placeholder of a field row: the form of its figure's example in the
// user's numbers, "p. ej. 1,55", "p. ej. 25.000".
std::string Ejemplo(const FilaMotores& f, const ConfiguracionRegional& config);

}  // namespace velmora::ui
