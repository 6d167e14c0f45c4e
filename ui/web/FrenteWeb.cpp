// The page's front end as seen from C++: the module the page loads
// (velmora.js and velmora.wasm). It holds no logic of its own either: the
// page's script implements FrenteVelmora as the object Module.frente, and
// this unit forwards each of FrenteVelmora's calls to it, runs the shared
// handlers of ui/FormularioVelmora for the page, and hands it the window
// tables, the fit rule and what a field takes of a text, all from ui/.
//
// Texts cross as UTF-8 (UTF-16 for what a field takes, as the page's
// strings are), through the module's heap: a text the page hands over is
// copied at once; a text handed to the page lives until the next call.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Campos.h"
#include "calc/Grafica.h"
#include "ui/Ajuste.h"
#include "ui/Colocacion.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/Entrada.h"
#include "ui/FormularioVelmora.h"
#include "ui/Textos.h"

// What the page's FrenteVelmora does; each returns or takes UTF-8.
// clang-format off
EM_JS(char*, web_leer_campo, (int campo), {
    return allocateUTF8(Module.frente.LeerCampo(campo));
});
EM_JS(char*, web_separador, (int decimal), {
    const c = Module.frente.ConfiguracionDelUsuario();
    return allocateUTF8(decimal ? c.separadorDecimal : c.separadorGrupos);
});
EM_JS(char*, web_titulo_ventana, (), {
    return allocateUTF8(Module.frente.TituloVentana());
});
EM_JS(void, web_poner_titulo_ventana, (const char* titulo), {
    Module.frente.PonerTituloVentana(UTF8ToString(titulo));
});
EM_JS(void, web_escribir_resultado, (const char* texto), {
    Module.frente.EscribirResultado(UTF8ToString(texto));
});
EM_JS(void, web_mostrar_mensaje, (const char* texto), {
    Module.frente.MostrarMensaje(UTF8ToString(texto));
});
EM_JS(void, web_mostrar_ventana_fija, (const char* nombre), {
    Module.frente.MostrarVentanaFija(UTF8ToString(nombre));
});
EM_JS(void, web_despues, (), {
    Module.frente.Despues();
});
EM_JS(void, web_terminar, (), {
    Module.frente.Terminar();
});
EM_JS(void, web_calculado, (), {
    if (Module.alCalcular) Module.alCalcular();
});
EM_JS(int, web_ancho_de_texto, (const char* texto), {
    return Module.frente.AnchoDeTexto(UTF8ToString(texto));
});
// clang-format on

namespace velmora::web {
namespace {

// A text the page allocated in the heap, taken and freed.
std::string Tomar(char* texto) {
    std::string copia = texto ? texto : "";
    std::free(texto);
    return copia;
}

class FrenteWeb final : public ui::FrenteVelmora {
  public:
    TextosCampos LeerCampos() const override {
        TextosCampos textos;
        for (const Campo& campo : kCampos) {
            textos[campo.id] = Tomar(web_leer_campo(int(campo.id)));
        }
        return textos;
    }
    ConfiguracionRegional ConfiguracionDelUsuario() const override {
        return {Tomar(web_separador(1)), Tomar(web_separador(0))};
    }
    std::string TituloVentana() const override { return Tomar(web_titulo_ventana()); }
    void PonerTituloVentana(std::string_view titulo) override {
        web_poner_titulo_ventana(std::string(titulo).c_str());
    }
    void EscribirResultado(std::string_view texto) override {
        web_escribir_resultado(std::string(texto).c_str());
    }
    void MostrarMensaje(std::string_view texto) override {
        web_mostrar_mensaje(std::string(texto).c_str());
    }
    void MostrarVentanaFija(const ui::DisenoVentana& diseno) override {
        web_mostrar_ventana_fija(diseno.nombre);
    }
    void Despues(std::function<void()> tarea) override {
        tareas_.push_back(std::move(tarea));
        web_despues();
    }
    void Terminar() override { web_terminar(); }

    // Runs the tasks Despues queued; the page calls it from its event loop.
    void Tareas() {
        while (!tareas_.empty()) {
            const std::function<void()> tarea = std::move(tareas_.front());
            tareas_.pop_front();
            tarea();
        }
    }

