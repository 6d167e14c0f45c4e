#include "Explicacion.h"

#include <cmath>
#include <string_view>

namespace velmora::ui {
namespace {

// Builds a sentence from texts and figures: f << "necesita " << Km(d) << " km".
// (Not inlined: the page's module would grow by a copy of each for every
// piece of every sentence.)
struct Frases {
    Frase frase;
    [[gnu::noinline]] Frases& operator<<(std::string_view texto) {
        frase.push_back({std::string(texto), std::nullopt});
        return *this;
    }
    [[gnu::noinline]] Frases& operator<<(Cifra cifra) {
        frase.push_back({"", cifra});
        return *this;
    }
    [[gnu::noinline]] Frases& operator<<(const Frase& otra) {
        frase.insert(frase.end(), otra.begin(), otra.end());
        return *this;
    }
};

Cifra Km(double valor) {
    return {valor, 0};
}
Cifra Dinero(double valor) {
    return {valor, 2};
}
// How much `parte` is of `todo`, in percent.
Cifra Porcentaje(double parte, double todo) {
    return {std::fabs(parte / todo) * 100, 1};
}

}  // namespace

Explicacion ExplicacionDe(const Grafica& g) {
    using enum CasoAmortizacion;
    Explicacion e;
    e.titulo = "Qué significa";
    e.nombreGrafica = "Ahorro acumulado del diésel frente a la diferencia de precio a recuperar";
    e.tituloTabla = "Puntos clave";
    e.cruzan = g.caso == SeAmortiza || g.caso == VentajaQueSeAcaba;
    e.diferencia = g.diferencia;
    e.ahorroPorKm = g.ahorroPorKm;
    e.distancia = g.distancia;
    e.kmAno = g.kmAno && *g.kmAno > 0 ? *g.kmAno : 0;
    // Past the crossing, or, where the lines do not cross, ten years at the
    // kilometres a year typed (or 100 000 km).
    e.tramo = e.cruzan && g.distancia > 0 ? g.distancia * 1.3 : e.kmAno > 0 ? e.kmAno * 10 : 100000;
    e.rotuloDiferencia =
        g.conInteres ? "Diferencia a recuperar, con interés" : "Diferencia a recuperar";
    e.rotuloAhorro = "Ahorro acumulado";
    e.rotuloCruce = g.textoDistancia + " Km";
    e.rotuloEje = e.kmAno > 0 ? "Km (y años)" : "Km";

    Frase anos;
    if (g.anos && e.kmAno > 0) {
        anos = (Frases() << " A " << Km(e.kmAno) << " km al año, son " << Cifra{*g.anos, 2}
                         << " años.")
                   .frase;
    }
    const Frase recuperar =
        g.conInteres ? (Frases() << Km(g.diferencia) << " (los " << Km(g.diferenciaPrecio)
                                 << " que cuesta de más, con su interés)")
                           .frase
                     : (Frases() << "los " << Km(g.diferencia) << " que cuesta de más").frase;
    const bool limites = g.gasolinaLimite && g.gasoilLimite;
    switch (g.caso) {
        case SeAmortiza:
            e.frases.push_back((Frases() << "El diésel ahorra " << Dinero(g.ahorroPorKm)
                                         << " por kilómetro y necesita " << Km(g.distancia)
                                         << " km para recuperar " << recuperar << "." << anos)
                                   .frase);
            if (limites) {
                const double pg = g.precioLitroGasolina, pgas = g.precioLitroGasoil;
                e.frases.push_back((Frases()
                                    << "La respuesta cambia si el litro de gasolina baja de "
                                    << Dinero(pg) << " a " << Dinero(*g.gasolinaLimite) << " (un "
                                    << Porcentaje(pg - *g.gasolinaLimite, pg)
                                    << " % menos) o el de gasóleo sube de " << Dinero(pgas) << " a "
                                    << Dinero(*g.gasoilLimite) << " (un "
                                    << Porcentaje(*g.gasoilLimite - pgas, pgas)
                                    << " % más): a partir de ahí el diésel no se amortiza nunca.")
                                       .frase);
            }
            break;
        case AmortizadoDesdeYa:
            e.frases.push_back(
                {{"El diésel no cuesta más de comprar y no gasta más por "
                  "kilómetro: está amortizado desde el primer kilómetro.",
                  std::nullopt}});
            break;
        case MismoPrecio:
            e.frases.push_back((Frases() << "El diésel cuesta lo mismo de comprar: no tiene nada "
                                            "que recuperar, pero gasta "
                                         << Dinero(-g.ahorroPorKm) << " más por kilómetro.")
                                   .frase);
            break;
        case NuncaSeAmortiza:
            e.frases.push_back((Frases() << "El diésel cuesta " << Km(g.diferenciaPrecio)
                                         << " más y gasta " << Dinero(-g.ahorroPorKm)
                                         << " más por kilómetro: la diferencia no se recupera "
                                            "nunca.")
                                   .frase);
            if (limites) {
                e.frases.push_back((Frases()
                                    << "Se amortizaría si el litro de gasolina pasara de "
                                    << Dinero(*g.gasolinaLimite) << " o el de gasóleo bajara de "
                                    << Dinero(*g.gasoilLimite) << ".")
                                       .frase);
            }
            break;
        case VentajaQueSeAcaba:
            e.frases.push_back((Frases() << "El diésel cuesta " << Km(-g.diferenciaPrecio)
                                         << " menos pero gasta " << Dinero(-g.ahorroPorKm)
                                         << " más por kilómetro: su ventaja se acaba a los "
                                         << Km(g.distancia) << " km." << anos)
                                   .frase);
            break;
    }

    const auto fila = [&](Frase nombre, Frase valor) {
        e.tabla.emplace_back(std::move(nombre), std::move(valor));
    };
    fila((Frases() << e.rotuloDiferencia).frase, (Frases() << Km(g.diferencia)).frase);
    fila((Frases() << "Ahorro por kilómetro").frase, (Frases() << Dinero(g.ahorroPorKm)).frase);
    if (e.cruzan) {
        fila((Frases() << "Distancia en que se cruzan").frase,
             (Frases() << Km(g.distancia) << " km").frase);
    }
    if (g.anos && e.kmAno > 0) {
        fila((Frases() << "Años a " << Km(e.kmAno) << " km al año").frase,
             (Frases() << Cifra{*g.anos, 2}).frase);
    }
    if (g.gasolinaLimite) {
        fila((Frases() << "Litro de gasolina en que los dos gastan igual").frase,
             (Frases() << Dinero(*g.gasolinaLimite)).frase);
    }
    if (g.gasoilLimite) {
        fila((Frases() << "Litro de gasóleo en que los dos gastan igual").frase,
             (Frases() << Dinero(*g.gasoilLimite)).frase);
    }
    return e;
}

}  // namespace velmora::ui
