// Where a window goes on the screen, for every window of the program and
// every front end: centred in the area the desktop leaves free (without its
// panels). On an axis where the window's frame is larger than that area it
// starts at the area's edge instead, so that the title bar and the menu bar
// stay on screen and reachable; a fixed-size window could not be moved back.
#pragma once

namespace velmora::ui {

struct Rectangulo {
    int x, y, ancho, alto;
};

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
