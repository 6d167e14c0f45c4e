// Scenarios every front end's tests play the same way, through thin steps of
// their own: what the user types and what the window then shows, each row
// complete in itself (every field text, and the result or the one message
// expected after an earlier result); the keyboard order; and the examples
// list as the user must see it. The page's tests read them as JSON
// (EscenariosJson.cpp).
#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "Textos.h"
#include "ui/DisenoEjemplos.h"

namespace velmora::prueba {

struct Escenario {
    const char* nombre;
    FilaTextos textos;      // diesel price, consumption, litre price; petrol likewise; km, rate
    const char* resultado;  // what the result box shows; or, where it is nullptr,
    const char* mensaje;    // the message shown, the result box kept as it was
};

// The texts read alike under every convention the tests run in (no
// separators), so every row holds under each.
inline constexpr Escenario kEscenarios[] = {
    {"el ejemplo resuelto",
     {"2600000", "6", "115", "2300000", "8", "145", "", ""},
     "63829",
     nullptr},
    {"el ejemplo con interes",
     {"2600000", "6", "115", "2300000", "8", "145", "15000", "5"},
     "74694",
     nullptr},
    {"sin interes anual: sin interes",
     {"2600000", "6", "115", "2300000", "8", "145", "15000", ""},
     "63829",
     nullptr},
    // Charged with interest for a negative number of years, this diesel
    // would pay off after 604 km.
    {"mas barato de compra y de uso, con interes",
     {"20000", "5", "145", "22000", "11", "100", "10", "5"},
     "0",
     nullptr},
    {"todo vacio",
     {"", "", "", "", "", "", "", ""},
     nullptr,
     "ERROR: faltan datos en la seccion diesel."},
    {"sin precio gasolina",
     {"2600000", "6", "115", "", "8", "145", "", ""},
     nullptr,
     "ERROR: faltan datos en la seccion gasolina."},
    {"precio con unidad",
     {"2600000", "6", "115", "2300000 pts", "8", "145", "", ""},
     nullptr,
     "ERROR: el dato Precio de la seccion gasolina no es un numero."},
    {"precio fuera del double",
     {"2600000", "6", "115", "1E400", "8", "145", "", ""},
     nullptr,
     "ERROR: el dato Precio de la seccion gasolina es demasiado grande."},
    {"costes iguales",
     {"2600000", "8", "150", "2300000", "8", "150", "", ""},
     nullptr,
     "ERROR: los dos coches cuestan lo mismo por kilometro; no se puede calcular la "
     "amortizacion."},
    {"diesel mas caro de usar",
     {"2600000", "10", "150", "2300000", "8", "150", "", ""},
     nullptr,
     "El coche diesel no se amortiza nunca: gasta mas por kilometro que el de gasolina."},
    // 3 l at 4 and 4 l at 3 are 0,12 a km each, though a float holds one.
    {"costes iguales tal como se escriben",
     {"25000", "3", "4", "22000", "4", "3", "", ""},
     nullptr,
     "ERROR: los dos coches cuestan lo mismo por kilometro; no se puede calcular la "
     "amortizacion."},
    {"diesel mas barato de compra y mas caro de usar",
     {"2000000", "8", "145", "2300000", "6", "115", "", ""},
     nullptr,
     "El coche diesel es mas barato de compra pero gasta mas por kilometro: a partir de 63829 "
     "Km sale mas caro que el de gasolina."},
    {"una errata con interes",
     {"2600000", "x", "115", "2300000", "8", "145", "15000", "5"},
     nullptr,
     "ERROR: el dato Consumo medio de la seccion diesel no es un numero."},
    {"cero kilometros al ano",
     {"2600000", "6", "150", "2300000", "8", "150", "0", "5"},
     nullptr,
     "ERROR: el dato Media de Km/año no puede ser 0."},
};

// What reaches a field is what it shows and what a calculation reads: each
// text put into `campo` over the worked example with 15000 km a year at 5 %
// (kConInteres), where the field then shows `visto` and the calculation
// gives kResultadoConInteres. A copied cell's line break, a tab and
// characters that draw nothing do not hide in a field.
struct EntradaDeCampo {
    const char* nombre;
    IdCampo campo;
    const char* texto;
    const char* visto;
};

inline constexpr FilaTextos kConInteres{"2600000", "6", "115", "2300000", "8", "145", "15000", "5"};
inline constexpr const char* kResultadoConInteres = "74694";

inline constexpr EntradaDeCampo kEntradas[] = {
    {"celda copiada", IdCampo::txtKmAno, "15000\r\n", "15000"},
    {"dos celdas de una columna", IdCampo::txtKmAno, "\n15000\n5\n", "15000"},
    {"tabulador", IdCampo::txtPrecioCocheDiesel, "2600000\t", "2600000 "},
    {"espacio de anchura cero", IdCampo::txtPrecioCocheDiesel, "\u200b2600000", "2600000"},
    {"marca de derecha a izquierda", IdCampo::txtPrecioCocheDiesel, "\u200f2600000", "2600000"},
    {"sentido forzado", IdCampo::txtPrecioCocheDiesel, "\u202e2600000\u202c", "2600000"},
};

// A text one code unit longer than a field takes, put into `campo` after a
// result: refused whole with its message (calc/Mensajes.h), the field and
// the result kept.
struct Rechazo {
    IdCampo campo;
    std::size_t largo;
};
inline constexpr Rechazo kRechazo{IdCampo::txtPrecioCocheDiesel, kLargoMaximoCampo + 1};

// The page's view "Otros motores": two cars (each a motor's key and the
// texts of its fields, by the fields' ids) and the use, and the result or
// the one message a comparison gives. Checked by hand (calc/Motores.h):
// the electric car costs 0,0336 a km against the petrol car's 0,10075, the
// hybrid 0,06975, the plug-in 0,0534 against the diesel's 0,0725.
struct EscenarioMotores {
    const char* nombre;
    const char* motores[2];
    std::array<std::pair<const char*, const char*>, 10> textos;  // id, text; unused ones null
    const char* resultado;
    const char* mensaje;
};

inline constexpr EscenarioMotores kEscenariosMotores[] = {
    {"electrico contra gasolina",
     {"electrico", "gasolina"},
     {{{"c1Precio", "35000"},
       {"c1ConsumoKWh", "16"},
       {"c1PrecioKWhCasa", "0,15"},
       {"c1PrecioKWhFuera", "0,45"},
       {"c1CargaEnCasa", "80"},
       {"c2Precio", "25000"},
       {"c2Consumo", "6,5"},
       {"c2PrecioLitro", "1,55"}}},
     "148920",
     nullptr},
    {"hibrido contra gasolina",
     {"hibrido", "gasolina"},
     {{{"c1Precio", "27500"},
       {"c1Consumo", "4,5"},
       {"c1PrecioLitro", "1,55"},
       {"c2Precio", "25000"},
       {"c2Consumo", "6,5"},
       {"c2PrecioLitro", "1,55"}}},
     "80645",
     nullptr},
    {"enchufable contra diesel, 15.000 km al ano",
     {"enchufable", "diesel"},
     {{{"c1Precio", "38000"},
       {"c1Consumo", "6"},
       {"c1PrecioLitro", "1,55"},
       {"c1ConsumoElectrico", "18"},
       {"c1PrecioKWh", "0,15"},
       {"c1KmElectrico", "60"},
       {"c2Precio", "30000"},
       {"c2Consumo", "5"},
       {"c2PrecioLitro", "1,45"},
       {"kmAno", "15000"}}},
     "418848",
     nullptr},
    {"un dato que falta",
     {"electrico", "gasolina"},
     {{{"c1Precio", "35000"},
       {"c1ConsumoKWh", "16"},
       {"c1PrecioKWhCasa", "0,15"},
       {"c1CargaEnCasa", "80"},
       {"c2Precio", "25000"},
       {"c2Consumo", "6,5"},
       {"c2PrecioLitro", "1,55"}}},
     nullptr,
     "Falta el dato «Precio del kWh fuera» del coche 1 (Eléctrico)."},
    {"el ejemplo resuelto con interes, diesel contra gasolina",
     {"diesel", "gasolina"},
     {{{"c1Precio", "2600000"},
       {"c1Consumo", "6"},
       {"c1PrecioLitro", "115"},
       {"c2Precio", "2300000"},
       {"c2Consumo", "8"},
       {"c2PrecioLitro", "145"},
       {"kmAno", "15000"},
       {"interes", "5"}}},
     "74694",
     nullptr},
};

// The rows the examples list shows at its top and at its bottom.
inline constexpr const char* kPrimerEjemplo = "Citroen Xantia 2.0HDi/1.816V = 80.000 Km";
inline constexpr const char* kUltimoEjemplo = "Seat Toledo 1.9TDi / 1.8 20V = 26.000 Km";

// Whether `filas`, the examples list from the top down, is what the user
// must see: every row of the window's table once, sorted without regard to
// case whatever the order they were added in, so from the Citroen Xantia at
// the top to the Seat Toledo at the bottom.
inline bool EjemplosComoSeVen(const std::vector<std::string>& filas) {
    const auto minusculas = [](std::string texto) {
        for (char& c : texto) c = char(std::tolower(static_cast<unsigned char>(c)));
        return texto;
    };
    std::vector<std::string> tabla(ui::kFilasEjemplos.begin(), ui::kFilasEjemplos.end());
    return filas.size() == tabla.size() &&
           std::is_permutation(filas.begin(), filas.end(), tabla.begin()) &&
           std::is_sorted(filas.begin(), filas.end(),
                          [&](const std::string& a, const std::string& b) {
                              return minusculas(a) < minusculas(b);
                          }) &&
           filas.front() == kPrimerEjemplo && filas.back() == kUltimoEjemplo;
}

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
