// The vocabulary of the window descriptions. Every fixed window of the
// program is a table of these rows, written in twips exactly as the layout
// was drawn (1440 twips to the inch; 15 twips make one pixel at 96 dpi), in
// tab order. ConstructorVentana turns a table into widgets.
#pragma once

#include <span>

namespace velmora::ui {

enum class Tipo {
    Marco,     // a frame: a group box with a caption that holds other controls
    Etiqueta,  // a one-line static label
    Campo,     // a single-line text field
    Boton,     // a push button
    Lista,     // a sorted single-selection list box
    Linea,     // a straight horizontal line, one pixel wide
};

// Flags of a row.
enum Bandera : unsigned {
    Ninguna = 0,
    Ajusta = 1u << 0,       // the label sizes itself to its text ("fits")
    FondoBlanco = 1u << 1,  // white background (the result box)
    Centrado = 1u << 2,     // text centred in the label
    Opaco = 1u << 3,        // background painted in the window's colour
};

struct Control {
    Tipo tipo;
    const char* nombre;      // also the widget's objectName
    const char* titulo;      // caption; empty for fields, lists and lines
    const char* contenedor;  // the frame that holds it, or nullptr for the client area
    // Left, Top, Width, Height in twips from the container's top-left corner.
    // For a line: X1, Y1, X2, Y2.
    int izquierda;
    int arriba;
    int ancho;
    int alto;
    unsigned banderas = Ninguna;
    const char* nombreAccesible = nullptr;  // what a screen reader calls it, when not its caption
    const char* muestra = nullptr;          // the widest text it must show, when not its caption
};

struct DisenoVentana {
    const char* nombre;  // objectName of the window
    const char* titulo;  // caption of the window
    int anchoCliente;    // client area in twips, without the menu bar
    int altoCliente;
    std::span<const Control> controles;  // in tab order
};

inline constexpr int kTwipsPorPixel = 15;

}  // namespace velmora::ui
