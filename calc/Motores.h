// Any two cars, whatever moves them: the page's comparison "Otros motores".
// The question is the main window's (a dearer car that is cheaper a
// kilometre: after how many kilometres has it recovered the difference?)
// and so is the answer's road: car 1 (the diesel's role) is the car whose
// higher price is to be recovered, its cost a kilometre narrowed to a float
// as the diesel's is; car 2 (the petrol's role) keeps its cost as a double;
// then the same steps (Formulas.h) and the same outcomes, with messages
// that name the cars by their motors. Only the cost a kilometre depends on
// the motor:
//   - a liquid fuel (diesel, petrol, hybrid, LPG): consumo * precio / 100,
//     as the main window computes it;
//   - electric: consumo * mezcla / 100, where mezcla = (precio en casa *
//     carga en casa + precio fuera * (100 - carga en casa)) / 100;
//   - a plug-in hybrid: (consumo * precio del litro * (100 - e) + consumo
//     eléctrico * precio del kWh * e) / 100 / 100, e its km on electricity;
//   - plus other yearly costs over the kilometres a year, where given.
// With "Consumo real" the litres of each car are those measured on the
// road, which the European Environment Agency gives as a share above the
// official figure (kFuenteConsumoReal); LPG and electricity have no such
// figure and stay as typed.
//
// Diesel against petrol, without "Consumo real" and other costs, gives for
// any texts the main window's answer: the same kilometres, the same kind of
// message, found in the same order.
//
// Worked example: an electric car of 35.000 (16 kWh/100 km, 0,15 at home,
// 0,45 away, 80 % at home) against a petrol car of 25.000 (6,5 l at 1,55):
// 0,21 a kWh, 0,0336 against 0,10075 a km, 148920 km.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ConfiguracionRegional.h"
#include "ErrorCalculo.h"
#include "Formulas.h"
#include "OperacionCalcular.h"

namespace velmora {

enum class Motor { Diesel, Gasolina, Hibrido, HibridoEnchufable, Electrico, GLP };

// A car's figures. Which a motor asks for is MotorUsa's.
enum class Dato {
    Precio,
    Consumo,  // l/100 km; a plug-in's with the battery empty
    PrecioLitro,
    ConsumoKWh,  // an electric car's
    PrecioKWhCasa,
    PrecioKWhFuera,
    CargaEnCasa,       // %
    ConsumoElectrico,  // a plug-in's, kWh/100 km
    PrecioKWh,         // a plug-in's
    KmElectrico,       // a plug-in's km on electricity, %
    OtrosGastos,       // a year: maintenance, road tax and insurance
};
inline constexpr std::size_t kNumeroDatos = 11;

// The use of both cars.
enum class DatoUso { KmAno, Interes };

// The fuel of a litre whose price Spain's pump prices give week by week
// (PreciosReales.h); LPG and electricity have none there.
enum class Combustible { Ninguno, Gasoleo, Gasolina };

struct DatosDeMotor {
    Motor motor;
    std::string_view nombre;        // as the drop-down lists it: "Híbrido enchufable"
    std::string_view articulo;      // as a sentence names a car: "el híbrido enchufable"
    std::string_view demostrativo;  // as a sentence points at it: "este híbrido enchufable"
    // The share the EEA measured above the official litres, in percent;
    // 0 where there is none (LPG, electricity).
    double litrosReales;
    Combustible combustible;  // what its litre is (a plug-in's: petrol)
};

inline constexpr DatosDeMotor kMotores[] = {
    {Motor::Diesel, "Diésel", "el diésel", "este diésel", 18.2, Combustible::Gasoleo},
    {Motor::Gasolina, "Gasolina", "el de gasolina", "este coche de gasolina", 19.8,
     Combustible::Gasolina},
    {Motor::Hibrido, "Híbrido", "el híbrido", "este híbrido", 19.8, Combustible::Gasolina},
    {Motor::HibridoEnchufable, "Híbrido enchufable", "el híbrido enchufable",
     "este híbrido enchufable", 19.8, Combustible::Gasolina},
    {Motor::Electrico, "Eléctrico", "el eléctrico", "este eléctrico", 0, Combustible::Ninguno},
    {Motor::GLP, "GLP", "el de GLP", "este coche de GLP", 0, Combustible::Ninguno},
};
inline constexpr std::size_t kNumeroMotores = std::size(kMotores);

constexpr const DatosDeMotor& DatosDe(Motor m) {
    return kMotores[static_cast<std::size_t>(m)];
}

struct DatosDeDato {
    Dato dato;
    std::string_view etiqueta;  // the field's caption, its accessible name too
    double ejemplo;             // a value the placeholder shows the form of
    bool porcentaje;            // from 0 to 100
};

inline constexpr DatosDeDato kDatos[] = {
    {Dato::Precio, "Precio", 25000, false},
    {Dato::Consumo, "Consumo (l/100 km)", 6.5, false},
    {Dato::PrecioLitro, "Precio del litro", 1.55, false},
    {Dato::ConsumoKWh, "Consumo (kWh/100 km)", 16, false},
    {Dato::PrecioKWhCasa, "Precio del kWh en casa", 0.15, false},
    {Dato::PrecioKWhFuera, "Precio del kWh fuera", 0.45, false},
    {Dato::CargaEnCasa, "Carga en casa (%)", 80, true},
    {Dato::ConsumoElectrico, "Consumo eléctrico (kWh/100 km)", 18, false},
    {Dato::PrecioKWh, "Precio del kWh", 0.15, false},
    {Dato::KmElectrico, "Km en eléctrico (%)", 60, true},
    {Dato::OtrosGastos, "Otros gastos al año", 900, false},
};

constexpr const DatosDeDato& DatosDe(Dato d) {
    return kDatos[static_cast<std::size_t>(d)];
}

inline constexpr std::string_view kEtiquetaKmAno = "Km al año";
inline constexpr std::string_view kEtiquetaInteres = "Interés anual";
inline constexpr std::string_view kEtiquetaConsumoReal = "Consumo real";
// What "Consumo real" adds, and whose figure it is.
inline constexpr std::string_view kFuenteConsumoReal =
    "Suma a los litros lo que de verdad se gasta de más: +19,8 % en gasolina, híbridos y la "
    "gasolina de los enchufables, +18,2 % en diésel (Agencia Europea de Medio Ambiente, consumo "
    "real de los coches matriculados en 2021). El GLP y la electricidad no tienen esa cifra y "
    "quedan como se escriben.";

// Whether a car with motor `m` asks for `d`. Other costs are optional for
// every motor; the price away from home, where all is charged at home.
constexpr bool MotorUsa(Motor m, Dato d) {
    switch (d) {
        case Dato::Precio:
        case Dato::OtrosGastos:
            return true;
        case Dato::Consumo:
        case Dato::PrecioLitro:
            return m != Motor::Electrico;
        case Dato::ConsumoKWh:
        case Dato::PrecioKWhCasa:
        case Dato::PrecioKWhFuera:
        case Dato::CargaEnCasa:
            return m == Motor::Electrico;
        case Dato::ConsumoElectrico:
        case Dato::PrecioKWh:
        case Dato::KmElectrico:
            return m == Motor::HibridoEnchufable;
    }
    return false;
}

// A car as typed: its motor and the text of each of its figures (those its
// motor does not ask for are not read).
struct TextosCoche {
    Motor motor = Motor::Diesel;
    std::array<std::string, kNumeroDatos> datos;
    std::string& operator[](Dato d) { return datos[static_cast<std::size_t>(d)]; }
    const std::string& operator[](Dato d) const { return datos[static_cast<std::size_t>(d)]; }
};

struct TextosComparacion {
    std::array<TextosCoche, 2> coches;  // car 1, car 2
    std::string kmAno, interes;
    bool consumoReal = false;
};

// The comparison's outcome (a result, or one message) and the picture of it.
Respuesta ResponderMotores(const TextosComparacion& textos, const ConfiguracionRegional& config);

// Every figure of both cars and the use, read once as a comparison reads
// them (each car's figures strictly, the use's by their initial number):
// a replay over past weeks' prices (Repeticion.h) reads them once and puts
// another price of a litre in place of a car's text, the value that text
// would have read.
class CifrasLeidas {
  public:
    CifrasLeidas(const TextosComparacion& textos, const ConfiguracionRegional& config);

