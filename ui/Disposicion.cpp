#include "Disposicion.h"

namespace velmora::ui {

Disposicion Disponer(const DisenoVentana& diseno, double pixelesPorTwip, const Espacio& espacio,
                     const std::function<Medidas(double puntos)>& medir,
                     std::optional<ReglaColumna> columna) {
    const auto escala = [&](double p) { return EscalaDeAjuste(diseno, pixelesPorTwip, medir(p)); };
    // A window that does not fit as drawn at its font goes into a column at
    // once, without shrinking its font first.
    if (columna && SeColocaEnColumna(diseno) &&
        escala(espacio.puntos).Factor() >
            FactorQueCabe(diseno, pixelesPorTwip, espacio.ancho, espacio.alto)) {
        EnColumna c = ColocarEnUnaColumna(diseno, medir(columna->puntos), espacio.ancho,
                                          columna->minimoToque);
        return {true, columna->puntos, std::move(c.cajas), c.ancho, c.alto};
    }
    const EscalaAjustada a = AjustarAlEspacio(diseno, pixelesPorTwip, espacio.ancho, espacio.alto,
                                              espacio.puntos, escala);
    Disposicion d;
    d.puntos = a.puntos;
    for (const Control& c : diseno.controles) d.cajas.push_back(a.escala.Caja(c));
    d.ancho = a.escala.APixeles(diseno.anchoCliente);
    d.alto = a.escala.APixeles(diseno.altoCliente);
    return d;
}

Rectangulo EnCliente(const DisenoVentana& diseno, const Disposicion& d, std::size_t fila) {
    Rectangulo caja = d.cajas[fila];
    for (std::size_t marco = FilaDelContenedor(diseno.controles, fila);
         marco < diseno.controles.size(); marco = FilaDelContenedor(diseno.controles, marco)) {
        caja.x += d.cajas[marco].x;
        caja.y += d.cajas[marco].y;
    }
    return caja;
}

}  // namespace velmora::ui
