#include "Constructor.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "Identificadores.h"
#include "Unicode.h"
#include "calc/Campos.h"
#include "ui/Disposicion.h"
#include "ui/Entrada.h"

namespace velmora::win32 {

using ui::Control;
using ui::Tipo;

namespace {

[[noreturn]] void FalloDelPrograma(const char* que, std::string_view nombre) {
    std::fprintf(stderr, "velmora: %s %.*s\n", que, int(nombre.size()), nombre.data());
    std::abort();
}

// The class, styles and extended styles of the Win32 control for a row.
struct Clase {
    const wchar_t* nombre;
    DWORD estilo;
    DWORD estiloExtendido;
};

Clase ClaseDe(const Control& c) {
    // Every control is clipped by the ones above it, so a line drawn over a
    // label stays visible; a group box is not, since it is drawn behind the
    // controls it holds.
    constexpr DWORD kHijo = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (c.tipo) {
        case Tipo::Marco:
            return {L"BUTTON", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0};
        case Tipo::Etiqueta:
            return {L"STATIC",
                    kHijo | SS_NOPREFIX | SS_CENTERIMAGE |
                        ((c.banderas & ui::Centrado) ? SS_CENTER : SS_LEFT),
                    0};
        case Tipo::Campo:
            return {L"EDIT", kHijo | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case Tipo::Boton:
            return {L"BUTTON", kHijo | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case Tipo::Lista:
            return {L"LISTBOX", kHijo | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case Tipo::Linea:
            return {kClaseLinea, kHijo, 0};
    }
    return {L"STATIC", kHijo, 0};
}

// Texts cross between the edit control (wchar_t, UTF-16 on Windows) and
// ui/Entrada.h (char16_t) unchanged.
std::u16string_view Utf16(const wchar_t* texto, std::size_t largo) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return {reinterpret_cast<const char16_t*>(texto), largo};
}
const wchar_t* Ancho16(const std::u16string& texto) {
    return reinterpret_cast<const wchar_t*>(texto.c_str());
}

// The clipboard's text, up to its first NUL.
std::u16string TextoDelPortapapeles(HWND campo) {
    std::u16string texto;
    if (!OpenClipboard(campo)) return texto;
    if (HANDLE datos = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(datos))) {
            const std::size_t tope = GlobalSize(datos) / sizeof(wchar_t);
            texto = std::u16string(Utf16(p, wcsnlen(p, tope)));
            GlobalUnlock(datos);
        }
    }
    CloseClipboard();
    return texto;
}

void Rechazar(HWND campo) {
    SendMessageW(GetParent(campo), kMensajeTextoDemasiadoLargo, WPARAM(GetDlgCtrlID(campo)), 0);
}

LRESULT CALLBACK ProcCampo(HWND campo, UINT mensaje, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (mensaje) {
        case WM_PASTE: {
            // Taken as ui/Entrada.h says, or refused whole.
            DWORD inicio = 0, fin = 0;
            SendMessageW(campo, EM_GETSEL, WPARAM(&inicio), LPARAM(&fin));
            const auto tomado = ui::TextoQueEntra(std::size_t(GetWindowTextLengthW(campo)),
                                                  fin - inicio, TextoDelPortapapeles(campo), true);
            if (!tomado) {
                Rechazar(campo);
            } else {
                DefSubclassProc(campo, EM_REPLACESEL, TRUE, LPARAM(Ancho16(*tomado)));
            }
            return 0;
        }
        case WM_CHAR: {
            // A character that draws nothing is not typed in; the control
            // characters below a blank are the edit control's commands.
            const auto tecla = wchar_t(w);
            if (tecla < L' ') break;
            if (ui::TextoTecleado(Utf16(&tecla, 1)).empty()) return 0;
            DWORD inicio = 0, fin = 0;
            SendMessageW(campo, EM_GETSEL, WPARAM(&inicio), LPARAM(&fin));
            if (!ui::TextoQueEntra(std::size_t(GetWindowTextLengthW(campo)), fin - inicio,
                                   Utf16(&tecla, 1), false)) {
                Rechazar(campo);
                return 0;
            }
            break;
        }
        case EM_REPLACESEL: {
            // Another program's tool putting a text in place of the selection.
            const auto* texto = reinterpret_cast<const wchar_t*>(l);
            if (!texto) break;
            DWORD inicio = 0, fin = 0;
            SendMessageW(campo, EM_GETSEL, WPARAM(&inicio), LPARAM(&fin));
            const auto tomado =
                ui::TextoQueEntra(std::size_t(GetWindowTextLengthW(campo)), fin - inicio,
                                  Utf16(texto, std::wcslen(texto)), false);
            if (!tomado) {
                Rechazar(campo);
                return 0;
            }
            return DefSubclassProc(campo, mensaje, w, LPARAM(Ancho16(*tomado)));
        }
        case WM_SETTEXT: {
            const auto* texto = reinterpret_cast<const wchar_t*>(l);
            if (!texto) break;
            const auto tomado = ui::TextoQueEntra(0, 0, Utf16(texto, std::wcslen(texto)), false);
            if (!tomado) {
                Rechazar(campo);
                return FALSE;
            }
            return DefSubclassProc(campo, mensaje, w, LPARAM(Ancho16(*tomado)));
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(campo, ProcCampo, 1);
            break;
    }
    return DefSubclassProc(campo, mensaje, w, l);
}

// A field's edit control takes the shared rule's bound, never its own
// (the control's limit is lifted to the most it can hold).
void LimitarCampo(HWND campo) {
    SendMessageW(campo, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    SetWindowSubclass(campo, ProcCampo, 1, 0);
}

// The system's message font at `dpi`, as it gives it.
LOGFONTW FuenteDelSistema(UINT dpi) {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0, dpi);
    return metricas.lfMessageFont;
}

// The size of `ventana`'s frame (borders, title bar, menu bar) at `dpi`.
SIZE Marco(HWND ventana, UINT dpi) {
    RECT marco{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&marco, DWORD(GetWindowLongPtrW(ventana, GWL_STYLE)),
                             GetMenu(ventana) != nullptr,
                             DWORD(GetWindowLongPtrW(ventana, GWL_EXSTYLE)), dpi);
    return {marco.right - marco.left, marco.bottom - marco.top};
}

// The room the client area of `ventana` may take: the free area of its
// monitor, less the window's frame.
SIZE EspacioLibre(HWND ventana, SIZE marco) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(ventana, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {monitor.rcWork.right - monitor.rcWork.left - marco.cx,
            monitor.rcWork.bottom - monitor.rcWork.top - marco.cy};
}

// Where every row of `construidos` goes in `ventana` at its DPI; the font
// the window keeps is left in `construidos`.
ui::Disposicion DisponerEn(HWND ventana, Construidos& construidos, SIZE marco) {
    const UINT dpi = GetDpiForWindow(ventana);
    const LOGFONTW sistema = FuenteDelSistema(dpi);
    HDC dc = GetDC(ventana);
    HGDIOBJ anterior = GetCurrentObject(dc, OBJ_FONT);
    double puntosFuente = 0;
    const auto fuente = [&](double puntos) {
        if (construidos.fuente && puntos == puntosFuente) return;
        if (construidos.fuente) DeleteObject(construidos.fuente);
        LOGFONTW letra = sistema;
        letra.lfHeight = -LONG(std::lround(puntos * dpi / 72.0));
        construidos.fuente = CreateFontIndirectW(&letra);
        puntosFuente = puntos;
    };
    const auto medir = [&](double puntos) {
        fuente(puntos);
        SelectObject(dc, construidos.fuente);
        return MedidasDe(dc, dpi);
    };
    const SIZE libre = EspacioLibre(ventana, marco);
    const ui::Disposicion d =
        ui::Disponer(*construidos.diseno, dpi / 1440.0,
                     {libre.cx, libre.cy, std::abs(sistema.lfHeight) * 72.0 / dpi}, medir);
    fuente(d.puntos);
    SelectObject(dc, anterior);
    ReleaseDC(ventana, dc);
    return d;
}

// The window around a client area of `d`'s size; once more if the menu bar
// took another height than expected.
void AjustarVentana(HWND ventana, const ui::Disposicion& d, SIZE marco) {
    SetWindowPos(ventana, nullptr, 0, 0, d.ancho + marco.cx, d.alto + marco.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT cliente{};
    GetClientRect(ventana, &cliente);
    if (cliente.right != d.ancho || cliente.bottom != d.alto) {
        SetWindowPos(ventana, nullptr, 0, 0, d.ancho + marco.cx + d.ancho - cliente.right,
                     d.alto + marco.cy + d.alto - cliente.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Measures and places the built controls again, all in one deferred move,
// after the window's DPI has changed.
void Recolocar(Construidos& construidos, HWND ventana) {
    const ui::DisenoVentana& diseno = *construidos.diseno;
    const SIZE marco = Marco(ventana, GetDpiForWindow(ventana));
    const ui::Disposicion d = DisponerEn(ventana, construidos, marco);
    HDWP lote = BeginDeferWindowPos(int(construidos.controles.size()));
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        HWND control = construidos.controles[i];
        SendMessageW(control, WM_SETFONT, WPARAM(construidos.fuente), FALSE);
        const ui::Rectangulo caja = ui::EnCliente(diseno, d, i);
        if (lote) {
            lote = DeferWindowPos(lote, control, nullptr, caja.x, caja.y, caja.ancho, caja.alto,
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (lote) EndDeferWindowPos(lote);
    AjustarVentana(ventana, d, marco);
    InvalidateRect(ventana, nullptr, TRUE);
}

// The answer to WM_CTLCOLORSTATIC for `control`: the white brush, with its
// colours set in `dc`, for a label whose row asks for a white background;
// nullptr for every other control (the window's colour).
HBRUSH ColorDeEtiqueta(const Construidos& construidos, HWND control, HDC dc) {
    for (std::size_t i = 0; i < construidos.controles.size(); ++i) {
        if (construidos.controles[i] != control) continue;
        if (!(construidos.diseno->controles[i].banderas & ui::FondoBlanco)) return nullptr;
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        return HBRUSH(GetStockObject(WHITE_BRUSH));
    }
    return nullptr;
}

}  // namespace

Construidos::~Construidos() {
    if (fuente) DeleteObject(fuente);
}

bool MensajeDeConstruidos(Construidos& construidos, HWND ventana, UINT mensaje, WPARAM w, LPARAM l,
                          LRESULT& respuesta) {
    if (!construidos.diseno) return false;  // not built yet
    switch (mensaje) {
        case WM_CTLCOLORSTATIC:
            if (HBRUSH fondo = ColorDeEtiqueta(construidos, HWND(l), HDC(w))) {
                respuesta = LRESULT(fondo);
                return true;
            }
            return false;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI: measured and placed anew.
            const auto* sugerido = reinterpret_cast<const RECT*>(l);
            SetWindowPos(ventana, nullptr, sugerido->left, sugerido->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Recolocar(construidos, ventana);
            respuesta = 0;
            return true;
        }
    }
    return false;
}

ui::Medidas MedidasDe(HDC dc, UINT dpi) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    ui::Medidas m;
    m.anchoDeTexto = [dc](std::string_view texto) {
        const std::wstring ancho = Utf16(texto);
        SIZE tamano{};
        GetTextExtentPoint32W(dc, ancho.c_str(), int(ancho.size()), &tamano);
        return int(tamano.cx);
    };
    m.altoDeLetra = tm.tmHeight;
    m.altoTituloMarco = tm.tmHeight;
    // A list box that does not draw its own rows makes each one a line of
    // its font.
    m.altoFilaLista = tm.tmHeight;
    m.bordeCampo = m.bordeLista = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    m.pixelesPorPixel96 = dpi / 96.0;
    return m;
}

void Construir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos) {
    construidos.diseno = &diseno;
    const SIZE marco = Marco(ventana, GetDpiForWindow(ventana));
    const ui::Disposicion d = DisponerEn(ventana, construidos, marco);
    const auto instancia = HINSTANCE(GetWindowLongPtrW(ventana, GWLP_HINSTANCE));
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Control& c = diseno.controles[i];
        const Clase clase = ClaseDe(c);
        const ui::Rectangulo caja = ui::EnCliente(diseno, d, i);
        HWND control = CreateWindowExW(clase.estiloExtendido, clase.nombre, Utf16(c.titulo).c_str(),
                                       clase.estilo, caja.x, caja.y, caja.ancho, caja.alto, ventana,
                                       HMENU(INT_PTR(IdDeFila(i))), instancia, nullptr);
        if (!control) FalloDelPrograma("cannot create the control", c.nombre);
        SendMessageW(control, WM_SETFONT, WPARAM(construidos.fuente), FALSE);
        if (c.tipo == Tipo::Campo) LimitarCampo(control);
        // A list's rows, sorted (the window's load handler).
        for (const char* fila : ui::FilasEnOrden(c)) {
            SendMessageW(control, LB_ADDSTRING, 0, LPARAM(Utf16(fila).c_str()));
        }
        construidos.controles.push_back(control);
    }
    // A new child goes to the bottom of its siblings, so the table's order
    // is the keyboard's. Frames and lines take no focus: frames go to the
    // bottom, behind the controls they hold, and lines to the top, over the
    // labels they cross.
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Tipo tipo = diseno.controles[i].tipo;
        if (tipo == Tipo::Marco || tipo == Tipo::Linea) {
            SetWindowPos(construidos.controles[i], tipo == Tipo::Marco ? HWND_BOTTOM : HWND_TOP, 0,
                         0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    AjustarVentana(ventana, d, marco);
}

}  // namespace velmora::win32
