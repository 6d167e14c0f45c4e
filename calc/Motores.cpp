#include "Motores.h"

#include "ConversionNumeros.h"
#include "ErrorCalculo.h"

namespace velmora {
namespace {

// A step of a comparison: its value, or the message the comparison ends with.
template <typename T>
using Paso = Intento<T, Mensaje>;

std::string Capitalizado(std::string texto) {
    if (!texto.empty() && texto[0] >= 'a' && texto[0] <= 'z') texto[0] = char(texto[0] - 'a' + 'A');
    return texto;
}

std::string Citado(std::string_view etiqueta) {
    return "«" + std::string(etiqueta) + "»";
}

// A step of the formulas: its faults said as the main window says them,
// without naming a figure.
template <typename T>
Paso<T> DeLaFormula(const Intento<T>& paso) {
    if (paso.Bien()) return paso.Valor();
    if (paso.Error().Tipo() == TipoError::DivisionPorCero) {
        return Mensaje{
            "Los dos coches cuestan lo mismo por kilómetro: no se puede calcular la amortización."};
    }
    return Mensaje{"Los datos dan un resultado demasiado grande para calcularlo."};
}

Mensaje KmCero() {
    return {"El dato " + Citado(kEtiquetaKmAno) + " no puede ser 0."};
}

// The comparison's figures as read (CifrasLeidas), and what is wrong with
// them said in a message that names the car and the figure.
class Lector {
  public:
    Lector(const TextosComparacion& t, const CifrasLeidas& cifras) : t_(t), cifras_(cifras) {}

    std::string Figura(int coche, Dato d) const {
        return FiguraDelCoche(coche, t_.coches[std::size_t(coche)].motor, d);
    }

    // Every figure car `coche`'s motor needs holds some text.
    std::optional<Mensaje> FaltaAlguno(int coche) const {
        const TextosCoche& c = t_.coches[std::size_t(coche)];
        for (const DatosDeDato& d : kDatos) {
            if (!MotorUsa(c.motor, d.dato) || d.dato == Dato::OtrosGastos || !c[d.dato].empty()) {
                continue;
            }
            // The price away from home, where all is charged at home.
            if (d.dato == Dato::PrecioKWhFuera && TodoEnCasa(coche)) continue;
            return Mensaje{"Falta el dato " + Figura(coche, d.dato) + "."};
        }
        return std::nullopt;
    }

    Paso<double> Leer(int coche, Dato d) const {
        const auto& leido = cifras_(coche, d);
        if (!leido.Bien()) {
            return Mensaje{"El dato " + Figura(coche, d) +
                           (leido.Error().Tipo() == TipoError::Conversion
                                ? " no es un número."
                                : " es demasiado grande.")};
        }
        const double valor = leido.Valor();
        if (DatosDe(d).porcentaje && !(valor >= 0 && valor <= 100)) {
            return Mensaje{"El dato " + Figura(coche, d) + " tiene que estar entre 0 y 100."};
        }
        return valor;
    }

    bool Tiene(int coche, Dato d) const { return !t_.coches[std::size_t(coche)][d].empty(); }

    bool HayKmAno() const { return cifras_.HayKmAno(); }
    Paso<double> KmAno() const { return Uso(cifras_.KmAno(), kEtiquetaKmAno); }
    Paso<double> Interes() const { return Uso(cifras_.Interes(), kEtiquetaInteres); }
    bool ConInteres() const { return cifras_.ConInteres(); }

  private:
    bool TodoEnCasa(int coche) const {
        const auto& carga = cifras_(coche, Dato::CargaEnCasa);
        return carga.Bien() && carga.Valor() == 100;
    }

    static Paso<double> Uso(const Intento<double>& leido, std::string_view etiqueta) {
        if (!leido.Bien()) return Mensaje{"El dato " + Citado(etiqueta) + " es demasiado grande."};
        return leido.Valor();
    }

    const TextosComparacion& t_;
    const CifrasLeidas& cifras_;
};

// The steps of a comparison, in the main window's order: the figures each
// car needs, the price difference, car 2's cost a kilometre (a double),
// car 1's (a float), the distance, and the interest where both use fields
// are numbers. The first message ends them.
class Comparacion {
  public:
    Comparacion(const TextosComparacion& t, const CifrasLeidas& cifras) : t_(t), l_(t, cifras) {}

