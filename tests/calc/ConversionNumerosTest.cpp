// The conversions between field texts and numbers, under both regional
// conventions, by example and by random texts checked against the C library.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "calc/ConversionNumeros.h"
#include "calc/ErrorCalculo.h"

namespace velmora {
namespace {

const ConfiguracionRegional kEs = ConfiguracionRegional::Espanola();
const ConfiguracionRegional kEn = ConfiguracionRegional::Inglesa();
const ConfiguracionRegional kFr = ConfiguracionRegional::Francesa();
const ConfiguracionRegional kCh = ConfiguracionRegional::Suiza();

// NumeroEstricto's value, or nothing where it fails with a conversion
// error (and an overflow too, where `desborda` is given).
std::optional<double> Estricto(const std::string& t, const ConfiguracionRegional& c,
                               bool* desborda = nullptr) {
    const Intento<double> leido = NumeroEstricto(t, c);
    if (leido.Bien()) return leido.Valor();
    const bool desbordado = leido.Error().Tipo() == TipoError::Desbordamiento;
    if (desborda) *desborda = desbordado;
    EXPECT_TRUE(desborda || !desbordado) << t;
    return std::nullopt;
}

TipoError Fallo(const Intento<double>& leido) {
    EXPECT_FALSE(leido.Bien());
    return leido.Bien() ? TipoError::Conversion : leido.Error().Tipo();
}

struct Caso {
    const char* texto;
    std::optional<double> estricto;  // nothing: conversion error
    double inicial;
};

void Comprobar(const ConfiguracionRegional& config, const std::vector<Caso>& casos) {
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string("texto \"") + c.texto + "\"");
        EXPECT_EQ(Estricto(c.texto, config), c.estricto);
        EXPECT_EQ(EsNumerico(c.texto, config), c.estricto.has_value());
        EXPECT_EQ(NumeroInicial(c.texto, config).Valor(), c.inicial);
    }
}

TEST(ConversionNumeros, ConvencionEspanola) {
    Comprobar(kEs, {
                       {"", std::nullopt, 0},
                       {"   ", std::nullopt, 0},
                       {"6,5", 6.5, 6.5},
                       {"6.5", 65, 65},
                       {"15.000", 15000, 15000},
                       {"1.234.567,25", 1234567.25, 1234567.25},
                       {"1.2.3", 123, 123},  // group separators are skipped unchecked
                       {"1 500", std::nullopt, 1500},
                       {"12abc", std::nullopt, 12},
                       {"abc", std::nullopt, 0},
                       {"  -42  ", -42, -42},
                       {"+7", 7, 7},
                       {",5", 0.5, 0.5},
                       {"5,", 5, 5},
                       {",", std::nullopt, 0},
                       {"-", std::nullopt, 0},
                       {"1E3", 1000, 1000},
                       {"1e-2", 0.01, 0.01},
                       {"2,5E+2", 250, 250},
                       {"1D3", std::nullopt, 1000},  // D only for the lenient reading
                       {"1E", std::nullopt, 1},
                       {"1E+", std::nullopt, 1},
                       {"1,5,5", std::nullopt, 1.5},
                       {"\t7", std::nullopt, 7},  // strict blanks are spaces only
                       {"7\n", std::nullopt, 7},
                       {"1E-400", 0, 0},  // too small for a double reads as 0
                       {"0x10", std::nullopt, 0},
                       {"(5)", std::nullopt, 0},
                       {"5-", std::nullopt, 5},
                       {"€5", std::nullopt, 0},
                       {"\xd9\xa3", std::nullopt, 0},  // ARABIC-INDIC DIGIT THREE
                   });
}

TEST(ConversionNumeros, ConvencionInglesa) {
    Comprobar(kEn, {
                       {"6.5", 6.5, 6.5},
                       {"6,5", 65, 65},
                       {"15,000.75", 15000.75, 15000.75},
                       {".5", 0.5, 0.5},
                       {"1 500", std::nullopt, 1500},
                   });
}

// Where the group separator is a blank, any blank a user or a paste brings
// groups digits, but only before the decimal separator.
TEST(ConversionNumeros, ConvencionFrancesa) {
    Comprobar(kFr, {
                       {"2\u202f600\u202f000", 2600000, 2600000},
                       {"2 600 000", 2600000, 2600000},
                       {"2\u00a0600\u00a0000,5", 2600000.5, 2600000.5},
                       {"2\u2007600", 2600, 2600},
                       {"15 000", 15000, 15000},
                       {"  1 234,5  ", 1234.5, 1234.5},
                       {"- 5", -5, -5},
                       {"1,5 5", std::nullopt, 1.55},  // blanks go first in the lenient reading
                       {"1,5\u00a05", std::nullopt, 1.5},
                       {"6.5", std::nullopt, 6},
                       {"2'600", std::nullopt, 2},
                       {"\u00a0", std::nullopt, 0},
                   });
}

