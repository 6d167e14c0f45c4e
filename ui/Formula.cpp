#include "Formula.h"

#include "DisenoFormula.h"
#include "VentanaFija.h"

namespace velmora::ui {

void Formula::Mostrar() {
    MostrarVentanaFija(kDisenoFormula, nullptr);
}

}  // namespace velmora::ui