    Paso<Calculo> Calcular() {
        for (int coche : {0, 1}) {
            if (auto falta = l_.FaltaAlguno(coche)) return *falta;
        }
        Calculo c;
        c.conInteres = l_.ConInteres();
        const auto precio1 = l_.Leer(0, Dato::Precio);
        if (!precio1.Bien()) return precio1.Error();
        const auto precio2 = l_.Leer(1, Dato::Precio);
        if (!precio2.Bien()) return precio2.Error();
        const auto d = DeLaFormula(Estrechado(precio1.Valor() - precio2.Valor()));
        if (!d.Bien()) return d.Error();
        const auto coste2 = CosteKm(1, c.coches[1]);
        if (!coste2.Bien()) return coste2.Error();
        const auto c2 = DeLaFormula(Comprobado(coste2.Valor()));
        if (!c2.Bien()) return c2.Error();
        const auto coste1 = CosteKm(0, c.coches[0]);
        if (!coste1.Bien()) return coste1.Error();
        const auto c1 = DeLaFormula(Estrechado(coste1.Valor()));
        if (!c1.Bien()) return c1.Error();
        const auto a = DeLaFormula(Amortizar(d.Valor(), c2.Valor(), c1.Valor()));
        if (!a.Bien()) return a.Error();
        c.amortizacion = a.Valor();
        if (l_.HayKmAno() && l_.KmAno().Bien()) c.kmAno = l_.KmAno().Valor();
        if (!c.conInteres) return c;
        const auto cargada = Interes(c.amortizacion);
        if (!cargada.Bien()) return cargada.Error();
        c.amortizacion = cargada.Valor();
        return c;
    }

  private:
    // Car `coche`'s cost a kilometre, in double, and what it is made of.
    Paso<double> CosteKm(int coche, CocheCalculado& calculado) {
        const TextosCoche& t = t_.coches[std::size_t(coche)];
        calculado.nombre = NombreDelCoche(t_, coche);
        const Paso<double> coste = t.motor == Motor::Electrico ? Electrico(coche, calculado)
                                   : t.motor == Motor::HibridoEnchufable
                                       ? Enchufable(coche, t.motor, calculado)
                                       : Liquido(coche, t.motor, calculado);
        if (!coste.Bien() || !l_.Tiene(coche, Dato::OtrosGastos)) return coste;
        const auto otros = l_.Leer(coche, Dato::OtrosGastos);
        if (!otros.Bien()) return otros;
        const auto km = KmParaOtrosGastos(coche);
        if (!km.Bien()) return km;
        const auto fijo = DeLaFormula(Comprobado(otros.Valor() / km.Valor()));
        if (!fijo.Bien()) return fijo;
        calculado.fijoPorKm = fijo.Valor();
        return coste.Valor() + calculado.fijoPorKm;
    }

    // The litres a car burns a kilometre's hundred, as typed or as measured
    // on the road.
    Paso<double> Litros(int coche, Motor m) const {
        const auto consumo = l_.Leer(coche, Dato::Consumo);
        const double real = t_.consumoReal ? DatosDe(m).litrosReales : 0;
        if (!consumo.Bien() || real == 0) return consumo;
        return consumo.Valor() * (100 + real) / 100;
    }

    // consumo * precio / 100, the price read first as the main window does.
    Paso<double> Liquido(int coche, Motor m, CocheCalculado& calculado) const {
        const auto precio = l_.Leer(coche, Dato::PrecioLitro);
        if (!precio.Bien()) return precio;
        const auto litros = Litros(coche, m);
        if (!litros.Bien()) return litros;
        calculado.energias.push_back({NombreDelLitro(m), precio.Valor(), litros.Valor() / 100});
        return litros.Valor() * precio.Valor() / 100.0;
    }

    Paso<double> Electrico(int coche, CocheCalculado& calculado) const {
        double v[4] = {};  // consumo, casa, carga, fuera
        const Dato datos[] = {Dato::ConsumoKWh, Dato::PrecioKWhCasa, Dato::CargaEnCasa,
                              Dato::PrecioKWhFuera};
        for (int i = 0; i < 4; ++i) {
            // The price away from home, empty where all is charged at home.
            if (i == 3 && v[2] == 100 && !l_.Tiene(coche, Dato::PrecioKWhFuera)) break;
            const auto leido = l_.Leer(coche, datos[i]);
            if (!leido.Bien()) return leido;
            v[i] = leido.Valor();
        }
        const double consumo = v[0], casa = v[1], carga = v[2], fuera = v[3];
        const double mezcla = (casa * carga + fuera * (100 - carga)) / 100;
        if (carga > 0)
            calculado.energias.push_back({"el kWh en casa", casa, consumo * carga / 1e4});
        if (carga < 100) {
            calculado.energias.push_back({"el kWh fuera", fuera, consumo * (100 - carga) / 1e4});
        }
        return consumo * mezcla / 100.0;
    }

    Paso<double> Enchufable(int coche, Motor m, CocheCalculado& calculado) const {
        const auto litros = Litros(coche, m);
        if (!litros.Bien()) return litros;
        double v[4] = {};  // precio del litro, consumo eléctrico, precio del kWh, e
        const Dato datos[] = {Dato::PrecioLitro, Dato::ConsumoElectrico, Dato::PrecioKWh,
                              Dato::KmElectrico};
        for (int i = 0; i < 4; ++i) {
            const auto leido = l_.Leer(coche, datos[i]);
            if (!leido.Bien()) return leido;
            v[i] = leido.Valor();
        }
        const double precio = v[0], electrico = v[1], kwh = v[2], e = v[3];
        if (e < 100)
            calculado.energias.push_back(
                {NombreDelLitro(m), precio, litros.Valor() * (100 - e) / 1e4});
        if (e > 0) calculado.energias.push_back({"el kWh", kwh, electrico * e / 1e4});
        return (litros.Valor() * precio * (100 - e) + electrico * kwh * e) / 100.0 / 100.0;
    }

