// The eight input fields of the main window, described once. Everything else
// that names, counts or quotes a field derives from kCampos: the fields each
// section requires, the texts a calculation reads, the messages that name a
// field by its caption, and the rows of the main window's table, which take
// each field's name and the caption of the label beside it from here.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// The three frames of the main window. The first two describe the cars and
// are required; the interest section is optional.
enum class Seccion { Diesel, Gasolina, Interes };

struct DatosSeccion {
    Seccion seccion;
    std::string_view nombre;  // as a message names it: "la seccion diesel"
    bool obligatoria;         // every field of it must hold some text
};

// In the order a calculation checks them.
inline constexpr auto kSecciones = std::to_array<DatosSeccion>({
    {Seccion::Diesel, "diesel", true},
    {Seccion::Gasolina, "gasolina", true},
    {Seccion::Interes, "interes acumulado", false},
});

constexpr const DatosSeccion& DatosDe(Seccion seccion) {
    return kSecciones[static_cast<std::size_t>(seccion)];
}

// A field, named as its control is named. The order is kCampos' order.
enum class IdCampo : std::size_t {
    txtPrecioCocheDiesel,
    txtConsumoMedioDiesel,
    txtPrecioLitroGasoil,
    txtPrecioCocheGasolina,
    txtConsumoMedioGasolina,
    txtPrecioLitroGasolina,
    txtKmAno,
    txtInteres,
};

struct Campo {
    IdCampo id;
    std::string_view nombre;    // the control's name (objectName)
    std::string_view etiqueta;  // the caption of the label beside it, exactly
    Seccion seccion;            // the frame it stands in
};

// In the order the window shows them, diesel, petrol, interest.
inline constexpr auto kCampos = std::to_array<Campo>({
    {IdCampo::txtPrecioCocheDiesel, "txtPrecioCocheDiesel", "Precio", Seccion::Diesel},
    {IdCampo::txtConsumoMedioDiesel, "txtConsumoMedioDiesel", "Consumo medio", Seccion::Diesel},
    {IdCampo::txtPrecioLitroGasoil, "txtPrecioLitroGasoil", "Precio litro", Seccion::Diesel},
    {IdCampo::txtPrecioCocheGasolina, "txtPrecioCocheGasolina", "Precio", Seccion::Gasolina},
    {IdCampo::txtConsumoMedioGasolina, "txtConsumoMedioGasolina", "Consumo medio",
     Seccion::Gasolina},
    {IdCampo::txtPrecioLitroGasolina, "txtPrecioLitroGasolina", "Precio litro", Seccion::Gasolina},
    // The caption ends in a blank, as the window shows it.
    {IdCampo::txtKmAno, "txtKmAno", "Media de Km/año ", Seccion::Interes},
    {IdCampo::txtInteres, "txtInteres", "Interes anual", Seccion::Interes},
});

inline constexpr std::size_t kNumeroCampos = kCampos.size();

constexpr const Campo& DatosDe(IdCampo id) {
    return kCampos[static_cast<std::size_t>(id)];
}

// A field's caption as a sentence quotes it: without the blanks it may end
// in ("Media de Km/año " is quoted as "Media de Km/año").
constexpr std::string_view EtiquetaCitada(const Campo& campo) {
    const std::size_t fin = campo.etiqueta.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string_view() : campo.etiqueta.substr(0, fin + 1);
}

// kCampos is indexed by IdCampo, and each section's entry by Seccion.
static_assert([] {
    for (std::size_t i = 0; i < kCampos.size(); ++i) {
        if (static_cast<std::size_t>(kCampos[i].id) != i) return false;
    }
    for (std::size_t i = 0; i < kSecciones.size(); ++i) {
        if (static_cast<std::size_t>(kSecciones[i].seccion) != i) return false;
    }
    return true;
}());

// The longest text a field takes, in UTF-16 code units (what a text box
// counts). Far beyond any figure a person writes (and beyond the 32767 a
// text box takes by default), and short enough that a text box on this kind
// of machine pastes it, answers a key press and draws its caret in a few
// hundredths of a second (build/release/bench/velmora_pegar measures it). A
// longer text is refused whole and the field keeps what it had.
inline constexpr std::size_t kLargoMaximoCampo = 50000;

// The text of each field at the moment a calculation is asked for, as
// UTF-8, keyed by field. All empty to start with.
class TextosCampos {
  public:
    std::string& operator[](IdCampo id) { return textos_[static_cast<std::size_t>(id)]; }
    const std::string& operator[](IdCampo id) const {
        return textos_[static_cast<std::size_t>(id)];
    }
    bool operator==(const TextosCampos&) const = default;

  private:
    std::array<std::string, kNumeroCampos> textos_;
};

}  // namespace velmora
