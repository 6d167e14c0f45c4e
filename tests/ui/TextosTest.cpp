// The About message as both front ends show it: four lines joined by CR LF,
// without accents, the web address indented by exactly 38 blanks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Textos.h"

namespace velmora::ui {
namespace {

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> lineas;
    std::size_t inicio = 0, fin;
    while ((fin = texto.find("\r\n", inicio)) != std::string::npos) {
        lineas.push_back(texto.substr(inicio, fin - inicio));
        inicio = fin + 2;
    }
    lineas.push_back(texto.substr(inicio));
    return lineas;
}

TEST(Textos, AcercaDe) {
    const std::string texto = TextoAcercaDe();
    const std::vector<std::string> lineas = Lineas(texto);
    ASSERT_EQ(lineas.size(), 4u);
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 3);
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\r'), 3);
    EXPECT_EQ(lineas[0], "Calculo de amortizacion de un coche diesel.");
    EXPECT_EQ(lineas[1], "Version: 1.0. Junio del 2000.");
    EXPECT_EQ(lineas[2].rfind("Autor: ", 0), 0u);
    EXPECT_NE(lineas[2].find(" - "), std::string::npos);
    EXPECT_EQ(lineas[3].find_first_not_of(' '), 38u);
}

}  // namespace
}  // namespace velmora::ui
