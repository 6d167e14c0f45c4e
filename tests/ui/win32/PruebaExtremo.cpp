// Velmora.exe driven from another process, as a user's tools meet it:
// end-to-end test of the Windows front end, run under Wine by
// scripts/probar-windows at several regional conventions and DPIs.
//
//   prueba_extremo.exe path\to\Velmora.exe dpi
//
// Types the worked example and reads the results, checks every message of a
// request (title, text, a single OK button, no icon, result and fields
// kept), the place and size of every control in twips and that no caption
// is cut, the examples and formula windows and the About box, the keyboard
// order and Return on the focused button, refused texts that are too long,
// the version record, and that "&Salir" and closing end the program with 0.
// Prints one line a check and "N passed, N failed".
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Conductor.h"
#include "Escenarios.h"
#include "Jugador.h"
#include "calc/Mensajes.h"
#include "ui/Ajuste.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/Textos.h"
#include "ui/win32/Constructor.h"
#include "ui/win32/Identificadores.h"

using namespace std::chrono_literals;
using namespace velmora;
using namespace velmora::prueba;

namespace {

std::wstring gEjecutable;

std::string Convencion() {
    wchar_t nombre[LOCALE_NAME_MAX_LENGTH] = {};
    GetUserDefaultLocaleName(nombre, LOCALE_NAME_MAX_LENGTH);
    return Utf8(nombre);
}

std::wstring Separador(LCTYPE que) {
    wchar_t texto[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, que, texto, 8);
    return texto;
}

// A whole number as the user types it: grouped by the user's separator, or
// by the key that stands for it (a space for a blank, ' for U+2019).
std::wstring Tecleado(long numero) {
    std::wstring grupo = Separador(LOCALE_STHOUSAND);
    if (grupo == L"\u00a0" || grupo == L"\u202f") grupo = L" ";
    if (grupo == L"\u2019") grupo = L"'";
    const std::wstring cifras = std::to_wstring(numero);
    std::wstring texto;
    for (std::size_t i = 0; i < cifras.size(); ++i) {
        if (i > 0 && (cifras.size() - i) % 3 == 0) texto += grupo;
        texto += cifras[i];
    }
    return texto;
}

std::wstring Resultado(const Programa& p) {
    return Texto(p.Control("lblResultado"));
}

// Clicks "Calcular" and waits for the result to read `esperado`.
bool CalculaY(const Programa& p, const std::wstring& esperado) {
    SendMessageW(p.Control("lblResultado"), WM_SETTEXT, 0, LPARAM(L""));
    p.Calcular();
    return Esperar([&] { return Resultado(p) == esperado; }, 5s);
}

void EjemploResuelto(const Programa& p) {
    p.EscribirTodos(kEjemploResuelto);
    p.Escribir(IdCampo::txtPrecioCocheDiesel, Tecleado(2600000));
    p.Escribir(IdCampo::txtPrecioCocheGasolina, Tecleado(2300000));
}

void Ventana(const Programa& p, Cuenta& ok) {
    HWND v = p.Principal();
    ok(Texto(v) == L"Amortización Diesel v1.0", "title " + Utf8(Texto(v)));
    const auto estilo = GetWindowLongPtrW(v, GWL_STYLE);
    ok((estilo & WS_MINIMIZEBOX) && !(estilo & WS_MAXIMIZEBOX) && !(estilo & WS_THICKFRAME),
       "fixed single border, minimise button only");
    ok(Resultado(p).empty(), "the result box starts empty");
    // Whole on the screen, inside the area the desktop leaves free.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(v, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT marco{}, dentro{};
    GetWindowRect(v, &marco);
    ok(IntersectRect(&dentro, &marco, &monitor.rcWork) && EqualRect(&dentro, &marco),
       "the window lies inside the screen's free area: " +
           std::to_string(marco.right - marco.left) + " x " +
           std::to_string(marco.bottom - marco.top) + " at " + std::to_string(marco.left) + "," +
           std::to_string(marco.top));
}

void Calculos(const Programa& p, Cuenta& ok) {
    EjemploResuelto(p);
    ok(CalculaY(p, L"63829"), "worked example typed as a " + Convencion() + " user: 63829");
    p.Escribir(IdCampo::txtKmAno, Tecleado(15000));
    p.Escribir(IdCampo::txtInteres, L"5");
    ok(CalculaY(p, L"74694"), "with " + Utf8(Tecleado(15000)) + " km a year at 5 %: 74694");

    // The widest results fit the box.
    p.EscribirTodos({"12345679", "0", "0", "0", "100", "1", "", ""});
    const std::wstring exponente = L"1" + Separador(LOCALE_SDECIMAL) + L"234568E+07";
    ok(CalculaY(p, exponente), "ten million and more in exponent form: " + Utf8(exponente));
}

void Escenarios(const Programa& p, Cuenta& ok) {
    ConductorWin32 conductor(p);
    const auto fallos = Jugar(conductor);
    for (const std::string& fallo : fallos) ok(false, fallo);
    ok(fallos.empty(), "the shared scenarios, field entries and refusals, set, typed and pasted");
}

UINT gPuntosPorPulgada = 96;

void Geometria(const char* ventana, HWND w, const ui::DisenoVentana& diseno, Cuenta& ok) {
    const UINT dpi = gPuntosPorPulgada;
    RECT cliente{};
    GetClientRect(w, &cliente);
    const double factor = cliente.right * 1440.0 / (double(diseno.anchoCliente) * dpi);
    const double twipsPorPixel = 1440.0 / (dpi * factor);
    ok(factor >= 1.0 &&
           std::abs(cliente.bottom * twipsPorPixel - diseno.altoCliente) <= twipsPorPixel,
       std::string(ventana) + ": client area " + std::to_string(diseno.anchoCliente) + " x " +
           std::to_string(diseno.altoCliente) + " twips at " + std::to_string(dpi) +
           " dpi, factor " + std::to_string(factor));

    std::vector<std::string> fuera;
    for (const ui::Control& c : diseno.controles) {
        HWND control = GetDlgItem(w, IdControl(diseno.controles, c.nombre));
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, w, reinterpret_cast<POINT*>(&r), 2);
        int x = 0, y = 0;
        if (c.contenedor) {
            const ui::Control& marco =
                diseno.controles[ui::IndiceControl(diseno.controles, c.contenedor)];
            x = marco.izquierda;
            y = marco.arriba;
        }
        const bool linea = c.tipo == ui::Tipo::Linea;
        const double esperado[] = {double(x + c.izquierda), double(y + c.arriba),
                                   double(linea ? c.ancho - c.izquierda : c.ancho),
                                   linea ? twipsPorPixel : double(c.alto)};
        const double medido[] = {r.left * twipsPorPixel, r.top * twipsPorPixel,
                                 (r.right - r.left) * twipsPorPixel,
                                 (r.bottom - r.top) * twipsPorPixel};
        for (int i = 0; i < 4; ++i) {
            // Both edges are rounded to pixels, and the factor is read back
            // from the rounded client width: a pixel and a half of play.
            if (std::abs(esperado[i] - medido[i]) > 1.5 * twipsPorPixel) {
                char detalle[160];
                std::snprintf(detalle, sizeof detalle,
                              "%s (%.0f,%.0f %.0fx%.0f twips, not %.0f,%.0f %.0fx%.0f)", c.nombre,
                              medido[0], medido[1], medido[2], medido[3], esperado[0], esperado[1],
                              esperado[2], esperado[3]);
                fuera.push_back(detalle);
                break;
            }
        }
    }
    const auto lista = [](const std::vector<std::string>& v) {
        std::string s;
        for (const auto& n : v) s += " " + n;
        return s;
    };
    ok(fuera.empty(), std::string(ventana) + ": every control at its twips" + lista(fuera));
}

