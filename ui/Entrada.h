// What a field takes of the text that reaches it, the same in every front
// end. A field shows one line, and the calculation must read exactly what
// the user sees there:
//   - characters that draw nothing (a zero-width space, the marks and
//     overrides of writing direction, a byte-order mark, control
//     characters) are never taken into a field: "2600000" with a
//     right-to-left mark in front would look like a number and read as
//     none;
//   - a tab or a line break, which a one-line box does not show as such,
//     becomes a blank, which it shows;
//   - a pasted or dropped text is one line: a copied spreadsheet cell ends
//     in a line break ("15000\r\n"), and a one-line text box pastes up to
//     the first line break. A paste keeps its first line that holds
//     something, so "\r\n15000\r\n" gives "15000".
//   - a field holds at most kLargoMaximoCampo code units: a text that would
//     make it longer is refused whole, never cut, and the field keeps what
//     it had.
// Texts are UTF-16, as the toolkits' text boxes and the browser hold them.
// Each rule looks at what reaches the field, never at the whole text it
// holds, so typing stays as fast in a long text as in a short one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::ui {

// A text typed or set into a field, as the field takes it: without the
// characters that draw nothing, tabs and line breaks as blanks.
std::u16string TextoTecleado(std::u16string_view texto);

// A pasted or dropped text, as the field takes it: its first line that
// holds something other than blanks, as TextoTecleado takes it.
std::u16string TextoPegado(std::u16string_view texto);

// What a field of `largo` code units takes of `entrante` put in place of a
// selection of `seleccion` of them (0 where nothing is selected): the text
// to put there, typed or set (TextoTecleado) or pasted or dropped
// (`pegado`, TextoPegado); nothing when the field would then hold more than
// kLargoMaximoCampo, and the field refuses it whole. Setting a field's whole
// text is TextoQueEntra(0, 0, texto, false).
std::optional<std::u16string> TextoQueEntra(std::size_t largo, std::size_t seleccion,
                                            std::u16string_view entrante, bool pegado);

}  // namespace velmora::ui
