#include "PlanoGrafica.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

using namespace trazado;

// The plot's height: a share of the chart's width, within bounds.
constexpr double kAltoPorAncho = 0.42, kAltoMinimo = 150, kAltoMaximo = 230;
// A value on the km axis every so many pixels at most.
constexpr double kPixelesPorMarcaKm = 70;
// How far the kilometres run: past the crossing by this share; or, where
// the lines do not cross, so many years at the kilometres a year, or so
// many kilometres.
constexpr double kMasAllaDelCruce = 1.3;
constexpr double kAnosSinCruce = 10;
constexpr double kKmSinCruce = 100000;
// Room above and below the money's extremes, as a share of their span.
constexpr double kHolguraDinero = 0.08;
// How far from the crossing its label may stand, nearer first.
constexpr double kDistanciasDelCruce[] = {6, 14, 26, 40};

// The plot: its area in the chart, and what its edges stand for.
struct Area {
    double izquierda = 0, derecha = 0, arriba = 0, abajo = 0;
    double tramo = 1;           // the kilometres at the right edge
    double bajo = 0, alto = 1;  // the money at the bottom and at the top

    double X(double km) const { return izquierda + km / tramo * (derecha - izquierda); }
    double Y(double v) const { return abajo - (v - bajo) / (alto - bajo) * (abajo - arriba); }
    Caja EnCaja() const { return {izquierda, arriba, derecha - izquierda, abajo - arriba}; }
};

// Where the lines cross, in kilometres; 0 where they do not.
double Cruce(const Explicacion& e) {
    const double cruce = e.cruzan && e.ahorroPorKm != 0 ? e.diferencia / e.ahorroPorKm : 0;
    return cruce > 0 && std::isfinite(cruce) ? cruce : 0;
}

double Tramo(const Explicacion& e, double cruce) {
    if (cruce > 0) return cruce * kMasAllaDelCruce;
    return e.kmAno > 0 ? e.kmAno * kAnosSinCruce : kKmSinCruce;
}

// The legend: each line's sample and name, and the crossing's where it
// goes there.
double Leyenda(const Explicacion& e, bool cruce, const MedidasGrafica& m, PlanoGrafica& p) {
    std::vector<EntradaLeyenda> entradas{
        {e.rotuloDiferencia, Estilo::Diferencia, Trazo::Diferencia},
        {e.rotuloAhorro, Estilo::Ahorro, Trazo::Ahorro}};
    if (cruce) entradas.push_back({e.rotuloCruce, Estilo::Cruce, std::nullopt});
    return trazado::Leyenda(entradas, m, p);
}

// The money axis: from 0, the difference and the saving at the right edge,
// with room above (and below, where something is negative).
struct EjeDinero {
    Marcas marcas;
    std::vector<std::string> textos;
    Forma forma;
    double bajo, alto;
};

EjeDinero DineroDe(const Explicacion& e, double tramo, double altoUtil, double h,
                   const Escritura& w) {
    const double final = e.ahorroPorKm * tramo;
    double bajo = std::min({0.0, e.diferencia, final});
    double alto = std::max({0.0, e.diferencia, final});
    if (alto == bajo) alto = 1;
    const double holgura = (alto - bajo) * kHolguraDinero;
    alto += holgura;
    if (bajo < 0) bajo -= holgura;
    const int cuantas = std::max(2, int(altoUtil / (h * kRenglonesPorMarca)));
    const Marcas marcas = MarcasDe(bajo, alto, cuantas);
    const Forma forma = FormaDe(marcas, true);
    return {marcas, TextosDe(marcas, forma, w), forma, bajo, alto};
}

// The km axis: as many round values as fit without two texts touching, the
// last one whole inside the chart, with the years at the kilometres a year
// under them. Sets the plot's right edge.
struct EjeKm {
    Marcas marcas;
    Forma forma = Forma::Llana;
    std::vector<Rotulo> rotulos;
};

