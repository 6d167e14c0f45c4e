// The comparison of any two cars (calc/Motores.h): the cost a kilometre of
// each motor, what a user can get wrong, and that a diesel against a petrol
// car answers as the main window does, for the table's requests and for
// thousands of random texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "Clase.h"
#include "Textos.h"
#include "calc/Motores.h"

namespace velmora {
namespace {

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();

const TextosCoche kHibrido =
    Coche(Motor::Hibrido,
          {{Dato::Precio, "27.500"}, {Dato::Consumo, "4,5"}, {Dato::PrecioLitro, "1,55"}});
const TextosCoche kEnchufable = Coche(Motor::HibridoEnchufable, {{Dato::Precio, "38.000"},
                                                                 {Dato::Consumo, "6"},
                                                                 {Dato::PrecioLitro, "1,55"},
                                                                 {Dato::ConsumoElectrico, "18"},
                                                                 {Dato::PrecioKWh, "0,15"},
                                                                 {Dato::KmElectrico, "60"}});
const TextosCoche kDiesel = Coche(
    Motor::Diesel, {{Dato::Precio, "30.000"}, {Dato::Consumo, "5"}, {Dato::PrecioLitro, "1,45"}});

Desenlace Comparar(const TextosCoche& uno, const TextosCoche& otro, const char* km = "",
                   const char* interes = "", bool real = false) {
    return ResponderMotores({{uno, otro}, km, interes, real}, kEs).desenlace;
}

// Each motor's cost a kilometre, checked by hand: an electric car at 0,21
// a kWh (80 % at 0,15, 20 % at 0,45) costs 0,0336 against the petrol car's
// 0,10075; a hybrid 0,06975; a plug-in 0,0534 ((6 x 1,55 x 40 + 18 x 0,15 x
// 60) / 10 000) against the diesel's 0,0725.
TEST(Motores, ElCosteDeCadaMotor) {
    EXPECT_EQ(Comparar(kElectrico, kGasolina), Desenlace(Resultado{"148920"}));
    EXPECT_EQ(Comparar(kHibrido, kGasolina), Desenlace(Resultado{"80645"}));
    EXPECT_EQ(Comparar(kEnchufable, kDiesel), Desenlace(Resultado{"418848"}));
    const auto calculo = CalcularMotores({{kElectrico, kGasolina}, "15.000", ""}, kEs);
    const Calculo& c = std::get<Calculo>(calculo);
    EXPECT_EQ(c.amortizacion.costeKm1, 0.0336f);
    EXPECT_EQ(c.amortizacion.costeKm2, 6.5 * 1.55 / 100);
    EXPECT_EQ(*c.kmAno, 15000);
    EXPECT_EQ(c.coches[0].nombre, "el eléctrico");
    EXPECT_EQ(c.coches[0].energias.size(), 2u);  // at home and away
    // All at home: away may stay empty.
    EXPECT_TRUE(std::holds_alternative<Resultado>(Comparar(
        Con(Con(kElectrico, Dato::CargaEnCasa, "100"), Dato::PrecioKWhFuera, ""), kGasolina)));
    // LPG: a litre, as petrol; "Consumo real" leaves it as typed, and
    // adds 19,8 % to the petrol car's litres (18,2 % to a diesel's).
    TextosCoche glp = kHibrido;
    glp.motor = Motor::GLP;
    EXPECT_EQ(Comparar(glp, kGasolina), Comparar(kHibrido, kGasolina));
    const auto real = CalcularMotores({{glp, kGasolina}, "", "", true}, kEs);
    EXPECT_EQ(std::get<Calculo>(real).amortizacion.costeKm2, 6.5 * 119.8 / 100 * 1.55 / 100);
    EXPECT_EQ(std::get<Calculo>(real).amortizacion.costeKm1, float(4.5 * 1.55 / 100));
    // Other yearly costs over the kilometres a year.
    const auto conOtros =
        CalcularMotores({{Con(kHibrido, Dato::OtrosGastos, "150"), kGasolina}, "15.000", ""}, kEs);
    EXPECT_EQ(std::get<Calculo>(conOtros).amortizacion.costeKm1,
              float(4.5 * 1.55 / 100 + 150.0 / 15000));
}

// What a user can get wrong is said naming the car and the figure; the
// cars are named by their motors, or by their numbers where alike.
TEST(Motores, LosMensajesNombranElCocheYElDato) {
    const TextosCoche caro = Con(kGasolina, Dato::Precio, "40.000");
    const struct {
        TextosCoche uno, otro;
        const char* mensaje;
    } casos[] = {
        {Con(kElectrico, Dato::PrecioKWhFuera, ""), kGasolina,
         "Falta el dato «Precio del kWh fuera» del coche 1 (Eléctrico)."},
        {kHibrido, Con(kGasolina, Dato::Consumo, "seis"),
         "El dato «Consumo (l/100 km)» del coche 2 (Gasolina) no es un número."},
        {Con(kEnchufable, Dato::KmElectrico, "120"), kDiesel,
         "El dato «Km en eléctrico (%)» del coche 1 (Híbrido enchufable) tiene que estar entre 0 "
         "y 100."},
        {Con(kHibrido, Dato::OtrosGastos, "150"), kGasolina,
         "Para repartir el dato «Otros gastos al año» del coche 1 (Híbrido) por kilómetro hace "
         "falta el dato «Km al año»."},
        {kGasolina, kHibrido,
         "El de gasolina es más barato de compra pero gasta más por kilómetro: a partir de 80645 "
         "Km sale más caro que el híbrido."},
        {caro, kGasolina,
         "Los dos coches cuestan lo mismo por kilómetro: no se puede calcular la amortización."},
        {Con(caro, Dato::Consumo, "7"), kGasolina,
         "El coche 1 no se amortiza nunca: gasta más por kilómetro que el coche 2."},
    };
    for (const auto& c : casos) EXPECT_EQ(Comparar(c.uno, c.otro), Desenlace(Mensaje{c.mensaje}));
}

// Random texts, of the pieces that make numbers and break them, some empty:
// every outcome of the main window is the comparison's.
TEST(Motores, DieselContraGasolinaEsLaVentanaPrincipal) {
    unsigned semilla = std::random_device{}();
    if (const char* s = std::getenv("VELMORA_SEMILLA"))
        semilla = unsigned(std::strtoul(s, nullptr, 10));
    std::printf("semilla %u (VELMORA_SEMILLA=%u repeats this run)\n", semilla, semilla);
    std::mt19937 azar(semilla);
    static const char* const kPiezas[] = {"0",  "1",    "2",   "5",   "6",    "8",    "115", "145",
                                          ",",  ".",    "-",   "E",   "E40",  "E400", "x",   " ",
                                          "30", "2600", "000", "1,5", "1E38", "0,01"};
    const auto texto = [&] {
        std::string t;
        for (int n = std::uniform_int_distribution<int>(0, 4)(azar); n > 0; --n) {
            t += kPiezas[std::uniform_int_distribution<std::size_t>(0,
                                                                    std::size(kPiezas) - 1)(azar)];
        }
        return t;
    };
    for (int i = 0; i < 5000; ++i) {
        TextosCampos t = prueba::ConInteres(prueba::Textos(prueba::kEjemploResuelto), "15000", "5");
        for (const Campo& campo : kCampos) {
            if (std::bernoulli_distribution(0.4)(azar)) t[campo.id] = texto();
        }
        const std::string ventana = Clase(OperacionCalcular(t, kEs));
        ASSERT_EQ(Clase(ResponderMotores(DieselContraGasolina(t), kEs).desenlace), ventana)
            << "textos: " << t[IdCampo(0)] << " | " << t[IdCampo(1)] << " | " << t[IdCampo(2)]
            << " | " << t[IdCampo(3)] << " | " << t[IdCampo(4)] << " | " << t[IdCampo(5)] << " | "
            << t[IdCampo(6)] << " | " << t[IdCampo(7)];
        ASSERT_EQ(ventana.find('?'), std::string::npos) << ventana;
    }
}

}  // namespace
}  // namespace velmora
