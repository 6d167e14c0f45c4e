// What the page's tests share: the built site served on localhost by a
// small static server, and the three browser engines from Debian's
// packages behind one thin adapter each, with no browser download of their
// own and nothing that would reach the network on its own:
//   - Chromium through playwright-core;
//   - Firefox ESR through puppeteer-core over WebDriver BiDi;
//   - WebKitGTK (its MiniBrowser) through selenium-webdriver and
//     WebKitWebDriver, on a private X display.
// A test is written once against the adapter (Motor, Pagina) and run in
// every engine.
import { createServer } from 'node:http';
import { brotliCompressSync, gzipSync } from 'node:zlib';
import { execFileSync, spawn } from 'node:child_process';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';
import { Builder, Key } from 'selenium-webdriver';

const TIPOS = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

export const SITIO = process.env.VELMORA_SITIO;

// The scenarios every front end plays (tests/apoyo/Escenarios.h, printed by
// the program VELMORA_ESCENARIOS names), and a row of texts as the fields'
// names to texts.
export const compartidos = process.env.VELMORA_ESCENARIOS ? JSON.parse(execFileSync(
  process.execPath, ['--no-experimental-fetch', process.env.VELMORA_ESCENARIOS],
  { encoding: 'utf8' })) : null;
export const fila = (textos) => Object.fromEntries(compartidos.campos.map((c, i) => [c, textos[i]]));
const MARCO = '/__marco-de-prueba';
export const MOTORES = (process.env.VELMORA_MOTORES || 'chromium,firefox,webkit').split(',');

// Serves the site's folder; `pedidos` notes every path asked for. `falta`
// names files it answers 404 for, `lento` files it answers after that
// many milliseconds, `cambiado` files it answers with another text.
const comprimidos = new Map();  // a file's compressed bytes, by encoding, path and size

