#include "Explicacion.h"

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

namespace {

using enum CasoAmortizacion;

// The sentences and the table of one answer, in the reader's numbers: one
// function a kind of answer.
class Redaccion {
  public:
    Redaccion(const Grafica& g, const Escritura& w, const Explicacion& e)
        : g_(g), w_(w), conInteres_(g.conInteres && e.cruzan), kmAno_(e.kmAno) {
        if (g.anos && kmAno_ > 0) tiempo_ = Tiempo(*g.anos);
    }

    std::vector<std::string> Frases() const {
        switch (g_.caso) {
            case SeAmortiza:
                return FrasesSeAmortiza();
            case AmortizadoDesdeYa:
                return {
                    "El diésel no cuesta más de comprar y no gasta más por kilómetro: está "
                    "amortizado desde el primer kilómetro."};
            case MismoPrecio:
                return {
                    "El diésel cuesta lo mismo de comprar: no tiene nada que recuperar, pero "
                    "gasta " +
                    Dinero(-g_.ahorroPorKm) + " más por kilómetro."};
            case NuncaSeAmortiza:
                return FrasesNuncaSeAmortiza();
            case VentajaQueSeAcaba:
                return FrasesVentajaQueSeAcaba();
        }
        return {};
    }

    std::vector<std::pair<std::string, std::string>> Tabla(const Explicacion& e) const {
        std::vector<std::pair<std::string, std::string>> tabla;
        tabla.emplace_back(e.rotuloDiferencia, Km(g_.diferencia));
        tabla.emplace_back("Ahorro por kilómetro", Dinero(g_.ahorroPorKm));
        if (e.cruzan) tabla.emplace_back("Distancia en que se cruzan", Km(g_.distancia) + " km");
        if (!tiempo_.empty()) tabla.emplace_back("Tiempo a " + Km(kmAno_) + " km al año", tiempo_);
        if (g_.gasolinaLimite) {
            tabla.emplace_back("Litro de gasolina en que los dos gastan igual",
                               Dinero(*g_.gasolinaLimite));
        }
        if (g_.gasoilLimite) {
            tabla.emplace_back("Litro de gasóleo en que los dos gastan igual",
                               Dinero(*g_.gasoilLimite));
        }
        return tabla;
    }

  private:
    std::string Km(double v) const { return w_.Numero(v, 0); }
    std::string Dinero(double v) const { return w_.Numero(v, 2); }
    // How much `parte` is of `todo`, in percent.
    std::string Porcentaje(double parte, double todo) const {
        return w_.Numero(std::fabs(parte / todo) * 100, 1);
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
    bool Limites() const { return g_.gasolinaLimite && g_.gasoilLimite; }

    std::vector<std::string> FrasesSeAmortiza() const {
        const std::string recuperar = conInteres_
                                          ? Km(g_.diferencia) + " (los " + Km(g_.diferenciaPrecio) +
                                                " que cuesta de más, con su interés)"
                                          : "los " + Km(g_.diferencia) + " que cuesta de más";
        std::vector<std::string> frases{
            "El diésel ahorra " + Dinero(g_.ahorroPorKm) + " por kilómetro y " +
            (PrimerKm() ? "recupera " + recuperar + " en menos de un kilómetro."
                        : "necesita " + Km(g_.distancia) + " km para recuperar " + recuperar + "." +
                              Anos())};
        if (Limites()) {
            const double pg = g_.precioLitroGasolina, pgas = g_.precioLitroGasoil;
            const double gasolina = *g_.gasolinaLimite, gasoil = *g_.gasoilLimite;
            frases.push_back("La respuesta cambia si el litro de gasolina baja de " + Dinero(pg) +
                             " a " + Dinero(gasolina) + " (un " + Porcentaje(pg - gasolina, pg) +
                             " % menos) o el de gasóleo sube de " + Dinero(pgas) + " a " +
                             Dinero(gasoil) + " (un " + Porcentaje(gasoil - pgas, pgas) +
                             " % más): a partir de ahí el diésel no se amortiza nunca.");
        }
        return frases;
    }

    std::vector<std::string> FrasesNuncaSeAmortiza() const {
        std::vector<std::string> frases{"El diésel cuesta " + Km(g_.diferenciaPrecio) +
                                        " más y gasta " + Dinero(-g_.ahorroPorKm) +
                                        " más por kilómetro: la diferencia no se recupera nunca."};
        if (Limites()) {
            frases.push_back("Se amortizaría si el litro de gasolina pasara de " +
                             Dinero(*g_.gasolinaLimite) + " o el de gasóleo bajara de " +
                             Dinero(*g_.gasoilLimite) + ".");
        }
        return frases;
    }

    std::vector<std::string> FrasesVentajaQueSeAcaba() const {
        return {"El diésel cuesta " + Km(-g_.diferenciaPrecio) + " menos pero gasta " +
                Dinero(-g_.ahorroPorKm) + " más por kilómetro: su ventaja se acaba " +
                (PrimerKm() ? std::string("en el primer kilómetro.")
                            : "a los " + Km(g_.distancia) + " km." + Anos())};
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
    e.nombreGrafica = "Ahorro acumulado del diésel frente a la diferencia de precio a recuperar";
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
