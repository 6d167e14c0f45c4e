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
#include "ui/Colocacion.h"
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
            return {L"LISTBOX",
                    kHijo | WS_TABSTOP | WS_VSCROLL | LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
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
                SendMessageW(campo, EM_REPLACESEL, TRUE, LPARAM(Ancho16(*tomado)));
            }
            return 0;
        }
        case WM_CHAR: {
            // A character that draws nothing is not typed in; the control
            // characters below a blank are the edit control's commands. The
            // control's own limit refuses a key into a full field.
            const auto tecla = wchar_t(w);
            if (tecla >= L' ' && ui::TextoTecleado(Utf16(&tecla, 1)).empty()) return 0;
            break;
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

}  // namespace

Construidos::~Construidos() {
    if (fuente) DeleteObject(fuente);
}

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

void LimitarCampo(HWND campo) {
    SendMessageW(campo, EM_SETLIMITTEXT, kLargoMaximoCampo, 0);
    SetWindowSubclass(campo, ProcCampo, 1, 0);
}

HFONT FuenteDeMensajes(UINT dpi, double puntos) {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0, dpi);
    if (puntos > 0) metricas.lfMessageFont.lfHeight = -LONG(std::lround(puntos * dpi / 72.0));
    return CreateFontIndirectW(&metricas.lfMessageFont);
}

double PuntosDeMensajes(UINT dpi) {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0, dpi);
    return std::abs(metricas.lfMessageFont.lfHeight) * 72.0 / dpi;
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

namespace {

// The room the client area of `ventana` may take: the free area of its
// monitor, less the window's frame and menu bar.
SIZE EspacioLibre(HWND ventana, UINT dpi) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(ventana, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT marco{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&marco, DWORD(GetWindowLongPtrW(ventana, GWL_STYLE)),
                             GetMenu(ventana) != nullptr,
                             DWORD(GetWindowLongPtrW(ventana, GWL_EXSTYLE)), dpi);
    return {monitor.rcWork.right - monitor.rcWork.left - (marco.right - marco.left),
            monitor.rcWork.bottom - monitor.rcWork.top - (marco.bottom - marco.top)};
}

}  // namespace

// The scale of `diseno` at the window's DPI, by the fit rule with the
// message font, shrunk where the window would not fit its monitor's free
// area; the font it was measured at is left in `construidos`.
ui::EscalaAjustada Medir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos,
                         UINT dpi) {
    if (dpi == 0) dpi = GetDpiForWindow(ventana);
    HDC dc = GetDC(ventana);
    HGDIOBJ anterior = GetCurrentObject(dc, OBJ_FONT);
    const auto medir = [&](double puntos) {
        if (construidos.fuente) DeleteObject(construidos.fuente);
        construidos.fuente = FuenteDeMensajes(dpi, puntos);
        SelectObject(dc, construidos.fuente);
        return ui::EscalaDeAjuste(diseno, dpi / 1440.0, MedidasDe(dc, dpi));
    };
    const SIZE libre = EspacioLibre(ventana, dpi);
    const ui::EscalaAjustada ajustada = ui::AjustarAlEspacio(
        diseno, dpi / 1440.0, libre.cx, libre.cy, PuntosDeMensajes(dpi), medir);
    SelectObject(dc, anterior);
    ReleaseDC(ventana, dc);
    return ajustada;
}

namespace {

// The box of row `c` in the window's pixels: a frame's controls, children of
// the window here, stand at the frame's place plus their own.
ui::Rectangulo CajaEnVentana(const ui::DisenoVentana& diseno, std::size_t fila,
                             const ui::Escala& escala) {
    int x = 0, y = 0;
    const std::size_t marco = ui::FilaDelContenedor(diseno.controles, fila);
    if (marco < diseno.controles.size()) {
        x = diseno.controles[marco].izquierda;
        y = diseno.controles[marco].arriba;
    }
    return escala.Caja(diseno.controles[fila], x, y);
}

// The window around the client area of the table; once more if the menu bar
// took another height than expected.
void AjustarVentana(const ui::DisenoVentana& diseno, HWND ventana, const ui::Escala& escala) {
    const int anchoCliente = escala.APixeles(diseno.anchoCliente);
    const int altoCliente = escala.APixeles(diseno.altoCliente);
    RECT marco{0, 0, anchoCliente, altoCliente};
    AdjustWindowRectExForDpi(
        &marco, DWORD(GetWindowLongPtrW(ventana, GWL_STYLE)), GetMenu(ventana) != nullptr,
        DWORD(GetWindowLongPtrW(ventana, GWL_EXSTYLE)), GetDpiForWindow(ventana));
    SetWindowPos(ventana, nullptr, 0, 0, marco.right - marco.left, marco.bottom - marco.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT cliente{};
    GetClientRect(ventana, &cliente);
    if (cliente.right != anchoCliente || cliente.bottom != altoCliente) {
        SetWindowPos(ventana, nullptr, 0, 0,
                     marco.right - marco.left + anchoCliente - cliente.right,
                     marco.bottom - marco.top + altoCliente - cliente.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

void Construir(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos) {
    construidos.diseno = &diseno;
    const ui::Escala escala = Medir(diseno, ventana, construidos).escala;
    const auto instancia = HINSTANCE(GetWindowLongPtrW(ventana, GWLP_HINSTANCE));
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Control& c = diseno.controles[i];
        const Clase clase = ClaseDe(c);
        const ui::Rectangulo caja = CajaEnVentana(diseno, i, escala);
        HWND control = CreateWindowExW(clase.estiloExtendido, clase.nombre, Utf16(c.titulo).c_str(),
                                       clase.estilo, caja.x, caja.y, caja.ancho, caja.alto, ventana,
                                       HMENU(INT_PTR(IdDeFila(i))), instancia, nullptr);
        if (!control) FalloDelPrograma("cannot create the control", c.nombre);
        SendMessageW(control, WM_SETFONT, WPARAM(construidos.fuente), FALSE);
        if (c.tipo == Tipo::Campo) LimitarCampo(control);
        // A list's rows, which the list sorts (the window's load handler).
        for (const char* fila : c.filas) {
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
    AjustarVentana(diseno, ventana, escala);
}

void Recolocar(Construidos& construidos, HWND ventana) {
    const ui::DisenoVentana& diseno = *construidos.diseno;
    const ui::Escala escala = Medir(diseno, ventana, construidos).escala;
    HDWP lote = BeginDeferWindowPos(int(construidos.controles.size()));
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        HWND control = construidos.controles[i];
        SendMessageW(control, WM_SETFONT, WPARAM(construidos.fuente), FALSE);
        const ui::Rectangulo caja = CajaEnVentana(diseno, i, escala);
        if (lote) {
            lote = DeferWindowPos(lote, control, nullptr, caja.x, caja.y, caja.ancho, caja.alto,
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (lote) EndDeferWindowPos(lote);
    AjustarVentana(diseno, ventana, escala);
    InvalidateRect(ventana, nullptr, TRUE);
}

}  // namespace velmora::win32
