#include "Constructor.h"

#include <commctrl.h>

#include <algorithm>
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

// The clipboard's text as a field takes a paste of it (ui/Entrada.h).
std::u16string TextoPegadoDelPortapapeles(HWND campo) {
    std::u16string pegado;
    if (!OpenClipboard(campo)) return pegado;
    if (HANDLE datos = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* texto = static_cast<const wchar_t*>(GlobalLock(datos))) {
            const std::size_t tope = GlobalSize(datos) / sizeof(wchar_t);
            pegado = ui::TextoPegado(Utf16(texto, wcsnlen(texto, tope)));
            GlobalUnlock(datos);
        }
    }
    CloseClipboard();
    return pegado;
}

void Rechazar(HWND campo) {
    PostMessageW(GetParent(campo), kMensajeTextoDemasiadoLargo, WPARAM(GetDlgCtrlID(campo)), 0);
}

LRESULT CALLBACK ProcCampo(HWND campo, UINT mensaje, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (mensaje) {
        case WM_PASTE: {
            // Taken as ui/Entrada.h says, or refused whole.
            DWORD inicio = 0, fin = 0;
            SendMessageW(campo, EM_GETSEL, WPARAM(&inicio), LPARAM(&fin));
            const std::size_t resto = std::size_t(GetWindowTextLengthW(campo)) - (fin - inicio);
            const std::u16string pegado = TextoPegadoDelPortapapeles(campo);
            if (resto + pegado.size() > kLargoMaximoCampo) {
                Rechazar(campo);
            } else {
                SendMessageW(campo, EM_REPLACESEL, TRUE, LPARAM(Ancho16(pegado)));
            }
            return 0;
        }
        case WM_CHAR: {
            // A character that draws nothing is not typed in; the control
            // characters below a blank are the edit control's commands.
            const auto tecla = wchar_t(w);
            if (tecla >= L' ' && ui::TextoTecleado(Utf16(&tecla, 1)).empty()) return 0;
            break;
        }
        case WM_SETTEXT: {
            const auto* texto = reinterpret_cast<const wchar_t*>(l);
            if (!texto) break;
            const std::u16string tomado = ui::TextoTecleado(Utf16(texto, std::wcslen(texto)));
            if (tomado.size() > kLargoMaximoCampo) {
                Rechazar(campo);
                return FALSE;
            }
            return DefSubclassProc(campo, mensaje, w, LPARAM(Ancho16(tomado)));
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

HWND Construidos::Buscar(std::string_view nombre) const {
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (nombre == diseno->controles[i].nombre) return controles[i];
    }
    FalloDelPrograma("no control named", nombre);
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

void ConstruirControles(const ui::DisenoVentana& diseno, HWND ventana, Construidos& construidos) {
    construidos.diseno = &diseno;
    const auto instancia = HINSTANCE(GetWindowLongPtrW(ventana, GWLP_HINSTANCE));
    for (const Control& c : diseno.controles) {
        const Clase clase = ClaseDe(c);
        HWND control = CreateWindowExW(
            clase.estiloExtendido, clase.nombre, Ancho(c.titulo).c_str(), clase.estilo, 0, 0, 0, 0,
            ventana, HMENU(INT_PTR(IdControl(diseno.controles, c.nombre))), instancia, nullptr);
        if (!control) FalloDelPrograma("cannot create the control", c.nombre);
        if (c.tipo == Tipo::Campo) LimitarCampo(control);
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
}

void Colocar(Construidos& construidos, HWND ventana) {
    const ui::DisenoVentana& diseno = *construidos.diseno;
    const UINT dpi = GetDpiForWindow(ventana);

    // The message font at this DPI, for every control.
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0, dpi);
    HFONT fuente = CreateFontIndirectW(&metricas.lfMessageFont);
    for (HWND control : construidos.controles) SendMessageW(control, WM_SETFONT, WPARAM(fuente), 0);
    if (construidos.fuente) DeleteObject(construidos.fuente);
    construidos.fuente = fuente;

    HDC dc = GetDC(ventana);
    HGDIOBJ anterior = SelectObject(dc, fuente);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const auto ancho = [dc](const std::wstring& texto) {
        SIZE tamano{};
        GetTextExtentPoint32W(dc, texto.c_str(), int(texto.size()), &tamano);
        return int(tamano.cx);
    };
    const auto px = [dpi](int pixelesA96) { return MulDiv(pixelesA96, int(dpi), 96); };
    const int borde = 2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);

    // The scale with which every content fits its box.
    ui::Escala escala(dpi / 1440.0);
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Control& c = diseno.controles[i];
        HWND control = construidos.controles[i];
        switch (c.tipo) {
            case Tipo::Marco: {
                escala.Exigir(ancho(Ancho(c.titulo)) + px(16), c.ancho);
                // The caption band ends above the frame's first control.
                escala.Exigir(tm.tmHeight, ui::PrimerControlDelMarco(diseno, c.nombre));
                break;
            }
            case Tipo::Etiqueta:
                escala.Exigir(ancho(Ancho(c.muestra ? c.muestra : c.titulo)), c.ancho);
                escala.Exigir(tm.tmHeight, c.alto);
                break;
            case Tipo::Campo:
                escala.Exigir(tm.tmHeight + borde + px(2), c.alto);
                break;
            case Tipo::Boton:
                escala.Exigir(ancho(Ancho(c.titulo)) + px(16), c.ancho);
                escala.Exigir(tm.tmHeight + px(8), c.alto);
                break;
            case Tipo::Lista: {
                const int filas = int(SendMessageW(control, LB_GETCOUNT, 0, 0));
                const int altoFila = int(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0));
                int masAncha = 0;
                for (int f = 0; f < filas; ++f) {
                    std::wstring fila(std::size_t(SendMessageW(control, LB_GETTEXTLEN, f, 0)),
                                      L'\0');
                    SendMessageW(control, LB_GETTEXT, f, LPARAM(fila.data()));
                    masAncha = std::max(masAncha, ancho(fila));
                }
                escala.Exigir(filas * altoFila + borde, c.alto);
                escala.Exigir(masAncha + borde + px(6), c.ancho);
                break;
            }
            case Tipo::Linea:
                break;
        }
    }
    SelectObject(dc, anterior);
    ReleaseDC(ventana, dc);

    // Every control at its place; a frame's controls, children of the
    // window here, at the frame's place plus their own.
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        const Control& c = diseno.controles[i];
        int x = 0, y = 0;
        if (c.contenedor) {
            const Control& marco =
                diseno.controles[ui::IndiceControl(diseno.controles, c.contenedor)];
            x = marco.izquierda;
            y = marco.arriba;
        }
        const ui::Rectangulo caja = escala.Caja(c, x, y);
        SetWindowPos(construidos.controles[i], nullptr, caja.x, caja.y, caja.ancho, caja.alto,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The window around the client area of the table; once more if the menu
    // bar took another height than expected.
    const int anchoCliente = escala.APixeles(diseno.anchoCliente);
    const int altoCliente = escala.APixeles(diseno.altoCliente);
    RECT marco{0, 0, anchoCliente, altoCliente};
    AdjustWindowRectExForDpi(&marco, DWORD(GetWindowLongPtrW(ventana, GWL_STYLE)),
                             GetMenu(ventana) != nullptr,
                             DWORD(GetWindowLongPtrW(ventana, GWL_EXSTYLE)), dpi);
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
    InvalidateRect(ventana, nullptr, TRUE);
}

}  // namespace velmora::win32
