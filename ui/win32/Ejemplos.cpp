#include "Ejemplos.h"

#include "Unicode.h"
#include "VentanaFija.h"
#include "ui/DisenoEjemplos.h"

namespace velmora::win32 {

void Ejemplos::PonerEjemplos(HWND lstEjemplos) {
    for (const char* fila : ui::kFilasEjemplos) {
        SendMessageW(lstEjemplos, LB_ADDSTRING, 0, LPARAM(Ancho(fila).c_str()));
    }
}

void Ejemplos::Mostrar(HWND propietario) {
    VentanaFija::Mostrar(ui::kDisenoEjemplos, propietario, [](const Construidos& controles) {
        // Form_Load
        PonerEjemplos(controles.Buscar("lstEjemplos"));
    });
}

Ejemplos& FormularioEjemplos() {
    static Ejemplos formulario;
    return formulario;
}

}  // namespace velmora::win32
