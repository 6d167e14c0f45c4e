// precios.js, which the build makes from calc/datos/precios-carburantes-es.csv
// (calc/datos/PreciosReales.cmake): Spain's weekly pump prices.
/** Each week's Monday, in days since 1 January 1970. */
export const dias: number[];
/** Gas oil's and Euro-super 95's prices with taxes, in euros a litre. */
export const gasoleo: number[];
export const gasolina: number[];
