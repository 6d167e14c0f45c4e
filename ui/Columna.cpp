#include "Columna.h"

#include <algorithm>
#include <cstdint>

namespace velmora::ui {

bool SeColocaEnColumna(const DisenoVentana& diseno) {
    bool marcos = false, lineas = false;
    for (const Control& c : diseno.controles) {
        marcos = marcos || c.tipo == Tipo::Marco;
        lineas = lineas || c.tipo == Tipo::Linea;
    }
    return marcos && !lineas;
}

namespace {

class Columna {
  public:
    Columna(const DisenoVentana& d, const Medidas& m, int toque)
        : d_(d), m_(m), toque_(toque), cajas_(d.controles.size()) {}

    EnColumna Colocar(int ancho) {
        const int margen = m_.Margen(8);
        const int alto = Lineas(d_.controles.size(), margen, margen, ancho - 2 * margen);
        return {std::move(cajas_), ancho, alto + margen};
    }

  private:
    // The rows of container `marco` (the table's size: the client area) as
    // lines: in the client area in reading order, rows at one height sharing
    // a line and a frame standing alone; inside a frame a row a line, in
    // the table's order (a caption before its field).
    std::vector<std::vector<std::size_t>> LineasDe(std::size_t marco) const {
        std::vector<std::size_t> filas;
        for (std::size_t i = 0; i < d_.controles.size(); ++i) {
            if (FilaDelContenedor(d_.controles, i) == marco) filas.push_back(i);
        }
        if (marco < d_.controles.size()) {
            std::vector<std::vector<std::size_t>> lineas;
            for (const std::size_t i : filas) lineas.push_back({i});
            return lineas;
        }
        // In reading order (by insertion: a few rows, and stable).
        const auto antes = [&](std::size_t a, std::size_t b) {
            const Control &x = d_.controles[a], &y = d_.controles[b];
            return x.arriba != y.arriba ? x.arriba < y.arriba : x.izquierda < y.izquierda;
        };
        for (std::size_t i = 1; i < filas.size(); ++i) {
            for (std::size_t j = i; j > 0 && antes(filas[j], filas[j - 1]); --j) {
                std::swap(filas[j], filas[j - 1]);
            }
        }
        std::vector<std::vector<std::size_t>> lineas;
        for (const std::size_t i : filas) {
            const Control& c = d_.controles[i];
            const bool sola = c.tipo == Tipo::Marco || lineas.empty() ||
                              d_.controles[lineas.back().front()].arriba != c.arriba ||
                              d_.controles[lineas.back().front()].tipo == Tipo::Marco;
            if (sola) lineas.emplace_back();
            lineas.back().push_back(i);
        }
        return lineas;
    }

    Necesario Minimo(std::size_t i) const {
        const Control& c = d_.controles[i];
        Necesario n = TamanoNecesario(c, m_);
        if (TomaElFoco(c)) n = {std::max(n.ancho, toque_), std::max(n.alto, toque_)};
        return n;
    }

    bool Flexible(std::size_t i) const {
        const Control& c = d_.controles[i];
        return c.tipo == Tipo::Campo || c.tipo == Tipo::Lista || (c.banderas & EsResultado);
    }

    // Places the lines of container `marco` from (x, y) in `ancho` pixels;
    // gives where the last one ends.
    int Lineas(std::size_t marco, int x, int y, int ancho) {
        const int hueco = m_.Margen(6), margen = m_.Margen(8);
        int fin = y;
        for (const std::vector<std::size_t>& linea : LineasDe(marco)) {
            const std::size_t primera = linea.front();
            if (d_.controles[primera].tipo == Tipo::Marco) {
                const int dentro = m_.altoTituloMarco + hueco;
                const int abajo = Lineas(primera, margen, dentro, ancho - 2 * margen) + margen;
                cajas_[primera] = {x, y, ancho, abajo};
                fin = y + abajo;
            } else {
                fin = Linea(linea, x, y, ancho);
            }
            y = fin + hueco;
        }
        return fin;
    }

    // One line of rows side by side where they fit, else one under the other.
    int Linea(const std::vector<std::size_t>& linea, int x, int y, int ancho) {
        const int hueco = m_.Margen(6);
        int necesario = hueco * int(linea.size() - 1), alto = 0, tabla = 0;
        for (const std::size_t i : linea) {
            necesario += Minimo(i).ancho;
            alto = std::max(alto, Minimo(i).alto);
            if (Flexible(i)) tabla += d_.controles[i].ancho;
        }
        if (linea.size() > 1 && necesario > ancho) {
            for (const std::size_t i : linea) y = Linea({i}, x, y, ancho) + hueco;
            return y - hueco;
        }
        // What is left goes to the flexible rows, by their widths in the
        // table; a row alone takes the whole line.
        const int resto = ancho - necesario;
        for (const std::size_t i : linea) {
            int w = Minimo(i).ancho;
            if (linea.size() == 1) {
                w = ancho;
            } else if (Flexible(i) && tabla > 0) {
                w += int(std::int64_t(resto) * d_.controles[i].ancho / tabla);
            }
            const bool etiqueta = d_.controles[i].tipo == Tipo::Etiqueta;
            cajas_[i] = {x, y, w, etiqueta ? alto : Minimo(i).alto};
            x += w + hueco;
        }
        return y + alto;
    }

    const DisenoVentana& d_;
    const Medidas& m_;
    int toque_;
    std::vector<Rectangulo> cajas_;
};

}  // namespace

EnColumna ColocarEnUnaColumna(const DisenoVentana& diseno, const Medidas& medidas, int ancho,
                              int minimoToque) {
    return Columna(diseno, medidas, minimoToque).Colocar(ancho);
}

}  // namespace velmora::ui
