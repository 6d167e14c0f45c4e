#include "Aplicacion.h"

#include <map>

#include "Identificadores.h"
#include "Unicode.h"
#include "VentanaFija.h"
#include "VentanaVelmora.h"
#include "ui/Colocacion.h"
#include "ui/Textos.h"

namespace velmora::win32 {

namespace {

// A line of the formula window: a rectangle in the text colour.
LRESULT CALLBACK ProcLinea(HWND linea, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_PAINT) {
        PAINTSTRUCT pintura;
        HDC dc = BeginPaint(linea, &pintura);
        RECT caja;
        GetClientRect(linea, &caja);
        FillRect(dc, &caja, GetSysColorBrush(COLOR_WINDOWTEXT));
        EndPaint(linea, &pintura);
        return 0;
    }
    return DefWindowProcW(linea, mensaje, w, l);
}

// The icon at `lado` pixels, loaded once a size for the whole run. (The
// system's shared copy of a resource's icon would be the size it was
// first loaded at, whatever size is asked for later.)
HICON Icono(HINSTANCE instancia, int lado) {
    static std::map<int, HICON> iconos;
    HICON& icono = iconos[lado];
    if (!icono) {
        icono = HICON(LoadImageW(instancia, MAKEINTRESOURCEW(kIdIcono), IMAGE_ICON, lado, lado, 0));
    }
    return icono;
}

}  // namespace

void PonerIcono(HWND ventana) {
    const auto instancia = HINSTANCE(GetWindowLongPtrW(ventana, GWLP_HINSTANCE));
    const UINT dpi = GetDpiForWindow(ventana);
    SendMessageW(ventana, WM_SETICON, ICON_BIG,
                 LPARAM(Icono(instancia, GetSystemMetricsForDpi(SM_CXICON, dpi))));
    SendMessageW(ventana, WM_SETICON, ICON_SMALL,
                 LPARAM(Icono(instancia, GetSystemMetricsForDpi(SM_CXSMICON, dpi))));
}

void RegistrarClases(HINSTANCE instancia) {
    // The icons are the windows' own (PonerIcono), not the classes'.
    const auto registrar = [&](const wchar_t* nombre, WNDPROC proc) {
        WNDCLASSEXW clase{};
        clase.cbSize = sizeof clase;
        clase.lpfnWndProc = proc;
        clase.hInstance = instancia;
        clase.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        clase.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
        clase.lpszClassName = nombre;
        RegisterClassExW(&clase);
    };
    registrar(kClaseVelmora, VentanaVelmora::Procedimiento);
    registrar(kClaseVentanaFija, VentanaFija::Procedimiento);
    registrar(kClaseLinea, ProcLinea);
}

void MostrarMensaje(HWND propietario, const std::vector<std::string>& lineas) {
    std::string texto;
    for (const std::string& linea : lineas) texto += (texto.empty() ? "" : "\r\n") + linea;
    // No MB_ICON* flag: the box shows no icon.
    MessageBoxW(propietario, Utf16(texto).c_str(), Utf16(ui::kTituloAplicacion).c_str(), MB_OK);
}

void ColocarEnPantalla(HWND ventana) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(ventana, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& libre = monitor.rcWork;
    RECT marco{};
    GetWindowRect(ventana, &marco);
    const ui::Posicion p = ui::PosicionDeVentana(
        marco.right - marco.left, marco.bottom - marco.top,
        {libre.left, libre.top, libre.right - libre.left, libre.bottom - libre.top});
    SetWindowPos(ventana, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int BucleDeMensajes(const std::function<bool()>& seguir) {
    MSG mensaje;
    while (seguir()) {
        const BOOL hay = GetMessageW(&mensaje, nullptr, 0, 0);
        if (hay == 0 || hay == -1) {
            // WM_QUIT: the program ends; an outer loop must see it too.
            PostQuitMessage(int(mensaje.wParam));
            return int(mensaje.wParam);
        }
        HWND raiz = GetAncestor(mensaje.hwnd, GA_ROOT);
        if (raiz && IsDialogMessageW(raiz, &mensaje)) continue;
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    return -1;
}

}  // namespace velmora::win32
