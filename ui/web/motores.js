// @ts-check
// The view "Otros motores": any two cars compared through the module's
// comparison (ui/FormularioMotores.h), drawn from its table
// (ui/DisenoMotores.h) in the look of a window: a title bar, a frame for
// each car with its drop-down of motors and the fields its motor asks for,
// a frame for the use, the result line, and the picture of the answer and
// its replay over real prices below. The page asks for this module the
// first time the view opens, and hands it what it shares with the main
// window (the page's modules are bundled; what both use is loaded once,
// with the main window).

/** @typedef {import('./velmora').Modulo} Modulo */
/** @typedef {import('./velmora').FilaMotores} FilaMotores */
/**
 * @typedef {object} Ayudas
 * @property {typeof import('./ventana.js').crear} crear
 * @property {typeof import('./ventana.js').marcoDeVentana} marcoDeVentana
 * @property {typeof import('./campos.js').vigilarCampo} vigilarCampo
 * @property {{ rotulo: string, elecciones: string[] }} moneda the replay's currency switch
 */

const PREFIJO = '#motores';   // the view's address (direccion.js: pideLosMotores)

export class VistaMotores {
  /**
   * The view, built from the module's table inside `escritorio`, hidden.
   * @param {Modulo} m
   * @param {HTMLElement} escritorio
   * @param {Ayudas} ayudas
   */
  constructor(m, escritorio, ayudas) {
    this.m = m;
    this.ayudas = ayudas;
    const { crear, marcoDeVentana } = ayudas;
    this.tabla = m.tablaMotores();
    this.ventana = crear('section', 'ventana vista-motores');
    this.ventana.id = 'OtrosMotores';
    marcoDeVentana(this.ventana, this.tabla.titulo, 'h1', null);
    const cliente = crear('div', 'cliente-motores');
    this.ventana.append(cliente);
    /** @type {HTMLElement[]} what each row of the table draws */
    this.elementos = [];
    /** @type {HTMLElement[]} the element each row shows and hides */
    this.filas = [];
    this.tabla.filas.forEach((f, i) => this.construir(f, i, cliente));
    const volver = crear('a', 'volver');
    volver.href = '#';
    volver.textContent = this.tabla.volver;
    this.grafica = crear('section', 'grafica');
    this.grafica.id = 'grafica-motores';
    this.grafica.setAttribute('aria-labelledby', 'grafica-motores-titulo');
    this.grafica.hidden = true;
    this.direccion = crear('p', 'direccion');
    this.precios = crear('section', 'grafica precios');
    this.precios.id = 'precios-motores';
    this.precios.setAttribute('aria-labelledby', 'precios-motores-titulo');
    this.precios.hidden = true;
    this.contenedor = crear('div', 'contenedor-motores');
    this.contenedor.append(this.ventana, volver, this.grafica, this.direccion, this.precios);
    this.contenedor.hidden = true;
    escritorio.append(this.contenedor);
    this.motores = [0, 1].map((c) => /** @type {HTMLSelectElement} */ (
      this.elementos[this.tabla.filas.findIndex((f) => f.tipo === m.TipoFila.Motor && f.coche === c)]));
    for (const motor of this.motores) motor.addEventListener('change', () => this.segunLosMotores());
    this.segunLosMotores();
    m.frenteMotores = this.frente();
  }

  /** @param {FilaMotores} f @param {number} i @param {HTMLElement} cliente */
  construir(f, i, cliente) {
    const { TipoFila } = this.m;
    const padre = f.contenedor < 0 ? cliente : this.elementos[f.contenedor];
    let e;
    let fila;
    if (f.tipo === TipoFila.Marco) {
      e = this.ayudas.crear('fieldset', 'marco-motores');
      const leyenda = this.ayudas.crear('legend');
      leyenda.textContent = f.titulo;
      e.append(leyenda);
      fila = e;
    } else if (f.tipo === TipoFila.Motor || f.tipo === TipoFila.Campo) {
      // A caption above its field, which it names.
      fila = this.ayudas.crear('div', 'fila-motores');
      const etiqueta = this.ayudas.crear('label');
      etiqueta.textContent = f.titulo;
      etiqueta.htmlFor = f.nombre;
      e = f.tipo === TipoFila.Motor ? this.desplegable() : this.campo(f, i);
      fila.append(etiqueta, e);
    } else if (f.tipo === TipoFila.Casilla) {
      fila = this.ayudas.crear('label', 'casilla');
      e = this.ayudas.crear('input');
      e.type = 'checkbox';
      fila.append(e, f.titulo);
    } else if (f.tipo === TipoFila.Nota) {
      fila = e = this.ayudas.crear('p', 'nota');
      e.textContent = f.titulo;
      this.elementos[i - 1].setAttribute('aria-describedby', f.nombre);
    } else {
      fila = e = this.deLaLinea(f);
    }
    e.id = f.nombre;
    (f.tipo === TipoFila.Marco || f.contenedor >= 0 ? padre : this.linea(cliente)).append(fila);
    this.elementos.push(e);
    this.filas.push(fila);
  }

  desplegable() {
    const e = this.ayudas.crear('select', 'motor');
    this.tabla.motores.forEach((motor, i) => {
      const opcion = this.ayudas.crear('option');
      opcion.value = String(i);
      opcion.textContent = motor.nombre;
      e.append(opcion);
    });
    return e;
  }