// The axis with about `cuantas` values; `caben` tells whether its texts fit.
EjeKm KmCon(int cuantas, const Explicacion& e, double filaKm, double ancho, const MedidasGrafica& m,
            const Escritura& w, Area& area, bool& caben) {
    EjeKm eje;
    eje.marcas = MarcasDe(0, area.tramo, cuantas);
    eje.forma = FormaDe(eje.marcas, true);
    std::vector<std::string> filas[2];
    filas[0] = TextosDe(eje.marcas, eje.forma, w);
    for (const double v : eje.marcas.valores) {
        if (e.kmAno <= 0) break;
        // Years are not round: a digit more than their step needs.
        const double a = v / e.kmAno, paso = eje.marcas.paso / e.kmAno / 10;
        filas[1].push_back(TextoDe(a, paso, FormaDe({{a}, paso}, false), w));
    }
    // The last value's text whole inside the chart's edge.
    double mitad = 0;
    for (const auto& fila : filas) {
        if (!fila.empty()) mitad = std::max(mitad, m.anchoDeTexto(fila.back()) / 2);
    }
    const double borde = ancho - kMargen, ultimo = eje.marcas.valores.back() / area.tramo;
    area.derecha = ultimo > 0
                       ? std::min(borde, area.izquierda + (borde - mitad - area.izquierda) / ultimo)
                       : borde;
    const double h = m.altoDeLetra;
    caben = true;
    for (int f = 0; f < 2; ++f) {
        for (std::size_t i = 0; i < filas[f].size(); ++i) {
            const Rotulo r = Texto(area.X(eje.marcas.valores[i]), filaKm + f * (h + kBajoLaRaya),
                                   Ancla::Medio, filas[f][i], f ? Estilo::Anos : Estilo::Marca, m);
            const Caja c = CajaDe(r, m);
            caben = caben && c.x >= kMargen && c.x + c.ancho <= ancho - kMargen &&
                    (i == 0 || !Solapan(CajaDe(eje.rotulos.back(), m), c, kHueco));
            eje.rotulos.push_back(r);
        }
    }
    return eje;
}

EjeKm KmDe(const Explicacion& e, double ancho, const MedidasGrafica& m, const Escritura& w,
           Area& area) {
    const double espacio = ancho - kMargen - area.izquierda;
    const double filaKm = area.abajo + m.altoDeLetra / 2 + kBajoLaRaya;
    bool caben = false;
    EjeKm eje;
    for (int cuantas = std::max(1, int(espacio / kPixelesPorMarcaKm)); cuantas >= 1 && !caben;
         --cuantas) {
        eje = KmCon(cuantas, e, filaKm, ancho, m, w, area, caben);
    }
    return eje;
}

// The axis's name at the right, under its values.
Rotulo TituloKm(const Explicacion& e, const EjeKm& eje, double ancho, const MedidasGrafica& m) {
    std::string titulo = e.rotuloEje;
    if (eje.forma == Forma::Millones) titulo += " en millones";
    if (e.kmAno > 0) titulo += " (y años)";
    const double abajo = eje.rotulos.back().y + 0.2 * m.altoDeLetra;
    return Texto(ancho - kMargen, abajo + kEntreRenglones, Ancla::Fin, titulo, Estilo::Titulo, m);
}

// The distance beside the crossing: the first place around the point,
// nearer first, inside the plot and clear of the lines and the point.
std::optional<Rotulo> RotuloDelCruce(const Explicacion& e, const Punto& punto, const Area& area,
                                     const PlanoGrafica& p, const MedidasGrafica& m) {
    const double ancho = m.anchoDeTexto(e.rotuloCruce), h = m.altoDeLetra;
    const double r = p.radioPunto;
    const Caja marca{punto.x - r - 1, punto.y - r - 1, 2 * r + 2, 2 * r + 2};
    // Left above, right below, right above, left below, above, below.
    constexpr double kLados[][2] = {{-1, -1}, {1, 1}, {1, -1}, {-1, 1}, {0, -1}, {0, 1}};
    for (const double d : kDistanciasDelCruce) {
        for (const auto& lado : kLados) {
            const double x = lado[0] < 0   ? punto.x - d - ancho
                             : lado[0] > 0 ? punto.x + d
                                           : punto.x - ancho / 2;
            const double y = lado[1] < 0 ? punto.y - d - h : punto.y + d;
            const Caja c{x, y, ancho, h};
            if (!Dentro(c, area.EnCaja()) || Solapan(c, marca)) continue;
            const bool libre = std::none_of(
                p.segmentos.begin(), p.segmentos.end(),
                [&](const Segmento& s) { return s.trazo != Trazo::Rejilla && Cruza(s, c); });
            if (libre) return Texto(x, y, Ancla::Inicio, e.rotuloCruce, Estilo::Cruce, m);
        }
    }
    return std::nullopt;
}

