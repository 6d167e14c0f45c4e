// Scenarios both front ends' tests play the same way: requests that end in
// a message, each row complete in itself (every field text and the one
// message expected), and the examples list as the user must see it.
#pragma once

#include <array>

#include "Textos.h"

namespace velmora::prueba {

struct EscenarioMensaje {
    const char* nombre;
    FilaTextos textos;  // diesel price, consumption, litre price; petrol likewise; km, rate
    const char* mensaje;
};

inline constexpr EscenarioMensaje kEscenariosMensaje[] = {
    {"todo vacio", {"", "", "", "", "", "", "", ""}, "ERROR: faltan datos en la seccion diesel."},
    {"sin precio gasolina",
     {"2600000", "6", "115", "", "8", "145", "", ""},
     "ERROR: faltan datos en la seccion gasolina."},
    {"precio con unidad",
     {"2600000", "6", "115", "2300000 pts", "8", "145", "", ""},
     "ERROR: el dato Precio de la seccion gasolina no es un numero."},
    {"precio fuera del double",
     {"2600000", "6", "115", "1E400", "8", "145", "", ""},
     "ERROR: el dato Precio de la seccion gasolina es demasiado grande."},
    {"costes iguales",
     {"2600000", "8", "150", "2300000", "8", "150", "", ""},
     "ERROR: los dos coches cuestan lo mismo por kilometro; no se puede calcular la "
     "amortizacion."},
    {"diesel mas caro de usar",
     {"2600000", "10", "150", "2300000", "8", "150", "", ""},
     "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina."},
    {"cero kilometros al ano",
     {"2600000", "6", "150", "2300000", "8", "150", "0", "5"},
     "ERROR: el dato Media de Km/año no puede ser 0."},
};

// The sixteen examples from the top of the list down: sorted without regard
// to case, whatever the order in which they are added.
inline constexpr std::array<const char*, 16> kEjemplosOrdenados{
    "Citroen Xantia 2.0HDi/1.816V = 80.000 Km",   "Citroen Xsara 2.0HDi/1.6i = 130.000 Km",
    "Fiat Punto 1.9-JTD /1.2 16V = 123.000 Km",   "Ford Fiesta 1.8-TDdi /1.2 16V = 67.000 Km",
    "Ford Focus TDdi 90 / 1.6i = 70.000 Km",      "Nissan Almera 2.2Di/1.8i = 75.000 Km",
    "Opel Astra 2.0-DTi/1.6 16V = 105.000 Km",    "Opel Vectra 2.0-DTi/1.6 16V = 190.000 Km",
    "Peugeot 206 2.0HDi/1.6i = 104.000 Km",       "Peugeot 406 2.0HDi/1.8 = 120.000 Km",
    "Renault Clio 1.9-DTI/1.4-16V = 86.000 Km",   "Renault Laguna 1.9-dCi/1.6-16V = 78.000 Km",
    "Renault Megane 1.9-dTi/1.6-16V = 80.000 Km", "Seat Ibiza TDi/1.6i = 42.000 Km",
    "Seat Leon 1.9-TDi/1.8 20V = 35.000 Km",      "Seat Toledo 1.9TDi / 1.8 20V = 26.000 Km",
};

// Where Tab takes the focus from the diesel price on, once round: the
// interest fields come after the button.
inline constexpr const char* kOrdenDeTabulacion[] = {"txtConsumoMedioDiesel",
                                                     "txtPrecioLitroGasoil",
                                                     "txtPrecioCocheGasolina",
                                                     "txtConsumoMedioGasolina",
                                                     "txtPrecioLitroGasolina",
                                                     "cmdCalcular",
                                                     "txtKmAno",
                                                     "txtInteres",
                                                     "txtPrecioCocheDiesel"};

}  // namespace velmora::prueba
