// Prints the shared scenarios (Escenarios.h) as JSON, for the tests that
// play them from outside C++ (the page's, the accessibility bus's):
// {"campos": [the fields' names, in the order of the scenarios' texts],
// "accesibles": [what a screen reader calls each field, in that order],
// "escenarios": [{"nombre", "textos", "resultado" | "mensaje"}],
// "conInteres": [texts], "resultadoConInteres", "entradas": [{"nombre",
// "campo", "texto", "visto"}], "rechazo": {"campo", "largo", "mensaje"},
// "ordenDeTabulacion": [...], "ejemplos": {"filas", "primera", "ultima"},
// "motores": [{"nombre", "motores": [2 names as the drop-down lists them],
// "textos": {id: text}, "resultado" | "mensaje"}]}.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "Escenarios.h"
#include "calc/Mensajes.h"
#include "ui/DisenoMotores.h"
#include "ui/DisenoVelmora.h"

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
    using velmora::DatosDe;
    const auto escenario = [](const Escenario& e) {
        return "{\"nombre\":" + Json(e.nombre) + ",\"textos\":" + Arreglo(e.textos, Json) +
               (e.resultado ? ",\"resultado\":" + Json(e.resultado)
                            : ",\"mensaje\":" + Json(e.mensaje)) +
               "}";
    };
    const auto entrada = [](const EntradaDeCampo& e) {
        return "{\"nombre\":" + Json(e.nombre) + ",\"campo\":" + Json(DatosDe(e.campo).nombre) +
               ",\"texto\":" + Json(e.texto) + ",\"visto\":" + Json(e.visto) + "}";
    };
    const auto texto = [](const char* t) { return Json(t); };
    const auto motores = [](const EscenarioMotores& e) {
        const auto nombre = [](std::string_view clave) {
            const auto* c = std::find(std::begin(velmora::ui::kClavesMotor),
                                      std::end(velmora::ui::kClavesMotor), clave);
            return Json(
                velmora::kMotores[std::size_t(c - std::begin(velmora::ui::kClavesMotor))].nombre);
        };
        std::string textos;
        for (const auto& [id, t] : e.textos) {
            if (id) textos += (textos.empty() ? "" : ",") + Json(id) + ":" + Json(t);
        }
        return "{\"nombre\":" + Json(e.nombre) + ",\"motores\":[" + nombre(e.motores[0]) + "," +
               nombre(e.motores[1]) + "],\"textos\":{" + textos + "}" +
               (e.resultado ? ",\"resultado\":" + Json(e.resultado)
                            : ",\"mensaje\":" + Json(e.mensaje)) +
               "}";
    };
    const auto campo = [](const velmora::Campo& c) { return Json(c.nombre); };
    const auto accesible = [](const velmora::Campo& c) {
        const auto& filas = velmora::ui::kControlesVelmora;
        return Json(velmora::ui::NombreAccesible(filas[velmora::ui::FilaDelCampo(filas, c.id)]));
    };
    const std::string rechazo = "{\"campo\":" + Json(DatosDe(kRechazo.campo).nombre) +
                                ",\"largo\":" + std::to_string(kRechazo.largo) + ",\"mensaje\":" +
                                Json(velmora::MensajeTextoDemasiadoLargo(kRechazo.campo)) + "}";
    std::printf(
        "{\"campos\":%s,\"accesibles\":%s,\"escenarios\":%s,\"conInteres\":%s,"
        "\"resultadoConInteres\":%s,\"entradas\":%s,\"rechazo\":%s,\"ordenDeTabulacion\":%s,"
        "\"ejemplos\":{\"filas\":%s,\"primera\":%s,\"ultima\":%s},\"motores\":%s}\n",
        Arreglo(velmora::kCampos, campo).c_str(), Arreglo(velmora::kCampos, accesible).c_str(),
        Arreglo(kEscenarios, escenario).c_str(), Arreglo(kConInteres, Json).c_str(),
        Json(kResultadoConInteres).c_str(), Arreglo(kEntradas, entrada).c_str(), rechazo.c_str(),
        Arreglo(kOrdenDeTabulacion, texto).c_str(),
        Arreglo(velmora::ui::kFilasEjemplos, texto).c_str(), Json(kPrimerEjemplo).c_str(),
        Json(kUltimoEjemplo).c_str(), Arreglo(kEscenariosMotores, motores).c_str());
}