HWND AbrirVentanaFija(const Programa& p, const char* comando, const wchar_t* titulo) {
    p.Comando(comando);
    HWND w = p.Ventana(win32::kClaseVentanaFija, 5s);
    return (w && Texto(w) == titulo) ? w : nullptr;
}

bool CerrarVentana(const Programa& p, HWND w) {
    PostMessageW(w, WM_CLOSE, 0, 0);
    return Esperar([&] { return !IsWindow(w) && IsWindowEnabled(p.Principal()); });
}

void Ejemplos(const Programa& p, Cuenta& ok) {
    for (int vez = 1; vez <= 3; ++vez) {
        HWND w = AbrirVentanaFija(p, "menuEjemplos", L"Ejemplos :");
        if (!ok(w != nullptr, "Ejemplos opens, time " + std::to_string(vez))) return;
        HWND lista = GetDlgItem(w, IdControl(ui::kControlesEjemplos, "lstEjemplos"));
        std::vector<std::string> filas;
        const auto n = SendMessageW(lista, LB_GETCOUNT, 0, 0);
        for (int f = 0; f < n; ++f) {
            std::wstring fila(std::size_t(SendMessageW(lista, LB_GETTEXTLEN, f, 0)), L'\0');
            SendMessageW(lista, LB_GETTEXT, f, LPARAM(fila.data()));
            filas.push_back(Utf8(fila));
        }
        const auto estilo = GetWindowLongPtrW(w, GWL_STYLE);
        HWND pie = GetDlgItem(w, IdControl(ui::kControlesEjemplos, "Label1"));
        ok(EjemplosComoSeVen(filas) && !(GetWindowLongPtrW(lista, GWL_STYLE) & WS_VSCROLL) &&
               SendMessageW(lista, LB_GETCURSEL, 0, 0) == LB_ERR &&
               !IsWindowEnabled(p.Principal()) && (estilo & WS_SYSMENU) &&
               !(estilo & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) &&
               Texto(pie) == L"Ejemplos cogidos de la revista Coche Actual" &&
               (GetWindowLongPtrW(pie, GWL_STYLE) & SS_CENTER),
           "Ejemplos: 16 rows in order, none selected, no scroll bar, modal, close button only");
        if (vez == 1) Geometria("Ejemplos", w, ui::kDisenoEjemplos, ok);
        ok(CerrarVentana(p, w), "Ejemplos closes and the main window takes input again");
    }
}

