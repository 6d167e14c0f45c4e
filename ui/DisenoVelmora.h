// The main window as drawn: three frames of fields, the result line and the
// "Calcular" button, in tab order. The interest fields come after the button
// in the keyboard order, as they were added last.
//
// The fields are those of calc/Campos.h: each row of a field and of the label
// beside it takes its name and caption from there, and the build checks that
// each field has exactly one row, with its label in the row before it, and
// that there is no other field.
#pragma once

#include <array>

#include "Diseno.h"

namespace velmora::ui {

inline constexpr auto kControlesVelmora = std::to_array<Control>({
    // tipo, nombre, titulo, contenedor, izquierda, arriba, ancho, alto, banderas,
    // nombreAccesible, muestra; a field's row and its label's take the field's
    // name and caption from calc/Campos.h (FilaCampo, FilaEtiquetaDe); the
    // button carries its command (FilaBoton)
    {Tipo::Marco, "frmDiesel", "Diesel", nullptr, 120, 0, 1455, 2055},
    FilaEtiquetaDe(IdCampo::txtPrecioCocheDiesel, "lblPrecioCocheDiesel", "frmDiesel", 120, 240,
                   450, 195),
    FilaCampo(IdCampo::txtPrecioCocheDiesel, "frmDiesel", 120, 480, 855, 285,
              "Precio coche diesel"),
    FilaEtiquetaDe(IdCampo::txtConsumoMedioDiesel, "lblConsumoMedio", "frmDiesel", 120, 840, 1125,
                   195),
    FilaCampo(IdCampo::txtConsumoMedioDiesel, "frmDiesel", 120, 1080, 495, 285,
              "Consumo medio diesel"),
    FilaEtiquetaDe(IdCampo::txtPrecioLitroGasoil, "lblPrecioLitroGasoil", "frmDiesel", 120, 1440,
                   735, 195),
    FilaCampo(IdCampo::txtPrecioLitroGasoil, "frmDiesel", 120, 1680, 375, 285,
              "Precio litro gasoil"),
    {Tipo::Marco, "Frame1", "Gasolina", nullptr, 1680, 0, 1455, 2055},
    FilaEtiquetaDe(IdCampo::txtPrecioCocheGasolina, "lblPrecioCocheGasolina", "Frame1", 120, 240,
                   450, 195),
    FilaCampo(IdCampo::txtPrecioCocheGasolina, "Frame1", 120, 480, 855, 285,
              "Precio coche gasolina"),
    FilaEtiquetaDe(IdCampo::txtConsumoMedioGasolina, "lblConsumoGasolina", "Frame1", 120, 840, 1125,
                   195),
    FilaCampo(IdCampo::txtConsumoMedioGasolina, "Frame1", 120, 1080, 495, 285,
              "Consumo medio gasolina"),
    FilaEtiquetaDe(IdCampo::txtPrecioLitroGasolina, "lblPrecioLitroGasolina", "Frame1", 120, 1440,
                   735, 195),
    FilaCampo(IdCampo::txtPrecioLitroGasolina, "Frame1", 120, 1680, 375, 285,
              "Precio litro gasolina"),
    FilaBoton("cmdCalcular", "Calcular", 1920, 3360, 1215, 375, Orden::Calcular),
    {Tipo::Etiqueta, "lblAmortizacion", "Coche amortizado a partir de", nullptr, 120, 3120, 2025,
     195},
    {Tipo::Etiqueta, "lblKM", "Km", nullptr, 960, 3360, 345, 195},
    {Tipo::Marco, "frmInteres", "Aplicar interes acumulado", nullptr, 120, 2160, 3015, 855},
    FilaEtiquetaDe(IdCampo::txtKmAno, "lblKmAno", "frmInteres", 120, 240, 1320, 195),
    FilaCampo(IdCampo::txtKmAno, "frmInteres", 120, 480, 735, 285),
    FilaEtiquetaDe(IdCampo::txtInteres, "lblInteres", "frmInteres", 1680, 240, 915, 195),
    FilaCampo(IdCampo::txtInteres, "frmInteres", 1680, 480, 495, 285),
    // The widest result is a distance in the exponent form, such as
    // "3,402823E+38": eight digits, a separator, E and a signed exponent.
    {Tipo::Etiqueta, "lblResultado", "", nullptr, 120, 3360, 735, 255, FondoBlanco | EsResultado,
     "Resultado", "8,888888E+38"},
});

inline constexpr DisenoVentana kDisenoVelmora{"Velmora", "Amortización Diesel", 3240, 3780,
                                              kControlesVelmora};
static_assert(DisenoCoherente(kDisenoVelmora));
static_assert(FilaDelResultado(kControlesVelmora) < kControlesVelmora.size());

// Every field of kCampos has exactly one row in `controles`, right after a
// label of its container that shows its caption; every field row is one of
// them. (FilaCampo and FilaEtiquetaDe make such rows; this catches a field
// left out, a row written by hand, or a label moved away from its field.)
constexpr bool CadaCampoEnSuFila(std::span<const Control> controles) {
    for (const Campo& campo : kCampos) {
        int filas = 0;
        for (std::size_t i = 0; i < controles.size(); ++i) {
            if (controles[i].tipo != Tipo::Campo || campo.nombre != controles[i].nombre) continue;
            ++filas;
            Exigir(i > 0 && controles[i - 1].tipo == Tipo::Etiqueta &&
                       MismoNombre(controles[i - 1].contenedor, controles[i].contenedor),
                   "a field's row does not follow the label of its caption");
            Exigir(controles[i].campo == campo.id, "a field's row names another field");
            Exigir(campo.etiqueta == controles[i - 1].titulo,
                   "the label beside a field does not show its caption of calc/Campos.h");
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
    // tipo, nombre, titulo, orden
    {TipoEntrada::Menu, "menuAmortizacion", "&Amortizacion"},
    {TipoEntrada::Orden, "menuCalcular", "&Calcular", Orden::Calcular},
    {TipoEntrada::Separador, "menuSeparador1", "-"},
    {TipoEntrada::Orden, "menuSalir", "&Salir", Orden::Salir},
    {TipoEntrada::Menu, "menuAyuda", "&Ayuda"},
    {TipoEntrada::Orden, "menuEjemplos", "&Ejemplos", Orden::Ejemplos},
    {TipoEntrada::Orden, "menuFormula", "&Formula", Orden::Formula},
    {TipoEntrada::Separador, "menuSeparador2", "-"},
    {TipoEntrada::Orden, "menuAcercaDe", "&Acerca de", Orden::AcercaDe},
});

// A menu bar starts with a menu; exactly the command rows carry a command.
static_assert([] {
    if (kMenuVelmora.front().tipo != TipoEntrada::Menu) return false;
    for (const EntradaMenu& e : kMenuVelmora) {
        if ((e.tipo == TipoEntrada::Orden) != (e.orden != Orden::Ninguna)) return false;
    }
    return true;
}());

}  // namespace velmora::ui
