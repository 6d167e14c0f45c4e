// The module the page loads (velmora.js and velmora.wasm), as FrenteWeb.cpp
// declares it through emscripten's bindings, and the object the page hands
// it (Module.frente). For the page's scripts, which name these types in
// their JSDoc comments, and the check of them (tests/ui/web: tsc --checkJs);
// the site does not ship this file.

/** An enum of the bindings: each value an object, compared by identity. */
export interface ValorEnum {
  readonly value: number;
}

export interface EnumTipo {
  Marco: ValorEnum; Etiqueta: ValorEnum; Campo: ValorEnum; Boton: ValorEnum; Lista: ValorEnum;
  Linea: ValorEnum;
}
export interface EnumTipoEntrada { Menu: ValorEnum; Orden: ValorEnum; Separador: ValorEnum }
export interface EnumOrden {
  Ninguna: ValorEnum; Calcular: ValorEnum; Salir: ValorEnum; Ejemplos: ValorEnum;
  Formula: ValorEnum; AcercaDe: ValorEnum;
}
export interface EnumTrazo {
  Rejilla: ValorEnum; Eje: ValorEnum; Diferencia: ValorEnum; Ahorro: ValorEnum; Semanas: ValorEnum;
  Propia: ValorEnum; SinAmortizar: ValorEnum;
}
export interface EnumEstilo {
  Marca: ValorEnum; Anos: ValorEnum; Titulo: ValorEnum; Diferencia: ValorEnum; Ahorro: ValorEnum;
  Cruce: ValorEnum; Semanas: ValorEnum; Propia: ValorEnum; SinAmortizar: ValorEnum;
}
export interface EnumAncla { Inicio: ValorEnum; Medio: ValorEnum; Fin: ValorEnum }
export interface EnumTipoFila {
  Marco: ValorEnum; Motor: ValorEnum; Campo: ValorEnum; Casilla: ValorEnum; Nota: ValorEnum;
  Etiqueta: ValorEnum; Resultado: ValorEnum; Boton: ValorEnum;
}

/** A row of the view "Otros motores" (ui/DisenoMotores.h). */
export interface FilaMotores {
  tipo: ValorEnum;
  nombre: string;       // its element's id and its key in the address
  titulo: string;
  ejemplo: string;      // a field's placeholder: "p. ej. 1,55"
  contenedor: number;   // the frame's row, or -1
  coche: number;        // 0 or 1 for a car's rows, else -1
  motores: number;      // bit m: it shows where its car's motor is motores[m]
}
export interface Motor { nombre: string; clave: string }
export interface TablaMotores {
  titulo: string;
  enlace: string;       // "Comparar otros motores"
  volver: string;       // the link back to the main window
  filas: FilaMotores[];
  motores: Motor[];
}

/** What the view's command asks of the page (ui/FormularioMotores.h). */
export interface FrenteMotores {
  LeerMotor(coche: number): number;
  LeerFila(fila: number): string;
  LeerCasilla(fila: number): boolean;
  EscribirResultado(texto: string): void;
  MostrarGrafica(hay: boolean): void;
}

/** A row of a window's table (ui/Diseno.h); rows are named by their index. */
export interface Fila {
  tipo: ValorEnum;
  nombre: string;
  titulo: string;
  nombreAccesible: string;
  contenedor: number;   // the frame's row, or -1 for the client area
  campo: number;        // the field (calc/Campos.h) a text field is, or -1
  rotula: number;       // the field's row a label is the caption of, or -1
  centrado: boolean;
  opaco: boolean;
  fondoBlanco: boolean;
  resultado: boolean;
  foco: boolean;        // it takes the keyboard focus
  orden: ValorEnum;     // what a button does
  filas: string[];      // a list's rows, in the order it shows them
}

export interface Ventana {
  nombre: string;
  titulo: string;
  controles: Fila[];
  foco: number;         // the row that has the focus when it opens, or -1
}

export interface EntradaMenu {
  tipo: ValorEnum;
  nombre: string;
  titulo: string;
  tecla: string;        // its access key, in lower case
  orden: ValorEnum;
}

export interface Tablas {
  tituloAplicacion: string;
  aceptar: string;
  cerrar: string;
  terminado: string;
  volverAEmpezar: string;
  enlaceMotores: string;  // the link to the view "Otros motores"
  rotuloMoneda: string;   // the replay's currency switch: its caption
  monedas: string[];      // and its choices, by their number
  ventanas: Ventana[];  // 0 the main window, 1 the examples, 2 the formula
  menu: EntradaMenu[];
  campos: string[];     // the fields' names, by their number
}

