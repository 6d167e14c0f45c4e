#include "Formula.h"

#include "VentanaFija.h"
#include "ui/DisenoFormula.h"

namespace velmora::win32 {

void Formula::Mostrar(HWND propietario) {
    VentanaFija::Mostrar(ui::kDisenoFormula, propietario, nullptr);
}

}  // namespace velmora::win32
