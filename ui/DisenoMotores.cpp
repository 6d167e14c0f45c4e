#include "DisenoMotores.h"

#include <cmath>

namespace velmora::ui {

std::string Ejemplo(const FilaMotores& f, const ConfiguracionRegional& config) {
    const double valor = f.dato ? DatosDe(*f.dato).ejemplo : f.uso == DatoUso::KmAno ? 15000 : 3;
    // The whole part grouped by thousands, the fraction after the user's
    // separator: 25000 is "25.000", 1.55 "1,55" in Spanish.
    const auto entera = static_cast<long long>(valor);
    std::string cifras = std::to_string(entera);
    for (std::size_t i = cifras.size(); i > 3; i -= 3) cifras.insert(i - 3, config.separadorGrupos);
    const long long centesimas = std::llround((valor - double(entera)) * 100);
    if (centesimas > 0) {
        std::string fraccion = std::to_string(100 + centesimas).substr(1);
        if (fraccion.back() == '0') fraccion.pop_back();
        cifras += config.separadorDecimal + fraccion;
    }
    return "p. ej. " + cifras;
}

}  // namespace velmora::ui