void Formula(const Programa& p, Cuenta& ok) {
    HWND w = AbrirVentanaFija(p, "menuFormula", L"Formula");
    if (!ok(w != nullptr, "Formula opens")) return;
    const auto texto = [&](const char* nombre) {
        return Texto(GetDlgItem(w, IdControl(ui::kControlesFormula, nombre)));
    };
    ok(texto("Label1") == L"Formula matemática para la realización de los calculos es:" &&
           texto("Label2") == L"PCD - PCG" &&
           texto("Label10") == L"PG    - Precio del litro de gasolina",
       "Formula: its texts exact");
    // The main fraction bar is drawn over the bottom of "PCD - PCG".
    HWND etiqueta = GetDlgItem(w, IdControl(ui::kControlesFormula, "Label2"));
    HWND barra = GetDlgItem(w, IdControl(ui::kControlesFormula, "Line1"));
    RECT e{}, b{};
    GetWindowRect(etiqueta, &e);
    GetWindowRect(barra, &b);
    POINT cruce{(e.left + e.right) / 2, b.top};
    ScreenToClient(w, &cruce);
    ok(IntersectRect(&e, &e, &b) && ChildWindowFromPointEx(w, cruce, CWP_ALL) == barra,
       "Formula: the fraction bar over the numerator");
    bool enfocable = false;
    for (HWND h = GetWindow(w, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        enfocable = enfocable || (GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP);
    }
    ok(!enfocable, "Formula: nothing takes the focus");
    Geometria("Formula", w, ui::kDisenoFormula, ok);
    ok(CerrarVentana(p, w), "Formula closes");
}

void AcercaDe(const Programa& p, Cuenta& ok) {
    p.Comando("menuAcercaDe");
    const CajaDeMensaje caja = p.BuscarCaja(5s);
    ok(caja.ventana && caja.titulo == L"Velmora" && caja.texto == Utf16(ui::TextoAcercaDe()) &&
           caja.botones == std::vector<int>{IDOK} && !caja.icono,
       "Acerca de: its four lines, title Velmora, one OK, no icon");
    if (caja.ventana) ok(p.CerrarCaja(caja), "Acerca de closes");
}

// A key pressed and released, sent to the foreground window, with a
// modifier held down when one is given (VK_SHIFT, VK_MENU for Alt).
void Tecla(WORD tecla, WORD modificador = 0) {
    INPUT entrada[4] = {};
    int n = 0;
    const auto poner = [&](WORD vk, DWORD banderas) {
        entrada[n].type = INPUT_KEYBOARD;
        entrada[n].ki.wVk = vk;
        entrada[n].ki.dwFlags = banderas;
        ++n;
    };
    if (modificador) poner(modificador, 0);
    poner(tecla, 0);
    poner(tecla, KEYEVENTF_KEYUP);
    if (modificador) poner(modificador, KEYEVENTF_KEYUP);
    SendInput(UINT(n), entrada, sizeof(INPUT));
}

HWND Foco(const Programa& p) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(p.Principal(), nullptr), &info);
    return info.hwndFocus;
}

