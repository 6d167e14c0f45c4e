// The vocabulary of the window descriptions. Every fixed window of the
// program is a table of these rows, written in twips exactly as the layout
// was drawn (1440 twips to the inch; 15 twips make one pixel at 96 dpi), in
// tab order. A front end turns a table into its own controls; nothing here
// knows a toolkit.
//
// Each table is checked when it is compiled (DisenoCoherente): names are
// unique, a control's container is a frame that comes before it in the
// table, and every box lies inside its container. A misspelt container
// name fails the build instead of landing in the client area.
#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Campos.h"

namespace velmora::ui {

enum class Tipo {
    Marco,     // a frame: a group box with a caption that holds other controls
    Etiqueta,  // a one-line static label
    Campo,     // a single-line text field; its caption is the label in the row before it
    Boton,     // a push button
    Lista,     // a sorted single-selection list box
    Linea,     // a straight horizontal line, one pixel wide
};

// What a command does, from a menu entry or a button; ui/FormularioVelmora.h carries each one out.
enum class Orden {
    Ninguna,   // a menu or a separator: no command
    Calcular,  // one calculation request
    Salir,     // ends the program
    Ejemplos,  // the examples window, modally
    Formula,   // the formula window, modally
    AcercaDe,  // the About message
};

// Flags of a row, each honoured by every front end.
enum Bandera : unsigned {
    Ninguna = 0,
    FondoBlanco = 1u << 0,  // white background (the result box)
    Centrado = 1u << 1,     // text centred in the label
    Opaco = 1u << 2,        // background painted in the window's colour
    EsResultado = 1u << 3,  // the result box: a calculation writes its caption here
};

struct Control {
    Tipo tipo;
    const char* nombre;      // the control's name, also its objectName
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
    std::span<const char* const> filas{};   // a list's rows, in the order they are added
    Orden orden = Orden::Ninguna;           // what a button does when pressed
    std::optional<IdCampo> campo{};         // the field of calc/Campos.h a text field is
};

// The row of a field of calc/Campos.h: its name is the field's, and a
// screen reader calls it `nombreAccesible` (the caption beside it alone
// would not tell "Precio" of the diesel from "Precio" of the petrol car).
// Where the caption says it alone, there is no `nombreAccesible`
// (NombreAccesible).
constexpr Control FilaCampo(IdCampo campo, const char* contenedor, int izquierda, int arriba,
                            int ancho, int alto, const char* nombreAccesible = nullptr) {
    Control c{Tipo::Campo, DatosDe(campo).nombre.data(), "", contenedor, izquierda, arriba, ancho,
              alto};
    c.nombreAccesible = nombreAccesible;
    c.campo = campo;
    return c;
}

// What a screen reader calls row `c`: its `nombreAccesible`; for a field
// without one, the caption beside it as a sentence quotes it ("Media de
// Km/año"); otherwise nothing (its caption names it).
inline std::string NombreAccesible(const Control& c) {
    if (c.nombreAccesible) return c.nombreAccesible;
    return c.campo ? std::string(EtiquetaCitada(DatosDe(*c.campo))) : std::string();
}

// A push button that carries out `orden` when pressed.
constexpr Control FilaBoton(const char* nombre, const char* titulo, int izquierda, int arriba,
                            int ancho, int alto, Orden orden) {
    Control c{Tipo::Boton, nombre, titulo, nullptr, izquierda, arriba, ancho, alto};
    c.orden = orden;
    return c;
}

// The label that stands beside a field and shows its caption from kCampos.
constexpr Control FilaEtiquetaDe(IdCampo campo, const char* nombre, const char* contenedor,
                                 int izquierda, int arriba, int ancho, int alto) {
    return {Tipo::Etiqueta, nombre, DatosDe(campo).etiqueta.data(), contenedor, izquierda, arriba,
            ancho,          alto};
}

struct DisenoVentana {
    const char* nombre;  // the window's name, also its objectName
    const char* titulo;  // caption of the window
    int anchoCliente;    // client area in twips, without the menu bar
    int altoCliente;
    std::span<const Control> controles;  // in tab order
};

inline constexpr int kTwipsPorPixel = 15;

// A row of a menu bar's description (see kMenuVelmora).
enum class TipoEntrada {
    Menu,       // a menu on the bar
    Orden,      // a command in the menu above it
    Separador,  // a separator line in the menu above it
};

struct EntradaMenu {
    TipoEntrada tipo;
    const char* nombre;  // the entry's name, also its objectName
    const char* titulo;  // caption, "&" before the access key; "-" for a separator
    Orden orden = Orden::Ninguna;
};

// Two names alike; a missing name (nullptr) matches only a missing one.
constexpr bool MismoNombre(const char* a, const char* b) {
    if (!a || !b) return !a && !b;
    return std::string_view(a) == b;
}

// What stops a compile-time check (Exigir) where a table breaks a rule:
// a function that is not constexpr cannot be called in a constant
// expression, so the build fails there and the compiler quotes `motivo`.
// Run at run time (the checks' own tests, where exceptions are on), it
// throws `motivo`; the page's module, built without exceptions, never runs it.
[[noreturn]] inline void IncumpleLaRegla(const char* motivo) {
#if defined(__cpp_exceptions)
    throw motivo;
#else
    (void)motivo;
    __builtin_trap();
#endif
}

// Stops a compile-time check where `condicion` does not hold.
constexpr void Exigir(bool condicion, const char* motivo) {
    if (!condicion) IncumpleLaRegla(motivo);
}

// The index of the row named `nombre`, or controles.size() when there is
// none. (An index rather than a pointer: GCC's sanitizers keep a pointer
// comparison from being a constant expression.)
constexpr std::size_t IndiceControl(std::span<const Control> controles, const char* nombre) {
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (MismoNombre(controles[i].nombre, nombre)) return i;
    }
    return controles.size();
}