// The chart, with the crossing's label in the legend or beside the point;
// nothing where it goes beside the point and finds no place there.
std::optional<PlanoGrafica> Trazar(const Explicacion& e, double ancho, const MedidasGrafica& m,
                                   const Escritura& w, bool cruceEnLeyenda) {
    PlanoGrafica p;
    p.ancho = ancho;
    const double h = m.altoDeLetra, cruce = Cruce(e);
    Area area;
    area.tramo = Tramo(e, cruce);
    double y = Leyenda(e, cruce > 0 && cruceEnLeyenda, m, p);
    const double altoUtil = std::clamp(ancho * kAltoPorAncho, kAltoMinimo, kAltoMaximo);
    const EjeDinero dinero = DineroDe(e, area.tramo, altoUtil, h, w);
    if (dinero.forma == Forma::Millones) {
        p.rotulos.push_back(Texto(kMargen, y, Ancla::Inicio, "en millones", Estilo::Titulo, m));
        y += h + kBajoLaRaya;
    }
    area.arriba = y + h / 2 + kBajoLaRaya;
    area.abajo = area.arriba + altoUtil;
    area.bajo = dinero.bajo;
    area.alto = dinero.alto;
    double columna = 0;
    for (const std::string& t : dinero.textos) columna = std::max(columna, m.anchoDeTexto(t));
    area.izquierda = kMargen + columna + kHueco;
    const EjeKm km = KmDe(e, ancho, m, w, area);
    p.rotulos.insert(p.rotulos.end(), km.rotulos.begin(), km.rotulos.end());
    p.rotulos.push_back(TituloKm(e, km, ancho, m));
    p.alto = p.rotulos.back().y + 0.2 * h + kMargen;
    // The grid, the money's values at the left, the zero line.
    for (const double v : km.marcas.valores) {
        p.segmentos.push_back({area.X(v), area.arriba, area.X(v), area.abajo, Trazo::Rejilla});
    }
    for (std::size_t i = 0; i < dinero.marcas.valores.size(); ++i) {
        const double yv = area.Y(dinero.marcas.valores[i]);
        p.segmentos.push_back({area.izquierda, yv, area.derecha, yv, Trazo::Rejilla});
        p.rotulos.push_back(Texto(area.izquierda - kHueco, yv - h / 2, Ancla::Fin, dinero.textos[i],
                                  Estilo::Marca, m));
    }
    p.segmentos.push_back({area.izquierda, area.Y(0), area.derecha, area.Y(0), Trazo::Eje});
    // The two lines, and where they cross.
    const double yDiferencia = area.Y(e.diferencia);
    p.segmentos.push_back(
        {area.izquierda, yDiferencia, area.derecha, yDiferencia, Trazo::Diferencia});
    p.segmentos.push_back({area.X(0), area.Y(0), area.X(area.tramo),
                           area.Y(e.ahorroPorKm * area.tramo), Trazo::Ahorro});
    if (cruce <= 0) return p;
    const Punto punto{area.X(cruce), yDiferencia};
    p.puntos.insert(p.puntos.begin(), punto);
    if (cruceEnLeyenda) return p;
    const auto rotulo = RotuloDelCruce(e, punto, area, p, m);
    if (!rotulo) return std::nullopt;
    p.rotulos.push_back(*rotulo);
    return p;
}

}  // namespace