    const Intento<double>& operator()(int coche, Dato d) const { return leidos_[Indice(coche, d)]; }
    void Poner(int coche, Dato d, double valor) { leidos_[Indice(coche, d)] = valor; }
    const Intento<double>& KmAno() const { return leidos_[2 * kNumeroDatos]; }
    const Intento<double>& Interes() const { return leidos_[2 * kNumeroDatos + 1]; }
    // Whether Km al año is a number, and Interés anual too, as the main
    // window reads its interest fields.
    bool HayKmAno() const { return hayKmAno_; }
    bool ConInteres() const { return conInteres_; }

  private:
    static std::size_t Indice(int coche, Dato d) {
        return std::size_t(coche) * kNumeroDatos + static_cast<std::size_t>(d);
    }
    // Car 1's figures by Dato, car 2's, the kilometres a year, the rate.
    std::vector<Intento<double>> leidos_;
    bool hayKmAno_, conInteres_;
};

// The road up to the figures: the message it ends with, or what it found;
// from the texts, or from their figures already read.
std::variant<Calculo, Mensaje> CalcularMotores(const TextosComparacion& textos,
                                               const ConfiguracionRegional& config);
std::variant<Calculo, Mensaje> CalcularMotores(const TextosComparacion& textos,
                                               const CifrasLeidas& cifras);

// The energy a liquid fuel of motor `m` is sold by: "el litro de gasolina".
std::string_view NombreDelLitro(Motor m);

// A figure as a message names it: "«Precio» del coche 1 (Diésel)", "«Km al
// año»".
std::string FiguraDelCoche(int coche, Motor motor, Dato dato);
std::string FiguraDeUso(DatoUso dato);
// "El texto es demasiado largo para el dato «Precio» del coche 1 (Diésel):
// admite como mucho 50.000 caracteres. El dato no ha cambiado."
std::string MensajeDemasiadoLargo(std::string_view figura);

// How a sentence names car `coche` (0 or 1) of `textos`: by its motor ("el
// híbrido"), or "el coche 1" and "el coche 2" where both have the same one.
std::string_view NombreDelCoche(const TextosComparacion& textos, int coche);

}  // namespace velmora
