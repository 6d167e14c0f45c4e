// What kind of outcome the main window and a comparison of a diesel and a
// petrol car (calc/Motores.h) give, written alike for both: the result as
// written, or which message, naming which car and figure, so that the two
// can be compared whatever their words.
#pragma once

#include <string>

#include "calc/Motores.h"
#include "calc/OperacionCalcular.h"

namespace velmora {

// The kind of a main window's or a comparison's outcome: the result as
// written, or which message, naming which car and figure (by the diesel's
// and the petrol's fields).
inline std::string Clase(const Desenlace& d) {
    if (const auto* r = std::get_if<Resultado>(&d)) return "resultado " + r->texto;
    const std::string& m = std::get<Mensaje>(d).texto;
    static const std::pair<const char*, const char*> kClases[] = {
        {"seccion diesel.", "falta 1"},   {"del coche 1 (Diésel).", "falta 1"},
        {"seccion gasolina.", "falta 2"}, {"del coche 2 (Gasolina).", "falta 2"},
        {"lo mismo", "iguales"},          {"resultado demasiado grande", "grande"},
        {"no puede ser 0", "km 0"},       {"nunca", "nunca"},
        {"barato de compra", "ventaja"},
    };
    std::string clase;
    for (const auto& [pista, nombre] : kClases) {
        if (m.find(pista) != std::string::npos) clase = nombre;
    }
    if (clase == "ventaja") {
        const std::size_t desde = m.find("a partir de ") + 12;
        return clase + " " + m.substr(desde, m.find(" Km", desde) - desde);
    }
    if (!clase.empty()) return clase;
    // A figure that is no number, or too large: which one.
    static const std::pair<const char*, const char*> kDatosNombrados[] = {
        {"Precio litro de la seccion diesel", "1 litro"},
        {"Precio del litro» del coche 1", "1 litro"},
        {"Precio litro de la seccion gasolina", "2 litro"},
        {"Precio del litro» del coche 2", "2 litro"},
        {"Precio de la seccion diesel", "1 precio"},
        {"Precio» del coche 1", "1 precio"},
        {"Precio de la seccion gasolina", "2 precio"},
        {"Precio» del coche 2", "2 precio"},
        {"Consumo medio de la seccion diesel", "1 consumo"},
        {"100 km)» del coche 1", "1 consumo"},
        {"Consumo medio de la seccion gasolina", "2 consumo"},
        {"100 km)» del coche 2", "2 consumo"},
        {"Km/año", "km"},
        {"Km al año", "km"},
        {"Interes anual", "interes"},
        {"Interés anual", "interes"},
    };
    for (const auto& [pista, nombre] : kDatosNombrados) {
        if (m.find(pista) != std::string::npos) {
            return std::string(nombre) +
                   (m.find("grande") != std::string::npos ? " grande" : " no numero");
        }
    }
    return "? " + m;
}

// A car of the comparison: its motor and the texts of some of its figures.
inline TextosCoche Coche(Motor motor, std::initializer_list<std::pair<Dato, const char*>> datos) {
    TextosCoche c;
    c.motor = motor;
    for (const auto& [dato, texto] : datos) c[dato] = texto;
    return c;
}

// The same car with figure `dato` typed as `texto`.
inline TextosCoche Con(TextosCoche c, Dato dato, const char* texto) {
    c[dato] = texto;
    return c;
}

// An electric car and the petrol car it is weighed against.
inline const TextosCoche kGasolina =
    Coche(Motor::Gasolina,
          {{Dato::Precio, "25.000"}, {Dato::Consumo, "6,5"}, {Dato::PrecioLitro, "1,55"}});
inline const TextosCoche kElectrico = Coche(Motor::Electrico, {{Dato::Precio, "35.000"},
                                                               {Dato::ConsumoKWh, "16"},
                                                               {Dato::PrecioKWhCasa, "0,15"},
                                                               {Dato::PrecioKWhFuera, "0,45"},
                                                               {Dato::CargaEnCasa, "80"}});
// A diesel against a petrol car, from the main window's eight texts.
inline TextosComparacion DieselContraGasolina(const TextosCampos& t) {
    TextosComparacion c;
    c.coches[0].motor = Motor::Diesel;
    c.coches[0][Dato::Precio] = t[IdCampo::txtPrecioCocheDiesel];
    c.coches[0][Dato::Consumo] = t[IdCampo::txtConsumoMedioDiesel];
    c.coches[0][Dato::PrecioLitro] = t[IdCampo::txtPrecioLitroGasoil];
    c.coches[1].motor = Motor::Gasolina;
    c.coches[1][Dato::Precio] = t[IdCampo::txtPrecioCocheGasolina];
    c.coches[1][Dato::Consumo] = t[IdCampo::txtConsumoMedioGasolina];
    c.coches[1][Dato::PrecioLitro] = t[IdCampo::txtPrecioLitroGasolina];
    c.kmAno = t[IdCampo::txtKmAno];
    c.interes = t[IdCampo::txtInteres];
    return c;
}

}  // namespace velmora