    // The kilometres a year that other costs are spread over: a number, not 0.
    Paso<double> KmParaOtrosGastos(int coche) const {
        if (!l_.HayKmAno()) {
            return Mensaje{"Para repartir el dato " + l_.Figura(coche, Dato::OtrosGastos) +
                           " por kilómetro hace falta el dato " + Citado(kEtiquetaKmAno) + "."};
        }
        const auto km = l_.KmAno();
        if (km.Bien() && km.Valor() == 0) return KmCero();
        return km;
    }

    // The main window's interest: the years at the kilometres a year, the
    // rate, the difference charged and the distance that makes it up.
    Paso<Amortizacion> Interes(const Amortizacion& a) const {
        const auto km = l_.KmAno();
        if (!km.Bien()) return km.Error();
        if (km.Valor() == 0) return KmCero();
        const auto anos = DeLaFormula(AnosHastaAmortizar(a, km.Valor()));
        if (!anos.Bien()) return anos.Error();
        const auto tasa = l_.Interes();
        if (!tasa.Bien()) return tasa.Error();
        return DeLaFormula(CargarInteres(a, anos.Valor(), tasa.Valor()));
    }

    const TextosComparacion& t_;
    const Lector l_;
};

}  // namespace

std::string_view NombreDelLitro(Motor m) {
    switch (m) {
        case Motor::Diesel:
            return "el litro de gasóleo";
        case Motor::GLP:
            return "el litro de GLP";
        default:
            return "el litro de gasolina";
    }
}

std::string FiguraDelCoche(int coche, Motor motor, Dato dato) {
    return Citado(DatosDe(dato).etiqueta) + " del coche " + std::to_string(coche + 1) + " (" +
           std::string(DatosDe(motor).nombre) + ")";
}

std::string FiguraDeUso(DatoUso dato) {
    return Citado(dato == DatoUso::KmAno ? kEtiquetaKmAno : kEtiquetaInteres);
}

std::string MensajeDemasiadoLargo(std::string_view figura) {
    std::string largo = std::to_string(kLargoMaximoCampo);  // in thousands: 50.000
    for (std::size_t i = largo.size(); i > 3; i -= 3) largo.insert(i - 3, ".");
    return "El texto es demasiado largo para el dato " + std::string(figura) +
           ": admite como mucho " + largo + " caracteres. El dato no ha cambiado.";
}

std::string_view NombreDelCoche(const TextosComparacion& textos, int coche) {
    if (textos.coches[0].motor == textos.coches[1].motor)
        return coche == 0 ? "el coche 1" : "el coche 2";
    return DatosDe(textos.coches[std::size_t(coche)].motor).articulo;
}

CifrasLeidas::CifrasLeidas(const TextosComparacion& textos, const ConfiguracionRegional& config) {
    leidos_.reserve(2 * kNumeroDatos + 2);
    for (const TextosCoche& coche : textos.coches) {
        for (const std::string& texto : coche.datos)
            leidos_.push_back(NumeroEstricto(texto, config));
    }
    leidos_.push_back(NumeroInicial(textos.kmAno, config));
    hayKmAno_ = EsNumerico(textos.kmAno, config);
    conInteres_ = hayKmAno_ && EsNumerico(textos.interes, config);
    leidos_.push_back(NumeroInicial(textos.interes, config));
}

std::variant<Calculo, Mensaje> CalcularMotores(const TextosComparacion& textos,
                                               const ConfiguracionRegional& config) {
    return CalcularMotores(textos, CifrasLeidas(textos, config));
}

std::variant<Calculo, Mensaje> CalcularMotores(const TextosComparacion& textos,
                                               const CifrasLeidas& cifras) {
    const auto calculo = Comparacion(textos, cifras).Calcular();
    if (!calculo.Bien()) return calculo.Error();
    return calculo.Valor();
}

Respuesta ResponderMotores(const TextosComparacion& textos, const ConfiguracionRegional& config) {
    const auto calculo = CalcularMotores(textos, config);
    const auto* c = std::get_if<Calculo>(&calculo);
    const std::string uno(NombreDelCoche(textos, 0)), otro(NombreDelCoche(textos, 1));
    const MensajesDelCaso mensajes{
        [&] {
            return Capitalizado(uno) + " no se amortiza nunca: gasta más por kilómetro que " +
                   otro + ".";
        },
        [&](std::string_view distancia) {
            return Capitalizado(uno) +
                   " es más barato de compra pero gasta más por kilómetro: a partir de " +
                   std::string(distancia) + " Km sale más caro que " + otro + ".";
        }};
    return {DesenlaceDe(calculo, config, mensajes),
            c ? std::optional<Grafica>(GraficaDe(*c, config)) : std::nullopt};
}

}  // namespace velmora
