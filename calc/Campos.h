// The eight input fields of the main window as the calculation knows them:
// their names (also the objectName of each widget), the caption the user
// sees beside each and the section it belongs to. Messages about a field
// name it by caption and section, as the user reads them on screen.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

enum class Seccion { Diesel, Gasolina, Interes };

struct Campo {
    std::string_view nombre;
    std::string_view etiqueta;  // caption as a message quotes it
    Seccion seccion;
};

namespace campos {
inline constexpr std::string_view txtPrecioCocheDiesel = "txtPrecioCocheDiesel";
inline constexpr std::string_view txtConsumoMedioDiesel = "txtConsumoMedioDiesel";
inline constexpr std::string_view txtPrecioLitroGasoil = "txtPrecioLitroGasoil";
inline constexpr std::string_view txtPrecioCocheGasolina = "txtPrecioCocheGasolina";
inline constexpr std::string_view txtConsumoMedioGasolina = "txtConsumoMedioGasolina";
inline constexpr std::string_view txtPrecioLitroGasolina = "txtPrecioLitroGasolina";
inline constexpr std::string_view txtKmAno = "txtKmAno";
inline constexpr std::string_view txtInteres = "txtInteres";
}  // namespace campos

inline constexpr std::array<Campo, 8> kCampos{{
    {campos::txtPrecioCocheDiesel, "Precio", Seccion::Diesel},
    {campos::txtConsumoMedioDiesel, "Consumo medio", Seccion::Diesel},
    {campos::txtPrecioLitroGasoil, "Precio litro", Seccion::Diesel},
    {campos::txtPrecioCocheGasolina, "Precio", Seccion::Gasolina},
    {campos::txtConsumoMedioGasolina, "Consumo medio", Seccion::Gasolina},
    {campos::txtPrecioLitroGasolina, "Precio litro", Seccion::Gasolina},
    {campos::txtKmAno, "Media de Km/año", Seccion::Interes},
    {campos::txtInteres, "Interes anual", Seccion::Interes},
}};

// The field of that name, or nullptr when there is none.
constexpr const Campo* BuscarCampo(std::string_view nombre) {
    for (const Campo& c : kCampos) {
        if (c.nombre == nombre) return &c;
    }
    return nullptr;
}

}  // namespace velmora
