#include "PlanoGrafica.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

constexpr double kMargen = 4;    // the chart's edge to anything in it
constexpr double kHueco = 6;     // between two texts, or a text and what it names
constexpr double kMuestra = 22;  // a line's sample in the legend

// How an axis writes all its values: as they are, in millions, or in the
// exponent form.
enum class Forma { Llana, Millones, Exponente };

Forma FormaDe(const Marcas& m, bool millones) {
    double mayor = 0;
    for (const double v : m.valores) mayor = std::max(mayor, std::fabs(v));
    if (mayor >= 1e9 || m.paso < 1e-4) return Forma::Exponente;
    if (millones && mayor >= 1e6) return Forma::Millones;
    return Forma::Llana;
}

// Value `v` of an axis whose values are `paso` apart, with as many decimals
// as the step needs, so that no two read alike.
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

bool Solapan(const Caja& a, const Caja& b, double hueco = 0) {
    return a.x < b.x + b.ancho + hueco && b.x < a.x + a.ancho + hueco && a.y < b.y + b.alto &&
           b.y < a.y + a.alto;
}

bool Dentro(const Caja& c, double izquierda, double arriba, double derecha, double abajo) {
    return c.x >= izquierda && c.y >= arriba && c.x + c.ancho <= derecha && c.y + c.alto <= abajo;
}

class Plano {
  public:
    Plano(const Explicacion& e, double ancho, const MedidasGrafica& m, const Escritura& w)
        : e_(e), m_(m), w_(w), h_(m.altoDeLetra) {
        p_.ancho = ancho;
    }

    // Lays the chart out; gives false where the crossing's label found no
    // place beside the point (and is not in the legend).
    bool Trazar(bool cruceEnLeyenda) {
        const double cruce = e_.cruzan && e_.ahorroPorKm != 0 ? e_.diferencia / e_.ahorroPorKm : 0;
        const bool hayCruce = e_.cruzan && cruce > 0 && std::isfinite(cruce);
        tramo_ = hayCruce ? cruce * 1.3 : e_.kmAno > 0 ? e_.kmAno * 10 : 100000;

        double y = Leyenda(hayCruce && cruceEnLeyenda);
        // Money up: from 0, the difference and the saving at the end, with
        // room above (and below, where something is negative).
        const double altoUtil = std::clamp(p_.ancho * 0.42, 150.0, 230.0);
        double bajo = std::min({0.0, e_.diferencia, e_.ahorroPorKm * tramo_});
        double alto = std::max({0.0, e_.diferencia, e_.ahorroPorKm * tramo_});
        if (alto == bajo) alto = 1;
        const double holgura = (alto - bajo) * 0.08;
        alto += holgura;
        if (bajo < 0) bajo -= holgura;
        const Marcas dinero = MarcasDe(bajo, alto, std::max(2, int(altoUtil / (h_ * 2.2))));
        const Forma formaDinero = FormaDe(dinero, true);
        if (formaDinero == Forma::Millones) {
            Texto(kMargen, y, Ancla::Inicio, "en millones", Estilo::Titulo);
            y += h_ + 2;
        }
        arriba_ = y + h_ / 2 + 2;
        abajo_ = arriba_ + altoUtil;
        bajo_ = bajo;
        alto_ = alto;
        double columna = 0;
        std::vector<std::string> textosDinero;
        for (const double v : dinero.valores) {
            textosDinero.push_back(TextoDe(v, dinero.paso, formaDinero, w_));
            columna = std::max(columna, m_.anchoDeTexto(textosDinero.back()));
        }
        izquierda_ = kMargen + columna + kHueco;
        const Marcas km = EjeKm();
        // The grid, the money's values at the left, the zero line.
        for (const double v : km.valores) {
            p_.segmentos.push_back({X(v), arriba_, X(v), abajo_, Trazo::Rejilla});
        }
        for (std::size_t i = 0; i < dinero.valores.size(); ++i) {
            const double yv = Y(dinero.valores[i]);
            p_.segmentos.push_back({izquierda_, yv, derecha_, yv, Trazo::Rejilla});
            Texto(izquierda_ - kHueco, yv - h_ / 2, Ancla::Fin, textosDinero[i], Estilo::Marca);
        }
        p_.segmentos.push_back({izquierda_, Y(0), derecha_, Y(0), Trazo::Eje});
        // The two lines, and where they cross.
        p_.segmentos.push_back(
            {izquierda_, Y(e_.diferencia), derecha_, Y(e_.diferencia), Trazo::Diferencia});
        p_.segmentos.push_back({X(0), Y(0), X(tramo_), Y(e_.ahorroPorKm * tramo_), Trazo::Ahorro});
        if (!hayCruce) return true;
        const Punto punto{X(cruce), Y(e_.diferencia)};
        p_.puntos.insert(p_.puntos.begin(), punto);
        return cruceEnLeyenda || RotuloDelCruce(punto);
    }

