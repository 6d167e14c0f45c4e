#include "VentanaFija.h"

#include "Aplicacion.h"
#include "Constructor.h"
#include "Identificadores.h"
#include "Unicode.h"

namespace velmora::win32 {

void VentanaFija::Mostrar(const ui::DisenoVentana& diseno, HWND propietario) {
    const auto instancia = HINSTANCE(GetWindowLongPtrW(propietario, GWLP_HINSTANCE));
    // Fixed single border, a title and the close button only.
    HWND ventana = CreateWindowExW(
        0, kClaseVentanaFija, Utf16(diseno.titulo).c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
        CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, propietario, nullptr, instancia, nullptr);
    if (!ventana) return;
    PonerIcono(ventana);
    Construidos controles;
    SetWindowLongPtrW(ventana, GWLP_USERDATA, LONG_PTR(&controles));
    Construir(diseno, ventana, controles);
    ColocarEnPantalla(ventana);

    EnableWindow(propietario, FALSE);
    ShowWindow(ventana, SW_SHOW);
    // The first control that takes the focus has it (none in the formula).
    if (const std::size_t foco = ui::PrimerFoco(diseno.controles); foco < diseno.controles.size()) {
        SetFocus(controles.controles[foco]);
    }
    BucleDeMensajes([ventana] { return IsWindow(ventana) != FALSE; });
    // (The main window was enabled again as this one closed, before it went
    // away, so that Windows hands the activation back to it.)
    EnableWindow(propietario, TRUE);
}

LRESULT CALLBACK VentanaFija::Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_COMMAND:
            // Escape, through the dialog manager.
            if (LOWORD(w) == IDCANCEL) PostMessageW(ventana, WM_CLOSE, 0, 0);
            return 0;
        case WM_CLOSE:
            EnableWindow(GetWindow(ventana, GW_OWNER), TRUE);
            DestroyWindow(ventana);
            return 0;
    }
    if (auto* controles =
            reinterpret_cast<Construidos*>(GetWindowLongPtrW(ventana, GWLP_USERDATA))) {
        LRESULT respuesta = 0;
        if (MensajeDeConstruidos(*controles, ventana, mensaje, w, l, respuesta)) return respuesta;
    }
    return DefWindowProcW(ventana, mensaje, w, l);
}

}  // namespace velmora::win32
