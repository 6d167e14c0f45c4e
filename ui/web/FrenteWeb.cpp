// The page's front end as seen from C++: the module the page loads
// (velmora.js and velmora.wasm), through emscripten's bindings. It holds no
// logic of its own: the page's script implements FrenteVelmora as the
// object Module.frente, and FrenteWeb forwards each of FrenteVelmora's
// calls to it; the bindings at the end hand the page the window tables and
// the shared handlers, the layout rule and the field rule of ui/, and the
// picture of an answer. Every value that crosses is of a type declared
// there (value_object, enum_), described for the page's script in
// velmora.d.ts; lists cross as arrays of such values.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/Campos.h"
#include "calc/OperacionCalcular.h"
#include "calc/PreciosReales.h"
#include "calc/Repeticion.h"
#include "ui/DisenoEjemplos.h"
#include "ui/DisenoFormula.h"
#include "ui/DisenoMotores.h"
#include "ui/DisenoVelmora.h"
#include "ui/Disposicion.h"
#include "ui/Entrada.h"
#include "ui/Explicacion.h"
#include "ui/ExplicacionRepeticion.h"
#include "ui/FormularioMotores.h"
#include "ui/FormularioVelmora.h"
#include "ui/Menus.h"
#include "ui/PlanoGrafica.h"
#include "ui/PlanoRepeticion.h"
#include "ui/Textos.h"

