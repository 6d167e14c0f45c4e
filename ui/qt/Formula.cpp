#include "Formula.h"

#include "VentanaFija.h"
#include "ui/DisenoFormula.h"

namespace velmora::qt {

using namespace velmora::ui;

void Formula::Mostrar() {
    MostrarVentanaFija(kDisenoFormula, nullptr);
}

Formula& FormularioFormula() {
    static Formula formulario;
    return formulario;
}

}  // namespace velmora::qt
