// The page's front end as seen from C++: the module the page loads
// (velmora.js and velmora.wasm), through emscripten's bindings. It holds no
// logic of its own: the page's script implements FrenteVelmora as the
// object Module.frente, and FrenteWeb forwards each of FrenteVelmora's
// calls to it; the bindings below hand the page the window tables and the
// shared handlers, the fit rule and the field rule of ui/, all by name.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "calc/Campos.h"
#include "calc/Grafica.h"
#include "ui/Ajuste.h"
#include "ui/Columna.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoVelmora.h"
#include "ui/Entrada.h"
#include "ui/Explicacion.h"
#include "ui/FormularioVelmora.h"
#include "ui/Menus.h"
#include "ui/PlanoGrafica.h"
#include "ui/Textos.h"

namespace velmora::web {
namespace {

using emscripten::val;

val Texto(const char* texto) {
    return texto ? val(std::string(texto)) : val::null();
}

// An object of named values for the page: Objeto({{"x", val(1)}, ...}).
val Objeto(std::initializer_list<std::pair<const char*, val>> campos) {
    val o = val::object();
    for (const auto& [nombre, valor] : campos) o.set(nombre, valor);
    return o;
}

class FrenteWeb final : public ui::FrenteVelmora {
  public:
    std::string LeerCampo(IdCampo campo) const override {
        return Pagina().call<std::string>("LeerCampo", int(campo));
    }
    ConfiguracionRegional ConfiguracionDelUsuario() const override {
        const val c = Pagina().call<val>("ConfiguracionDelUsuario");
        return {c["separadorDecimal"].as<std::string>(), c["separadorGrupos"].as<std::string>()};
    }
    std::string TituloVentana() const override {
        return Pagina().call<std::string>("TituloVentana");
    }
    void PonerTituloVentana(std::string_view titulo) override {
        Pagina().call<void>("PonerTituloVentana", std::string(titulo));
    }
    void EscribirResultado(std::string_view texto) override {
        Pagina().call<void>("EscribirResultado", std::string(texto));
    }
    // The page's dialogs do not block: the box closes later, and the page
    // says so (velmora.modalCerrado).
    void MostrarMensaje(std::string_view texto, std::function<void()> cerrada) override {
        cerrada_ = std::move(cerrada);
        Pagina().call<void>("MostrarMensaje", std::string(texto));
    }
    void MostrarVentanaFija(const ui::DisenoVentana& diseno,
                            std::function<void()> cerrada) override {
        cerrada_ = std::move(cerrada);
        Pagina().call<void>("MostrarVentanaFija", std::string(diseno.nombre));
    }
    void PedirTurno() override { Pagina().call<void>("PedirTurno"); }
    void Terminar() override { Pagina().call<void>("Terminar"); }
    // The picture of the answer, which the page draws when it will, for its
    // width (web::DibujoGrafica).
    void MostrarGrafica(const std::optional<Grafica>& grafica) override {
        grafica_ = grafica;
        Pagina().call<void>("MostrarGrafica", grafica.has_value());
    }
    const std::optional<Grafica>& UltimaGrafica() const { return grafica_; }

    void ModalCerrado() {
        if (cerrada_) std::exchange(cerrada_, nullptr)();
    }

  private:
    static val Pagina() { return val::module_property("frente"); }

