// Prints the shared scenarios (Escenarios.h) as JSON, for the page's tests,
// which play them in the browser: {"campos": [the fields' names, in the
// order of the scenarios' texts], "escenarios": [{"nombre", "textos",
// "resultado" | "mensaje"}], "ordenDeTabulacion": [...], "ejemplos":
// {"filas": [...], "primera", "ultima"}}.
#include <cstdio>
#include <string>
#include <string_view>

#include "Escenarios.h"

namespace {

std::string Json(std::string_view texto) {
    std::string j = "\"";
    for (const char c : texto) {
        if (c == '"' || c == '\\') {
            j += '\\';
            j += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escapado[8];
            std::snprintf(escapado, sizeof escapado, "\\u%04x", c);
            j += escapado;
        } else {
            j += c;
        }
    }
    return j + '"';
}

template <typename Lista, typename F>
std::string Arreglo(const Lista& lista, F elemento) {
    std::string j = "[";
    for (const auto& e : lista) j += (j.size() > 1 ? "," : "") + elemento(e);
    return j + "]";
}

}  // namespace

int main() {
    using namespace velmora::prueba;
    const auto escenario = [](const Escenario& e) {
        return "{\"nombre\":" + Json(e.nombre) + ",\"textos\":" + Arreglo(e.textos, Json) +
               (e.resultado ? ",\"resultado\":" + Json(e.resultado)
                            : ",\"mensaje\":" + Json(e.mensaje)) +
               "}";
    };
    const auto texto = [](const char* t) { return Json(t); };
    const auto campo = [](const velmora::Campo& c) { return Json(c.nombre); };
    std::printf(
        "{\"campos\":%s,\"escenarios\":%s,\"ordenDeTabulacion\":%s,"
        "\"ejemplos\":{\"filas\":%s,\"primera\":%s,\"ultima\":%s}}\n",
        Arreglo(velmora::kCampos, campo).c_str(), Arreglo(kEscenarios, escenario).c_str(),
        Arreglo(kOrdenDeTabulacion, texto).c_str(),
        Arreglo(velmora::ui::kFilasEjemplos, texto).c_str(), Json(kPrimerEjemplo).c_str(),
        Json(kUltimoEjemplo).c_str());
}
