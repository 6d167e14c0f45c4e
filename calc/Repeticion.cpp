#include "Repeticion.h"

#include <algorithm>

namespace velmora {
namespace {

bool Entre(double valor, const double (&limites)[2]) {
    return valor >= limites[0] && valor <= limites[1];
}

// A week's answer, said as the request would say it (SentidoDe).
SemanaRepetida SemanaDe(const std::variant<Calculo, Mensaje>& calculo) {
    const auto* c = std::get_if<Calculo>(&calculo);
    if (!c) return {TipoSemana::SinResultado, 0};
    const Sentido s = SentidoDe(c->amortizacion);
    switch (s.tipo) {
        case TipoSentido::NuncaSeAmortiza:
            return {TipoSemana::NuncaSeAmortiza, 0};
        case TipoSentido::VentajaQueSeAcaba:
            return {TipoSemana::VentajaQueSeAcaba, s.distancia};
        case TipoSentido::Resultado:
            break;
    }
    return {TipoSemana::Amortizado, s.distancia};
}

// Shell's sort (insertion over shrinking gaps): a few hundred numbers
// sorted in a fraction of the time insertion alone takes, in a fraction of
// std::sort's code (the page's module is kept small).
void Ordenar(std::vector<float>& v) {
    for (const std::size_t paso : {132, 57, 23, 10, 4, 1}) {
        for (std::size_t i = paso; i < v.size(); ++i) {
            const float x = v[i];
            std::size_t j = i;
            for (; j >= paso && v[j - paso] > x; j -= paso) v[j] = v[j - paso];
            v[j] = x;
        }
    }
}

Distancias DistanciasDe(std::vector<float> km) {
    Distancias d;
    if (km.empty()) return d;
    Ordenar(km);
    d.semanas = int(km.size());
    d.minima = km.front();
    d.mediana = km[(km.size() - 1) / 2];
    d.maxima = km.back();
    return d;
}

// The weeks' answers gathered: over all of them, and year by year.
void Resumir(Repeticion& r) {
    std::vector<float> todas, delAno;
    for (std::size_t i = 0; i < r.semanas.size(); ++i) {
        const SemanaRepetida& s = r.semanas[i];
        if (i == 0 || r.tabla[i].ano != r.anos.back().ano) {
            if (i > 0) r.anos.back().amortizadas = DistanciasDe(std::move(delAno));
            delAno.clear();
            r.anos.push_back({r.tabla[i].ano, 0, {}});
        }
        ++r.anos.back().semanas;
        switch (s.tipo) {
            case TipoSemana::Amortizado:
                todas.push_back(s.distancia);
                delAno.push_back(s.distancia);
                break;
            case TipoSemana::NuncaSeAmortiza:
                ++r.nunca;
                break;
            case TipoSemana::VentajaQueSeAcaba:
                ++r.ventaja;
                break;
            case TipoSemana::SinResultado:
                ++r.sinResultado;
                break;
        }
    }
    if (!r.anos.empty()) r.anos.back().amortizadas = DistanciasDe(std::move(delAno));
    r.distancias = DistanciasDe(std::move(todas));
}

// The replay, once what is replaced and the answer as typed are known:
// `semana` answers the request with a week's prices of a litre of gas oil
// and of petrol, in the request's currency, which `eleccion` says.
template <typename Semana>
void Jugar(Repeticion& r, const Calculo& tecleado, EleccionMoneda eleccion, Semana semana) {
    const SemanaRepetida propia = SemanaDe(tecleado);
    if (propia.tipo == TipoSemana::Amortizado) r.propia = propia.distancia;
    switch (eleccion) {
        case EleccionMoneda::SegunLosPrecios:
            r.moneda = MonedaDe(r.preciosEscritos);
            break;
        case EleccionMoneda::Euros:
            r.moneda = Moneda::Euros;
            break;
        case EleccionMoneda::Pesetas:
            r.moneda = Moneda::Pesetas;
            break;
    }
    if (!r.moneda) return;
    const double factor = *r.moneda == Moneda::Pesetas ? kPesetasPorEuro : 1;
    r.semanas.reserve(r.tabla.size());
    for (const SemanaDePrecios& p : r.tabla) {
        // In pesetas, the euro price times the rate: one rounding, as the
        // product typed in full would read.
        r.semanas.push_back(SemanaDe(semana(p.gasoleo * factor, p.gasolina * factor)));
    }
    Resumir(r);
}

}  // namespace

std::optional<Moneda> MonedaDe(std::span<const double> precios) {
    if (precios.empty()) return std::nullopt;
    const auto todos = [&](const double(&limites)[2]) {
        return std::all_of(precios.begin(), precios.end(),
                           [&](double p) { return Entre(p, limites); });
    };
    if (todos(kLitroEnEuros)) return Moneda::Euros;
    if (todos(kLitroEnPesetas)) return Moneda::Pesetas;
    return std::nullopt;
}

std::optional<Repeticion> Repetir(const TextosCampos& textos, const ConfiguracionRegional& config,
                                  std::span<const SemanaDePrecios> tabla, EleccionMoneda eleccion) {
    CamposLeidos campos(textos, config);
    const auto tecleado = Calcular(textos, campos);
    const auto* c = std::get_if<Calculo>(&tecleado);
    if (!c) return std::nullopt;
    Repeticion r;
    r.coche = "este diésel";
    r.gasoleo = r.gasolina = true;
    r.preciosEscritos = {campos[IdCampo::txtPrecioLitroGasoil].Valor(),
                         campos[IdCampo::txtPrecioLitroGasolina].Valor()};
    r.tabla = tabla;
    Jugar(r, *c, eleccion, [&](double gasoleo, double gasolina) {
        campos.Poner(IdCampo::txtPrecioLitroGasoil, gasoleo);
        campos.Poner(IdCampo::txtPrecioLitroGasolina, gasolina);
        return Calcular(textos, campos);
    });
    return r;
}

std::optional<Repeticion> Repetir(const TextosComparacion& textos,
                                  const ConfiguracionRegional& config,
                                  std::span<const SemanaDePrecios> tabla, EleccionMoneda eleccion) {
    CifrasLeidas cifras(textos, config);
    const auto tecleado = CalcularMotores(textos, cifras);
    const auto* c = std::get_if<Calculo>(&tecleado);
    if (!c) return std::nullopt;
    Repeticion r;
    const bool mismoMotor = textos.coches[0].motor == textos.coches[1].motor;
    r.coche = mismoMotor ? "el coche 1" : std::string(DatosDe(textos.coches[0].motor).demostrativo);
    std::array<Combustible, 2> combustibles{};
    for (const int coche : {0, 1}) {
        const Motor motor = textos.coches[std::size_t(coche)].motor;
        combustibles[std::size_t(coche)] = DatosDe(motor).combustible;
        const bool cambia = combustibles[std::size_t(coche)] != Combustible::Ninguno;
        if (cambia) r.preciosEscritos.push_back(cifras(coche, Dato::PrecioLitro).Valor());
        r.gasoleo = r.gasoleo || combustibles[std::size_t(coche)] == Combustible::Gasoleo;
        r.gasolina = r.gasolina || combustibles[std::size_t(coche)] == Combustible::Gasolina;
        for (const Energia& e : c->coches[std::size_t(coche)].energias) {
            const bool queda = !cambia || e.nombre != NombreDelLitro(motor);
            if (queda &&
                std::find(r.sinCambio.begin(), r.sinCambio.end(), e.nombre) == r.sinCambio.end()) {
                r.sinCambio.emplace_back(e.nombre);
            }
        }
    }
    if (!r.gasoleo && !r.gasolina) return std::nullopt;
    r.tabla = tabla;
    Jugar(r, *c, eleccion, [&](double gasoleo, double gasolina) {
        for (const int coche : {0, 1}) {
            const Combustible f = combustibles[std::size_t(coche)];
            if (f != Combustible::Ninguno) {
                cifras.Poner(coche, Dato::PrecioLitro,
                             f == Combustible::Gasoleo ? gasoleo : gasolina);
            }
        }
        return CalcularMotores(textos, cifras);
    });
    return r;
}

}  // namespace velmora
