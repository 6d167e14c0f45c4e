// The main window as drawn: three frames of fields, the result line and the
// "Calcular" button, in tab order. The interest fields come after the button
// in the keyboard order, as they were added last.
//
// The fields are those of calc/Campos.h: the build checks that each has
// exactly one row here, under the same name, with the label of its caption
// in the row before it, and that there is no other field.
#pragma once

#include <array>
#include <string_view>

#include "Diseno.h"
#include "calc/Campos.h"

namespace velmora::ui {

inline constexpr auto kControlesVelmora = std::to_array<Control>({
    // tipo, nombre, titulo, contenedor, izquierda, arriba, ancho, alto, banderas,
    // nombreAccesible, muestra (the fields' accessible names are in calc/Campos.h)
    {Tipo::Marco, "frmDiesel", "Diesel", nullptr, 120, 0, 1455, 2055},
    {Tipo::Etiqueta, "lblPrecioCocheDiesel", "Precio", "frmDiesel", 120, 240, 450, 195},
    {Tipo::Campo, "txtPrecioCocheDiesel", "", "frmDiesel", 120, 480, 855, 285},
    {Tipo::Etiqueta, "lblConsumoMedio", "Consumo medio", "frmDiesel", 120, 840, 1125, 195},
    {Tipo::Campo, "txtConsumoMedioDiesel", "", "frmDiesel", 120, 1080, 495, 285},
    {Tipo::Etiqueta, "lblPrecioLitroGasoil", "Precio litro", "frmDiesel", 120, 1440, 735, 195},
    {Tipo::Campo, "txtPrecioLitroGasoil", "", "frmDiesel", 120, 1680, 375, 285},
    {Tipo::Marco, "Frame1", "Gasolina", nullptr, 1680, 0, 1455, 2055},
    {Tipo::Etiqueta, "lblPrecioCocheGasolina", "Precio", "Frame1", 120, 240, 450, 195},
    {Tipo::Campo, "txtPrecioCocheGasolina", "", "Frame1", 120, 480, 855, 285},
    {Tipo::Etiqueta, "lblConsumoGasolina", "Consumo medio", "Frame1", 120, 840, 1125, 195},
    {Tipo::Campo, "txtConsumoMedioGasolina", "", "Frame1", 120, 1080, 495, 285},
    {Tipo::Etiqueta, "lblPrecioLitroGasolina", "Precio litro", "Frame1", 120, 1440, 735, 195},
    {Tipo::Campo, "txtPrecioLitroGasolina", "", "Frame1", 120, 1680, 375, 285},
    {Tipo::Boton, "cmdCalcular", "Calcular", nullptr, 1920, 3360, 1215, 375},
    {Tipo::Etiqueta, "lblAmortizacion", "Coche amortizado a partir de", nullptr, 120, 3120, 2025,
     195},
    {Tipo::Etiqueta, "lblKM", "Km", nullptr, 960, 3360, 345, 195},
    {Tipo::Marco, "frmInteres", "Aplicar interes acumulado", nullptr, 120, 2160, 3015, 855},
    {Tipo::Etiqueta, "lblKmAno", "Media de Km/año ", "frmInteres", 120, 240, 1320, 195},
    {Tipo::Campo, "txtKmAno", "", "frmInteres", 120, 480, 735, 285},
    {Tipo::Etiqueta, "lblInteres", "Interes anual", "frmInteres", 1680, 240, 915, 195},
    {Tipo::Campo, "txtInteres", "", "frmInteres", 1680, 480, 495, 285},
    // The widest result is a distance in the exponent form, such as
    // "3,402823E+38": eight digits, a separator, E and a signed exponent.
    {Tipo::Etiqueta, "lblResultado", "", nullptr, 120, 3360, 735, 255, FondoBlanco, "Resultado",
     "8,888888E+38"},
});

inline constexpr DisenoVentana kDisenoVelmora{"Velmora", "Amortización Diesel", 3240, 3780,
                                              kControlesVelmora};
static_assert(DisenoCoherente(kDisenoVelmora));

// Every field of kCampos has one row in `controles`, with its name, and its
// caption in the label of the row before it; every field row is one of them.
constexpr bool CadaCampoEnSuFila(std::span<const Control> controles) {
    for (const Campo& campo : kCampos) {
        int filas = 0;
        for (std::size_t i = 0; i < controles.size(); ++i) {
            if (controles[i].tipo != Tipo::Campo || campo.nombre != controles[i].nombre) continue;
            ++filas;
            Exigir(i > 0 && controles[i - 1].tipo == Tipo::Etiqueta &&
                       MismoNombre(controles[i - 1].contenedor, controles[i].contenedor),
                   "a field's row does not follow the label of its caption");
            Exigir(campo.etiqueta == controles[i - 1].titulo,
                   "a field's caption in calc/Campos.h is not the label beside it");
        }
        Exigir(filas == 1, "a field of calc/Campos.h has no row, or more than one, in the table");
    }
    for (const Control& c : controles) {
        if (c.tipo != Tipo::Campo) continue;
        bool conocido = false;
        for (const Campo& campo : kCampos) conocido = conocido || campo.nombre == c.nombre;
        Exigir(conocido, "a field row of the table is not a field of calc/Campos.h");
    }
    return true;
}
static_assert(CadaCampoEnSuFila(kControlesVelmora));

// The menu bar: each Menu row opens a menu that holds the rows after it, up
// to the next Menu row. Every command is reached by its access key (the
// letter after "&"); none has a keyboard shortcut. Both menus use the key A.
inline constexpr auto kMenuVelmora = std::to_array<EntradaMenu>({
    // tipo, nombre, titulo
    {TipoEntrada::Menu, "menuAmortizacion", "&Amortizacion"},
    {TipoEntrada::Orden, "menuCalcular", "&Calcular"},
    {TipoEntrada::Separador, "menuSeparador1", "-"},
    {TipoEntrada::Orden, "menuSalir", "&Salir"},
    {TipoEntrada::Menu, "menuAyuda", "&Ayuda"},
    {TipoEntrada::Orden, "menuEjemplos", "&Ejemplos"},
    {TipoEntrada::Orden, "menuFormula", "&Formula"},
    {TipoEntrada::Separador, "menuSeparador2", "-"},
    {TipoEntrada::Orden, "menuAcercaDe", "&Acerca de"},
});
static_assert(kMenuVelmora.front().tipo == TipoEntrada::Menu, "a menu bar starts with a menu");

// The handler that each command of kMenuVelmora runs, by the names both
// front ends give the handlers of their main window; nullptr for a name
// that is no command.
template <class Ventana>
constexpr auto ManejadorDeMenu(std::string_view nombre) -> void (Ventana::*)() {
    if (nombre == "menuCalcular") return &Ventana::menuCalcular_Click;
    if (nombre == "menuSalir") return &Ventana::menuSalir_Click;
    if (nombre == "menuEjemplos") return &Ventana::menuEjemplos_Click;
    if (nombre == "menuFormula") return &Ventana::menuFormula_Click;
    if (nombre == "menuAcercaDe") return &Ventana::menuAcercaDe_Click;
    return nullptr;
}

}  // namespace velmora::ui
