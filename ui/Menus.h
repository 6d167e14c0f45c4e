// The rules of a menu bar's keys, for the front ends whose toolkit has no
// menu bar of its own (the page) or keeps other ones (Qt takes turns
// between two menus with the same key):
//   - a caption's access key is the letter after "&", in either case;
//   - Alt with an access key opens the first menu on the bar that has it,
//     each time (both of kMenuVelmora's menus use A: Alt+A opens
//     "&Amortizacion");
//   - in an open menu, the access key of one of its entries chooses it.
#pragma once

#include <cctype>
#include <span>

#include "Diseno.h"

namespace velmora::ui {

// The access key of `titulo`, in lower case; 0 where it has none.
constexpr char TeclaDeAcceso(const char* titulo) {
    for (const char* p = titulo; p && *p; ++p) {
        if (*p == '&' && p[1]) {
            const char c = p[1];
            return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        }
    }
    return 0;
}

// The first menu (counted from 0, in the bar's order) whose access key is
// `tecla`, in either case; -1 where none has it.
constexpr int MenuDeTecla(std::span<const EntradaMenu> barra, char tecla) {
    const char buscada = tecla >= 'A' && tecla <= 'Z' ? char(tecla - 'A' + 'a') : tecla;
    int menu = -1;
    for (const EntradaMenu& e : barra) {
        if (e.tipo != TipoEntrada::Menu) continue;
        ++menu;
        if (buscada && TeclaDeAcceso(e.titulo) == buscada) return menu;
    }
    return -1;
}

}  // namespace velmora::ui
