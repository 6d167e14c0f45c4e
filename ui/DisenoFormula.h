// The formula window as drawn: (PCD - PCG) over the difference of two small
// fractions, CMG * PG / 100 and CMD * PGas / 100, with the legend below.
// Line1, the main fraction bar, crosses the bottom 15 twips of Label2 and is
// drawn over it, so the bar shows unbroken.
#pragma once

#include <array>

#include "Diseno.h"

namespace velmora::ui {

inline constexpr auto kControlesFormula = std::to_array<Control>({
    // tipo, nombre, titulo, contenedor, izquierda, arriba, ancho, alto, banderas
    // (for a line: X1, Y1, X2, Y2 in place of izquierda, arriba, ancho, alto)
    {Tipo::Etiqueta, "Label1", "Formula matemática para la realización de los calculos es:",
     nullptr, 120, 120, 4080, 195, Opaco},
    {Tipo::Etiqueta, "Label2", "PCD - PCG", nullptr, 1680, 480, 855, 255, Opaco},
    {Tipo::Linea, "Line1", "", nullptr, 600, 720, 3480, 720},
    {Tipo::Etiqueta, "Label3", "CMG * PG", nullptr, 840, 840, 735, 195, Opaco},
    {Tipo::Etiqueta, "Label5", "CMD * PGas", nullptr, 2160, 840, 900, 195, Opaco},
    {Tipo::Linea, "Line2", "", nullptr, 720, 1080, 1680, 1080},
    {Tipo::Linea, "Line3", "", nullptr, 1800, 1080, 1920, 1080},
    {Tipo::Linea, "Line4", "", nullptr, 2040, 1080, 3240, 1080},
    {Tipo::Etiqueta, "Label4", "100", nullptr, 1080, 1200, 270, 195, Opaco},
    {Tipo::Etiqueta, "Label6", "100", nullptr, 2400, 1200, 270, 195, Opaco},
    {Tipo::Etiqueta, "Label7", "PCD - Precio del coche diesel", nullptr, 120, 1560, 2115, 195,
     Opaco},
    {Tipo::Etiqueta, "Label8", "PCG - Precio del coche gasolina", nullptr, 120, 1800, 2295, 195,
     Opaco},
    {Tipo::Etiqueta, "Label9", "CMG - Consumo medio del coche de gasolina", nullptr, 120, 2040,
     3225, 195, Opaco},
    {Tipo::Etiqueta, "Label10", "PG    - Precio del litro de gasolina", nullptr, 120, 2280, 2340,
     195, Opaco},
    {Tipo::Etiqueta, "Label11", "CMD - Consumo medio del coche diesel", nullptr, 120, 2520, 2820,
     195, Opaco},
    {Tipo::Etiqueta, "Label12", "PGas - Precio del litro de gasoil", nullptr, 120, 2760, 2190, 195,
     Opaco},
});

inline constexpr DisenoVentana kDisenoFormula{"Formula", "Formula", 4215, 2970, kControlesFormula};
static_assert(DisenoCoherente(kDisenoFormula));

}  // namespace velmora::ui
