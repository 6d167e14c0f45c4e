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
    for (const ui::EntradaMenu& e : ui::kMenuVelmora) {
        if (e.tipo == ui::TipoEntrada::Menu) {
            menus.push_back(Utf16(e.titulo));
            entradas.emplace_back();
            continue;
        }
        const std::wstring id = L" #" + std::to_wstring(IdMenu(ui::kMenuVelmora, e.nombre));
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
        EXPECT_EQ(mapa.bmWidth,
                  tipo == ICON_BIG ? GetSystemMetrics(SM_CXICON) : GetSystemMetrics(SM_CXSMICON));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

}  // namespace
}  // namespace velmora::win32