namespace velmora::web {
namespace {

using emscripten::val;

// The three windows, in the order the page knows them by number (Ventana).
const ui::DisenoVentana* const kVentanas[] = {&ui::kDisenoVelmora, &ui::kDisenoEjemplos,
                                              &ui::kDisenoFormula};

// Window `indice`; a number that is none is a fault of the page, raised to
// it as a RangeError.
const ui::DisenoVentana& Ventana(int indice) {
    if (indice < 0 || indice >= int(std::size(kVentanas))) {
        val::global("RangeError")
            .new_(std::string("no hay ventana ") + std::to_string(indice))
            .throw_();
    }
    return *kVentanas[indice];
}

int NumeroDeVentana(const ui::DisenoVentana& diseno) {
    for (std::size_t i = 0; i < std::size(kVentanas); ++i) {
        if (kVentanas[i] == &diseno) return int(i);
    }
    return -1;
}

std::string Texto(const char* texto) {
    return texto ? texto : "";
}

// An index into a table, or -1 for none (its size).
int Indice(std::size_t i, std::size_t tamano) {
    return i < tamano ? int(i) : -1;
}

// ---- what crosses to the page -------------------------------------------

// A row of a window's table as the page draws it: its container, and the
// field a label names, as rows of the same table.
struct Fila {
    ui::Tipo tipo;
    std::string nombre, titulo, nombreAccesible;
    int contenedor, campo, rotula;
    bool centrado, opaco, fondoBlanco, resultado, foco;
    ui::Orden orden;
    val filas = val::array();  // a list's rows, in the order it shows them (FilasEnOrden)
};

struct VentanaWeb {
    std::string nombre, titulo;
    val controles = val::array();  // Fila, in the table's (and the keyboard's) order
    int foco;                      // the row that has the focus when it opens, or -1
};

struct Entrada {
    ui::TipoEntrada tipo;
    std::string nombre, titulo, tecla;
    ui::Orden orden;
};

struct Tablas {
    std::string tituloAplicacion, aceptar, cerrar, terminado, volverAEmpezar, enlaceMotores;
    std::string rotuloMoneda;     // the replay's currency switch: its caption
    val monedas = val::array();   // and its choices, by EleccionMoneda
    val ventanas = val::array();  // VentanaWeb, numbered as Ventana() numbers them
    val menu = val::array();      // Entrada, in the bar's order
    val campos = val::array();    // the fields' names, by IdCampo
};

struct Disposicion {
    bool enColumna;
    double puntos;
    int ancho, alto;
    val cajas = val::array();  // ui::Rectangulo, a row each, from its container's corner
};

// A picture below the window: of an answer (ui/Explicacion.h,
// ui/PlanoGrafica.h) or of its replay over real prices
// (ui/ExplicacionRepeticion.h, ui/PlanoRepeticion.h). Its table's rows are
// arrays of texts, each headed by its first; where the table has columns,
// their heading. A chart of no width is none (a replay without a currency).
// The replay's weeks cross as arrays of coordinates, x and y by turns.
struct LineaWeb {
    val puntos = val::undefined();  // Float64Array
    ui::Trazo trazo = ui::Trazo::Semanas;
};

struct Dibujo {
    std::string titulo, nombreGrafica, tituloTabla;
    val frases = val::array();    // std::string
    val columnas = val::array();  // std::string
    val filas = val::array();     // arrays of std::string
    double ancho = 0, alto = 0, radio = 0;
    // ui::Segmento, ui::Rotulo, ui::Punto, LineaWeb
    val segmentos = val::array(), rotulos = val::array(), puntos = val::array(),
        lineas = val::array();
};

// A row of the view "Otros motores" (ui/DisenoMotores.h): which motors of
// its car show it, as bits by kMotores' order, and its placeholder.
struct FilaMotoresWeb {
    ui::TipoFila tipo;
    std::string nombre, titulo, ejemplo;
    int contenedor, coche, motores;
};

struct MotorWeb {
    std::string nombre, clave;  // as the drop-down lists it, and in the address
};

struct TablaMotores {
    std::string titulo, enlace, volver;
    val filas = val::array();    // FilaMotoresWeb, in the keyboard's order
    val motores = val::array();  // MotorWeb, by kMotores' order
};

template <typename T>
val Arreglo(const std::vector<T>& valores) {
    return val::array(valores);
}

Fila FilaDe(const ui::DisenoVentana& v, std::size_t i) {
    const ui::Control& c = v.controles[i];
    const std::size_t n = v.controles.size();
    std::vector<std::string> filas;
    for (const char* fila : ui::FilasEnOrden(c)) filas.emplace_back(fila);
    return {c.tipo,
            Texto(c.nombre),
            Texto(c.titulo),
            ui::NombreAccesible(c),
            Indice(ui::FilaDelContenedor(v.controles, i), n),
            c.campo ? int(*c.campo) : -1,
            Indice(ui::CampoQueRotula(v.controles, i), n),
            bool(c.banderas & ui::Centrado),
            bool(c.banderas & ui::Opaco),
            bool(c.banderas & ui::FondoBlanco),
            bool(c.banderas & ui::EsResultado),
            ui::TomaElFoco(c),
            c.orden,
            Arreglo(filas)};
}

Tablas TablasDeLaPagina() {
    std::vector<VentanaWeb> ventanas;
    for (const ui::DisenoVentana* v : kVentanas) {
        std::vector<Fila> filas;
        for (std::size_t i = 0; i < v->controles.size(); ++i) filas.push_back(FilaDe(*v, i));
        ventanas.push_back({v->nombre, v->titulo, Arreglo(filas),
                            Indice(ui::PrimerFoco(v->controles), v->controles.size())});
    }
    std::vector<Entrada> menu;
    for (const ui::EntradaMenu& e : ui::kMenuVelmora) {
        menu.push_back(
            {e.tipo, e.nombre, e.titulo, std::string(1, ui::TeclaDeAcceso(e.titulo)), e.orden});
    }
    std::vector<std::string> campos;
    for (const Campo& campo : kCampos) campos.emplace_back(campo.nombre);
    const std::vector<std::string> monedas(ui::kEleccionesMoneda.begin(),
                                           ui::kEleccionesMoneda.end());
    return {ui::kTituloAplicacion,    ui::kTextoAceptar,  ui::kTextoCerrar,  ui::kTextoTerminado,
            ui::kTextoVolverAEmpezar, ui::kEnlaceMotores, ui::kRotuloMoneda, Arreglo(monedas),
            Arreglo(ventanas),        Arreglo(menu),      Arreglo(campos)};
}

// ---- FrenteVelmora, forwarded to the page -------------------------------

class FrenteWeb final : public ui::FrenteVelmora {
  public:
    std::string LeerCampo(IdCampo campo) const override {
        return Pagina().call<std::string>("LeerCampo", int(campo));
    }
    ConfiguracionRegional ConfiguracionDelUsuario() const override {
        return Pagina().call<ConfiguracionRegional>("ConfiguracionDelUsuario");
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
    // says so (modalCerrado).
    void MostrarMensaje(const std::vector<std::string>& lineas,
                        std::function<void()> cerrada) override {
        cerrada_ = std::move(cerrada);
        Pagina().call<void>("MostrarMensaje", Arreglo(lineas));
    }
    void MostrarVentanaFija(const ui::DisenoVentana& diseno,
                            std::function<void()> cerrada) override {
        cerrada_ = std::move(cerrada);
        Pagina().call<void>("MostrarVentanaFija", NumeroDeVentana(diseno));
    }
    void PedirTurno() override { Pagina().call<void>("PedirTurno"); }
    void Terminar() override { Pagina().call<void>("Terminar"); }
    // The picture of the answer, which the page draws when it will, for its
    // width (DibujoGrafica).
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

// FrenteMotores, forwarded to the page's object Module.frenteMotores.
class FrenteMotoresWeb final : public ui::FrenteMotores {
  public:
    Motor LeerMotor(int coche) const override {
        const int m = Pagina().call<int>("LeerMotor", coche);
        return m >= 0 && std::size_t(m) < kNumeroMotores ? Motor(m) : Motor::Diesel;
    }
    std::string LeerFila(std::size_t fila) const override {
        return Pagina().call<std::string>("LeerFila", int(fila));
    }
    bool LeerCasilla(std::size_t fila) const override {
        return Pagina().call<bool>("LeerCasilla", int(fila));
    }
    void EscribirResultadoMotores(std::string_view texto) override {
        Pagina().call<void>("EscribirResultado", std::string(texto));
    }
    void MostrarGraficaMotores(const std::optional<Grafica>& grafica) override {
        grafica_ = grafica;
        Pagina().call<void>("MostrarGrafica", grafica.has_value());
    }
    const std::optional<Grafica>& UltimaGrafica() const { return grafica_; }

  private:
    static val Pagina() { return val::module_property("frenteMotores"); }

    std::optional<Grafica> grafica_;
};

FrenteMotoresWeb& FrenteMotores() {
    static FrenteMotoresWeb frente;
    return frente;
}

ui::FormularioMotores& FormularioMotores() {
    static ui::FormularioMotores formulario(FrenteMotores(), Formulario());
    return formulario;
}

TablaMotores TablaDeMotores() {
    const ConfiguracionRegional config = Frente().ConfiguracionDelUsuario();
    std::vector<FilaMotoresWeb> filas;
    for (const ui::FilaMotores& f : ui::kFilasMotores) {
        int motores = 0;
        for (std::size_t m = 0; m < kNumeroMotores; ++m) {
            if (ui::SeMuestra(f, Motor(m), Motor(m))) motores |= 1 << m;
        }
        filas.push_back({f.tipo, f.nombre, std::string(f.titulo),
                         f.tipo == ui::TipoFila::Campo ? ui::Ejemplo(f, config) : "", f.contenedor,
                         f.coche, motores});
    }
    std::vector<MotorWeb> motores;
    for (std::size_t m = 0; m < kNumeroMotores; ++m) {
        motores.push_back({std::string(kMotores[m].nombre), ui::kClavesMotor[m]});
    }
    return {ui::kTituloMotores, ui::kEnlaceMotores, ui::kEnlaceVolver, Arreglo(filas),
            Arreglo(motores)};
}

// ---- the rules of ui/ for the page ----------------------------------------

// Lays window `ventana` out (ui/Disposicion.h) in CSS pixels (15 twips to
// one at factor 1) in `espacio`: as drawn, its font shrunk where needed,
// or on a screen too narrow for it, in one column. The measurer sets a
// font (PonerLetra gives the line, a list's row and the borders at it) and
// measures texts at the font it last set, which the window keeps.
Disposicion Ajustar(int ventana, const ui::Espacio& espacio, val medidor) {
    const ui::DisenoVentana& diseno = Ventana(ventana);
    const auto medir = [&](double puntos) {
        ui::Medidas medidas = medidor.call<ui::Medidas>("PonerLetra", puntos);
        medidas.anchoDeTexto = [medidor](std::string_view texto) {
            return medidor.call<int>("AnchoDeTexto", std::string(texto));
        };
        return medidas;
    };
    const ui::Disposicion d =
        ui::Disponer(diseno, 1.0 / ui::kTwipsPorPixel, espacio, medir, ui::ReglaColumna{});
    medidor.call<val>("PonerLetra", d.puntos);
    return {d.enColumna, d.puntos, d.ancho, d.alto, Arreglo(d.cajas)};
}

// The picture of the last answer for a chart `ancho` pixels wide, or null
// where it has none: its words (ui/Explicacion.h) and the plan of its chart
// (ui/PlanoGrafica.h). The measurer writes a number in the browser's
// format (Numero), measures a text at the chart's font (AnchoDeTexto) and
// gives its line's height.
ui::Escritura EscrituraDe(val medidor) {
    return {[medidor](double valor, int decimales) {
                return medidor.call<std::string>("Numero", valor, decimales);
            },
            Frente().ConfiguracionDelUsuario().separadorDecimal};
}

ui::MedidasGrafica MedidasDe(val medidor) {
    return {[medidor](std::string_view texto) {
                return medidor.call<double>("AnchoDeTexto", std::string(texto));
            },
            medidor["altoDeLetra"].as<double>()};
}

// A chart's plan, into the picture that crosses.
void Trazado(const ui::PlanoGrafica& plano, Dibujo& d) {
    d.ancho = plano.ancho;
    d.alto = plano.alto;
    d.radio = plano.radioPunto;
    d.segmentos = Arreglo(plano.segmentos);
    d.rotulos = Arreglo(plano.rotulos);
    d.puntos = Arreglo(plano.puntos);
    for (const ui::Linea& l : plano.lineas) {
        std::vector<double> xy;
        for (const ui::Punto& p : l.puntos) xy.insert(xy.end(), {p.x, p.y});
        d.lineas.call<void>("push",
                            LineaWeb{val::global("Float64Array")
                                         .new_(emscripten::typed_memory_view(xy.size(), xy.data())),
                                     l.trazo});
    }
}

val Dibujo_(const std::optional<Grafica>& grafica, double ancho, val medidor) {
    if (!grafica) return val::null();
    const ui::Escritura escritura = EscrituraDe(medidor);
    const ui::Explicacion e = ui::ExplicacionDe(*grafica, escritura);
    Dibujo d{e.titulo, e.nombreGrafica, e.tituloTabla, Arreglo(e.frases)};
    for (const auto& [nombre, valor] : e.tabla) {
        d.filas.call<void>("push", Arreglo(std::vector<std::string>{nombre, valor}));
    }
    Trazado(ui::PlanoDe(e, ancho, MedidasDe(medidor), escritura), d);
    return val(std::move(d));
}

val DibujoGrafica(double ancho, val medidor) {
    return Dibujo_(Frente().UltimaGrafica(), ancho, medidor);
}

val DibujoGraficaMotores(double ancho, val medidor) {
    return Dibujo_(FrenteMotores().UltimaGrafica(), ancho, medidor);
}

// Spain's weekly prices, as the page hands them over once (precios.js):
// each week's Monday in days since 1 January 1970, and the two prices in
// euros.
std::vector<SemanaDePrecios>& Precios() {
    static std::vector<SemanaDePrecios> precios;
    return precios;
}

void TomarPrecios(val semanas, val gasoleo, val gasolina) {
    const auto dias = emscripten::convertJSArrayToNumberVector<double>(semanas);
    const auto g = emscripten::convertJSArrayToNumberVector<double>(gasoleo);
    const auto p = emscripten::convertJSArrayToNumberVector<double>(gasolina);
    std::vector<SemanaDePrecios>& precios = Precios();
    precios.clear();
    for (std::size_t i = 0; i < dias.size() && i < g.size() && i < p.size(); ++i) {
        const Fecha f = FechaDe(int(dias[i]));
        precios.push_back({f.ano, f.mes, f.dia, g[i], p[i]});
    }
}

// The replay of the last answer of the main window, or of the view "Otros
// motores", in the currency `eleccion` says (EleccionMoneda), for a chart
// `ancho` pixels wide: null where it has none, or before the page has
// handed the prices over.
val DibujoRepeticion(bool motores, int eleccion, double ancho, val medidor) {
    if (Precios().empty() || eleccion < 0 || eleccion > 2) return val::null();
    const auto como = EleccionMoneda(eleccion);
    const auto r = motores ? FormularioMotores().RepetirLaUltima(Precios(), como)
                           : Formulario().RepetirLaUltima(Precios(), como);
    if (!r) return val::null();
    const ui::Escritura escritura = EscrituraDe(medidor);
    const ui::ExplicacionRepeticion e = ui::ExplicacionDe(*r, escritura);
    Dibujo d{e.titulo, e.nombreGrafica, e.tituloTabla, Arreglo(e.frases), Arreglo(e.columnas)};
    for (const auto& fila : e.filas) d.filas.call<void>("push", Arreglo(fila));
    if (e.hayGrafica) Trazado(ui::PlanoDe(*r, e, ancho, MedidasDe(medidor), escritura), d);
    return val(std::move(d));
}

// What field `campo` takes of `entrante` in place of `seleccion` of its
// `largo` code units (ui/Entrada.h): the text to put there, or null when it
// refuses it, and then the message names the field.
val EntradaDeCampo(int campo, int largo, int seleccion, const std::u16string& entrante,
                   bool pegado) {
    const auto tomado =
        ui::TextoQueEntra(std::size_t(largo), std::size_t(seleccion), entrante, pegado);
    if (tomado) return val(*tomado);
    if (campo >= 0 && std::size_t(campo) < kNumeroCampos) {
        Formulario().TextoDemasiadoLargo(IdCampo(campo));
    }
    return val::null();
}

// The same for the field of row `fila` of the view "Otros motores".
val EntradaDeMotores(int fila, int largo, int seleccion, const std::u16string& entrante,
                     bool pegado) {
    const auto tomado =
        ui::TextoQueEntra(std::size_t(largo), std::size_t(seleccion), entrante, pegado);
    if (tomado) return val(*tomado);
    if (fila >= 0 && std::size_t(fila) < ui::kFilasMotores.size()) {
        FormularioMotores().TextoDemasiadoLargo(std::size_t(fila));
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
    using web::Fila, web::VentanaWeb, web::Entrada, web::Tablas, web::Disposicion, web::Dibujo,
        web::FilaMotoresWeb, web::MotorWeb, web::TablaMotores, web::LineaWeb;

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
    enum_<ui::TipoFila>("TipoFila")
        .value("Marco", ui::TipoFila::Marco)
        .value("Motor", ui::TipoFila::Motor)
        .value("Campo", ui::TipoFila::Campo)
        .value("Casilla", ui::TipoFila::Casilla)
        .value("Nota", ui::TipoFila::Nota)
        .value("Etiqueta", ui::TipoFila::Etiqueta)
        .value("Resultado", ui::TipoFila::Resultado)
        .value("Boton", ui::TipoFila::Boton);
    enum_<ui::Trazo>("Trazo")
        .value("Rejilla", ui::Trazo::Rejilla)
        .value("Eje", ui::Trazo::Eje)
        .value("Diferencia", ui::Trazo::Diferencia)
        .value("Ahorro", ui::Trazo::Ahorro)
        .value("Semanas", ui::Trazo::Semanas)
        .value("Propia", ui::Trazo::Propia)
        .value("SinAmortizar", ui::Trazo::SinAmortizar);
    enum_<ui::Estilo>("Estilo")
        .value("Marca", ui::Estilo::Marca)
        .value("Anos", ui::Estilo::Anos)
        .value("Titulo", ui::Estilo::Titulo)
        .value("Diferencia", ui::Estilo::Diferencia)
        .value("Ahorro", ui::Estilo::Ahorro)
        .value("Cruce", ui::Estilo::Cruce)
        .value("Semanas", ui::Estilo::Semanas)
        .value("Propia", ui::Estilo::Propia)
        .value("SinAmortizar", ui::Estilo::SinAmortizar);
    enum_<ui::Ancla>("Ancla")
        .value("Inicio", ui::Ancla::Inicio)
        .value("Medio", ui::Ancla::Medio)
        .value("Fin", ui::Ancla::Fin);

    value_object<Fila>("Fila")
        .field("tipo", &Fila::tipo)
        .field("nombre", &Fila::nombre)
        .field("titulo", &Fila::titulo)
        .field("nombreAccesible", &Fila::nombreAccesible)
        .field("contenedor", &Fila::contenedor)
        .field("campo", &Fila::campo)
        .field("rotula", &Fila::rotula)
        .field("centrado", &Fila::centrado)
        .field("opaco", &Fila::opaco)
        .field("fondoBlanco", &Fila::fondoBlanco)
        .field("resultado", &Fila::resultado)
        .field("foco", &Fila::foco)
        .field("orden", &Fila::orden)
        .field("filas", &Fila::filas);
    value_object<VentanaWeb>("Ventana")
        .field("nombre", &VentanaWeb::nombre)
        .field("titulo", &VentanaWeb::titulo)
        .field("controles", &VentanaWeb::controles)
        .field("foco", &VentanaWeb::foco);
    value_object<Entrada>("EntradaMenu")
        .field("tipo", &Entrada::tipo)
        .field("nombre", &Entrada::nombre)
        .field("titulo", &Entrada::titulo)
        .field("tecla", &Entrada::tecla)
        .field("orden", &Entrada::orden);
    value_object<Tablas>("Tablas")
        .field("tituloAplicacion", &Tablas::tituloAplicacion)
        .field("aceptar", &Tablas::aceptar)
        .field("cerrar", &Tablas::cerrar)
        .field("terminado", &Tablas::terminado)
        .field("volverAEmpezar", &Tablas::volverAEmpezar)
        .field("enlaceMotores", &Tablas::enlaceMotores)
        .field("rotuloMoneda", &Tablas::rotuloMoneda)
        .field("monedas", &Tablas::monedas)
        .field("ventanas", &Tablas::ventanas)
        .field("menu", &Tablas::menu)
        .field("campos", &Tablas::campos);
    value_object<ConfiguracionRegional>("ConfiguracionRegional")
        .field("separadorDecimal", &ConfiguracionRegional::separadorDecimal)
        .field("separadorGrupos", &ConfiguracionRegional::separadorGrupos);
    value_object<ui::Espacio>("Espacio")
        .field("ancho", &ui::Espacio::ancho)
        .field("alto", &ui::Espacio::alto)
        .field("puntos", &ui::Espacio::puntos);
    value_object<ui::Medidas>("Medidas")
        .field("altoDeLetra", &ui::Medidas::altoDeLetra)
        .field("altoTituloMarco", &ui::Medidas::altoTituloMarco)
        .field("altoFilaLista", &ui::Medidas::altoFilaLista)
        .field("bordeCampo", &ui::Medidas::bordeCampo)
        .field("bordeLista", &ui::Medidas::bordeLista)
        .field("pixelesPorPixel96", &ui::Medidas::pixelesPorPixel96);
    value_object<ui::Rectangulo>("Rectangulo")
        .field("x", &ui::Rectangulo::x)
        .field("y", &ui::Rectangulo::y)
        .field("ancho", &ui::Rectangulo::ancho)
        .field("alto", &ui::Rectangulo::alto);
    value_object<Disposicion>("Disposicion")
        .field("enColumna", &Disposicion::enColumna)
        .field("puntos", &Disposicion::puntos)
        .field("ancho", &Disposicion::ancho)
        .field("alto", &Disposicion::alto)
        .field("cajas", &Disposicion::cajas);
    value_object<ui::Segmento>("Segmento")
        .field("x1", &ui::Segmento::x1)
        .field("y1", &ui::Segmento::y1)
        .field("x2", &ui::Segmento::x2)
        .field("y2", &ui::Segmento::y2)
        .field("trazo", &ui::Segmento::trazo);
    value_object<ui::Rotulo>("Rotulo")
        .field("x", &ui::Rotulo::x)
        .field("y", &ui::Rotulo::y)
        .field("ancla", &ui::Rotulo::ancla)
        .field("texto", &ui::Rotulo::texto)
        .field("estilo", &ui::Rotulo::estilo);
    value_object<ui::Punto>("Punto").field("x", &ui::Punto::x).field("y", &ui::Punto::y);
    value_object<LineaWeb>("Linea")
        .field("puntos", &LineaWeb::puntos)
        .field("trazo", &LineaWeb::trazo);
    value_object<Dibujo>("Dibujo")
        .field("titulo", &Dibujo::titulo)
        .field("nombreGrafica", &Dibujo::nombreGrafica)
        .field("tituloTabla", &Dibujo::tituloTabla)
        .field("frases", &Dibujo::frases)
        .field("columnas", &Dibujo::columnas)
        .field("filas", &Dibujo::filas)
        .field("ancho", &Dibujo::ancho)
        .field("alto", &Dibujo::alto)
        .field("radio", &Dibujo::radio)
        .field("segmentos", &Dibujo::segmentos)
        .field("rotulos", &Dibujo::rotulos)
        .field("puntos", &Dibujo::puntos)
        .field("lineas", &Dibujo::lineas);

    value_object<FilaMotoresWeb>("FilaMotores")
        .field("tipo", &FilaMotoresWeb::tipo)
        .field("nombre", &FilaMotoresWeb::nombre)
        .field("titulo", &FilaMotoresWeb::titulo)
        .field("ejemplo", &FilaMotoresWeb::ejemplo)
        .field("contenedor", &FilaMotoresWeb::contenedor)
        .field("coche", &FilaMotoresWeb::coche)
        .field("motores", &FilaMotoresWeb::motores);
    value_object<MotorWeb>("Motor")
        .field("nombre", &MotorWeb::nombre)
        .field("clave", &MotorWeb::clave);
    value_object<TablaMotores>("TablaMotores")
        .field("titulo", &TablaMotores::titulo)
        .field("enlace", &TablaMotores::enlace)
        .field("volver", &TablaMotores::volver)
        .field("filas", &TablaMotores::filas)
        .field("motores", &TablaMotores::motores);

    function("tablas", &web::TablasDeLaPagina);
    // The view "Otros motores" (ui/DisenoMotores.h, ui/FormularioMotores.h).
    function("tablaMotores", &web::TablaDeMotores);
    function("entradaMotores", &web::EntradaDeMotores);
    function("graficaMotores", &web::DibujoGraficaMotores);
    // The replay of the last answer over real prices (calc/Repeticion.h).
    function("tomarPrecios", &web::TomarPrecios);
    function(
        "hayPrecios", +[] { return !web::Precios().empty(); });
    function("repeticion", &web::DibujoRepeticion);
    function(
        "calcularMotores", +[] { web::FormularioMotores().Calcular(); });
    function("ajustar", &web::Ajustar);
    function("entrada", &web::EntradaDeCampo);
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
    function(
        "modalAbierto", +[] { return web::Formulario().ModalAbierto(); });
}
