// Velmora for Windows: after how many kilometres does a diesel car pay off?
// Starts the main window; everything else follows from the user's events.
#include <windows.h>

#include <commctrl.h>

#include "Aplicacion.h"
#include "VentanaVelmora.h"

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int mostrar) {
    // The common controls 6 of the manifest: visual styles.
    INITCOMMONCONTROLSEX controles{sizeof controles, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controles);
    velmora::win32::RegistrarClases(instancia);

    HWND ventana = velmora::win32::VentanaVelmora::Crear(instancia);
    if (!ventana) return 1;
    ShowWindow(ventana, mostrar);
    return velmora::win32::BucleDeMensajes([] { return true; });
}