// Where either apostrophe groups digits (the typographic one in Qt's Swiss
// settings, the ASCII one in a browser's), both group.
TEST(ConversionNumeros, ConvencionSuiza) {
    for (const ConfiguracionRegional& ch : {kCh, ConfiguracionRegional{".", "'"}}) {
        Comprobar(ch, {
                          {"2\u2019600\u2019000", 2600000, 2600000},
                          {"2'600'000", 2600000, 2600000},
                          {"2'600\u2019000.5", 2600000.5, 2600000.5},
                          {"0.5'5", std::nullopt, 0.5},
                          {"2 600", std::nullopt, 2600},
                      });
    }
    // Other conventions read as before: no blank groups Spanish digits.
    EXPECT_FALSE(EsNumerico("2 600", kEs));
    EXPECT_FALSE(EsNumerico("2\u00a0600", kEs));
    EXPECT_FALSE(EsNumerico("2'600", kEn));
}

TEST(ConversionNumeros, SeparadorDeGruposDeVariosBytes) {
    // Narrow no-break space (U+202F) groups digits in some locales.
    const ConfiguracionRegional config{",", "\u202f"};
    EXPECT_EQ(NumeroEstricto("1\u202f234,5", config).Valor(), 1234.5);
    EXPECT_EQ(NumeroInicial("1\u202f234,5", config).Valor(), 1234.5);
    // Half of the character is no separator.
    EXPECT_FALSE(
        EsNumerico("1\xe2\x80"
                   "234",
                   config));
}

TEST(ConversionNumeros, FueraDelRangoDoble) {
    for (const char* texto : {"1E400", "-1E400", "1E999999999999999999999", "1,8E308"}) {
        SCOPED_TRACE(texto);
        EXPECT_TRUE(EsNumerico(texto, kEs));  // the form is right; the value is not
        EXPECT_EQ(Fallo(NumeroEstricto(texto, kEs)), TipoError::Desbordamiento);
        EXPECT_EQ(Fallo(NumeroInicial(texto, kEs)), TipoError::Desbordamiento);
    }
    // Many digits after a long run of zeros still read at the right scale.
    EXPECT_EQ(NumeroEstricto("0," + std::string(1000, '0') + "1E1001", kEs).Valor(), 1.0);
    EXPECT_EQ(NumeroEstricto(std::string(400, '0') + "7", kEs).Valor(), 7.0);
    EXPECT_EQ(NumeroEstricto("1E-999999999999", kEs).Valor(), 0.0);
}

TEST(ConversionNumeros, TextoMuyLargo) {
    std::string texto = "1" + std::string(1 << 20, '0');  // a 1 MB paste of digits
    EXPECT_EQ(Fallo(NumeroEstricto(texto, kEs)), TipoError::Desbordamiento);
    texto = "0," + std::string(1 << 20, '3');
    EXPECT_EQ(NumeroEstricto(texto, kEs).Valor(), 1.0 / 3.0);
    EXPECT_EQ(NumeroInicial(texto + "xyz", kEs).Valor(), 1.0 / 3.0);
}

TEST(TextoDeSimple, FormaFijaHastaDiezMillones) {
    EXPECT_EQ(TextoDeSimple(0.0f, kEs), "0");
    EXPECT_EQ(TextoDeSimple(-0.0f, kEs), "0");
    EXPECT_EQ(TextoDeSimple(63829.0f, kEs), "63829");
    EXPECT_EQ(TextoDeSimple(1000000.0f, kEs), "1000000");
    EXPECT_EQ(TextoDeSimple(9999999.0f, kEs), "9999999");
    EXPECT_EQ(TextoDeSimple(6.5f, kEs), "6,5");
    EXPECT_EQ(TextoDeSimple(6.5f, kEn), "6.5");
    EXPECT_EQ(TextoDeSimple(-3.0f, kEs), "-3");
}

