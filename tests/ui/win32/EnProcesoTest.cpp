// The Windows front end inside the test's own process, where Wine lets a
// program read a window's menu and icons (another process cannot): the menu
// bar as the table describes it, with access keys and no shortcuts, and the
// two-car icon on the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/DisenoVelmora.h"
#include "ui/win32/Aplicacion.h"
#include "ui/win32/Identificadores.h"
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
        RegistrarClases(GetModuleHandleW(nullptr));
        ventana_ = VentanaVelmora::Crear(GetModuleHandleW(nullptr));
        ASSERT_NE(ventana_, nullptr);
    }
    void TearDown() override { DestroyWindow(ventana_); }

    HWND ventana_ = nullptr;
};

TEST_F(EnProceso, BarraDeMenus) {
    HMENU barra = GetMenu(ventana_);
    ASSERT_NE(barra, nullptr);
    EXPECT_EQ(Entradas(barra), (std::vector<std::wstring>{L"&Amortizacion", L"&Ayuda"}));
    const auto id = [](const char* nombre) {
        return L" #" + std::to_wstring(IdMenu(ui::kMenuVelmora, nombre));
    };
    EXPECT_EQ(
        Entradas(GetSubMenu(barra, 0)),
        (std::vector<std::wstring>{L"&Calcular" + id("menuCalcular"), L"-" + id("menuSeparador1"),
                                   L"&Salir" + id("menuSalir")}));
    EXPECT_EQ(Entradas(GetSubMenu(barra, 1)),
              (std::vector<std::wstring>{
                  L"&Ejemplos" + id("menuEjemplos"), L"&Formula" + id("menuFormula"),
                  L"-" + id("menuSeparador2"), L"&Acerca de" + id("menuAcercaDe")}));
    // No command has a keyboard shortcut: none is named after a tab.
    for (int m = 0; m < 2; ++m) {
        for (const std::wstring& entrada : Entradas(GetSubMenu(barra, m))) {
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
        EXPECT_EQ(mapa.bmWidth,
                  tipo == ICON_BIG ? GetSystemMetrics(SM_CXICON) : GetSystemMetrics(SM_CXSMICON));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

}  // namespace
}  // namespace velmora::win32
