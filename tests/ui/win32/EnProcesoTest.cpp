// The Windows front end inside the test's own process, where Wine lets a
// program read a window's menu and icons (another process cannot): the menu
// bar as the table describes it, with access keys and no shortcuts, and the
// two-car icon on the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/win32/Aplicacion.h"
#include "ui/win32/Constructor.h"
#include "ui/win32/Identificadores.h"
#include "ui/win32/Unicode.h"
#include "ui/win32/VentanaVelmora.h"

namespace velmora::win32 {
namespace {

// "&Calcular #1001", or "- #1002" for a separator.
std::vector<std::wstring> Entradas(HMENU menu) {
    std::vector<std::wstring> entradas;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t texto[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = texto;
        info.cch = 64;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        std::wstring entrada = (info.fType & MFT_SEPARATOR) ? L"-" : texto;
        if (!info.hSubMenu) entrada += L" #" + std::to_wstring(info.wID);
        entradas.push_back(entrada);
    }
    return entradas;
}

class EnProceso : public ::testing::Test {
  protected:
    void SetUp() override {
        // Aware of the DPI as Velmora.exe is (its manifest), so that its
        // windows are built and measured at the screen's DPI.
        SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
        RegistrarClases(GetModuleHandleW(nullptr));
        ventana_ = VentanaVelmora::Crear(GetModuleHandleW(nullptr));
        ASSERT_NE(ventana_, nullptr);
    }
    void TearDown() override { DestroyWindow(ventana_); }

    HWND ventana_ = nullptr;
};

// The bar holds the table's menus in its order, each menu its entries with
// their captions and ids, and no entry a shortcut (none is named after a
// tab).
TEST_F(EnProceso, BarraDeMenus) {
    HMENU barra = GetMenu(ventana_);
    ASSERT_NE(barra, nullptr);
    std::vector<std::wstring> menus;
    std::vector<std::vector<std::wstring>> entradas;
    for (std::size_t i = 0; i < ui::kMenuVelmora.size(); ++i) {
        const ui::EntradaMenu& e = ui::kMenuVelmora[i];
        if (e.tipo == ui::TipoEntrada::Menu) {
            menus.push_back(Utf16(e.titulo));
            entradas.emplace_back();
            continue;
        }
        const std::wstring id = L" #" + std::to_wstring(IdDeEntrada(i));
        entradas.back().push_back((e.tipo == ui::TipoEntrada::Separador ? L"-" : Utf16(e.titulo)) +
                                  id);
    }
    EXPECT_EQ(Entradas(barra), menus);
    for (std::size_t m = 0; m < entradas.size(); ++m) {
        EXPECT_EQ(Entradas(GetSubMenu(barra, int(m))), entradas[m]);
        for (const std::wstring& entrada : Entradas(GetSubMenu(barra, int(m)))) {
            EXPECT_EQ(entrada.find(L'\t'), std::wstring::npos);
        }
    }
}

TEST_F(EnProceso, IconoDeDosCoches) {
    const auto icono = [&](WPARAM tipo) {
        return HICON(SendMessageW(ventana_, WM_GETICON, tipo, 0));
    };
    for (WPARAM tipo : {WPARAM(ICON_BIG), WPARAM(ICON_SMALL)}) {
        HICON h = icono(tipo);
        ASSERT_NE(h, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(h, &info));
        BITMAP mapa{};
        GetObjectW(info.hbmColor, sizeof mapa, &mapa);
        const UINT dpi = GetDpiForWindow(ventana_);
        EXPECT_EQ(mapa.bmWidth,
                  GetSystemMetricsForDpi(tipo == ICON_BIG ? SM_CXICON : SM_CXSMICON, dpi))
            << (tipo == ICON_BIG ? "big" : "small") << " at " << dpi << " dpi";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

// The texts of `ventana`'s controls whose text does not fit its box, each
// measured with the font the control draws it in, at the screen's DPI: a
// caption, a button's (inside its padding), every row of a list.
std::vector<std::string> Cortados(HWND ventana, const ui::DisenoVentana& diseno) {
    std::vector<std::string> cortados;
    HDC dc = GetDC(ventana);
    for (std::size_t i = 0; i < diseno.controles.size(); ++i) {
        HWND control = GetDlgItem(ventana, IdDeFila(i));
        SelectObject(dc, HFONT(SendMessageW(control, WM_GETFONT, 0, 0)));
        TEXTMETRICW letra{};
        GetTextMetricsW(dc, &letra);
        const auto ancho = [&](const std::wstring& t) {
            SIZE tamano{};
            GetTextExtentPoint32W(dc, t.c_str(), int(t.size()), &tamano);
            return tamano.cx;
        };
        RECT dentro{};
        GetClientRect(control, &dentro);
        std::vector<std::wstring> textos;
        if (diseno.controles[i].tipo == ui::Tipo::Lista) {
            const auto filas = SendMessageW(control, LB_GETCOUNT, 0, 0);
            for (int f = 0; f < filas; ++f) {
                std::wstring fila(std::size_t(SendMessageW(control, LB_GETTEXTLEN, f, 0)), L'\0');
                SendMessageW(control, LB_GETTEXT, f, LPARAM(fila.data()));
                textos.push_back(fila);
            }
            if (filas * SendMessageW(control, LB_GETITEMHEIGHT, 0, 0) > dentro.bottom) {
                cortados.push_back(std::string(diseno.controles[i].nombre) + " (rows)");
            }
        } else if (diseno.controles[i].tipo != ui::Tipo::Campo) {
            wchar_t texto[256] = {};
            GetWindowTextW(control, texto, 256);
            textos.push_back(texto);
        }
        const bool boton = diseno.controles[i].tipo == ui::Tipo::Boton;
        const LONG margen =
            boton ? 2 * GetSystemMetricsForDpi(SM_CXEDGE, GetDpiForWindow(ventana)) : 0;
        for (const std::wstring& t : textos) {
            if (ancho(t) + margen > dentro.right ||
                (diseno.controles[i].tipo == ui::Tipo::Etiqueta &&
                 letra.tmHeight > dentro.bottom)) {
                cortados.push_back(diseno.controles[i].nombre);
                break;
            }
        }
    }
    ReleaseDC(ventana, dc);
    return cortados;
}

// Every window, built at the screen's DPI (scripts/probar-windows runs this
// at 96, 144 and 192 dpi, the last on a small screen where the windows'
// font shrinks): no text cut.
TEST_F(EnProceso, NingunTextoCortado) {
    EXPECT_EQ(Cortados(ventana_, ui::kDisenoVelmora), std::vector<std::string>{});
    for (const ui::DisenoVentana* diseno : {&ui::kDisenoEjemplos, &ui::kDisenoFormula}) {
        HWND fija =
            CreateWindowExW(0, kClaseVentanaFija, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                            0, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        Construidos controles;
        SetWindowLongPtrW(fija, GWLP_USERDATA, LONG_PTR(&controles));
        Construir(*diseno, fija, controles);
        EXPECT_EQ(Cortados(fija, *diseno), std::vector<std::string>{}) << diseno->nombre;
        SetWindowLongPtrW(fija, GWLP_USERDATA, 0);
        DestroyWindow(fija);
    }
}

}  // namespace
}  // namespace velmora::win32
