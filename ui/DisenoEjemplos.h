// The examples window as drawn: the sorted list and its source under it.
#pragma once

#include <array>

#include "Diseno.h"

namespace velmora::ui {

// The rows in the order the window's load handler adds them to the list
// (each front end's builder, as it builds the list), which shows them
// sorted without regard to case: from
// "Citroen Xantia ..." at the top to "Seat Toledo ..." at the bottom.
inline constexpr auto kFilasEjemplos = std::to_array<const char*>({
    "Renault Clio 1.9-DTI/1.4-16V = 86.000 Km",
    "Renault Megane 1.9-dTi/1.6-16V = 80.000 Km",
    "Renault Laguna 1.9-dCi/1.6-16V = 78.000 Km",
    "Opel Astra 2.0-DTi/1.6 16V = 105.000 Km",
    "Opel Vectra 2.0-DTi/1.6 16V = 190.000 Km",
    "Seat Ibiza TDi/1.6i = 42.000 Km",
    "Peugeot 206 2.0HDi/1.6i = 104.000 Km",
    "Fiat Punto 1.9-JTD /1.2 16V = 123.000 Km",
    "Ford Fiesta 1.8-TDdi /1.2 16V = 67.000 Km",
    "Seat Leon 1.9-TDi/1.8 20V = 35.000 Km",
    "Ford Focus TDdi 90 / 1.6i = 70.000 Km",
    "Nissan Almera 2.2Di/1.8i = 75.000 Km",
    "Citroen Xsara 2.0HDi/1.6i = 130.000 Km",
    "Seat Toledo 1.9TDi / 1.8 20V = 26.000 Km",
    "Citroen Xantia 2.0HDi/1.816V = 80.000 Km",
    "Peugeot 406 2.0HDi/1.8 = 120.000 Km",
});

inline constexpr auto kControlesEjemplos = std::to_array<Control>({
    // tipo, nombre, titulo, contenedor, izquierda, arriba, ancho, alto, banderas,
    // nombreAccesible, muestra, filas
    {Tipo::Lista, "lstEjemplos", "", nullptr, 120, 120, 3615, 3180, Ninguna, "Ejemplos", nullptr,
     kFilasEjemplos},
    {Tipo::Etiqueta, "Label1", "Ejemplos cogidos de la revista Coche Actual", nullptr, 120, 3360,
     3615, 195, Centrado},
});

inline constexpr DisenoVentana kDisenoEjemplos{"Ejemplos", "Ejemplos :", 3810, 3600,
                                               kControlesEjemplos};
static_assert(DisenoCoherente(kDisenoEjemplos));

}  // namespace velmora::ui