    PlanoGrafica Hecho() { return std::move(p_); }

  private:
    double X(double km) const { return izquierda_ + km / tramo_ * (derecha_ - izquierda_); }
    double Y(double v) const { return abajo_ - (v - bajo_) / (alto_ - bajo_) * (abajo_ - arriba_); }

    // A text whose box starts at `arriba`.
    void Texto(double x, double arriba, Ancla ancla, std::string texto, Estilo estilo) {
        p_.rotulos.push_back({x, arriba + 0.8 * h_, ancla, std::move(texto), estilo});
    }

    // The legend, in rows from the top: each line's sample and name, and
    // the crossing where it goes there. Gives where it ends.
    double Leyenda(bool cruce) {
        struct Entrada {
            std::string texto;
            Estilo estilo;
        };
        std::vector<Entrada> entradas{{e_.rotuloDiferencia, Estilo::Diferencia},
                                      {e_.rotuloAhorro, Estilo::Ahorro}};
        if (cruce) entradas.push_back({e_.rotuloCruce, Estilo::Cruce});
        double x = kMargen, y = kMargen;
        for (const Entrada& entrada : entradas) {
            const double ancho = kMuestra + kHueco + m_.anchoDeTexto(entrada.texto);
            if (x > kMargen && x + ancho > p_.ancho - kMargen) {
                x = kMargen;
                y += h_ + 4;
            }
            const double medio = y + h_ / 2;
            if (entrada.estilo == Estilo::Cruce) {
                p_.puntos.push_back({x + kMuestra / 2, medio});
            } else {
                p_.segmentos.push_back(
                    {x, medio, x + kMuestra, medio,
                     entrada.estilo == Estilo::Diferencia ? Trazo::Diferencia : Trazo::Ahorro});
            }
            Texto(x + kMuestra + kHueco, y, Ancla::Inicio, entrada.texto, entrada.estilo);
            x += ancho + 3 * kHueco;
        }
        return y + h_ + 4;
    }

