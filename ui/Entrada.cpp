#include "Entrada.h"

#include <algorithm>

#include "calc/Campos.h"

namespace velmora::ui {
namespace {

bool EsSaltoDeLinea(char32_t c) {
    return c == U'\n' || c == U'\r' || c == U'\v' || c == U'\f' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

// Characters that take no room and draw no glyph of their own: control
// characters, the format characters that change nothing on screen, and the
// selectors that only modify the character before them.
bool NoSeVe(char32_t c) {
    const auto entre = [c](char32_t desde, char32_t hasta) { return c >= desde && c <= hasta; };
    return c < 0x20 || entre(0x7F, 0x9F) || c == 0xAD || c == 0x34F || c == 0x61C || c == 0x180E ||
           entre(0x200B, 0x200F) || entre(0x202A, 0x202E) || entre(0x2060, 0x2064) ||
           entre(0x2066, 0x206F) || entre(0xFE00, 0xFE0F) || c == 0xFEFF || entre(0xFFF9, 0xFFFB) ||
           entre(0x1BCA0, 0x1BCA3) || entre(0x1D173, 0x1D17A) || c == 0xE0001 ||
           entre(0xE0020, 0xE007F) || entre(0xE0100, 0xE01EF);
}

// Calls `f(codigo, desde, hasta)` for each code point of `texto`, with the
// range of code units it takes. A lone surrogate is a code point of its own.
template <typename F>
void PorCodigo(std::u16string_view texto, F f) {
    for (std::size_t i = 0; i < texto.size();) {
        const char16_t alto = texto[i];
        if (alto >= 0xD800 && alto <= 0xDBFF && i + 1 < texto.size() && texto[i + 1] >= 0xDC00 &&
            texto[i + 1] <= 0xDFFF) {
            f(0x10000 + ((char32_t(alto) - 0xD800) << 10) + (char32_t(texto[i + 1]) - 0xDC00), i,
              i + 2);
            i += 2;
        } else {
            f(char32_t(alto), i, i + 1);
            i += 1;
        }
    }
}

}  // namespace

std::u16string TextoTecleado(std::u16string_view texto) {
    std::u16string tomado;
    tomado.reserve(texto.size());
    PorCodigo(texto, [&](char32_t c, std::size_t desde, std::size_t hasta) {
        if (c == U'\t' || EsSaltoDeLinea(c)) {
            tomado += u' ';
        } else if (!NoSeVe(c)) {
            tomado += texto.substr(desde, hasta - desde);
        }
    });
    return tomado;
}

std::u16string TextoPegado(std::u16string_view texto) {
    std::u16string primera;
    bool vista = false;  // the first line has been seen
    std::size_t inicio = 0;
    const auto linea = [&](std::size_t fin) {
        std::u16string tomada = TextoTecleado(texto.substr(inicio, fin - inicio));
        const bool algo = tomada.find_first_not_of(u' ') != std::u16string::npos;
        if (!vista) primera = tomada;
        vista = true;
        if (algo) primera = tomada;
        return algo;
    };
    bool hecho = false;
    PorCodigo(texto, [&](char32_t c, std::size_t desde, std::size_t hasta) {
        if (hecho || !EsSaltoDeLinea(c)) return;
        hecho = linea(desde);
        inicio = hasta;
    });
    if (!hecho) linea(texto.size());
    return primera;
}

std::optional<std::u16string> TextoQueEntra(std::size_t largo, std::size_t seleccion,
                                            std::u16string_view entrante, bool pegado) {
    const std::size_t resto = largo - std::min(largo, seleccion);
    std::u16string tomado = pegado ? TextoPegado(entrante) : TextoTecleado(entrante);
    if (resto + tomado.size() > kLargoMaximoCampo) return std::nullopt;
    return tomado;
}

}  // namespace velmora::ui