TEST(TextoDeSimple, FormaExponencialDesdeDiezMillones) {
    EXPECT_EQ(TextoDeSimple(10000000.0f, kEs), "1E+07");
    EXPECT_EQ(TextoDeSimple(12345679.0f, kEs), "1,234568E+07");
    EXPECT_EQ(TextoDeSimple(12345679.0f, kEn), "1.234568E+07");
    EXPECT_EQ(TextoDeSimple(15000000.0f, kEs), "1,5E+07");
    EXPECT_EQ(TextoDeSimple(std::numeric_limits<float>::max(), kEs), "3,402823E+38");
    EXPECT_EQ(TextoDeSimple(1e20f, kEs), "1E+20");
    // Halfway between two numbers of seven digits: to the even one, as
    // printf rounds (the browser's toExponential would round both up).
    EXPECT_EQ(TextoDeSimple(12345665.0f, kEs), "1,234566E+07");
    EXPECT_EQ(TextoDeSimple(12345675.0f, kEs), "1,234568E+07");
    EXPECT_EQ(TextoDeSimple(16777215.0f, kEs), "1,677722E+07");
    EXPECT_EQ(TextoExponencial(99999995.0, kEs), "1E+08");
}

// Random decimal texts: up to 25 significant digits, exponents across the
// whole double range and into the subnormals, written under the Spanish
// convention with group separators, and the same number written for the C
// library without them.
class Aleatorio : public ::testing::Test {
  protected:
    void SetUp() override {
        semilla_ = std::random_device{}();
        if (const char* s = std::getenv("VELMORA_SEMILLA")) semilla_ = std::strtoul(s, nullptr, 10);
        RecordProperty("semilla", std::to_string(semilla_));
        std::printf("semilla %u (VELMORA_SEMILLA=%u repeats this run)\n", semilla_, semilla_);
        gen_.seed(semilla_);
        std::setlocale(LC_NUMERIC, "C");
    }
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen_); }

    unsigned semilla_ = 0;
    std::mt19937 gen_;
};

TEST_F(Aleatorio, NumeroEstrictoIgualAStrtod) {
    for (int n = 0; n < 20000; ++n) {
        std::string entera, fraccion;
        const int cifras = Entre(1, 25);
        const int enEntera = Entre(0, cifras);
        for (int i = 0; i < cifras; ++i)
            (i < enEntera ? entera : fraccion) += char('0' + Entre(0, 9));
        const int exponente = Entre(-345, 330);
        const bool negativo = Entre(0, 1);

        std::string paraC = (negativo ? "-" : "") + (entera.empty() ? "0" : entera) + "." +
                            fraccion + "e" + std::to_string(exponente);
        std::string es = negativo ? "-" : "";
        for (std::size_t i = 0; i < entera.size(); ++i) {
            if (i > 0 && (entera.size() - i) % 3 == 0) es += '.';
            es += entera[i];
        }
        if (!fraccion.empty()) es += "," + fraccion;
        if (entera.empty() && fraccion.empty()) es += "0";
        es += "E" + std::to_string(exponente);

        errno = 0;
        const double esperado = std::strtod(paraC.c_str(), nullptr);
        SCOPED_TRACE(es + " / " + paraC);
        if (std::isinf(esperado)) {
            EXPECT_EQ(Fallo(NumeroEstricto(es, kEs)), TipoError::Desbordamiento);
        } else {
            ASSERT_EQ(NumeroEstricto(es, kEs).Valor(), esperado);
            ASSERT_EQ(NumeroInicial(es, kEs).Valor(), esperado);
        }
    }
}

// Texts drawn from the characters that matter, the blanks and apostrophes
// that group digits in some conventions among them: EsNumerico must agree
// with NumeroEstricto, and whatever is numeric NumeroInicial reads alike.
TEST_F(Aleatorio, EsNumericoYNumeroInicialConcuerdanConNumeroEstricto) {
    const std::vector<std::string> piezas = {
        "0", "1",  "2", "3",      "4",      "5",      "6", "7",      "8",
        "9", ".",  ",", "+",      "-",      "e",      "E", "d",      "D",
        " ", "\t", "x", "\u00a0", "\u2007", "\u202f", "'", "\u2019", "\xe2\x80"};
    int numericos = 0;
    for (const ConfiguracionRegional& config : {kEs, kEn, kFr, kCh}) {
        for (int n = 0; n < 50000; ++n) {
            std::string texto;
            const int largo = Entre(0, 10);
            for (int i = 0; i < largo; ++i) texto += piezas[Entre(0, int(piezas.size()) - 1)];
            SCOPED_TRACE("\"" + texto + "\"");
            bool desborda = false;
            const std::optional<double> estricto = Estricto(texto, config, &desborda);
            if (desborda) continue;  // a numeric form, no value to compare
            ASSERT_EQ(EsNumerico(texto, config), estricto.has_value());
            if (estricto) {
                ++numericos;
                ASSERT_EQ(NumeroInicial(texto, config).Valor(), *estricto);
            }
        }
    }
    EXPECT_GT(numericos, 4000);  // the pieces do produce numbers
}

}  // namespace
}  // namespace velmora
