// Where things go on the screen, for every front end.
//
// Controls: a table in twips becomes pixels through Escala. The tables were
// drawn for a smaller font than today's desktops use, so the whole layout is
// scaled by one factor, the smallest (never below 1) with which every
// caption, field, button, list row and the widest result fit their boxes at
// the font in use. Positions and proportions stay those of the table; edges
// are rounded, not widths, so neighbouring controls still meet.
//
// A window never extends past the area the desktop leaves free: where the
// factor its font needs would make it larger than that area, the window's
// font shrinks in proportion (never below kPuntosMinimos) and the factor is
// taken again, so that it fits with every caption whole. Only a window that
// is too large even at that font stays larger than the area.
//
// Windows: centred in the area the desktop leaves free (without its
// panels). On an axis where the window's frame is larger than that area it
// starts at the area's edge instead, so that the title bar and the menu bar
// stay on screen and reachable; a fixed-size window could not be moved back.
#pragma once

#include <algorithm>
#include <cmath>

#include "Diseno.h"

namespace velmora::ui {

struct Rectangulo {
    int x, y, ancho, alto;
};

class Escala {
  public:
    // `pixelesPorTwip` at factor 1: 1/15 in Qt's logical pixels, dpi/1440
    // in a Windows window's pixels.
    explicit Escala(double pixelesPorTwip) : pixelesPorTwip_(pixelesPorTwip) {}

    // A content `necesario` pixels long must fit a box `twips` long: the
    // factor grows so that it does, with a pixel to spare, since rounding
    // both edges can take one from the box.
    void Exigir(int necesario, int twips) {
        if (necesario > 0 && twips > 0) {
            factor_ = std::max(factor_, (necesario + 1) / (twips * pixelesPorTwip_));
        }
    }

    double Factor() const { return factor_; }

    int APixeles(int twips) const {
        return static_cast<int>(std::lround(twips * pixelesPorTwip_ * factor_));
    }

    // The box of row `c` in pixels, its container's corner at (x0, y0) in
    // twips from where the pixels count; a line is one pixel high.
    Rectangulo Caja(const Control& c, int x0 = 0, int y0 = 0) const {
        const int izquierda = APixeles(x0 + c.izquierda);
        const int arriba = APixeles(y0 + c.arriba);
        if (c.tipo == Tipo::Linea)
            return {izquierda, arriba, APixeles(x0 + c.ancho) - izquierda, 1};
        return {izquierda, arriba, APixeles(x0 + c.izquierda + c.ancho) - izquierda,
                APixeles(y0 + c.arriba + c.alto) - arriba};
    }

  private:
    double pixelesPorTwip_;
    double factor_ = 1.0;
};

// The top, in twips, of the highest control inside frame `marco`: the
// frame's caption band must end above it.
constexpr int PrimerControlDelMarco(const DisenoVentana& diseno, const char* marco) {
    int arriba = diseno.altoCliente;
    for (const Control& c : diseno.controles) {
        if (MismoNombre(c.contenedor, marco)) arriba = std::min(arriba, c.arriba);
    }
    return arriba;
}

// The largest factor with which the client area of `diseno` fits in
// `ancho` x `alto` pixels, at `pixelesPorTwip` for factor 1.
constexpr double FactorQueCabe(const DisenoVentana& diseno, double pixelesPorTwip, int ancho,
                               int alto) {
    return std::min(ancho / (diseno.anchoCliente * pixelesPorTwip),
                    alto / (diseno.altoCliente * pixelesPorTwip));
}

// The smallest font a window shrinks to so as to fit the screen, in points.
inline constexpr double kPuntosMinimos = 6.0;

// The font size, in points, to try next for a window that needs the factor
// `necesario` at `puntos` points where only `cabe` fits: smaller in
// proportion, by half a point at least, and not below kPuntosMinimos.
constexpr double PuntosParaCaber(double puntos, double necesario, double cabe) {
    return std::max(kPuntosMinimos, std::min(puntos - 0.5, puntos * cabe / necesario));
}

struct Posicion {
    int x, y;
};

// The top-left corner for a frame of `ancho` x `alto` within `disponible`.
constexpr Posicion PosicionDeVentana(int ancho, int alto, const Rectangulo& disponible) {
    const auto eje = [](int inicio, int espacio, int tamano) {
        return tamano > espacio ? inicio : inicio + (espacio - tamano) / 2;
    };
    return {eje(disponible.x, disponible.ancho, ancho), eje(disponible.y, disponible.alto, alto)};
}

}  // namespace velmora::ui
