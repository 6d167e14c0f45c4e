# Turns Spain's weekly pump prices (precios-carburantes-es.csv, as published
# in the European Commission's Weekly Oil Bulletin) into the core's table,
# its numbers written as the file writes them, and into the page's, small
# for the network: each week as days after the one before (the first as
# days since 1 January 1970), gas oil's price in hundred-thousandths of a
# euro as the change from the week before, and petrol's as the change of
# its gap to gas oil (the two move together: half the digits), summed
# again as the page loads them (a sum of whole numbers over 100 000 is the
# double the file's decimal reads as). A row that is not "YYYY-MM-DD,price,price" with at most five
# decimals stops the build. Run by calc/CMakeLists.txt:
#   cmake -DCSV=... -DCPP=... -DJS=... -P PreciosReales.cmake

# Days since 1 January 1970 of a day of the civil calendar (years counted
# from March, in eras of 400 years).
function(dias_desde_1970 ano mes dia salida)
  if(mes LESS_EQUAL 2)
    math(EXPR ano "${ano} - 1")
    math(EXPR m "${mes} + 9")
  else()
    math(EXPR m "${mes} - 3")
  endif()
  math(EXPR era "${ano} / 400")
  math(EXPR ade "${ano} - ${era} * 400")
  math(EXPR dda "(153 * ${m} + 2) / 5 + ${dia} - 1")
  math(EXPR dde "${ade} * 365 + ${ade} / 4 - ${ade} / 100 + ${dda}")
  math(EXPR dias "${era} * 146097 + ${dde} - 719468")
  set(${salida} ${dias} PARENT_SCOPE)
endfunction()

# A price's hundred-thousandths of a euro: "1.0795" is 107950.
function(cienmilesimas precio salida)
  if(NOT precio MATCHES "^([0-9]+)\\.([0-9][0-9]?[0-9]?[0-9]?[0-9]?)$")
    message(FATAL_ERROR "${CSV}: more than five decimals: '${precio}'")
  endif()
  set(entero ${CMAKE_MATCH_1})
  string(SUBSTRING "${CMAKE_MATCH_2}00000" 0 5 fraccion)
  math(EXPR valor "${entero} * 100000 + ${fraccion}")
  set(${salida} ${valor} PARENT_SCOPE)
endfunction()
file(STRINGS ${CSV} lineas)
list(POP_FRONT lineas cabecera)
if(NOT cabecera STREQUAL "semana,gasoleo_eur_litro,gasolina95_eur_litro")
  message(FATAL_ERROR "${CSV}: unexpected header '${cabecera}'")
endif()
set(filas "")
set(dias "")
set(gasoleo "")
set(brechas "")
set(anterior 0)
set(gasoleoAnterior 0)
set(brechaAnterior 0)
foreach(linea IN LISTS lineas)
  if(NOT linea MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9]),([0-9]+\\.[0-9]+),([0-9]+\\.[0-9]+)$")
    message(FATAL_ERROR "${CSV}: not a week's row: '${linea}'")
  endif()
  math(EXPR mes "${CMAKE_MATCH_2} + 0")
  math(EXPR dia "${CMAKE_MATCH_3} + 0")
  string(APPEND filas "    {${CMAKE_MATCH_1}, ${mes}, ${dia}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}},\n")
  set(g ${CMAKE_MATCH_4})
  set(p ${CMAKE_MATCH_5})
  dias_desde_1970(${CMAKE_MATCH_1} ${mes} ${dia} dia1970)
  cienmilesimas(${g} g)
  cienmilesimas(${p} p)
  math(EXPR d "${dia1970} - ${anterior}")
  math(EXPR dg "${g} - ${gasoleoAnterior}")
  math(EXPR db "${p} - ${g} - ${brechaAnterior}")
  list(APPEND dias ${d})
  list(APPEND gasoleo ${dg})
  list(APPEND brechas ${db})
  set(anterior ${dia1970})
  set(gasoleoAnterior ${g})
  math(EXPR brechaAnterior "${p} - ${g}")
endforeach()
list(LENGTH dias numero)
file(WRITE ${CPP}.nuevo "// Generated from calc/datos/precios-carburantes-es.csv by
// calc/datos/PreciosReales.cmake: do not edit.
// Precios: Boletín Petrolero de la Comisión Europea (precios con impuestos, España).
#include \"calc/PreciosReales.h\"

namespace velmora {
namespace {

constexpr SemanaDePrecios kSemanas[] = {
${filas}};

}  // namespace

std::span<const SemanaDePrecios> PreciosReales() {
    return kSemanas;
}

}  // namespace velmora
")
string(REPLACE ";" "," dias "${dias}")
string(REPLACE ";" "," gasoleo "${gasoleo}")
string(REPLACE ";" "," brechas "${brechas}")
file(WRITE ${JS}.nuevo "// Generated from precios-carburantes-es.csv (${numero} weeks) by
// calc/datos/PreciosReales.cmake: each week's Monday in days since 1 January
// 1970, and gas oil's and Euro-super 95's prices with taxes, in euros a litre.
// Precios: Boletín Petrolero de la Comisión Europea (precios con impuestos, España).
const sumados = (cambios) => {
  let suma = 0;
  return cambios.map((c) => (suma += c));
};
const cienmilesimasDeGasoleo = sumados([${gasoleo}]);
export const dias = sumados([${dias}]);
export const gasoleo = cienmilesimasDeGasoleo.map((c) => c / 100000);
export const gasolina = sumados([${brechas}]).map((brecha, i) => (cienmilesimasDeGasoleo[i] + brecha) / 100000);
")
# Rewritten only when they change, so that nothing rebuilds for nothing.
file(COPY_FILE ${CPP}.nuevo ${CPP} ONLY_IF_DIFFERENT)
file(COPY_FILE ${JS}.nuevo ${JS} ONLY_IF_DIFFERENT)
file(REMOVE ${CPP}.nuevo ${JS}.nuevo)
