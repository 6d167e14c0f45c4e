// Spain's weekly pump prices from January 2015 to June 2024: for each week
// of the European Commission's Weekly Oil Bulletin, the national average
// price of a litre of gas oil and of Euro-super 95 with all taxes, in
// euros (calc/datos/precios-carburantes-es.csv, turned into this table by
// the build). Sixteen weeks are absent from the bulletin itself; none is
// invented. The page hands the same table to the module from a file of its
// own (precios.js, made from the same file), loaded only when it replays an
// answer.
#pragma once

#include <span>
#include <string_view>

namespace velmora {

struct SemanaDePrecios {
    int ano, mes, dia;  // the Monday of the bulletin's week
    double gasoleo;     // euros a litre
    double gasolina;
};

inline constexpr std::string_view kFuentePrecios =
    "Precios: Boletín Petrolero de la Comisión Europea (precios con impuestos, España).";

// Every week of the file, in its order (library velmora_precios).
std::span<const SemanaDePrecios> PreciosReales();

// Days from 1 January 1970 to a day of the civil calendar, and back
// (Howard Hinnant's algorithms: years counted from March, in eras of 400).
constexpr int DiasDesde1970(int ano, int mes, int dia) {
    ano -= mes <= 2;
    const int era = (ano >= 0 ? ano : ano - 399) / 400;
    const int anoDeEra = ano - era * 400;
    const int diaDelAno = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
    const int diaDeEra = anoDeEra * 365 + anoDeEra / 4 - anoDeEra / 100 + diaDelAno;
    return era * 146097 + diaDeEra - 719468;
}

struct Fecha {
    int ano, mes, dia;
};
constexpr Fecha FechaDe(int dias) {
    dias += 719468;
    const int era = (dias >= 0 ? dias : dias - 146096) / 146097;
    const int diaDeEra = dias - era * 146097;
    const int anoDeEra = (diaDeEra - diaDeEra / 1460 + diaDeEra / 36524 - diaDeEra / 146096) / 365;
    const int diaDelAno = diaDeEra - (365 * anoDeEra + anoDeEra / 4 - anoDeEra / 100);
    const int mp = (5 * diaDelAno + 2) / 153;
    const int dia = diaDelAno - (153 * mp + 2) / 5 + 1;
    const int mes = mp < 10 ? mp + 3 : mp - 9;
    return {anoDeEra + era * 400 + (mes <= 2), mes, dia};
}
static_assert(DiasDesde1970(2015, 1, 12) == 16447 && FechaDe(16447).ano == 2015 &&
              FechaDe(16447).mes == 1 && FechaDe(16447).dia == 12);
static_assert(FechaDe(DiasDesde1970(2024, 2, 29)).dia == 29);

}  // namespace velmora
