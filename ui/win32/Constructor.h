// Turns a window description (ui/Diseno.h) into Win32 controls.
//
// Every control becomes a child of the window itself, in the order of the
// table: a frame is a group box drawn behind the controls it holds, which
// stand at the frame's position plus their own, and the order of creation
// is the keyboard order the dialog manager follows. A control's id comes
// from Identificadores.h.
//
// Positions come from the table's twips through the window's DPI, laid out
// by ui/Disposicion.h with the metrics of the system's message font at that
// DPI, the font Windows' own dialogs use. Everything is measured from the
// table before a control exists, so each control is created once, at its
// final place, with its font and its content.
//
// A field's edit control takes what reaches it as ui/Entrada.h says (no
// character that draws nothing, a paste's first line, at most
// kLargoMaximoCampo UTF-16 code units) and refuses whole a longer text,
// typed, pasted or set, by sending kMensajeTextoDemasiadoLargo to its
// parent: the one way a refusal is told.
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

// What the rule of ui/Ajuste.h needs to know of the font selected into
// `dc`, in pixels at `dpi`.
ui::Medidas MedidasDe(HDC dc, UINT dpi);

// Creates every control of `diseno` inside `ventana`, in the order of the
// table, each at its place (ui/Disposicion.h: the fit rule with the
// system's message font at the window's DPI, shrunk where the window would
// not fit the free area of its monitor) with that font, its caption,
// flags, id and (a list) its rows, and gives the window the client size of
// the table.
void Construir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos);

// What every window built from a table answers alike: WM_CTLCOLORSTATIC (the
// white background a row asks for) and WM_DPICHANGED (measured and placed
// anew on a monitor of another DPI). True where it answered `mensaje`, with
// the answer in `respuesta`.
bool MensajeDeConstruidos(Construidos& construidos, HWND ventana, UINT mensaje, WPARAM w, LPARAM l,
                          LRESULT& respuesta);

}  // namespace velmora::win32