    // The kilometres across, and the years under them: as many round
    // values as fit without two texts touching, the last one whole inside
    // the chart. Sets the right edge of the plot; places the texts below.
    Marcas EjeKm() {
        const double espacio = p_.ancho - kMargen - izquierda_;
        const double filaKm = abajo_ + h_ / 2 + 2, filaAnos = filaKm + h_ + 2;
        Marcas km;
        std::vector<Rotulo> textos;
        for (int cuantas = std::max(1, int(espacio / 70)); cuantas >= 1; --cuantas) {
            km = MarcasDe(0, tramo_, cuantas);
            const Forma forma = FormaDe(km, true);
            std::vector<std::string> filas[2];
            for (const double v : km.valores) {
                filas[0].push_back(TextoDe(v, km.paso, forma, w_));
                if (e_.kmAno > 0) {
                    // Years are not round: a digit more than their step needs.
                    const double a = v / e_.kmAno, paso = km.paso / e_.kmAno / 10;
                    filas[1].push_back(TextoDe(a, paso, FormaDe({{a}, paso}, false), w_));
                }
            }
            forma_ = forma;
            // The last value's text whole inside the chart's edge.
            double mitad = 0;
            for (const auto& fila : filas) {
                if (!fila.empty()) mitad = std::max(mitad, m_.anchoDeTexto(fila.back()) / 2);
            }
            const double borde = p_.ancho - kMargen, ultimo = km.valores.back() / tramo_;
            derecha_ = ultimo > 0
                           ? std::min(borde, izquierda_ + (borde - mitad - izquierda_) / ultimo)
                           : borde;
            textos.clear();
            bool caben = true;
            for (int f = 0; f < 2; ++f) {
                for (std::size_t i = 0; i < filas[f].size(); ++i) {
                    const Rotulo r{X(km.valores[i]), (f ? filaAnos : filaKm) + 0.8 * h_,
                                   Ancla::Medio, filas[f][i], f ? Estilo::Anos : Estilo::Marca};
                    const Caja c = CajaDe(r, m_);
                    caben = caben && c.x >= kMargen && c.x + c.ancho <= p_.ancho - kMargen &&
                            (i == 0 || !Solapan(CajaDe(textos.back(), m_), c, kHueco));
                    textos.push_back(r);
                }
            }
            if (caben) break;
        }
        p_.rotulos.insert(p_.rotulos.end(), textos.begin(), textos.end());
        // The axis's name at the right, under its values.
        std::string titulo = e_.rotuloEje;
        if (forma_ == Forma::Millones) titulo += " en millones";
        if (e_.kmAno > 0) titulo += " (y años)";
        Texto(p_.ancho - kMargen, (e_.kmAno > 0 ? filaAnos : filaKm) + h_ + 4, Ancla::Fin, titulo,
              Estilo::Titulo);
        p_.alto = p_.rotulos.back().y + 0.2 * h_ + kMargen;
        return km;
    }

    // The distance beside the crossing: the first place around the point,
    // nearer first, inside the plot and clear of the lines and the point.
    bool RotuloDelCruce(const Punto& punto) {
        const double ancho = m_.anchoDeTexto(e_.rotuloCruce);
        const double r = p_.radioPunto;
        const Caja marca{punto.x - r - 1, punto.y - r - 1, 2 * r + 2, 2 * r + 2};
        for (const double d : {6.0, 14.0, 26.0, 40.0}) {
            // Left above, right below, right above, left below, above, below.
            const double lados[][2] = {{-1, -1}, {1, 1}, {1, -1}, {-1, 1}, {0, -1}, {0, 1}};
            for (const auto& lado : lados) {
                const double x = lado[0] < 0   ? punto.x - d - ancho
                                 : lado[0] > 0 ? punto.x + d
                                               : punto.x - ancho / 2;
                const double y = lado[1] < 0 ? punto.y - d - h_ : punto.y + d;
                const Caja c{x, y, ancho, h_};
                if (!Dentro(c, izquierda_, arriba_, derecha_, abajo_) || Solapan(c, marca))
                    continue;
                const bool libre = std::none_of(
                    p_.segmentos.begin(), p_.segmentos.end(),
                    [&](const Segmento& s) { return s.trazo != Trazo::Rejilla && Cruza(s, c); });
                if (!libre) continue;
                Texto(x, y, Ancla::Inicio, e_.rotuloCruce, Estilo::Cruce);
                return true;
            }
        }
        return false;
    }

    const Explicacion& e_;
    const MedidasGrafica& m_;
    const Escritura& w_;
    const double h_;
    PlanoGrafica p_;
    double tramo_ = 1, bajo_ = 0, alto_ = 1;
    double izquierda_ = 0, derecha_ = 0, arriba_ = 0, abajo_ = 0;
    Forma forma_ = Forma::Llana;
};

}  // namespace

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
    Plano plano(e, ancho, medidas, escritura);
    if (plano.Trazar(false)) return plano.Hecho();
    Plano otro(e, ancho, medidas, escritura);
    otro.Trazar(true);
    return otro.Hecho();
}

}  // namespace velmora::ui
