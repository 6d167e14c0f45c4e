// The main window as drawn: three frames of fields, the result line and the
// "Calcular" button, in tab order. The interest fields come after the button
// in the keyboard order, as they were added last.
#pragma once

#include <array>

#include "Diseno.h"

namespace velmora::ui {

inline constexpr std::array<Control, 23> kControlesVelmora{{
    // tipo, nombre, titulo, contenedor, izquierda, arriba, ancho, alto, banderas, nombre accesible
    {Tipo::Marco, "frmDiesel", "Diesel", nullptr, 120, 0, 1455, 2055},
    {Tipo::Etiqueta, "lblPrecioCocheDiesel", "Precio", "frmDiesel", 120, 240, 450, 195, Ajusta},
    {Tipo::Campo, "txtPrecioCocheDiesel", "", "frmDiesel", 120, 480, 855, 285, Ninguna,
     "Precio coche diesel"},
    {Tipo::Etiqueta, "lblConsumoMedio", "Consumo medio", "frmDiesel", 120, 840, 1125, 195, Ajusta},
    {Tipo::Campo, "txtConsumoMedioDiesel", "", "frmDiesel", 120, 1080, 495, 285, Ninguna,
     "Consumo medio diesel"},
    {Tipo::Etiqueta, "lblPrecioLitroGasoil", "Precio litro", "frmDiesel", 120, 1440, 735, 195,
     Ajusta},
    {Tipo::Campo, "txtPrecioLitroGasoil", "", "frmDiesel", 120, 1680, 375, 285, Ninguna,
     "Precio litro gasoil"},
    {Tipo::Marco, "Frame1", "Gasolina", nullptr, 1680, 0, 1455, 2055},
    {Tipo::Etiqueta, "lblPrecioCocheGasolina", "Precio", "Frame1", 120, 240, 450, 195, Ajusta},
    {Tipo::Campo, "txtPrecioCocheGasolina", "", "Frame1", 120, 480, 855, 285, Ninguna,
     "Precio coche gasolina"},
    {Tipo::Etiqueta, "lblConsumoGasolina", "Consumo medio", "Frame1", 120, 840, 1125, 195, Ajusta},
    {Tipo::Campo, "txtConsumoMedioGasolina", "", "Frame1", 120, 1080, 495, 285, Ninguna,
     "Consumo medio gasolina"},
    {Tipo::Etiqueta, "lblPrecioLitroGasolina", "Precio litro", "Frame1", 120, 1440, 735, 195,
     Ajusta},
    {Tipo::Campo, "txtPrecioLitroGasolina", "", "Frame1", 120, 1680, 375, 285, Ninguna,
     "Precio litro gasolina"},
    {Tipo::Boton, "cmdCalcular", "Calcular", nullptr, 1920, 3360, 1215, 375},
    {Tipo::Etiqueta, "lblAmortizacion", "Coche amortizado a partir de", nullptr, 120, 3120, 2025,
     195, Ajusta},
    {Tipo::Etiqueta, "lblKM", "Km", nullptr, 960, 3360, 345, 195, Ajusta},
    {Tipo::Marco, "frmInteres", "Aplicar interes acumulado", nullptr, 120, 2160, 3015, 855},
    {Tipo::Etiqueta, "lblKmAno", "Media de Km/año ", "frmInteres", 120, 240, 1320, 195, Ajusta},
    {Tipo::Campo, "txtKmAno", "", "frmInteres", 120, 480, 735, 285, Ninguna, "Media de Km/año"},
    {Tipo::Etiqueta, "lblInteres", "Interes anual", "frmInteres", 1680, 240, 915, 195, Ajusta},
    {Tipo::Campo, "txtInteres", "", "frmInteres", 1680, 480, 495, 285, Ninguna, "Interes anual"},
    // The widest result is a distance in the exponent form, such as
    // "3,402823E+38": eight digits, a separator, E and a signed exponent.
    {Tipo::Etiqueta, "lblResultado", "", nullptr, 120, 3360, 735, 255, FondoBlanco, "Resultado",
     "8,888888E+38"},
}};

inline constexpr DisenoVentana kDisenoVelmora{"Velmora", "Amortización Diesel", 3240, 3780,
                                              kControlesVelmora};

}  // namespace velmora::ui