void Teclado(const Programa& p, Cuenta& ok) {
    SetForegroundWindow(p.Principal());
    // A click into the diesel price puts the focus there.
    HWND primero = p.Campo(IdCampo::txtPrecioCocheDiesel);
    PostMessageW(primero, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(primero, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ok(Esperar([&] { return Foco(p) == primero; }, 5s), "a click puts the focus in a field");
    bool enOrden = true;
    std::string recorrido;
    for (const char* siguiente : kOrdenDeTabulacion) {
        Tecla(VK_TAB);
        const bool llega = Esperar([&] { return Foco(p) == p.Control(siguiente); }, 2s);
        recorrido += std::string(" ") + (llega ? siguiente : "?");
        enOrden = enOrden && llega;
    }
    ok(enOrden, "Tab:" + recorrido);
    Tecla(VK_TAB, VK_SHIFT);
    ok(Esperar([&] { return Foco(p) == p.Control("txtInteres"); }, 2s),
       "Shift+Tab goes back to txtInteres");
    Tecla(VK_TAB);
    Esperar([&] { return Foco(p) == primero; }, 2s);

    // Return in a field presses nothing; on the focused button it calculates,
    // as Space does.
    EjemploResuelto(p);
    SendMessageW(p.Control("lblResultado"), WM_SETTEXT, 0, LPARAM(L""));
    Tecla(VK_RETURN);
    Sleep(300);
    ok(Resultado(p).empty() && !p.BuscarCaja(0ms).ventana, "Return in a field starts nothing");
    for (int i = 0; i < 6; ++i) Tecla(VK_TAB);
    const bool enBoton = Esperar([&] { return Foco(p) == p.Control("cmdCalcular"); }, 2s);
    SendMessageW(p.Control("lblResultado"), WM_SETTEXT, 0, LPARAM(L""));
    Tecla(VK_RETURN);
    ok(enBoton && Esperar([&] { return Resultado(p) == L"63829"; }, 5s),
       "Return on the focused Calcular: 63829");
    SendMessageW(p.Control("lblResultado"), WM_SETTEXT, 0, LPARAM(L""));
    Tecla(VK_SPACE);
    ok(Esperar([&] { return Resultado(p) == L"63829"; }, 5s), "Space on the focused Calcular");
}

void TextosLargos(const Programa& p, Cuenta& ok) {
    EjemploResuelto(p);
    HWND campo = p.Campo(IdCampo::txtPrecioCocheDiesel);
    const std::wstring antes = Texto(campo);
    const std::wstring mensaje = Utf16(MensajeTextoDemasiadoLargo(IdCampo::txtPrecioCocheDiesel));
    const auto negado = [&](const std::function<void()>& accion) {
        accion();
        const CajaDeMensaje caja = p.BuscarCaja(5s);
        const bool cerrada = caja.ventana && p.CerrarCaja(caja);
        return cerrada && caja.texto == mensaje && Texto(campo) == antes;
    };
    const std::wstring mega(std::size_t(1) << 20, L'7');
    ok(PonerPortapapeles(p.Principal(), mega) && negado([&] {
           SendMessageW(campo, EM_SETSEL, 0, -1);
           SendMessageW(campo, WM_PASTE, 0, 0);
       }),
       "a megabyte pasted: refused with its message, field kept");

    const std::wstring lleno(kLargoMaximoCampo, L'7');
    PonerPortapapeles(p.Principal(), lleno);
    SendMessageW(campo, EM_SETSEL, 0, -1);
    SendMessageW(campo, WM_PASTE, 0, 0);
    ok(Texto(campo) == lleno && !p.BuscarCaja(300ms).ventana,
       "a paste as long as the bound is taken whole");
    const std::wstring conLleno = Texto(campo);
    PostMessageW(campo, WM_CHAR, L'1', 0);
    const CajaDeMensaje caja = p.BuscarCaja(5s);
    const bool cerrada = caja.ventana && p.CerrarCaja(caja);
    ok(cerrada && caja.texto == mensaje && Texto(campo) == conLleno,
       "a key press into a full field: refused with its message");
    // A burst of keys queued before the box opens: one box, never one
    // inside another.
    for (int i = 0; i < 50; ++i) PostMessageW(campo, WM_CHAR, L'8', 0);
    std::vector<HWND> cajas;
    for (int vez = 0; vez < 20; ++vez) {
        const CajaDeMensaje c = p.BuscarCaja(vez == 0 ? 10s : 2s);
        if (!c.ventana) break;
        if (std::find(cajas.begin(), cajas.end(), c.ventana) == cajas.end()) {
            cajas.push_back(c.ventana);
        }
        p.CerrarCaja(c);
    }
    ok(cajas.size() == 1 && Texto(campo) == conLleno,
       "50 keys into a full field: one message (" + std::to_string(cajas.size()) + ")");
    p.Escribir(IdCampo::txtPrecioCocheDiesel, L"2600000");
}

std::wstring ValorDeVersion(const std::vector<char>& datos, const wchar_t* nombre) {
    wchar_t* valor = nullptr;
    UINT largo = 0;
    const std::wstring ruta = std::wstring(L"\\StringFileInfo\\040A04B0\\") + nombre;
    if (!VerQueryValueW(datos.data(), ruta.c_str(), reinterpret_cast<void**>(&valor), &largo))
        return {};
    return std::wstring(valor, largo ? largo - 1 : 0);
}

void Version(Cuenta& ok) {
    // The four numbers of the record as the system packs them.
    constexpr DWORD kMs = (kVersionDelRegistro[0] << 16) | kVersionDelRegistro[1];
    constexpr DWORD kLs = (kVersionDelRegistro[2] << 16) | kVersionDelRegistro[3];
    DWORD ignorado = 0;
    std::vector<char> datos(GetFileVersionInfoSizeW(gEjecutable.c_str(), &ignorado));
    const bool leido = !datos.empty() && GetFileVersionInfoW(gEjecutable.c_str(), 0,
                                                             DWORD(datos.size()), datos.data());
    VS_FIXEDFILEINFO* fija = nullptr;
    UINT largo = 0;
    const bool fijo =
        leido && VerQueryValueW(datos.data(), L"\\", reinterpret_cast<void**>(&fija), &largo) &&
        fija->dwFileVersionMS == kMs && fija->dwFileVersionLS == kLs &&
        fija->dwProductVersionMS == kMs && fija->dwProductVersionLS == kLs;
    DWORD* traduccion = nullptr;
    const bool idioma = leido &&
                        VerQueryValueW(datos.data(), L"\\VarFileInfo\\Translation",
                                       reinterpret_cast<void**>(&traduccion), &largo) &&
                        largo >= 4 && LOWORD(*traduccion) == 0x040A && HIWORD(*traduccion) == 1200;
    const std::wstring texto = Utf16(kTextoVersionDelRegistro);
    ok(fijo && idioma && ValorDeVersion(datos, L"FileVersion") == texto &&
           ValorDeVersion(datos, L"ProductVersion") == texto &&
           ValorDeVersion(datos, L"ProductName") == L"Velmora" &&
           ValorDeVersion(datos, L"InternalName") == L"Velmora" &&
           ValorDeVersion(datos, L"OriginalFilename") == L"Velmora.exe",
       "version record " + std::string(kTextoVersionDelRegistro) +
           ", Spanish, Velmora, Velmora.exe");
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc != 3) {
        std::printf("uso: prueba_extremo Velmora.exe puntos-por-pulgada\n");
        return 2;
    }
    gEjecutable = argv[1];
    // Aware of the DPI as Velmora is, so that its windows, its monitor and
    // its font are seen in its own pixels.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    gPuntosPorPulgada = GetDpiForSystem();
    Cuenta ok;
    std::printf("convention %s\n", Convencion().c_str());
    ok(gPuntosPorPulgada == UINT(_wtoi(argv[2])),
       "the screen has " + std::to_string(gPuntosPorPulgada) + " dpi");
    {
        Programa p(gEjecutable);
        if (!ok(p.Arrancado(), "Velmora starts and shows its window")) return ok.Terminar();
        Ventana(p, ok);
        Geometria("Velmora", p.Principal(), ui::kDisenoVelmora, ok);
        Calculos(p, ok);
        Escenarios(p, ok);
        Ejemplos(p, ok);
        Formula(p, ok);
        AcercaDe(p, ok);
        Teclado(p, ok);
        TextosLargos(p, ok);
        EjemploResuelto(p);
        CalculaY(p, L"63829");
        p.Comando("menuSalir");
        ok(p.EsperarFin(10s) == 0, "&Salir with a result shown ends the program with 0");
    }
    {
        Programa p(gEjecutable);
        PostMessageW(p.Principal(), WM_CLOSE, 0, 0);
        ok(p.Arrancado() && p.EsperarFin(10s) == 0, "closing the main window ends it with 0");
    }
    {
        Programa p(gEjecutable);
        SetForegroundWindow(p.Principal());
        Esperar([&] { return GetForegroundWindow() == p.Principal(); }, 5s);
        Tecla(VK_F4, VK_MENU);
        ok(p.Arrancado() && p.EsperarFin(10s) == 0, "Alt+F4 ends it with 0");
    }
    Version(ok);
    return ok.Terminar();
}
