// The floor Velmora.exe's start-up is measured against: one bare Win32
// window with a menu bar, built and linked as Velmora.exe is (static,
// Unicode), nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    if (mensaje == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(ventana, mensaje, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int mostrar) {
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof clase;
    clase.lpfnWndProc = Proc;
    clase.hInstance = instancia;
    clase.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    clase.lpszClassName = L"VentanaMinima";
    RegisterClassExW(&clase);
    HMENU barra = CreateMenu();
    AppendMenuW(barra, MF_STRING, 1, L"&Menu");
    HWND ventana =
        CreateWindowExW(0, L"VentanaMinima", L"Ventana minima",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 328, 419, nullptr, barra, instancia, nullptr);
    ShowWindow(ventana, mostrar);
    MSG mensaje;
    while (GetMessageW(&mensaje, nullptr, 0, 0) > 0) {
        TranslateMessage(&mensaje);
        DispatchMessageW(&mensaje);
    }
    return 0;
}