  /** @param {FilaMotores} f @param {number} i */
  campo(f, i) {
    const e = this.ayudas.crear('input', 'campo-motores');
    Object.assign(e, { type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false,
      placeholder: f.ejemplo });
    this.ayudas.vigilarCampo(e, (...entrada) => this.m.entradaMotores(i, ...entrada));
    return e;
  }

  /** The result line's parts: its caption, the result box, "Km" and "Calcular". @param {FilaMotores} f */
  deLaLinea(f) {
    const { TipoFila } = this.m;
    if (f.tipo === TipoFila.Boton) {
      const e = this.ayudas.crear('button', 'boton');
      e.type = 'button';
      e.textContent = f.titulo;
      e.addEventListener('click', () => this.m.calcularMotores());
      return e;
    }
    const e = this.ayudas.crear(f.tipo === TipoFila.Resultado ? 'output' : 'span', 'etiqueta-motores');
    if (f.tipo === TipoFila.Resultado) {
      e.classList.add('fondo-blanco');
      e.setAttribute('role', 'status');
      e.setAttribute('aria-live', 'polite');
    }
    e.textContent = f.titulo;
    return e;
  }

  /** The result line, made with its first part. @param {HTMLElement} cliente */
  linea(cliente) {
    if (!this.lineaDelResultado) {
      this.lineaDelResultado = this.ayudas.crear('div', 'linea-resultado');
      cliente.append(this.lineaDelResultado);
    }
    return this.lineaDelResultado;
  }

  /** Each car's fields as its motor asks for them. */
  segunLosMotores() {
    const motores = this.motores.map((s) => Number(s.value));
    this.tabla.filas.forEach((f, i) => {
      if (f.coche >= 0) this.filas[i].hidden = !((f.motores >> motores[f.coche]) & 1);
    });
  }

  /** @returns {import('./velmora').FrenteMotores} */
  frente() {
    const campo = (/** @type {number} */ i) => /** @type {HTMLInputElement} */ (this.elementos[i]);
    return {
      LeerMotor: (coche) => Number(this.motores[coche].value),
      LeerFila: (i) => campo(i).value,
      LeerCasilla: (i) => campo(i).checked,
      EscribirResultado: (texto) => {
        const resultado = this.tabla.filas.findIndex((f) => f.tipo === this.m.TipoFila.Resultado);
        this.elementos[resultado].textContent = texto;
        this.enLaDireccion();
      },
      MostrarGrafica: (hay) => {
        this.hayGrafica = hay;
        this.dibujarGrafica();
      },
    };
  }

  dibujarGrafica() {
    if (!this.hayGrafica || this.contenedor.hidden) {
      for (const s of [this.grafica, this.precios]) {
        s.replaceChildren();
        s.hidden = true;
      }
      return;
    }
    import('./grafica.js').then((g) => {
      if (!this.hayGrafica) return;
      g.mostrar(this.grafica, this.m, (ancho, medidor) => this.m.graficaMotores(ancho, medidor));
      g.mostrarPrecios(this.precios, this.m, true, this.ayudas.moneda,
        () => Boolean(this.hayGrafica && !this.contenedor.hidden))
        .catch(() => { this.precios.hidden = true; });
    }, () => {
      this.grafica.hidden = true;
      this.precios.hidden = true;
    });
  }

  /** Shows the view, or hides it. @param {boolean} visible */
  mostrar(visible) {
    this.contenedor.hidden = !visible;
    if (!visible) return;
    document.title = this.tabla.titulo;
    this.dibujarGrafica();
    this.motores[0].focus();
  }

  /** The comparison that gave a result, in the address: the motors and the texts shown. */
  enLaDireccion() {
    const parametros = new URLSearchParams();
    this.tabla.filas.forEach((f, i) => {
      const e = /** @type {HTMLInputElement} */ (this.elementos[i]);
      if (f.tipo === this.m.TipoFila.Motor) parametros.set(f.nombre, this.tabla.motores[Number(e.value)].clave);
      if (f.tipo === this.m.TipoFila.Campo && !this.filas[i].hidden && e.value) parametros.set(f.nombre, e.value);
      if (f.tipo === this.m.TipoFila.Casilla && e.checked) parametros.set(f.nombre, '1');
    });
    history.replaceState(null, '', `${PREFIJO}&${parametros.toString()}`);
    this.direccion.textContent = location.href;
  }

  /**
   * An address that holds a comparison: its motors and texts, each taken by
   * the module's rule (a text a field refuses gets the module's message
   * instead), and the comparison made.
   */
  desdeLaDireccion() {
    const parametros = new URLSearchParams(location.hash.slice(PREFIJO.length + 1));
    if (![...parametros.keys()].length) return;
    /** @type {Array<() => void>} */
    const poner = [];
    for (const [i, f] of this.tabla.filas.entries()) {
      const valor = parametros.get(f.nombre);
      const e = /** @type {HTMLInputElement} */ (this.elementos[i]);
      if (f.tipo === this.m.TipoFila.Motor) {
        const motor = this.tabla.motores.findIndex((x) => x.clave === valor);
        poner.push(() => { e.value = String(Math.max(0, motor)); });
      } else if (f.tipo === this.m.TipoFila.Casilla) {
        poner.push(() => { e.checked = valor === '1'; });
      } else if (f.tipo === this.m.TipoFila.Campo) {
        const tomado = this.m.entradaMotores(i, 0, 0, valor || '', false);
        if (tomado === null) return;
        poner.push(() => { e.value = tomado; });
      }
    }
    for (const p of poner) p();
    this.segunLosMotores();
    this.m.calcularMotores();
  }
}
