#include "Ajuste.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {

int Medidas::Margen(int pixeles96) const {
    return static_cast<int>(std::lround(pixeles96 * pixelesPorPixel96));
}

Necesario TamanoNecesario(const Control& c, const Medidas& m) {
    const auto texto = [&](const char* t) { return t && *t ? m.anchoDeTexto(t) : 0; };
    switch (c.tipo) {
        case Tipo::Marco:
            return {texto(c.titulo) + 2 * m.Margen(kSangriaTituloMarco), m.altoTituloMarco};
        case Tipo::Etiqueta:
            return {texto(c.muestra ? c.muestra : c.titulo), m.altoDeLetra};
        case Tipo::Campo:
            return {0, m.altoDeLetra + 2 * (m.bordeCampo + m.Margen(kRellenoCampoVertical))};
        case Tipo::Boton:
            return {texto(c.titulo) + 2 * m.Margen(kRellenoBotonHorizontal),
                    m.altoDeLetra + 2 * m.Margen(kRellenoBotonVertical)};
        case Tipo::Lista: {
            int masAncha = 0;
            for (const char* fila : c.filas) masAncha = std::max(masAncha, texto(fila));
            return {masAncha + 2 * (m.bordeLista + m.Margen(kRellenoFilaLista)),
                    int(c.filas.size()) * m.altoFilaLista + 2 * m.bordeLista};
        }
        case Tipo::Linea:
            break;
    }
    return {};
}

Escala EscalaDeAjuste(const DisenoVentana& diseno, double pixelesPorTwip, const Medidas& medidas) {
    Escala escala(pixelesPorTwip);
    for (const Control& c : diseno.controles) {
        const Necesario necesario = TamanoNecesario(c, medidas);
        escala.Exigir(necesario.ancho, c.ancho);
        escala.Exigir(necesario.alto,
                      c.tipo == Tipo::Marco ? PrimerControlDelMarco(diseno, c.nombre) : c.alto);
    }
    return escala;
}

EscalaAjustada AjustarAlEspacio(const DisenoVentana& diseno, double pixelesPorTwip, int ancho,
                                int alto, double puntos,
                                const std::function<Escala(double puntos)>& medir) {
    const double cabe = FactorQueCabe(diseno, pixelesPorTwip, ancho, alto);
    EscalaAjustada ajustada{medir(puntos), puntos};
    while (ajustada.escala.Factor() > cabe && ajustada.puntos > kPuntosMinimos) {
        ajustada.puntos = PuntosParaCaber(ajustada.puntos, ajustada.escala.Factor(), cabe);
        ajustada.escala = medir(ajustada.puntos);
    }
    return ajustada;
}

}  // namespace velmora::ui