// The row of field `campo`, or controles.size() when there is none.
constexpr std::size_t FilaDelCampo(std::span<const Control> controles, IdCampo campo) {
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (controles[i].campo == campo) return i;
    }
    return controles.size();
}

// The row of the result box, or controles.size() when there is none.
constexpr std::size_t FilaDelResultado(std::span<const Control> controles) {
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (controles[i].banderas & EsResultado) return i;
    }
    return controles.size();
}

// The row of the frame that holds row `i`, or controles.size() for a row of
// the client area.
constexpr std::size_t FilaDelContenedor(std::span<const Control> controles, std::size_t i) {
    return controles[i].contenedor ? IndiceControl(controles, controles[i].contenedor)
                                   : controles.size();
}

// Whether row `c` takes the keyboard focus: fields, buttons and lists do,
// in the order of the table.
constexpr bool TomaElFoco(const Control& c) {
    return c.tipo == Tipo::Campo || c.tipo == Tipo::Boton || c.tipo == Tipo::Lista;
}

// The first row of `controles` that takes the focus, which has it when its
// window opens; controles.size() where none does (the formula).
constexpr std::size_t PrimerFoco(std::span<const Control> controles) {
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (TomaElFoco(controles[i])) return i;
    }
    return controles.size();
}

// The field row that label row `i` is the caption of (the field right after
// it, in its container), or controles.size() where it names none.
constexpr std::size_t CampoQueRotula(std::span<const Control> controles, std::size_t i) {
    const bool rotula = controles[i].tipo == Tipo::Etiqueta && i + 1 < controles.size() &&
                        controles[i + 1].tipo == Tipo::Campo &&
                        MismoNombre(controles[i].contenedor, controles[i + 1].contenedor);
    return rotula ? i + 1 : controles.size();
}

// The rows of a sorted list as it shows them from the top: in ascending
// order without regard to case (a letter of A to Z as its lower case, every
// other character by its UTF-8 bytes, which is the order of its code
// point), whatever the order they are added in; rows alike keep that order.
// Every front end shows a list's rows in this order.
inline std::vector<const char*> FilasEnOrden(const Control& lista) {
    const auto plegar = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    const auto menor = [&](std::string_view a, std::string_view b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](char x, char y) { return plegar(x) < plegar(y); });
    };
    // By insertion: a few rows, and stable.
    std::vector<const char*> filas;
    for (const char* fila : lista.filas) {
        auto donde = filas.end();
        while (donde != filas.begin() && menor(fila, *(donde - 1))) --donde;
        filas.insert(donde, fila);
    }
    return filas;
}

// The rules every table keeps; see the top of this file.
constexpr bool DisenoCoherente(const DisenoVentana& d) {
    for (std::size_t i = 0; i < d.controles.size(); ++i) {
        const Control& c = d.controles[i];
        const auto anteriores = d.controles.first(i);
        Exigir(IndiceControl(anteriores, c.nombre) == i, "two rows of a table share a name");
        int ancho = d.anchoCliente, alto = d.altoCliente;
        if (c.contenedor != nullptr) {
            const std::size_t marco = IndiceControl(anteriores, c.contenedor);
            Exigir(marco < i, "a row's container is no earlier row of its table");
            Exigir(anteriores[marco].tipo == Tipo::Marco, "a row's container is not a frame");
            ancho = anteriores[marco].ancho;
            alto = anteriores[marco].alto;
        }
        const bool linea = c.tipo == Tipo::Linea;
        const int derecha = linea ? c.ancho : c.izquierda + c.ancho;
        const int abajo = linea ? c.alto : c.arriba + c.alto;
        Exigir(c.izquierda >= 0 && c.arriba >= 0 && derecha <= ancho && abajo <= alto,
               "a row's box does not lie inside its container");
        Exigir((c.orden != Orden::Ninguna) <= (c.tipo == Tipo::Boton),
               "a row that is no button carries a command");
        Exigir(c.campo.has_value() == (c.tipo == Tipo::Campo), "a text field row names no field");
    }
    return true;
}

}  // namespace velmora::ui