export interface ConfiguracionRegional { separadorDecimal: string; separadorGrupos: string }
export interface Espacio { ancho: number; alto: number; puntos: number }
export interface Medidas {
  altoDeLetra: number; altoTituloMarco: number; altoFilaLista: number; bordeCampo: number;
  bordeLista: number; pixelesPorPixel96: number;
}
export interface Rectangulo { x: number; y: number; ancho: number; alto: number }
export interface Disposicion {
  enColumna: boolean;
  puntos: number;
  ancho: number;
  alto: number;
  cajas: Rectangulo[];  // a row each, from its container's corner
}

/** How the page measures a window's texts for the layout rule. */
export interface MedidorVentana {
  PonerLetra(puntos: number): Medidas;
  AnchoDeTexto(texto: string): number;
}

export interface Segmento { x1: number; y1: number; x2: number; y2: number; trazo: ValorEnum }
export interface Rotulo { x: number; y: number; ancla: ValorEnum; texto: string; estilo: ValorEnum }
export interface Punto { x: number; y: number }
/** A line through many points: x and y by turns. */
export interface Linea { puntos: Float64Array; trazo: ValorEnum }
/**
 * A picture: of an answer, or of its replay over real prices. Each row of
 * its table is headed by its first text; where the table has columns,
 * their heading. A chart of no width is none.
 */
export interface Dibujo {
  titulo: string;
  nombreGrafica: string;
  tituloTabla: string;
  frases: string[];
  columnas: string[];
  filas: string[][];
  ancho: number;
  alto: number;
  radio: number;
  segmentos: Segmento[];
  rotulos: Rotulo[];
  puntos: Punto[];
  lineas: Linea[];
}

/** How the page measures and writes the picture's texts. */
export interface MedidorGrafica {
  AnchoDeTexto(texto: string): number;
  altoDeLetra: number;
  Numero(valor: number, decimales: number): string;
}

/** What the shared handlers ask of the page (ui/FormularioVelmora.h). */
export interface FrenteVelmora {
  LeerCampo(campo: number): string;
  ConfiguracionDelUsuario(): ConfiguracionRegional;
  TituloVentana(): string;
  PonerTituloVentana(titulo: string): void;
  EscribirResultado(texto: string): void;
  MostrarMensaje(lineas: string[]): void;
  MostrarVentanaFija(ventana: number): void;
  PedirTurno(): void;
  Terminar(): void;
  MostrarGrafica(hay: boolean): void;
}

export interface Modulo {
  frente: FrenteVelmora;
  frenteMotores: FrenteMotores;
  TipoFila: EnumTipoFila;
  Tipo: EnumTipo;
  TipoEntrada: EnumTipoEntrada;
  Orden: EnumOrden;
  Trazo: EnumTrazo;
  Estilo: EnumEstilo;
  Ancla: EnumAncla;
  tablas(): Tablas;
  ajustar(ventana: number, espacio: Espacio, medidor: MedidorVentana): Disposicion;
  entrada(campo: number, largo: number, seleccion: number, entrante: string,
    pegado: boolean): string | null;
  menuDeTecla(tecla: string): number;
  grafica(ancho: number, medidor: MedidorGrafica): Dibujo | null;
  formLoad(): void;
  ejecutar(orden: ValorEnum): void;
  turno(): void;
  modalCerrado(): void;
  modalAbierto(): boolean;
  tablaMotores(): TablaMotores;
  entradaMotores(fila: number, largo: number, seleccion: number, entrante: string,
    pegado: boolean): string | null;
  graficaMotores(ancho: number, medidor: MedidorGrafica): Dibujo | null;
  calcularMotores(): void;
  /** Spain's weekly prices, handed over once: days since 1970, euros a litre. */
  tomarPrecios(dias: number[], gasoleo: number[], gasolina: number[]): void;
  hayPrecios(): boolean;
  /** The last answer (of the view "Otros motores" where `motores`) replayed over them. */
  repeticion(motores: boolean, eleccion: number, ancho: number, medidor: MedidorGrafica): Dibujo | null;
}

declare global {
  /** The module, started as velmora.js loads (modulo.post.js). */
  const velmoraCargado: Promise<Modulo> | undefined;
}
