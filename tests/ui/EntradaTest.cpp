// What a field takes of a typed, set, pasted or dropped text: what it shows
// is what a calculation reads.
#include <gtest/gtest.h>

#include "calc/Campos.h"
#include "ui/Entrada.h"

namespace velmora::ui {
namespace {

TEST(Entrada, LoQueNoSeVeNoEntra) {
    // Zero-width space, direction marks and overrides, isolates, byte-order
    // mark, soft hyphen, a variation selector and a tag character (a
    // surrogate pair), each around or inside a figure.
    for (const std::u16string_view texto :
         {u"\u200B2600000", u"\u200F2600000", u"\u202E2600000\u202C", u"26\u2066000\u206900",
          u"\uFEFF2600000", u"2600\u00AD000", u"2600000\uFE0F", u"2600000\U000E0041",
          u"\a2600000"}) {
        EXPECT_EQ(TextoTecleado(texto), u"2600000") << "length " << texto.size();
    }
    // What draws stays, a lone surrogate included (the toolkit shows it as
    // a box).
    EXPECT_EQ(TextoTecleado(u"1\u202F234,5 \u00A0\U0001F697"), u"1\u202F234,5 \u00A0\U0001F697");
    EXPECT_EQ(TextoTecleado(u"12\xD800"), u"12\xD800");
}

TEST(Entrada, TabuladoresYSaltosSonBlancos) {
    EXPECT_EQ(TextoTecleado(u"15000\t5"), u"15000 5");
    EXPECT_EQ(TextoTecleado(u"15000\r\n"), u"15000  ");
    EXPECT_EQ(TextoTecleado(u"1\u20282\u20293\u0085"), u"1 2 3 ");
}

TEST(Entrada, UnPegadoEsSuPrimeraLineaConAlgo) {
    EXPECT_EQ(TextoPegado(u"15000\r\n"), u"15000");   // a copied spreadsheet cell
    EXPECT_EQ(TextoPegado(u"15000\n5\n"), u"15000");  // two cells of a column
    EXPECT_EQ(TextoPegado(u"\r\n \t\r\n15000\r\n"), u"15000");
    EXPECT_EQ(TextoPegado(u"15000\t5\r\n"), u"15000 5");  // two cells of a row
    EXPECT_EQ(TextoPegado(u"\u200B\n\u200F2600000\u200E"), u"2600000");
    EXPECT_EQ(TextoPegado(u"  \n\n"), u"  ");
    EXPECT_EQ(TextoPegado(u""), u"");
}

// The bound counts what the field would hold once the text is taken: the
// selection goes, what draws nothing and the lines after a paste's first
// never count.
TEST(Entrada, ElLimiteCuentaLoQueQuedaria) {
    const std::size_t n = kLargoMaximoCampo;
    EXPECT_EQ(TextoQueEntra(n - 1, 0, u"7", false), u"7");
    EXPECT_EQ(TextoQueEntra(n, 0, u"7", false), std::nullopt);
    EXPECT_EQ(TextoQueEntra(n, 1, u"7", false), u"7");
    EXPECT_EQ(TextoQueEntra(n, 0, u"\u200B", false), u"");
    const std::u16string celdas = u"15000\n" + std::u16string(2 * n, u'7');
    EXPECT_EQ(TextoQueEntra(0, 0, celdas, true), u"15000");
    EXPECT_EQ(TextoQueEntra(0, 0, celdas, false), std::nullopt);
}

}  // namespace
}  // namespace velmora::ui
