#include "Abuso.h"

#include <cstdlib>
#include <random>

#include "calc/Mensajes.h"
#include "calc/OperacionCalcular.h"
#include "ui/Entrada.h"

namespace velmora::prueba {
namespace {

std::u16string Utf16(const std::string& utf8) {
    std::u16string texto;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const int largo = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t punto = largo == 1 ? c : c & (0x3F >> (largo - 1));
        for (int k = 1; k < largo && i + std::size_t(k) < utf8.size(); ++k) {
            punto = (punto << 6) | (utf8[i + std::size_t(k)] & 0x3F);
        }
        if (punto >= 0x10000) {
            texto += char16_t(0xD800 + ((punto - 0x10000) >> 10));
            texto += char16_t(0xDC00 + ((punto - 0x10000) & 0x3FF));
        } else {
            texto += char16_t(punto);
        }
        i += std::size_t(largo);
    }
    return texto;
}

class Generador {
  public:
    Generador(unsigned semilla, const ConfiguracionRegional& config)
        : azar_(semilla), config_(config) {}

    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar_); }
    bool Probabilidad(double p) { return std::bernoulli_distribution(p)(azar_); }

    // A text of the pieces users and pastes bring.
    std::string Texto() {
        static const std::vector<std::string> piezas = {"0",
                                                        "1",
                                                        "5",
                                                        "9",
                                                        "15",
                                                        "2600000",
                                                        ",",
                                                        ".",
                                                        "+",
                                                        "-",
                                                        "E",
                                                        "e",
                                                        "D",
                                                        "E+",
                                                        "E-",
                                                        "E400",
                                                        "E38",
                                                        "1E308",
                                                        "9999999999999999999999999",
                                                        " ",
                                                        "\t",
                                                        "\r\n",
                                                        "\n",
                                                        "abc",
                                                        "ñ",
                                                        "é",
                                                        "€",
                                                        "\u0663",
                                                        "\uff13",
                                                        "\u200f",
                                                        "\u202e",
                                                        "\u00a0",
                                                        "\u202f",
                                                        "'",
                                                        "\u2019",
                                                        "\x01",
                                                        "\x7f"};
        std::string texto;
        const int n = Entre(0, 6);
        for (int i = 0; i < n; ++i) {
            texto += Entre(0, 9) == 0
                         ? (Entre(0, 1) ? config_.separadorDecimal : config_.separadorGrupos)
                         : piezas[std::size_t(Entre(0, int(piezas.size()) - 1))];
        }
        return texto;
    }

    // A figure a user might really type, written by the user's settings.
    std::string Cifra() {
        switch (Entre(0, 3)) {
            case 0:
                return std::to_string(Entre(0, 3000000));
            case 1: {
                std::string cifras = std::to_string(Entre(0, 3000000)), texto;
                for (std::size_t i = 0; i < cifras.size(); ++i) {
                    if (i > 0 && (cifras.size() - i) % 3 == 0) texto += config_.separadorGrupos;
                    texto += cifras[i];
                }
                return texto;
            }
            case 2:
                return std::to_string(Entre(0, 200)) + config_.separadorDecimal +
                       std::to_string(Entre(0, 9));
            default:
                return std::to_string(Entre(-5, 200));
        }
    }

    // A text as long as a field takes or just longer; pasted, a megabyte
    // now and then.
    std::string Enorme(Modo modo) {
        std::size_t largo = kLargoMaximoCampo;
        if (Probabilidad(0.5)) {
            largo =
                modo == Modo::Pegado ? std::size_t(1) << 20 : largo + std::size_t(Entre(1, 999));
        }
        std::string texto;
        for (std::size_t i = 0; i < largo; ++i) texto += Probabilidad(0.5) ? "7" : "\u0663";
        return texto;
    }

  private:
    std::mt19937 azar_;
    const ConfiguracionRegional& config_;
};

class Abuso {
  public:
    Abuso(Conductor& c, const ConfiguracionRegional& config, unsigned semilla)
        : c_(c), config_(config), g_(semilla, config) {}

    void Paso(int paso) {
        const int que = paso % 100 == 50 ? 1 : g_.Entre(0, 9);
        if (que <= 3) {
            Entrar(paso, que == 1 ? Modo::Pegado : Modo(g_.Entre(0, 3)));
        } else if (que == 4) {
            Vaciar();
        } else {
            Calcular(paso, que <= 7 ? Via::Boton : Via::Menu);
        }
        // Now and then the worked example again, so that results stay frequent.
        if (g_.Probabilidad(0.05)) c_.Escribir(kEjemploResuelto);
    }