  private:
    std::deque<std::function<void()>> tareas_;
};

FrenteWeb& Frente() {
    static FrenteWeb frente;
    return frente;
}

ui::FormularioVelmora& Formulario() {
    static ui::FormularioVelmora formulario(Frente());
    return formulario;
}

// The three windows, in the order the page names them by number.
const ui::DisenoVentana* const kVentanas[] = {&ui::kDisenoVelmora, &ui::kDisenoEjemplos,
                                              &ui::kDisenoFormula};

const ui::DisenoVentana& Ventana(int indice) {
    return *kVentanas[indice >= 0 && indice < 3 ? indice : 0];
}

// A JSON string of a UTF-8 text (null as null).
void Cadena(std::string& json, const char* texto) {
    if (!texto) {
        json += "null";
        return;
    }
    json += '"';
    for (const char* p = texto; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += char(c);
        } else if (c < 0x20) {
            static const char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[c >> 4];
            json += kHex[c & 15];
        } else {
            json += char(c);
        }
    }
    json += '"';
}

std::string TablasJson() {
    std::string j = "{\"tituloAplicacion\":";
    Cadena(j, ui::kTituloAplicacion);
    j += ",\"twipsPorPixel\":" + std::to_string(ui::kTwipsPorPixel);
    j += ",\"largoMaximoCampo\":" + std::to_string(kLargoMaximoCampo);
    j += ",\"campos\":[";
    for (const Campo& campo : kCampos) {
        if (campo.id != IdCampo{}) j += ',';
        Cadena(j, std::string(campo.nombre).c_str());
    }
    j += "],\"ventanas\":[";
    for (const ui::DisenoVentana* v : kVentanas) {
        if (v != kVentanas[0]) j += ',';
        j += "{\"nombre\":";
        Cadena(j, v->nombre);
        j += ",\"titulo\":";
        Cadena(j, v->titulo);
        j += ",\"anchoCliente\":" + std::to_string(v->anchoCliente);
        j += ",\"altoCliente\":" + std::to_string(v->altoCliente) + ",\"controles\":[";
        bool primero = true;
        for (const ui::Control& c : v->controles) {
            static const char* const kTipos[] = {"Marco", "Etiqueta", "Campo",
                                                 "Boton", "Lista",    "Linea"};
            j += primero ? "{" : ",{";
            primero = false;
            j += "\"tipo\":";
            Cadena(j, kTipos[int(c.tipo)]);
            j += ",\"nombre\":";
            Cadena(j, c.nombre);
            j += ",\"titulo\":";
            Cadena(j, c.titulo);
            j += ",\"contenedor\":";
            Cadena(j, c.contenedor);
            j += ",\"nombreAccesible\":";
            Cadena(j, c.nombreAccesible);
            j += ",\"fondoBlanco\":";
            j += (c.banderas & ui::FondoBlanco) ? "true" : "false";
            j += ",\"centrado\":";
            j += (c.banderas & ui::Centrado) ? "true" : "false";
            j += ",\"opaco\":";
            j += (c.banderas & ui::Opaco) ? "true" : "false";
            j += ",\"filas\":[";
            for (std::size_t f = 0; f < c.filas.size(); ++f) {
                if (f) j += ',';
                Cadena(j, c.filas[f]);
            }
            j += "]}";
        }
        j += "]}";
    }
    j += "],\"menu\":[";
    for (std::size_t i = 0; i < ui::kMenuVelmora.size(); ++i) {
        const ui::EntradaMenu& e = ui::kMenuVelmora[i];
        static const char* const kTipos[] = {"Menu", "Orden", "Separador"};
        j += i ? ",{" : "{";
        j += "\"tipo\":";
        Cadena(j, kTipos[int(e.tipo)]);
        j += ",\"nombre\":";
        Cadena(j, e.nombre);
        j += ",\"titulo\":";
        Cadena(j, e.titulo);
        j += ",\"orden\":" + std::to_string(int(e.orden)) + "}";
    }
    j += "]}";
    return j;
}

std::string Numero(double valor) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.17g", valor);
    return texto;
}
std::string Numero(const std::optional<double>& valor) {
    return valor ? Numero(*valor) : "null";
}

// The picture of the answer (calc/Grafica.h) for the fields as they stand,
// as JSON; null where the request ends with a message about the figures.
std::string GraficaJson() {
    const std::optional<Grafica> g =
        GraficaDe(Frente().LeerCampos(), Frente().ConfiguracionDelUsuario());
    if (!g) return "null";
    static const char* const kCasos[] = {"SeAmortiza", "AmortizadoDesdeYa", "NuncaSeAmortiza",
                                         "VentajaQueSeAcaba", "MismoPrecio"};
    std::string j = "{\"caso\":";
    Cadena(j, kCasos[int(g->caso)]);
    j += std::string(",\"conInteres\":") + (g->conInteres ? "true" : "false");
    j += ",\"diferencia\":" + Numero(g->diferencia);
    j += ",\"diferenciaPrecio\":" + Numero(g->diferenciaPrecio);
    j += ",\"ahorroPorKm\":" + Numero(g->ahorroPorKm);
    j += ",\"distancia\":" + Numero(g->distancia);
    j += ",\"textoDistancia\":";
    Cadena(j, g->textoDistancia.c_str());
    j += ",\"kmAno\":" + Numero(g->kmAno);
    j += ",\"anos\":" + Numero(g->anos);
    j += ",\"precioLitroGasolina\":" + Numero(g->precioLitroGasolina);
    j += ",\"precioLitroGasoil\":" + Numero(g->precioLitroGasoil);
    j += ",\"gasolinaLimite\":" + Numero(g->gasolinaLimite);
    j += ",\"gasoilLimite\":" + Numero(g->gasoilLimite) + "}";
    return j;
}