namespace trazado {

Forma FormaDe(const Marcas& m, bool millones) {
    double mayor = 0;
    for (const double v : m.valores) mayor = std::max(mayor, std::fabs(v));
    if (mayor >= 1e9 || m.paso < 1e-4) return Forma::Exponente;
    if (millones && mayor >= 1e6) return Forma::Millones;
    return Forma::Llana;
}

std::string TextoDe(double v, double paso, Forma forma, const Escritura& w) {
    if (v == 0) return w.agrupado(0, 0);
    if (forma == Forma::Exponente) return w.Exponente(v);
    if (forma == Forma::Millones) {
        v /= 1e6;
        paso /= 1e6;
    }
    // As many decimals as the step's first digit needs (a step a hair
    // under a power of ten, from the divisions above, counts as that power).
    const int decimales = std::max(0, -OrdenDeMagnitud(paso * (1 + 3e-9)));
    const double escala = PotenciaDeDiez(decimales);
    return w.agrupado(std::round(v * escala) / escala, decimales);
}

std::vector<std::string> TextosDe(const Marcas& m, Forma forma, const Escritura& w) {
    std::vector<std::string> textos;
    for (const double v : m.valores) textos.push_back(TextoDe(v, m.paso, forma, w));
    return textos;
}

bool Solapan(const Caja& a, const Caja& b, double hueco) {
    return a.x < b.x + b.ancho + hueco && b.x < a.x + a.ancho + hueco && a.y < b.y + b.alto &&
           b.y < a.y + a.alto;
}

bool Dentro(const Caja& c, const Caja& area) {
    return c.x >= area.x && c.y >= area.y && c.x + c.ancho <= area.x + area.ancho &&
           c.y + c.alto <= area.y + area.alto;
}

Rotulo Texto(double x, double arriba, Ancla ancla, std::string texto, Estilo estilo,
             const MedidasGrafica& medidas) {
    return {x, arriba + 0.8 * medidas.altoDeLetra, ancla, std::move(texto), estilo};
}

double Leyenda(const std::vector<EntradaLeyenda>& entradas, const MedidasGrafica& m,
               PlanoGrafica& p) {
    const double h = m.altoDeLetra;
    double x = kMargen, y = kMargen;
    for (const EntradaLeyenda& entrada : entradas) {
        const double ancho = kMuestra + kHueco + m.anchoDeTexto(entrada.texto);
        if (x > kMargen && x + ancho > p.ancho - kMargen) {
            x = kMargen;
            y += h + kEntreRenglones;
        }
        const double medio = y + h / 2;
        if (!entrada.trazo) {
            p.puntos.push_back({x + kMuestra / 2, medio});
        } else if (*entrada.trazo == Trazo::SinAmortizar) {
            // A week's mark stands up from its line, as on the chart.
            p.segmentos.push_back(
                {x + kMuestra / 2, medio + h / 3, x + kMuestra / 2, medio - h / 3, *entrada.trazo});
        } else {
            p.segmentos.push_back({x, medio, x + kMuestra, medio, *entrada.trazo});
        }
        p.rotulos.push_back(
            Texto(x + kMuestra + kHueco, y, Ancla::Inicio, entrada.texto, entrada.estilo, m));
        x += ancho + 3 * kHueco;
    }
    return y + h + kEntreRenglones;
}

}  // namespace trazado

Marcas MarcasDe(double desde, double hasta, int cuantas) {
    Marcas m;
    const double bruto = (hasta - desde) / std::max(1, cuantas);
    if (!(bruto > 0) || !std::isfinite(bruto)) {
        m.valores = {desde};
        return m;
    }
    const double potencia = PotenciaDeDiez(OrdenDeMagnitud(bruto));
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        m.paso = f * potencia;
        if (m.paso >= bruto * (1 - 1e-9)) break;
    }
    const double primero = std::ceil(desde / m.paso - 1e-9),
                 ultimo = std::floor(hasta / m.paso + 1e-9);
    for (double k = primero; k <= ultimo; ++k) m.valores.push_back(k == 0 ? 0.0 : k * m.paso);
    return m;
}

Caja CajaDe(const Rotulo& r, const MedidasGrafica& medidas) {
    const double ancho = medidas.anchoDeTexto(r.texto);
    const double x = r.ancla == Ancla::Inicio ? r.x
                     : r.ancla == Ancla::Fin  ? r.x - ancho
                                              : r.x - ancho / 2;
    return {x, r.y - 0.8 * medidas.altoDeLetra, ancho, medidas.altoDeLetra};
}

bool Cruza(const Segmento& s, const Caja& c) {
    // The segment clipped to the box (Liang and Barsky): it crosses the box
    // where a part of it is left.
    double t0 = 0, t1 = 1;
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {s.x1 - c.x, c.x + c.ancho - s.x1, s.y1 - c.y, c.y + c.alto - s.y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    return true;
}

PlanoGrafica PlanoDe(const Explicacion& e, double ancho, const MedidasGrafica& medidas,
                     const Escritura& escritura) {
    // The crossing's label beside the point where a place is free there,
    // in the legend where none is.
    if (auto plano = Trazar(e, ancho, medidas, escritura, false)) return std::move(*plano);
    return *Trazar(e, ancho, medidas, escritura, true);
}

}  // namespace velmora::ui
