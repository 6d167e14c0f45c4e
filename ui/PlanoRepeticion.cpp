#include "PlanoRepeticion.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {
namespace {

using namespace trazado;

// The plot's height: a share of the chart's width, within bounds.
constexpr double kAltoPorAncho = 0.35, kAltoMinimo = 120, kAltoMaximo = 200;
// Room above the highest point, as a share of it.
constexpr double kHolgura = 0.08;
// A week that did not pay off: a mark so tall on the bottom line.
constexpr double kAltoDeMarca = 8;
// The longest gap between two weeks that the line bridges, in days.
constexpr int kDiasEntreSemanas = 7;

// The plot: its area in the chart, and the days and kilometres at its edges.
struct Area {
    double izquierda = 0, derecha = 0, arriba = 0, abajo = 0;
    double desde = 0, hasta = 1;  // days
    double alto = 1;              // km at the top

    double X(double dia) const {
        return izquierda + (dia - desde) / (hasta - desde) * (derecha - izquierda);
    }
    double Y(double km) const { return abajo - km / alto * (abajo - arriba); }
};

double DiaDe(const SemanaDePrecios& s) {
    return DiasDesde1970(s.ano, s.mes, s.dia);
}

// The years across: a line at each 1 January within the weeks, and the
// years written in the middle of their part, every `paso` years; nothing
// where the texts do not fit between the plot's edges without touching.
bool Anos(const Area& area, int primero, int ultimo, int paso, double fila, const MedidasGrafica& m,
          std::vector<Rotulo>& rotulos) {
    rotulos.clear();
    for (int ano = primero; ano <= ultimo; ano += paso) {
        const double inicio = std::max(area.desde, double(DiasDesde1970(ano, 1, 1)));
        const double fin = std::min(area.hasta, double(DiasDesde1970(ano + 1, 1, 1)));
        const std::string texto = std::to_string(ano);
        const Rotulo r =
            Texto(area.X((inicio + fin) / 2), fila, Ancla::Medio, texto, Estilo::Marca, m);
        const Caja c = CajaDe(r, m);
        if (c.x < area.izquierda || c.x + c.ancho > area.derecha) continue;  // a year cut short
        if (!rotulos.empty() && Solapan(CajaDe(rotulos.back(), m), c, kHueco)) {
            rotulos.clear();
            return false;
        }
        rotulos.push_back(r);
    }
    return !rotulos.empty();
}

// The weeks that paid off, as lines: a point a week, a new line after a
// gap in the bulletin or a week that did not pay off, which is a mark.
void Semanas(const Repeticion& r, const Area& area, PlanoGrafica& p) {
    Linea linea{{}, Trazo::Semanas};
    double anterior = 0;
    const auto cerrar = [&] {
        // A lone week: a line of no length, which its round ends show.
        if (linea.puntos.size() == 1) linea.puntos.push_back(linea.puntos.front());
        if (!linea.puntos.empty()) p.lineas.push_back(std::move(linea));
        linea = {{}, Trazo::Semanas};
    };
    for (std::size_t i = 0; i < r.semanas.size(); ++i) {
        const double dia = DiaDe(r.tabla[i]);
        if (i > 0 && dia - anterior > kDiasEntreSemanas) cerrar();
        anterior = dia;
        const SemanaRepetida& s = r.semanas[i];
        if (s.tipo == TipoSemana::Amortizado) {
            linea.puntos.push_back({area.X(dia), area.Y(s.distancia)});
            continue;
        }
        cerrar();
        p.segmentos.push_back(
            {area.X(dia), area.abajo, area.X(dia), area.abajo - kAltoDeMarca, Trazo::SinAmortizar});
    }
    cerrar();
}

// Up, the kilometres from 0 past the highest week and the answer typed,
// below the legend that ends at `y`: the area's top, bottom, left and right
// set, the axis's marks and their texts given.
struct EjeKm {
    Marcas marcas;
    std::vector<std::string> textos;
};
EjeKm Kilometros(const Repeticion& r, double ancho, double y, const MedidasGrafica& m,
                 const Escritura& w, PlanoGrafica& p, Area& area) {
    const double h = m.altoDeLetra;
    area.alto = std::max(double(r.distancias.maxima), double(r.propia.value_or(0)));
    area.alto = area.alto > 0 ? area.alto * (1 + kHolgura) : 1;
    const double altoUtil = std::clamp(ancho * kAltoPorAncho, kAltoMinimo, kAltoMaximo);
    EjeKm eje;
    eje.marcas = MarcasDe(0, area.alto, std::max(2, int(altoUtil / (h * kRenglonesPorMarca))));
    const Forma forma = FormaDe(eje.marcas, true);
    eje.textos = TextosDe(eje.marcas, forma, w);
    if (forma == Forma::Millones) {
        p.rotulos.push_back(Texto(kMargen, y, Ancla::Inicio, "Km en millones", Estilo::Titulo, m));
        y += h + kBajoLaRaya;
    }
    area.arriba = y + h / 2 + kBajoLaRaya;
    area.abajo = area.arriba + altoUtil;
    double columna = 0;
    for (const std::string& t : eje.textos) columna = std::max(columna, m.anchoDeTexto(t));
    area.izquierda = kMargen + columna + kHueco;
    area.derecha = ancho - kMargen;
    return eje;
}

// The lines across the chart: each 1 January, each mark of the kilometres
// (0 the axis) with its text, and the answer typed.
void Rejilla(const Repeticion& r, const Area& area, const EjeKm& eje, const MedidasGrafica& m,
             PlanoGrafica& p) {
    for (int ano = r.tabla.front().ano + 1; ano <= r.tabla.back().ano; ++ano) {
        const double x = area.X(DiasDesde1970(ano, 1, 1));
        p.segmentos.push_back({x, area.arriba, x, area.abajo, Trazo::Rejilla});
    }
    for (std::size_t i = 0; i < eje.marcas.valores.size(); ++i) {
        const double yv = area.Y(eje.marcas.valores[i]);
        p.segmentos.push_back({area.izquierda, yv, area.derecha, yv,
                               eje.marcas.valores[i] == 0 ? Trazo::Eje : Trazo::Rejilla});
        p.rotulos.push_back(Texto(area.izquierda - kHueco, yv - m.altoDeLetra / 2, Ancla::Fin,
                                  eje.textos[i], Estilo::Marca, m));
    }
    if (r.propia) {
        const double yp = area.Y(*r.propia);
        p.segmentos.push_back({area.izquierda, yp, area.derecha, yp, Trazo::Propia});
    }
}

}  // namespace

