#include "ExplicacionRepeticion.h"

namespace velmora::ui {
namespace {

constexpr const char* kMeses[] = {"enero",      "febrero", "marzo",     "abril",
                                  "mayo",       "junio",   "julio",     "agosto",
                                  "septiembre", "octubre", "noviembre", "diciembre"};

std::string MesDe(const SemanaDePrecios& s) {
    return std::string(kMeses[(s.mes - 1) % 12]) + " de " + std::to_string(s.ano);
}

std::string Semanas(int n) {
    return "en " + std::to_string(n) + (n == 1 ? " semana" : " semanas");
}

class Redaccion {
  public:
    Redaccion(const Repeticion& r, const Escritura& w) : r_(r), w_(w) {}

    // "Con los precios reales de cada semana, de enero de 2015 a junio de
    // 2024, este diésel se habría amortizado entre ... km (...)."
    std::string Rango() const {
        const Distancias& d = r_.distancias;
        const int total = int(r_.semanas.size());
        std::string frase = "Con los precios reales " + Cuales() + "de cada semana";
        if (r_.moneda == Moneda::Pesetas) {
            frase += ", en pesetas (a " + w_.Numero(kPesetasPorEuro, 3) + " pesetas el euro)";
        }
        frase +=
            ", de " + MesDe(r_.tabla.front()) + " a " + MesDe(r_.tabla.back()) + ", " + r_.coche;
        if (d.semanas == 0) return frase + " no se habría amortizado en ninguna: " + Otras() + ".";
        frase += " se habría amortizado ";
        if (d.minima == d.maxima) {
            frase += "a los " + Km(d.minima) + " km";
        } else {
            frase += "entre " + Km(d.minima) + " y " + Km(d.maxima) +
                     " km (la mitad de las semanas" +
                     (d.semanas < total ? " en que se amortiza" : "") + ", antes de " +
                     Km(d.mediana) + " km)";
        }
        return frase + (d.semanas < total ? "; " + Otras() : "") + ".";
    }

    // Where the prices look like no currency: which prices, and why.
    std::string SinMoneda() const {
        std::vector<std::string> precios;
        for (const double p : r_.preciosEscritos) precios.push_back(w_.Numero(p, 4));
        const bool uno = precios.size() == 1;
        return std::string("No se puede repetir con los precios reales: ") +
               (uno ? "el precio del litro escrito (" : "los precios del litro escritos (") +
               Enumerado(precios, "y") + (uno ? ") no parece" : ") no parecen") + " ni euros (de " +
               w_.Numero(kLitroEnEuros[0], 1) + " a " + w_.Numero(kLitroEnEuros[1], 0) +
               " el litro) ni pesetas (de " + w_.Numero(kLitroEnPesetas[0], 0) + " a " +
               w_.Numero(kLitroEnPesetas[1], 0) + "). Diga en qué moneda están las cifras.";
    }

    // "El kWh en casa y el kWh fuera quedan como están escritos."
    std::string SinCambio() const {
        const bool uno = r_.sinCambio.size() == 1;
        return Capitalizado(Enumerado(r_.sinCambio, "y")) +
               (uno ? " queda como está escrito." : " quedan como están escritos.");
    }

    std::vector<std::vector<std::string>> Filas(bool sinAmortizar) const {
        std::vector<std::vector<std::string>> filas;
        for (const AnoRepetido& a : r_.anos) {
            const Distancias& d = a.amortizadas;
            std::vector<std::string> fila{std::to_string(a.ano), std::to_string(a.semanas)};
            for (const float v : {d.minima, d.mediana, d.maxima}) {
                fila.push_back(d.semanas > 0 ? Km(v) : "—");
            }
            if (sinAmortizar) fila.push_back(std::to_string(a.semanas - d.semanas));
            filas.push_back(std::move(fila));
        }
        return filas;
    }

    std::string Km(double v) const { return w_.Numero(v, 0); }

  private:
    // Which prices: both, or one fuel's.
    std::string Cuales() const {
        if (r_.gasoleo && r_.gasolina) return "";
        return r_.gasoleo ? "del gasóleo " : "de la gasolina ";
    }

    // The weeks of each other kind of answer: "en 32 semanas no se habría
    // amortizado nunca".
    std::string Otras() const {
        std::vector<std::string> otras;
        if (r_.nunca > 0) otras.push_back(Semanas(r_.nunca) + " no se habría amortizado nunca");
        if (r_.ventaja > 0) {
            otras.push_back(Semanas(r_.ventaja) +
                            " habría gastado más por kilómetro y su ventaja de compra se habría "
                            "acabado por el camino");
        }
        if (r_.sinResultado > 0) {
            otras.push_back(Semanas(r_.sinResultado) + " las cifras no habrían dado un resultado");
        }
        return Enumerado(otras, "y");
    }

    const Repeticion& r_;
    const Escritura& w_;
};

}  // namespace

ExplicacionRepeticion ExplicacionDe(const Repeticion& r, const Escritura& escritura) {
    const Redaccion redaccion(r, escritura);
    ExplicacionRepeticion e;
    e.titulo = "Con los precios reales";
    if (!r.moneda) {
        e.frases = {redaccion.SinMoneda(), std::string(kFuentePrecios)};
        return e;
    }
    e.frases.push_back(redaccion.Rango());
    if (!r.sinCambio.empty()) e.frases.push_back(redaccion.SinCambio());
    e.frases.emplace_back(kFuentePrecios);
    const bool sinAmortizar = r.distancias.semanas < int(r.semanas.size());
    e.tituloTabla = "Año por año, los kilómetros hasta amortizarse";
    e.columnas = {"Año", "Semanas", "Mínimo", "Mediana", "Máximo"};
    if (sinAmortizar) e.columnas.emplace_back("Sin amortizarse");
    e.filas = redaccion.Filas(sinAmortizar);
    e.hayGrafica = true;
    e.nombreGrafica = "Kilómetros hasta amortizarse con los precios de cada semana";
    e.rotuloSemanas = "Km hasta amortizarse, cada semana";
    if (r.propia) e.rotuloPropia = "Con los precios escritos: " + redaccion.Km(*r.propia) + " km";
    if (sinAmortizar) e.rotuloSinAmortizar = "Semana en que no se amortiza";
    return e;
}

}  // namespace velmora::ui
