#include "Formula.h"

#include "VentanaFija.h"
#include "ui/DisenoFormula.h"

namespace velmora::win32 {

void Formula::Mostrar(HWND propietario) {
    VentanaFija::Mostrar(ui::kDisenoFormula, propietario, nullptr);
}

Formula& FormularioFormula() {
    static Formula formulario;
    return formulario;
}

}  // namespace velmora::win32
