#include "Jugador.h"

#include "Escenarios.h"
#include "calc/Mensajes.h"

namespace velmora::prueba {
namespace {

const char* const kEjemplo = "63829";  // the worked example's result

class Partida {
  public:
    explicit Partida(Conductor& c) : c_(c) {}

    void Escenario(const velmora::prueba::Escenario& e, Via via) {
        const std::string nombre =
            std::string(e.nombre) + (via == Via::Boton ? ", by the button" : ", by the menu");
        TrasElEjemplo(nombre);
        c_.Escribir(e.textos);
        const auto campos = c_.Campos();
        const Visto v = c_.Calcular(via, e.resultado);
        Comprobar(c_.Campos() == campos, nombre + ": the fields changed");
        if (e.resultado) {
            Comprobar(v.resultado == e.resultado && !v.caja,
                      nombre + ": result " + v.resultado + (v.caja ? ", and a message" : ""));
        } else {
            Mensaje(v, e.mensaje, kEjemplo, nombre);
        }
    }

    void Entrada(const EntradaDeCampo& en, Modo modo) {
        // A line break or a tab is a key of its own, never typed into a field;
        // a text set whole keeps its lines, as blanks, where a paste keeps
        // its first.
        const std::string texto = en.texto;
        if (modo == Modo::Tecleado && texto.find_first_of("\t\r\n") != std::string::npos) return;
        if (modo == Modo::Fijado && texto.find_first_of("\r\n") != std::string::npos) return;
        FilaTextos fila = kConInteres;
        fila[std::size_t(en.campo)] = "";
        c_.Escribir(fila);
        const auto visto = c_.Entrar(en.campo, texto, modo, false);
        if (!visto) return;
        const std::string nombre = std::string(en.nombre) + NombreDe(modo);
        const std::string campo = c_.Campos()[std::size_t(en.campo)];
        Comprobar(!visto->caja && campo == en.visto, nombre + ": the field shows " + campo);
        const Visto v = c_.Calcular(Via::Boton, kResultadoConInteres);
        Comprobar(v.resultado == kResultadoConInteres && !v.caja,
                  nombre + ": result " + v.resultado);
    }

    void Rechazo(Modo modo) {
        const std::string nombre = std::string("a text too long") + NombreDe(modo);
        TrasElEjemplo(nombre);
        const auto campos = c_.Campos();
        const auto visto = c_.Entrar(kRechazo.campo, std::string(kRechazo.largo, '7'), modo, true);
        if (!visto) return;
        Mensaje(*visto, MensajeTextoDemasiadoLargo(kRechazo.campo), kEjemplo, nombre);
        Comprobar(c_.Campos() == campos, nombre + ": the field changed");
    }

    std::vector<std::string> Fallos() const { return fallos_; }

  private:
    static std::string NombreDe(Modo modo) {
        switch (modo) {
            case Modo::Tecleado:
                return ", typed";
            case Modo::Pegado:
                return ", pasted";
            case Modo::Soltado:
                return ", dropped";
            case Modo::Fijado:
                return ", set";
        }
        return "";
    }

    void Comprobar(bool bien, const std::string& que) {
        if (!bien) fallos_.push_back(que);
    }

    // The worked example and its result, which what follows must keep.
    void TrasElEjemplo(const std::string& nombre) {
        c_.Escribir(kEjemploResuelto);
        const Visto v = c_.Calcular(Via::Boton, kEjemplo);
        Comprobar(v.resultado == kEjemplo && !v.caja,
                  nombre + ": the worked example gives " + v.resultado);
    }

    // One box titled "Velmora" with `texto`, a single OK button, no icon,
    // modal, and the result box still showing `resultado`.
    void Mensaje(const Visto& v, const std::string& texto, const char* resultado,
                 const std::string& nombre) {
        if (!v.caja) {
            Comprobar(false, nombre + ": no message (result " + v.resultado + ")");
            return;
        }
        const Caja& c = *v.caja;
        Comprobar(c.titulo == "Velmora" && c.texto == texto && c.unAceptar && !c.icono && c.modal,
                  nombre + ": the box \"" + c.titulo + "\" says " + c.texto);
        Comprobar(v.resultado == resultado, nombre + ": the result became " + v.resultado);
    }

    Conductor& c_;
    std::vector<std::string> fallos_;
};

}  // namespace

std::vector<std::string> Jugar(Conductor& conductor) {
    Partida partida(conductor);
    for (const Escenario& e : kEscenarios) {
        for (const Via via : {Via::Boton, Via::Menu}) partida.Escenario(e, via);
    }
    constexpr Modo kModos[] = {Modo::Tecleado, Modo::Pegado, Modo::Soltado, Modo::Fijado};
    for (const EntradaDeCampo& en : kEntradas) {
        for (const Modo modo : kModos) partida.Entrada(en, modo);
    }
    for (const Modo modo : kModos) {
        if (modo != Modo::Tecleado) partida.Rechazo(modo);
    }
    return partida.Fallos();
}

}  // namespace velmora::prueba