export async function servir(carpeta = SITIO, { falta = [], lento = {}, cambiado = {} } = {}) {
  const pedidos = [];
  const servidor = createServer(async (pedido, respuesta) => {
    const direccion = new URL(pedido.url, 'http://x');
    const ruta = decodeURIComponent(direccion.pathname);
    if (ruta === MARCO) {
      // A screen smaller than an engine's window: the page in a frame of that size.
      const [ancho, alto] = ['ancho', 'alto'].map((c) => Number(direccion.searchParams.get(c)));
      respuesta.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
      respuesta.end(`<!doctype html><body style="margin:0"><iframe style="border:0;display:block" width="${ancho}" height="${alto}" src="${direccion.searchParams.get('src').replace(/"/g, '&quot;')}"></iframe>`);
      return;
    }
    pedidos.push(ruta);
    const archivo = normalize(join(carpeta, ruta === '/' ? 'index.html' : ruta));
    if (!archivo.startsWith(normalize(carpeta))) {
      respuesta.writeHead(403).end();
      return;
    }
    const nombre = archivo.slice(normalize(carpeta).length + 1);
    if (lento[nombre]) await new Promise((listo) => setTimeout(listo, lento[nombre]));
    try {
      if (falta.includes(nombre)) throw new Error('falta');
      let cuerpo = nombre in cambiado ? Buffer.from(cambiado[nombre]) : await readFile(archivo);
      const cabeceras = {
        'Content-Type': TIPOS[extname(archivo)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      };
      // Compressed where the browser takes it, as a web server does.
      const acepta = pedido.headers['accept-encoding'] || '';
      const codificacion = /\bbr\b/.test(acepta) ? 'br' : /\bgzip\b/.test(acepta) ? 'gzip' : null;
      if (codificacion) {
        const clave = `${codificacion} ${archivo} ${cuerpo.length}`;
        if (!comprimidos.has(clave)) {
          comprimidos.set(clave, codificacion === 'br' ? brotliCompressSync(cuerpo) : gzipSync(cuerpo));
        }
        cuerpo = comprimidos.get(clave);
        cabeceras['Content-Encoding'] = codificacion;
      }
      respuesta.writeHead(200, cabeceras);
      respuesta.end(cuerpo);
    } catch {
      respuesta.writeHead(404).end();
    }
  });
  await new Promise((listo) => servidor.listen(0, '127.0.0.1', listo));
  const { port } = servidor.address();
  servidor.unref();
  return {
    url: `http://127.0.0.1:${port}/`,
    pedidos,
    cerrar: () => new Promise((listo) => { servidor.closeAllConnections(); servidor.close(listo); }),
  };
}

// Keys by the names the tests use: "Alt+a", "Enter", "Escape", a letter.
const TECLAS_SELENIUM = {
  Alt: Key.ALT, Control: Key.CONTROL, Shift: Key.SHIFT, Enter: Key.ENTER, Escape: Key.ESCAPE,
  Tab: Key.TAB, Space: ' ', ArrowRight: Key.ARROW_RIGHT, ArrowLeft: Key.ARROW_LEFT,
  ArrowDown: Key.ARROW_DOWN, ArrowUp: Key.ARROW_UP, End: Key.END, Home: Key.HOME,
};
const conCodigo = (tecla) => (/^[a-z]$/.test(tecla) ? `Key${tecla.toUpperCase()}` : tecla);

// A page of the site, whatever the engine: the few things a test does.
class Pagina {
  constructor(motor, manejo) {
    this.motor = motor;
    this.errores = [];
    this.m = manejo;
  }

  // Goes to `url` and waits for the window to be drawn; or, where `listo`
  // is false, only starts going there, to see the page as it loads.
  async ir(url, listo = true) {
    if (!listo) {
      await this.evaluar((u) => { setTimeout(() => { location.href = u; }, 0); }, url);
      return;
    }
    await this.m.ir(url);
    await this.esperar(() => document.documentElement.dataset.listo === 'si');
  }

  // Runs `funcion` in the page with one argument (an object for more),
  // and gives what it returns.
  evaluar(funcion, arg) { return this.m.evaluar(funcion, arg); }

  // Runs a script's text in the page as the driver does, beside the page's
  // own policy (a check the page itself would not load).
  ejecutar(codigo) { return this.m.ejecutar(codigo); }

  async esperar(funcion, arg) {
    const fin = Date.now() + 15000;
    for (;;) {
      const valor = await this.evaluar(funcion, arg).catch(() => undefined);
      if (valor) return valor;
      if (Date.now() > fin) throw new Error(`${this.motor}: waited in vain for ${funcion}`);
      await new Promise((listo) => setTimeout(listo, 25));
    }
  }

  texto(selector) {
    return this.evaluar((s) => { const e = document.querySelector(s); return e ? e.textContent : null; },
      selector);
  }

  // Clicks the element of `selector` where a user would.
  pulsar(selector) { return this.m.pulsar(selector); }

  // Replaces a field's text as a user does: the field emptied, then the
  // text typed key by key.
  async escribir(id, texto) {
    await this.evaluar((i) => {
      const e = document.getElementById(i);
      e.focus();
      e.value = '';
      e.dispatchEvent(new Event('input', { bubbles: true }));
    }, id);
    if (texto) await this.m.teclear(texto);
  }

  async escribirTodos(textos) {
    for (const [id, texto] of Object.entries(textos)) await this.escribir(id, texto);
  }

  // Presses keys one after another: "Alt+a", "c", "Escape".
  async teclas(...nombres) {
    for (const nombre of nombres) await this.m.tecla(nombre.split('+'));
  }

  // The open modal window: its accessible name, its text and its buttons.
  async modal() {
    await this.esperar(() => document.querySelector('dialog[open]') !== null);
    return this.evaluar(() => {
      const d = document.querySelector('dialog[open]');
      const m = d.querySelector('.mensaje');
      return {
        nombre: document.getElementById(d.getAttribute('aria-labelledby')).textContent,
        texto: m ? m.textContent : null,
        botones: [...d.querySelectorAll('.botones button')].map((b) => b.textContent),
      };
    });
  }

  async cerrarModal() {
    await this.teclas('Escape');
    await this.esperar(() => document.querySelector('dialog') === null);
  }

  captura(ruta) { return this.m.captura(ruta); }
  cerrar() { return this.m.cerrar(); }
}

// A page of playwright-core or puppeteer-core, whose pages answer alike but
// for their keys and how they close.
function deTitiritero(motor, p, { tecla, cerrar }) {
  const pagina = new Pagina(motor, {
    ir: (url) => p.goto(url),
    evaluar: (f, a) => p.evaluate(f, a),
    ejecutar: (codigo) => p.evaluate(codigo),
    pulsar: (s) => p.click(s),
    teclear: (t) => p.keyboard.type(t),
    tecla,
    captura: (ruta) => p.screenshot({ path: ruta, fullPage: true }),
    cerrar,
  });
  p.on('pageerror', (e) => pagina.errores.push(String(e)));
  return pagina;
}

// --- Chromium, through playwright-core ---------------------------------------

async function chromiumDe(idioma) {
  const navegador = await chromium.launch({
    executablePath: process.env.VELMORA_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-dev-shm-usage', '--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE 127.0.0.1'],
  });
  return {
    navegador,
    async abrir({ ancho = 1280, alto = 720, movil = false, ...mas } = {}) {
      const contexto = await navegador.newContext({
        locale: idioma, viewport: { width: ancho, height: alto }, isMobile: movil,
        hasTouch: movil, deviceScaleFactor: movil ? 2 : 1, ...mas,
      });
      const p = await contexto.newPage();
      const pagina = deTitiritero('chromium', p, {
        tecla: (partes) => p.keyboard.press(partes.map(conCodigo).join('+')),
        cerrar: () => contexto.close(),
      });
      pagina.playwright = p;
      p.on('console', (m) => { if (m.type() === 'error') pagina.errores.push(m.text()); });
      return pagina;
    },
    cerrar: () => navegador.close(),
  };
}

// --- Firefox, through puppeteer-core over WebDriver BiDi ----------------------

async function firefoxDe(idioma) {
  const navegador = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.VELMORA_FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
    extraPrefsFirefox: {
      'intl.accept_languages': idioma,
      'intl.locale.requested': idioma,
      // Nothing of its own off the machine: no connectivity or portal
      // checks, no DNS over HTTPS, and any other host through a proxy
      // that answers nothing (the site on 127.0.0.1 goes straight).
      'network.connectivity-service.enabled': false,
      'network.captive-portal-service.enabled': false,
      'network.trr.mode': 5,
      'network.proxy.type': 1,
      'network.proxy.http': '127.0.0.1',
      'network.proxy.http_port': 9,
      'network.proxy.ssl': '127.0.0.1',
      'network.proxy.ssl_port': 9,
      'network.proxy.allow_hijacking_localhost': false,
    },
  });
  return {
    navegador,
    async abrir({ ancho = 1280, alto = 720, movil = false } = {}) {
      const p = await navegador.newPage();
      await p.setViewport({ width: ancho, height: alto, deviceScaleFactor: movil ? 2 : 1 });
      return deTitiritero('firefox', p, {
        async tecla(partes) {
          const nombres = partes.map((t) => (t === 'Space' ? ' ' : t));
          for (const t of nombres.slice(0, -1)) await p.keyboard.down(t);
          await p.keyboard.press(nombres.at(-1));
          for (const t of nombres.slice(0, -1).reverse()) await p.keyboard.up(t);
        },
        cerrar: () => p.close(),
      });
    },
    cerrar: () => navegador.close(),
  };
}

