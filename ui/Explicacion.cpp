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

Explicacion ExplicacionDe(const Grafica& g, const Escritura& escritura) {
    using enum CasoAmortizacion;
    const auto km = [&](double v) { return escritura.Numero(v, 0); };
    const auto dinero = [&](double v) { return escritura.Numero(v, 2); };
    // How much `parte` is of `todo`, in percent.
    const auto porcentaje = [&](double parte, double todo) {
        return escritura.Numero(std::fabs(parte / todo) * 100, 1);
    };

    Explicacion e;
    e.titulo = "Qué significa";
    e.nombreGrafica = "Ahorro acumulado del diésel frente a la diferencia de precio a recuperar";
    e.tituloTabla = "Puntos clave";
    e.cruzan = g.caso == SeAmortiza || g.caso == VentajaQueSeAcaba;
    e.diferencia = g.diferencia;
    e.ahorroPorKm = g.ahorroPorKm;
    e.kmAno = g.kmAno && *g.kmAno > 0 ? *g.kmAno : 0;
    const bool conInteres = g.conInteres && e.cruzan;  // charged for the years to the crossing
    e.rotuloDiferencia =
        conInteres ? "Diferencia a recuperar, con interés" : "Diferencia a recuperar";
    e.rotuloAhorro = "Ahorro acumulado";
    e.rotuloCruce = g.textoDistancia + " Km";
    e.rotuloEje = "Km";

    // The distance in time at the kilometres a year typed: in years, or in
    // days where that is under a hundredth of a year.
    std::string tiempo, anos;
    if (g.anos && e.kmAno > 0) {
        const double dias = *g.anos * 365;
        const auto cuantos = [](const std::string& n, const char* uno, const char* varios) {
            return n + (n == "1" ? uno : varios);
        };
        tiempo = *g.anos >= 0.005 ? cuantos(dinero(*g.anos), " año", " años")
                 : dias >= 1      ? cuantos(km(dias), " día", " días")
                                  : "menos de un día";
        const bool singular = tiempo.starts_with("1 ") || tiempo == "menos de un día";
        anos = " A " + km(e.kmAno) + " km al año, " + (singular ? "es " : "son ") + tiempo + ".";
    }
    const std::string recuperar = conInteres
                                      ? km(g.diferencia) + " (los " + km(g.diferenciaPrecio) +
                                            " que cuesta de más, con su interés)"
                                      : "los " + km(g.diferencia) + " que cuesta de más";
    const bool primerKm = g.distancia < 1;  // the window shows 0
    const bool limites = g.gasolinaLimite && g.gasoilLimite;
    switch (g.caso) {
        case SeAmortiza:
            e.frases.push_back("El diésel ahorra " + dinero(g.ahorroPorKm) + " por kilómetro y " +
                               (primerKm ? "recupera " + recuperar + " en menos de un kilómetro."
                                         : "necesita " + km(g.distancia) + " km para recuperar " +
                                               recuperar + "." + anos));
            if (limites) {
                const double pg = g.precioLitroGasolina, pgas = g.precioLitroGasoil;
                e.frases.push_back(
                    "La respuesta cambia si el litro de gasolina baja de " + dinero(pg) + " a " +
                    dinero(*g.gasolinaLimite) + " (un " + porcentaje(pg - *g.gasolinaLimite, pg) +
                    " % menos) o el de gasóleo sube de " + dinero(pgas) + " a " +
                    dinero(*g.gasoilLimite) + " (un " + porcentaje(*g.gasoilLimite - pgas, pgas) +
                    " % más): a partir de ahí el diésel no se amortiza nunca.");
            }
            break;
        case AmortizadoDesdeYa:
            e.frases.push_back(
                "El diésel no cuesta más de comprar y no gasta más por kilómetro: está "
                "amortizado desde el primer kilómetro.");
            break;
        case MismoPrecio:
            e.frases.push_back(
                "El diésel cuesta lo mismo de comprar: no tiene nada que recuperar, pero gasta " +
                dinero(-g.ahorroPorKm) + " más por kilómetro.");
            break;
        case NuncaSeAmortiza:
            e.frases.push_back("El diésel cuesta " + km(g.diferenciaPrecio) + " más y gasta " +
                               dinero(-g.ahorroPorKm) +
                               " más por kilómetro: la diferencia no se recupera nunca.");
            if (limites) {
                e.frases.push_back("Se amortizaría si el litro de gasolina pasara de " +
                                   dinero(*g.gasolinaLimite) + " o el de gasóleo bajara de " +
                                   dinero(*g.gasoilLimite) + ".");
            }
            break;
        case VentajaQueSeAcaba:
            e.frases.push_back("El diésel cuesta " + km(-g.diferenciaPrecio) +
                               " menos pero gasta " + dinero(-g.ahorroPorKm) +
                               " más por kilómetro: su ventaja se acaba " +
                               (primerKm ? std::string("en el primer kilómetro.")
                                         : "a los " + km(g.distancia) + " km." + anos));
            break;
    }

    e.tabla.emplace_back(e.rotuloDiferencia, km(g.diferencia));
    e.tabla.emplace_back("Ahorro por kilómetro", dinero(g.ahorroPorKm));
    if (e.cruzan) e.tabla.emplace_back("Distancia en que se cruzan", km(g.distancia) + " km");
    if (!tiempo.empty()) e.tabla.emplace_back("Tiempo a " + km(e.kmAno) + " km al año", tiempo);
    if (g.gasolinaLimite) {
        e.tabla.emplace_back("Litro de gasolina en que los dos gastan igual",
                             dinero(*g.gasolinaLimite));
    }
    if (g.gasoilLimite) {
        e.tabla.emplace_back("Litro de gasóleo en que los dos gastan igual",
                             dinero(*g.gasoilLimite));
    }
    return e;
}

}  // namespace velmora::ui
