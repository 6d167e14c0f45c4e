// Pictures of the Windows front end for docs/: starts Velmora.exe, types the
// worked example with interest and calculates, then grabs the main window,
// the examples window, the formula window and the About box from the
// screen, each to a BMP file. Not a test: scripts/capturas-windows runs it
// under Wine and turns the files into PNG.
//   capturas_win32.exe path\to\Velmora.exe folder
#include <windows.h>

#include <cstdio>
#include <string>

#include "Conductor.h"
#include "ui/win32/Identificadores.h"

using namespace std::chrono_literals;
using namespace velmora;
using namespace velmora::prueba;

namespace {

// Writes what the screen shows of `ventana`, frame included, as a 24-bit BMP.
bool Guardar(HWND ventana, const std::wstring& ruta) {
    Sleep(700);  // drawn to the end
    RECT r{};
    GetWindowRect(ventana, &r);
    const int ancho = r.right - r.left, alto = r.bottom - r.top;
    HDC pantalla = GetDC(nullptr);
    HDC memoria = CreateCompatibleDC(pantalla);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), ancho, alto, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP mapa = CreateDIBSection(pantalla, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ anterior = SelectObject(memoria, mapa);
    BitBlt(memoria, 0, 0, ancho, alto, pantalla, r.left, r.top, SRCCOPY);
    SelectObject(memoria, anterior);
    const DWORD fila = DWORD((ancho * 3 + 3) & ~3), tamano = fila * DWORD(alto);
    BITMAPFILEHEADER cabecera{0x4D42,
                              DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) + tamano,
                              0, 0, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    FILE* f = _wfopen(ruta.c_str(), L"wb");
    bool bien = f != nullptr;
    if (f) {
        fwrite(&cabecera, sizeof cabecera, 1, f);
        fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
        fwrite(bits, 1, tamano, f);
        fclose(f);
    }
    DeleteObject(mapa);
    DeleteDC(memoria);
    ReleaseDC(nullptr, pantalla);
    std::printf("%s %dx%d\n", Utf8(ruta).c_str(), ancho, alto);
    return bien;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 3) {
        std::printf("uso: capturas_win32 Velmora.exe carpeta\n");
        return 2;
    }
    const std::wstring carpeta = std::wstring(argv[2]) + L"\\";
    Programa p(argv[1]);
    if (!p.Arrancado()) return 1;
    p.EscribirTodos({"2600000", "6", "115", "2300000", "8", "145", "15000", "5"});
    p.Calcular();
    Esperar([&] { return Texto(p.Control("lblResultado")) == L"74694"; }, 5s);
    // The focus back in the first field, as the window opens.
    PostMessageW(p.Campo(IdCampo::txtPrecioCocheDiesel), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageW(p.Campo(IdCampo::txtPrecioCocheDiesel), WM_LBUTTONUP, 0, 0);
    bool bien = Guardar(p.Principal(), carpeta + L"windows-velmora.bmp");

    for (const auto& [comando, nombre] : {std::pair{"menuEjemplos", L"windows-ejemplos.bmp"},
                                          std::pair{"menuFormula", L"windows-formula.bmp"}}) {
        p.Comando(comando);
        HWND ventana = p.Ventana(win32::kClaseVentanaFija, 5s);
        bien = ventana && Guardar(ventana, carpeta + nombre) && bien;
        if (ventana) {
            PostMessageW(ventana, WM_CLOSE, 0, 0);
            Esperar([&] { return !IsWindow(ventana); });
        }
    }
    p.Comando("menuAcercaDe");
    const CajaDeMensaje caja = p.BuscarCaja(5s);
    bien = caja.ventana && Guardar(caja.ventana, carpeta + L"windows-acerca-de.bmp") && bien;
    if (caja.ventana) p.CerrarCaja(caja);
    p.Comando("menuSalir");
    p.EsperarFin(10s);
    return bien ? 0 : 1;
}
