// What the page's tests share: the built site served on localhost by a
// small static server, and Debian's Chromium, headless, driven through
// playwright-core with no browser download of its own.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

const TIPOS = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

export const SITIO = process.env.VELMORA_SITIO;

// Serves the site's folder; `pedidos` notes every path asked for.
export async function servir(carpeta = SITIO) {
  const pedidos = [];
  const servidor = createServer(async (pedido, respuesta) => {
    const ruta = decodeURIComponent(new URL(pedido.url, 'http://x').pathname);
    pedidos.push(ruta);
    const archivo = normalize(join(carpeta, ruta === '/' ? 'index.html' : ruta));
    if (!archivo.startsWith(normalize(carpeta))) {
      respuesta.writeHead(403).end();
      return;
    }
    try {
      const cuerpo = await readFile(archivo);
      respuesta.writeHead(200, {
        'Content-Type': TIPOS[extname(archivo)] || 'application/octet-stream',
        'Cache-Control': 'no-cache',
      });
      respuesta.end(cuerpo);
    } catch {
      respuesta.writeHead(404).end();
    }
  });
  await new Promise((listo) => servidor.listen(0, '127.0.0.1', listo));
  const { port } = servidor.address();
  return { url: `http://127.0.0.1:${port}/`, pedidos, cerrar: () => servidor.close() };
}

// Headless Chromium as root, with nothing that would reach the network on
// its own.
export function navegador() {
  return chromium.launch({
    executablePath: process.env.VELMORA_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-dev-shm-usage'],
  });
}

// A page of the site at `url`, once its window is drawn.
export async function abrir(contexto, url) {
  const pagina = await contexto.newPage();
  const errores = [];
  pagina.on('pageerror', (e) => errores.push(String(e)));
  pagina.on('console', (m) => { if (m.type() === 'error') errores.push(m.text()); });
  await pagina.goto(url);
  await pagina.waitForSelector('html[data-listo="si"]');
  pagina.errores = errores;
  return pagina;
}