    std::optional<Grafica> grafica_;
    std::function<void()> cerrada_;
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

val Fila(const ui::DisenoVentana& v, std::size_t i) {
    const ui::Control& c = v.controles[i];
    val f = val::object();
    f.set("tipo", c.tipo);
    f.set("nombre", Texto(c.nombre));
    f.set("titulo", Texto(c.titulo));
    const std::size_t marco = ui::FilaDelContenedor(v.controles, i);
    f.set("contenedor", marco < v.controles.size() ? val(int(marco)) : val::null());
    f.set("nombreAccesible", ui::NombreAccesible(c));
    f.set("centrado", bool(c.banderas & ui::Centrado));
    f.set("opaco", bool(c.banderas & ui::Opaco));
    f.set("fondoBlanco", bool(c.banderas & ui::FondoBlanco));
    f.set("resultado", bool(c.banderas & ui::EsResultado));
    f.set("foco", ui::TomaElFoco(c));
    f.set("orden", c.orden);
    f.set("campo", c.campo ? val(int(*c.campo)) : val::null());
    val filas = val::array();
    for (const char* fila : c.filas) filas.call<void>("push", std::string(fila));
    f.set("filas", filas);
    return f;
}

// The window tables, the menu bar and the page's fixed texts.
val Tablas() {
    val t = val::object();
    t.set("tituloAplicacion", Texto(ui::kTituloAplicacion));
    t.set("aceptar", Texto(ui::kTextoAceptar));
    t.set("cerrar", Texto(ui::kTextoCerrar));
    t.set("terminado", Texto(ui::kTextoTerminado));
    t.set("volverAEmpezar", Texto(ui::kTextoVolverAEmpezar));
    val ventanas = val::array();
    for (const ui::DisenoVentana* v : kVentanas) {
        val w = val::object();
        w.set("nombre", Texto(v->nombre));
        w.set("titulo", Texto(v->titulo));
        val controles = val::array();
        for (std::size_t i = 0; i < v->controles.size(); ++i) {
            controles.call<void>("push", Fila(*v, i));
        }
        w.set("controles", controles);
        ventanas.call<void>("push", w);
    }
    t.set("ventanas", ventanas);
    val menu = val::array();
    for (const ui::EntradaMenu& e : ui::kMenuVelmora) {
        val m = val::object();
        m.set("tipo", e.tipo);
        m.set("nombre", Texto(e.nombre));
        m.set("titulo", Texto(e.titulo));
        m.set("orden", e.orden);
        m.set("tecla", std::string(1, ui::TeclaDeAcceso(e.titulo)));
        menu.call<void>("push", m);
    }
    t.set("menu", menu);
    return t;
}

// Lays window `ventana` out (ui/Columna.h) in CSS pixels (15 twips to one at
// factor 1) in at most `espacio.ancho` x `espacio.alto`, from a font of
// `espacio.puntos` points: as drawn, its font shrunk where needed, or on a
// screen too narrow for it, in one column. The measurer sets a font
// (PonerLetra gives the line, a list's row and the borders at it) and
// measures texts at the font it last set, which the window keeps.
val Ajustar(int ventana, val espacio, val medidor) {
    const ui::DisenoVentana& diseno = Ventana(ventana);
    const auto medir = [&](double puntos) {
        const val m = medidor.call<val>("PonerLetra", puntos);
        ui::Medidas medidas;
        medidas.anchoDeTexto = [medidor](std::string_view texto) {
            return medidor.call<int>("AnchoDeTexto", std::string(texto));
        };
        medidas.altoDeLetra = medidas.altoTituloMarco = m["altoDeLetra"].as<int>();
        medidas.altoFilaLista = m["altoFilaLista"].as<int>();
        medidas.bordeCampo = m["bordeCampo"].as<int>();
        medidas.bordeLista = m["bordeLista"].as<int>();
        return medidas;
    };
    const ui::Disposicion d = ui::Disponer(
        diseno, 1.0 / ui::kTwipsPorPixel, espacio["ancho"].as<int>(), espacio["alto"].as<int>(),
        espacio["puntos"].as<double>(), ui::kPuntosEnColumna, ui::kMinimoToque, medir);
    medidor.call<val>("PonerLetra", d.puntos);
    val cajas = val::array();
    for (const ui::Rectangulo& r : d.cajas) {
        cajas.call<void>("push", Objeto({{"x", val(r.x)},
                                         {"y", val(r.y)},
                                         {"ancho", val(r.ancho)},
                                         {"alto", val(r.alto)}}));
    }
    val hecho = val::object();
    hecho.set("enColumna", d.enColumna);
    hecho.set("puntos", d.puntos);
    hecho.set("ancho", d.ancho);
    hecho.set("alto", d.alto);
    hecho.set("cajas", cajas);
    return hecho;
}

// The picture of the last answer for a chart `ancho` pixels wide, or null
// where it has none: its words (ui/Explicacion.h) and the plan of its chart
// (ui/PlanoGrafica.h), each line and text with the page's class for it.
// The measurer writes a number in the browser's format (Numero), measures
// a text at the chart's font (AnchoDeTexto) and gives its line's height.
val DibujoGrafica(double ancho, val medidor) {
    const auto& grafica = Frente().UltimaGrafica();
    if (!grafica) return val::null();
    const ui::Escritura escritura{[medidor](double valor, int decimales) {
                                      return medidor.call<std::string>("Numero", valor, decimales);
                                  },
                                  Frente().ConfiguracionDelUsuario().separadorDecimal};
    const ui::MedidasGrafica medidas{[medidor](std::string_view texto) {
                                         return medidor.call<double>("AnchoDeTexto",
                                                                     std::string(texto));
                                     },
                                     medidor["altoDeLetra"].as<double>()};
    const ui::Explicacion e = ui::ExplicacionDe(*grafica, escritura);
    const ui::PlanoGrafica plano = ui::PlanoDe(e, ancho, medidas, escritura);
    static constexpr const char* kTrazos[] = {"rejilla", "cero", "diferencia", "ahorro"};
    static constexpr const char* kEstilos[] = {
        "", "anos", "titulo-eje", "rotulo-diferencia", "rotulo-ahorro", "rotulo-cruce"};
    static constexpr const char* kAnclas[] = {"start", "middle", "end"};
    val x = val::object();
    x.set("titulo", e.titulo);
    x.set("nombreGrafica", e.nombreGrafica);
    x.set("tituloTabla", e.tituloTabla);
    val frases = val::array(), tabla = val::array();
    for (const std::string& f : e.frases) frases.call<void>("push", f);
    for (const auto& [nombre, valor] : e.tabla) {
        val fila = val::array();
        fila.call<void>("push", nombre);
        fila.call<void>("push", valor);
        tabla.call<void>("push", fila);
    }
    x.set("frases", frases);
    x.set("tabla", tabla);
    x.set("ancho", plano.ancho);
    x.set("alto", plano.alto);
    x.set("radio", plano.radioPunto);
    val segmentos = val::array(), rotulos = val::array(), puntos = val::array();
    for (const ui::Segmento& s : plano.segmentos) {
        segmentos.call<void>("push", Objeto({{"x1", val(s.x1)},
                                             {"y1", val(s.y1)},
                                             {"x2", val(s.x2)},
                                             {"y2", val(s.y2)},
                                             {"clase", val(kTrazos[int(s.trazo)])}}));
    }
    for (const ui::Rotulo& r : plano.rotulos) {
        rotulos.call<void>("push", Objeto({{"x", val(r.x)},
                                           {"y", val(r.y)},
                                           {"ancla", val(kAnclas[int(r.ancla)])},
                                           {"texto", val(r.texto)},
                                           {"clase", val(kEstilos[int(r.estilo)])}}));
    }
    for (const ui::Punto& p : plano.puntos) {
        puntos.call<void>("push", Objeto({{"x", val(p.x)}, {"y", val(p.y)}}));
    }
    x.set("segmentos", segmentos);
    x.set("rotulos", rotulos);
    x.set("puntos", puntos);
    return x;
}

// What field `campo` takes of `entrante` in place of `seleccion` of its
// `largo` code units (ui/Entrada.h): the text to put there, or null when it
// refuses it, and then the message names the field.
val Entrada(int campo, int largo, int seleccion, const std::u16string& entrante, bool pegado) {
    const auto tomado =
        ui::TextoQueEntra(std::size_t(largo), std::size_t(seleccion), entrante, pegado);
    if (tomado) return val(*tomado);
    if (campo >= 0 && std::size_t(campo) < kNumeroCampos) {
        Formulario().TextoDemasiadoLargo(IdCampo(campo));
    }
    return val::null();
}

// A menu bar's keys (ui/Menus.h), by the rows of kMenuVelmora.
int MenuDeTecla(std::string tecla) {
    return tecla.size() == 1 ? ui::MenuDeTecla(ui::kMenuVelmora, tecla[0]) : -1;
}

}  // namespace
}  // namespace velmora::web

EMSCRIPTEN_BINDINGS(velmora) {
    using namespace emscripten;
    using namespace velmora;
    enum_<ui::Tipo>("Tipo")
        .value("Marco", ui::Tipo::Marco)
        .value("Etiqueta", ui::Tipo::Etiqueta)
        .value("Campo", ui::Tipo::Campo)
        .value("Boton", ui::Tipo::Boton)
        .value("Lista", ui::Tipo::Lista)
        .value("Linea", ui::Tipo::Linea);
    enum_<ui::TipoEntrada>("TipoEntrada")
        .value("Menu", ui::TipoEntrada::Menu)
        .value("Orden", ui::TipoEntrada::Orden)
        .value("Separador", ui::TipoEntrada::Separador);
    enum_<ui::Orden>("Orden")
        .value("Ninguna", ui::Orden::Ninguna)
        .value("Calcular", ui::Orden::Calcular)
        .value("Salir", ui::Orden::Salir)
        .value("Ejemplos", ui::Orden::Ejemplos)
        .value("Formula", ui::Orden::Formula)
        .value("AcercaDe", ui::Orden::AcercaDe);
    function("tablas", &web::Tablas);
    function("ajustar", &web::Ajustar);
    function("entrada", &web::Entrada);
    function("menuDeTecla", &web::MenuDeTecla);
    function("grafica", &web::DibujoGrafica);
    // The main window's handlers (ui/FormularioVelmora.h).
    function(
        "formLoad", +[] { web::Formulario().Form_Load(); });
    function(
        "ejecutar", +[](ui::Orden orden) { web::Formulario().Ejecutar(orden); });
    function(
        "turno", +[] { web::Formulario().Turno(); });
    function(
        "modalCerrado", +[] { web::Frente().ModalCerrado(); });
}