PlanoGrafica PlanoDe(const Repeticion& r, const ExplicacionRepeticion& e, double ancho,
                     const MedidasGrafica& m, const Escritura& w) {
    PlanoGrafica p;
    p.ancho = ancho;
    if (r.semanas.empty()) return p;
    std::vector<EntradaLeyenda> leyenda{{e.rotuloSemanas, Estilo::Semanas, Trazo::Semanas}};
    if (r.propia) leyenda.push_back({e.rotuloPropia, Estilo::Propia, Trazo::Propia});
    if (!e.rotuloSinAmortizar.empty()) {
        leyenda.push_back({e.rotuloSinAmortizar, Estilo::SinAmortizar, Trazo::SinAmortizar});
    }
    Area area;
    const EjeKm eje = Kilometros(r, ancho, Leyenda(leyenda, m, p), m, w, p, area);
    area.desde = DiaDe(r.tabla.front());
    area.hasta = std::max(area.desde + 1, DiaDe(r.tabla.back()));

    // Across, the years: every one where they fit, else every second or fifth.
    const double fila = area.abajo + kBajoLaRaya;
    std::vector<Rotulo> anos;
    for (const int paso : {1, 2, 5, 10}) {
        if (Anos(area, r.tabla.front().ano, r.tabla.back().ano, paso, fila, m, anos)) break;
    }
    p.rotulos.insert(p.rotulos.end(), anos.begin(), anos.end());
    p.alto = fila + m.altoDeLetra + kMargen;
    Rejilla(r, area, eje, m, p);
    Semanas(r, area, p);
    return p;
}

}  // namespace velmora::ui