// --- WebKit, through selenium-webdriver and WebKitWebDriver ------------------

const RAIZ = join(dirname(fileURLToPath(import.meta.url)), '..', '..', '..');
const LOCALES = { 'es-ES': 'es_ES', 'en-US': 'en_US', 'fr-FR': 'fr_FR', 'de-CH': 'de_CH' };

// A private X display (scripts/pantalla-privada) for the engines that need
// one, tall enough for a whole page of a phone in one picture.
async function pantallaPrivada() {
  const ayudante = spawn(join(RAIZ, 'scripts', 'pantalla-privada'), ['1280x4096x24'],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  const nombre = await new Promise((listo, fallo) => {
    ayudante.stdout.once('data', (d) => listo(String(d).trim()));
    ayudante.once('exit', () => fallo(new Error('no private X display')));
  });
  return { nombre, parar: () => new Promise((listo) => { ayudante.once('exit', listo); ayudante.kill('SIGTERM'); }) };
}

async function webkitDe(idioma) {
  const pantalla = await pantallaPrivada();
  const local = `${LOCALES[idioma] || idioma.replace('-', '_')}.UTF-8`;
  const puerto = 4400 + Math.floor(Math.random() * 500);
  // The engine takes its language from the driver's environment.
  const conductor = spawn('WebKitWebDriver', [`--port=${puerto}`], {
    env: { ...process.env, DISPLAY: pantalla.nombre, LANG: local, LC_ALL: local, LANGUAGE: LOCALES[idioma] },
    stdio: 'ignore',
  });
  const servidor = `http://127.0.0.1:${puerto}`;
  for (let i = 0; i < 200; i += 1) {
    if (await fetch(`${servidor}/status`).then((r) => r.ok, () => false)) break;
    await new Promise((listo) => setTimeout(listo, 25));
  }
  let abierta = null;  // the driver takes one session at a time
  return {
    async abrir({ ancho = 1280, alto = 720 } = {}) {
      if (abierta) await abierta.quit().catch(() => {});
      const d = await new Builder().usingServer(servidor).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': {
          binary: process.env.VELMORA_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
          args: ['--automation'],
        },
      }).build();
      abierta = d;
      // The window's outer size, so that the page gets `ancho` x `alto`; a
      // screen narrower than the window can be, a frame of its size.
      await d.manage().window().setRect({ width: ancho, height: alto });
      const [dentroAncho, dentroAlto] = await d.executeScript('return [innerWidth, innerHeight]');
      await d.manage().window().setRect({ width: 2 * ancho - dentroAncho, height: 2 * alto - dentroAlto });
      const enMarco = (await d.executeScript('return innerWidth')) > ancho;
      const ir = async (url) => {
        if (!enMarco) return d.get(url);
        await d.switchTo().defaultContent();
        const origen = new URL(url).origin;
        await d.get(`${origen}${MARCO}?ancho=${ancho}&alto=${alto}&src=${encodeURIComponent(url)}`);
        await d.switchTo().frame(0);
      };
      const pagina = new Pagina('webkit', {
        ir,
        evaluar: (f, a) => d.executeScript(`return (${f}).apply(null, arguments)`, a),
        ejecutar: (codigo) => d.executeScript(codigo),
        pulsar: async (s) => (await d.findElement({ css: s })).click(),
        teclear: (t) => d.actions().sendKeys(t).perform(),
        async tecla(partes) {
          const teclas = partes.map((t) => TECLAS_SELENIUM[t] || t);
          let a = d.actions();
          for (const t of teclas.slice(0, -1)) a = a.keyDown(t);
          a = a.sendKeys(teclas.at(-1));
          for (const t of teclas.slice(0, -1).reverse()) a = a.keyUp(t);
          await a.perform();
        },
        captura: async (ruta) => {
          const { writeFile } = await import('node:fs/promises');
          if (!enMarco) {
            await writeFile(ruta, await d.takeScreenshot(), 'base64');
            return;
          }
          // The whole page: the frame as tall as it, for the picture.
          await d.switchTo().defaultContent();
          const marco = await d.findElement({ css: 'iframe' });
          const rect = await d.manage().window().getRect();
          const altoPagina = await d.executeScript('const f = arguments[0]; f.dataset.alto = f.height; '
            + 'return f.height = f.contentDocument.documentElement.scrollHeight;', marco);
          await d.manage().window().setRect({ width: rect.width, height: rect.height + altoPagina - alto });
          // The window grows and is drawn again in its time.
          for (let i = 0; i < 100 && await d.executeScript('return innerHeight') < altoPagina; i += 1) {
            await new Promise((listo) => setTimeout(listo, 50));
          }
          await d.executeScript('return new Promise((listo) => requestAnimationFrame(() => requestAnimationFrame(listo)))');
          await writeFile(ruta, await marco.takeScreenshot(), 'base64');
          await d.executeScript('arguments[0].height = arguments[0].dataset.alto;', marco);
          await d.manage().window().setRect(rect);
          await d.switchTo().frame(0);
        },
        cerrar: async () => {
          if (abierta === d) abierta = null;
          await d.quit();
        },
      });
      return pagina;
    },
    async cerrar() {
      if (abierta) await abierta.quit().catch(() => {});
      conductor.kill();
      await pantalla.parar();
    },
  };
}

// One engine, its pages in the language `idioma` (the browser's language,
// from which the page reads the user's separators).
export async function motor(nombre, idioma = 'es-ES') {
  const crear = { chromium: chromiumDe, firefox: firefoxDe, webkit: webkitDe }[nombre];
  return { nombre, ...(await crear(idioma)) };
}
