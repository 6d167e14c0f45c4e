#include "Explicacion.h"

#include <algorithm>
#include <cmath>

#include "calc/ConversionNumeros.h"

namespace velmora::ui {

double PotenciaDeDiez(int n) {
    double potencia = 1;
    for (int i = 0; i < std::abs(n); ++i) potencia *= 10;
    return n < 0 ? 1 / potencia : potencia;
}

int OrdenDeMagnitud(double valor) {
    int orden = 0;
    while (orden < 400 && valor >= PotenciaDeDiez(orden + 1)) ++orden;
    while (orden > -400 && valor < PotenciaDeDiez(orden)) --orden;
    return orden;
}

std::string Escritura::Exponente(double valor) const {
    return TextoExponencial(valor, {separadorDecimal, ""});
}

std::string Escritura::Numero(double valor, int decimales) const {
    const double magnitud = std::fabs(valor);
    if (magnitud >= 1e7 || (magnitud > 0 && magnitud < 1e-4) || !std::isfinite(valor)) {
        return Exponente(valor);
    }
    const double escala = PotenciaDeDiez(decimales);
    const double redondeado = std::round(valor * escala) / escala;
    return agrupado(redondeado == 0 ? 0.0 : redondeado, decimales);
}

std::string Capitalizado(std::string texto) {
    if (!texto.empty() && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = char(texto[0] - 'a' + 'A');
    return texto;
}

std::string Enumerado(const std::vector<std::string>& partes, std::string_view conjuncion) {
    std::string texto;
    for (std::size_t i = 0; i < partes.size(); ++i) {
        if (i > 0) texto += i + 1 == partes.size() ? " " + std::string(conjuncion) + " " : ", ";
        texto += partes[i];
    }
    return texto;
}

namespace {

using enum CasoAmortizacion;

// "el diésel" after "de": "del diésel".
std::string Del(const std::string& nombre) {
    return nombre.starts_with("el ") ? "del " + nombre.substr(3) : "de " + nombre;
}

// The sentences and the table of one answer, in the reader's numbers: one
// function a kind of answer.
class Redaccion {
  public:
    Redaccion(const Grafica& g, const Escritura& w, const Explicacion& e)
        : g_(g), w_(w), conInteres_(g.conInteres && e.cruzan), kmAno_(e.kmAno) {
        if (g.anos && kmAno_ > 0) tiempo_ = Tiempo(*g.anos);
    }

    std::vector<std::string> Frases() const {
        std::vector<std::string> frases = PorCaso();
        frases.insert(frases.begin() + 1, "Por kilómetro, " + g_.nombres[0] + " gasta " +
                                              PorKm(g_.costeKm[0]) + " y " + g_.nombres[1] + " " +
                                              PorKm(g_.costeKm[1]) + ".");
        return frases;
    }

    std::vector<std::pair<std::string, std::string>> Tabla(const Explicacion& e) const {
        std::vector<std::pair<std::string, std::string>> tabla;
        tabla.emplace_back(e.rotuloDiferencia, Km(g_.diferencia));
        for (int coche : {0, 1}) {
            tabla.emplace_back(
                Capitalizado("gasto por kilómetro " + Del(g_.nombres[std::size_t(coche)])),
                PorKm(g_.costeKm[std::size_t(coche)]));
        }
        tabla.emplace_back("Ahorro por kilómetro", PorKm(g_.ahorroPorKm));
        if (e.cruzan) tabla.emplace_back("Distancia en que se cruzan", Km(g_.distancia) + " km");
        if (!tiempo_.empty()) tabla.emplace_back("Tiempo a " + Km(kmAno_) + " km al año", tiempo_);
        for (const Limite& l : g_.limites) {
            tabla.emplace_back(Capitalizado(Energia(l)) + " en que los dos gastan igual",
                               Dinero(l.limite));
        }
        return tabla;
    }

  private:
    std::string Km(double v) const { return w_.Numero(v, 0); }
    std::string Dinero(double v) const { return w_.Numero(v, 2); }
    // A cost a kilometre with enough digits to compare two: three
    // significant ones at least (0,0316, not 0,03), two decimals at least.
    std::string PorKm(double v) const {
        const int orden = v != 0 ? OrdenDeMagnitud(std::fabs(v)) : 0;
        return w_.Numero(v, std::max(2, 2 - orden));
    }
    // How much `parte` is of `todo`, in percent.
    std::string Porcentaje(double parte, double todo) const {
        return w_.Numero(std::fabs(parte / todo) * 100, 1);
    }
    std::string Nombre1() const { return Capitalizado(g_.nombres[0]); }

    // An energy's name, with its car's where both cars use one so named.
    std::string Energia(const Limite& l) const {
        int veces = 0;
        for (const Limite& otro : g_.limites) veces += otro.energia == l.energia;
        return veces > 1 ? l.energia + " del coche " + std::to_string(l.coche + 1) : l.energia;
    }

    // A time in years, or in days where that is under a hundredth of a year.
    std::string Tiempo(double anos) const {
        const double dias = anos * 365;
        const auto cuantos = [](const std::string& n, const char* uno, const char* varios) {
            return n + (n == "1" ? uno : varios);
        };
        if (anos >= 0.005) return cuantos(Dinero(anos), " año", " años");
        return dias >= 1 ? cuantos(Km(dias), " día", " días") : "menos de un día";
    }

    // " A 15.000 km al año, son 4,98 años." where there is a time.
    std::string Anos() const {
        if (tiempo_.empty()) return "";
        const bool singular = tiempo_.starts_with("1 ") || tiempo_ == "menos de un día";
        return " A " + Km(kmAno_) + " km al año, " + (singular ? "es " : "son ") + tiempo_ + ".";
    }

    // The window shows 0.
    bool PrimerKm() const { return g_.distancia < 1; }

    std::vector<std::string> PorCaso() const {
        switch (g_.caso) {
            case SeAmortiza:
                return FrasesSeAmortiza();
            case AmortizadoDesdeYa:
                return {Nombre1() +
                        " no cuesta más de comprar y no gasta más por kilómetro: está amortizado "
                        "desde el primer kilómetro."};
            case MismoPrecio:
                return {Nombre1() +
                        " cuesta lo mismo de comprar: no tiene nada que recuperar, pero gasta " +
                        PorKm(-g_.ahorroPorKm) + " más por kilómetro."};
            case NuncaSeAmortiza:
                return FrasesNuncaSeAmortiza();
            case VentajaQueSeAcaba:
                return {Nombre1() + " cuesta " + Km(-g_.diferenciaPrecio) + " menos pero gasta " +
                        PorKm(-g_.ahorroPorKm) + " más por kilómetro: su ventaja se acaba " +
                        (PrimerKm() ? std::string("en el primer kilómetro.")
                                    : "a los " + Km(g_.distancia) + " km." + Anos())};
        }
        return {};
    }

    std::vector<std::string> FrasesSeAmortiza() const {
        const std::string recuperar = conInteres_
                                          ? Km(g_.diferencia) + " (los " + Km(g_.diferenciaPrecio) +
                                                " que cuesta de más, con su interés)"
                                          : "los " + Km(g_.diferencia) + " que cuesta de más";
        std::vector<std::string> frases{
            Nombre1() + " ahorra " + PorKm(g_.ahorroPorKm) + " por kilómetro y " +
            (PrimerKm() ? "recupera " + recuperar + " en menos de un kilómetro."
                        : "necesita " + Km(g_.distancia) + " km para recuperar " + recuperar + "." +
                              Anos())};
        // Car 2's prices falling, or car 1's rising, to where both cost the same.
        std::vector<std::string> cambios;
        for (const Limite& l : g_.limites) {
            const bool baja = l.coche == 1;
            cambios.push_back(Energia(l) + (baja ? " baja de " : " sube de ") + Dinero(l.precio) +
                              " a " + Dinero(l.limite) + " (un " +
                              Porcentaje(l.limite - l.precio, l.precio) +
                              (baja ? " % menos)" : " % más)"));
        }
        if (!cambios.empty()) {
            frases.push_back("La respuesta cambia si " + Enumerado(cambios, "o") +
                             ": a partir de ahí " + g_.nombres[0] + " no se amortiza nunca.");
        }
        return frases;
    }

    std::vector<std::string> FrasesNuncaSeAmortiza() const {
        std::vector<std::string> frases{Nombre1() + " cuesta " + Km(g_.diferenciaPrecio) +
                                        " más y gasta " + PorKm(-g_.ahorroPorKm) +
                                        " más por kilómetro: la diferencia no se recupera nunca."};
        std::vector<std::string> cambios;
        for (const Limite& l : g_.limites) {
            cambios.push_back(Energia(l) + (l.coche == 1 ? " pasara de " : " bajara de ") +
                              Dinero(l.limite));
        }
        if (!cambios.empty())
            frases.push_back("Se amortizaría si " + Enumerado(cambios, "o") + ".");
        return frases;
    }

    const Grafica& g_;
    const Escritura& w_;
    const bool conInteres_;  // charged for the years to the crossing
    const double kmAno_;
    std::string tiempo_;  // the distance in time at the kilometres a year
};

}  // namespace

Explicacion ExplicacionDe(const Grafica& g, const Escritura& escritura) {
    Explicacion e;
    e.titulo = "Qué significa";
    e.nombreGrafica =
        "Ahorro acumulado " + Del(g.nombres[0]) + " frente a la diferencia de precio a recuperar";
    e.tituloTabla = "Puntos clave";
    e.cruzan = g.caso == SeAmortiza || g.caso == VentajaQueSeAcaba;
    e.diferencia = g.diferencia;
    e.ahorroPorKm = g.ahorroPorKm;
    e.kmAno = g.kmAno && *g.kmAno > 0 ? *g.kmAno : 0;
    const bool conInteres = g.conInteres && e.cruzan;
    e.rotuloDiferencia =
        conInteres ? "Diferencia a recuperar, con interés" : "Diferencia a recuperar";
    e.rotuloAhorro = "Ahorro acumulado";
    e.rotuloCruce = g.textoDistancia + " Km";
    e.rotuloEje = "Km";
    const Redaccion redaccion(g, escritura, e);
    e.frases = redaccion.Frases();
    e.tabla = redaccion.Tabla(e);
    return e;
}

}  // namespace velmora::ui
