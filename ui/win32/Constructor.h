// Turns a window description (ui/Diseno.h) into Win32 controls.
//
// Every control becomes a child of the window itself, in the order of the
// table: a frame is a group box drawn behind the controls it holds, which
// stand at the frame's position plus their own, and the order of creation
// is the keyboard order the dialog manager follows. A control's id comes
// from Identificadores.h.
//
// Positions come from the table's twips through the window's DPI, and the
// whole layout is scaled by one factor, by the rule of ui/Ajuste.h fed with
// the metrics of the system's message font at that DPI, the font Windows'
// own dialogs use, shrunk where the window would not fit the free area of
// its monitor (ui/Colocacion.h). Everything is measured from the table
// before a control exists, so each control is created once, at its final
// place, with its font and its content.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/Ajuste.h"
#include "ui/Diseno.h"

namespace velmora::win32 {

class Construidos {
  public:
    Construidos() = default;
    Construidos(const Construidos&) = delete;
    Construidos& operator=(const Construidos&) = delete;
    ~Construidos();

    const ui::DisenoVentana* diseno = nullptr;
    std::vector<HWND> controles;  // in the order of the table
    HFONT fuente = nullptr;       // the window's font: the message font at its DPI
};

// The message font at `dpi`, at `puntos` points (0: the size the system
// gives it), which the caller deletes; and that size in points.
HFONT FuenteDeMensajes(UINT dpi, double puntos = 0);
double PuntosDeMensajes(UINT dpi);

// What the rule of ui/Ajuste.h needs to know of the font selected into
// `dc`, in pixels at `dpi`.
ui::Medidas MedidasDe(HDC dc, UINT dpi);

// The scale of `diseno` in `ventana` and the size of its font, by the fit
// rule (ui/Ajuste.h) with the message font at the window's DPI, shrunk
// where the window would not fit the free area of its monitor; that font
// is left in `construidos`. (A program that drives Velmora from outside
// finds the font of its window so, giving the window's `dpi`.)
ui::EscalaAjustada Medir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos,
                         UINT dpi = 0);

// Creates every control of `diseno` inside `ventana`, in the order of the
// table, each at its place with the message font at the window's DPI, its
// caption, flags, id and (a list) its rows, and gives the window the client
// size of the table.
void Construir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos);

// Measures and places the built controls again, all in one deferred move,
// after the window's DPI has changed.
void Recolocar(Construidos& construidos, HWND ventana);

// The answer to WM_CTLCOLORSTATIC for `control`: the white brush, with its
// colours set in `dc`, for a label whose row asks for a white background;
// nullptr for every other control (the window's colour).
HBRUSH ColorDeEtiqueta(const Construidos& construidos, HWND control, HDC dc);

// A field's edit control: takes what reaches it as ui/Entrada.h says (no
// character that draws nothing, a paste's first line, at most
// kLargoMaximoCampo UTF-16 code units) and refuses whole a longer text,
// typed, pasted or set, by sending kMensajeTextoDemasiadoLargo to its
// parent.
void LimitarCampo(HWND campo);

}  // namespace velmora::win32