    const Informe& Hecho() const { return informe_; }

  private:
    void Falla(int paso, const std::string& que) {
        informe_.fallos.push_back("paso " + std::to_string(paso) + ": " + que);
    }

    // A text into a random field; every hundred steps surely a pasted
    // megabyte, refused.
    void Entrar(int paso, Modo modo) {
        const auto campo = IdCampo(g_.Entre(0, int(kNumeroCampos) - 1));
        const bool seguro = paso % 100 == 50, largo = g_.Probabilidad(0.01);
        if (largo && modo == Modo::Tecleado) modo = Modo::Fijado;  // a key at a time: too slow
        const std::string texto = seguro                 ? std::string(std::size_t(1) << 20, '7')
                                  : largo                ? g_.Enorme(modo)
                                  : g_.Probabilidad(0.5) ? g_.Cifra()
                                                         : g_.Texto();
        const bool pegado = modo == Modo::Pegado || modo == Modo::Soltado;
        const auto antes = c_.Campos();
        // A drop joins what the field holds; the rest replace it.
        const std::size_t largoAntes =
            modo == Modo::Soltado ? Utf16(antes[std::size_t(campo)]).size() : 0;
        const bool rechazado = !ui::TextoQueEntra(largoAntes, 0, Utf16(texto), pegado);
        const auto visto = c_.Entrar(campo, texto, modo, rechazado);
        if (!visto || !rechazado) return;
        ++informe_.rechazos;
        if (!visto->caja || visto->caja->texto != MensajeTextoDemasiadoLargo(campo) ||
            c_.Campos() != antes) {
            Falla(paso, "a text too long was not refused whole");
        }
    }

    // A field emptied, as a key does over its whole text.
    void Vaciar() {
        c_.Entrar(IdCampo(g_.Entre(0, int(kNumeroCampos) - 1)), "", Modo::Tecleado, false);
    }

    void Calcular(int paso, Via via) {
        ++informe_.calculos;
        const auto campos = c_.Campos();
        TextosCampos textos;
        for (const Campo& c : kCampos) textos[c.id] = campos[std::size_t(c.id)];
        const Desenlace nucleo = OperacionCalcular(textos, config_);
        const std::string antes = c_.Resultado();
        const auto* r = std::get_if<Resultado>(&nucleo);
        const Visto v = c_.Calcular(via, r ? r->texto.c_str() : nullptr);
        bool bien;
        if (r) {
            ++informe_.resultados;
            bien = !v.caja && v.resultado == r->texto;
        } else {
            ++informe_.mensajes;
            bien =
                v.caja && v.caja->texto == std::get<Mensaje>(nucleo).texto && v.resultado == antes;
        }
        if (!bien || c_.Campos() != campos) {
            Falla(paso, "window and core disagree on [" + campos[0].substr(0, 40) + "|" +
                            campos[1].substr(0, 40) + "|...]: " + v.resultado +
                            (v.caja ? " / " + v.caja->texto : ""));
        }
    }

    Conductor& c_;
    const ConfiguracionRegional& config_;
    Generador g_;
    Informe informe_;
};

}  // namespace

std::string Informe::Resumen() const {
    return std::to_string(calculos) + " calculos: " + std::to_string(resultados) + " resultados, " +
           std::to_string(mensajes) + " mensajes; " + std::to_string(rechazos) +
           " textos rechazados";
}

unsigned Semilla() {
    if (const char* s = std::getenv("VELMORA_SEMILLA"))
        return unsigned(std::strtoul(s, nullptr, 10));
    return std::random_device{}();
}

Informe Abusar(Conductor& conductor, const ConfiguracionRegional& config, unsigned semilla,
               int pasos, std::chrono::seconds limite) {
    Abuso abuso(conductor, config, semilla);
    const auto inicio = std::chrono::steady_clock::now();
    for (int paso = 0; paso < pasos && std::chrono::steady_clock::now() - inicio < limite &&
                       abuso.Hecho().fallos.size() <= 5;
         ++paso) {
        abuso.Paso(paso);
    }
    return abuso.Hecho();
}

}  // namespace velmora::prueba