// What the last call of velmora_ajustar placed: for every control of the
// window, left, top, width and height in CSS pixels from its container's
// corner, then the client area's width and height.
std::vector<int> cajas;

// The text a UTF-16 function gives back, null-terminated.
std::u16string devuelto;

}  // namespace
}  // namespace velmora::web

using namespace velmora;

extern "C" {

// The window tables, the menu bar and the program's constants, as JSON.
EMSCRIPTEN_KEEPALIVE const char* velmora_tablas() {
    static const std::string json = web::TablasJson();
    return json.c_str();
}

// The picture of the answer for the fields as they stand (calc/Grafica.h).
EMSCRIPTEN_KEEPALIVE const char* velmora_grafica() {
    static std::string json;
    json = web::GraficaJson();
    return json.c_str();
}

// The main window's handlers (ui/FormularioVelmora.h).
EMSCRIPTEN_KEEPALIVE void velmora_form_load() {
    web::Formulario().Form_Load();
}
// After a calculation request (the button, or the menu's command) the page
// is told, so that what it shows beside the window (velmora_grafica)
// follows the window.
EMSCRIPTEN_KEEPALIVE void velmora_calcular() {
    web::Formulario().cmdCalcular_Click();
    web_calculado();
}
EMSCRIPTEN_KEEPALIVE void velmora_orden(int orden) {
    web::Formulario().Ejecutar(ui::Orden(orden));
    if (ui::Orden(orden) == ui::Orden::Calcular) web_calculado();
}
EMSCRIPTEN_KEEPALIVE void velmora_texto_demasiado_largo(int campo) {
    if (campo >= 0 && std::size_t(campo) < kNumeroCampos) {
        web::Formulario().TextoDemasiadoLargo(IdCampo(campo));
    }
}
EMSCRIPTEN_KEEPALIVE void velmora_tareas() {
    web::Frente().Tareas();
}

// What a field takes of a pasted or dropped text, and of a typed or set one
// (ui/Entrada.h), in UTF-16 code units.
EMSCRIPTEN_KEEPALIVE const char16_t* velmora_texto_pegado(const char16_t* texto, int largo) {
    web::devuelto = ui::TextoPegado(std::u16string_view(texto, std::size_t(largo)));
    return web::devuelto.c_str();
}
EMSCRIPTEN_KEEPALIVE const char16_t* velmora_texto_tecleado(const char16_t* texto, int largo) {
    web::devuelto = ui::TextoTecleado(std::u16string_view(texto, std::size_t(largo)));
    return web::devuelto.c_str();
}

// The fit rule (ui/Ajuste.h) for window `ventana` with the page's
// measurements at its font, in CSS pixels (15 twips to one at factor 1);
// places every control (velmora_cajas) and gives the factor.
EMSCRIPTEN_KEEPALIVE double velmora_ajustar(int ventana, int altoDeLetra, int altoTituloMarco,
                                            int altoFilaLista, int bordeCampo, int bordeLista) {
    const ui::DisenoVentana& diseno = web::Ventana(ventana);
    ui::Medidas m;
    m.anchoDeTexto = [](std::string_view texto) {
        return web_ancho_de_texto(std::string(texto).c_str());
    };
    m.altoDeLetra = altoDeLetra;
    m.altoTituloMarco = altoTituloMarco;
    m.altoFilaLista = altoFilaLista;
    m.bordeCampo = bordeCampo;
    m.bordeLista = bordeLista;
    const ui::Escala escala = ui::EscalaDeAjuste(diseno, 1.0 / ui::kTwipsPorPixel, m);
    web::cajas.clear();
    for (const ui::Control& c : diseno.controles) {
        const ui::Rectangulo caja = escala.Caja(c);
        web::cajas.insert(web::cajas.end(), {caja.x, caja.y, caja.ancho, caja.alto});
    }
    web::cajas.push_back(escala.APixeles(diseno.anchoCliente));
    web::cajas.push_back(escala.APixeles(diseno.altoCliente));
    return escala.Factor();
}
EMSCRIPTEN_KEEPALIVE const int* velmora_cajas() {
    return web::cajas.data();
}

// Where the factor a window needs does not fit the room it has
// (ui/Colocacion.h): the largest factor that fits, and the font size, in
// points, to try next.
EMSCRIPTEN_KEEPALIVE double velmora_factor_que_cabe(int ventana, int ancho, int alto) {
    return ui::FactorQueCabe(web::Ventana(ventana), 1.0 / ui::kTwipsPorPixel, ancho, alto);
}
EMSCRIPTEN_KEEPALIVE double velmora_puntos_para_caber(double puntos, double necesario,
                                                      double cabe) {
    return ui::PuntosParaCaber(puntos, necesario, cabe);
}
EMSCRIPTEN_KEEPALIVE double velmora_puntos_minimos() {
    return ui::kPuntosMinimos;
}

}  // extern "C"
