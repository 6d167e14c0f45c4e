// A stand-in for the main window: fields held in a map, every message and
// every write of the result label recorded, so tests see exactly what a
// request did.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/VentanaCalculo.h"

namespace velmora {

class VentanaFalsa : public VentanaCalculo {
  public:
    std::map<std::string, std::string, std::less<>> campos;
    std::string resultado;
    int escriturasResultado = 0;
    std::vector<std::string> mensajes;

    std::string TextoCampo(std::string_view nombre) const override {
        auto it = campos.find(nombre);
        return it == campos.end() ? std::string() : it->second;
    }
    void EscribirResultado(const std::string& texto) override {
        resultado = texto;
        ++escriturasResultado;
    }
    void MostrarMensaje(const std::string& texto) override { mensajes.push_back(texto); }

    // The six car fields in one go, in the order the window shows them:
    // diesel price, consumption, litre price; petrol likewise.
    void Coches(std::string pcd, std::string cmd, std::string pgas, std::string pcg,
                std::string cmg, std::string pg) {
        campos["txtPrecioCocheDiesel"] = std::move(pcd);
        campos["txtConsumoMedioDiesel"] = std::move(cmd);
        campos["txtPrecioLitroGasoil"] = std::move(pgas);
        campos["txtPrecioCocheGasolina"] = std::move(pcg);
        campos["txtConsumoMedioGasolina"] = std::move(cmg);
        campos["txtPrecioLitroGasolina"] = std::move(pg);
    }
    void Interes(std::string km, std::string interes) {
        campos["txtKmAno"] = std::move(km);
        campos["txtInteres"] = std::move(interes);
    }
    // The worked example: 2600000 / 6 / 115 against 2300000 / 8 / 145.
    void EjemploResuelto() { Coches("2600000", "6", "115", "2300000", "8", "145"); }
};

}  // namespace velmora
