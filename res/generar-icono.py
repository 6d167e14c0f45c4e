#!/usr/bin/env python3
"""Draws Velmora's icon: two cars, a red one behind a green one.

Writes velmora-16.png and velmora-32.png, the icon the windows carry, and
the larger sizes a desktop shows in its launchers and docks (48, 64, 128
and 256 pixels) and a phone or a browser shows for the installed page (192
and 512), all 4-bit indexed PNGs on the classic 16-colour palette
(one of whose entries is transparent); velmora.svg, the same drawing for
any size; and velmora.ico, the 16 and 32 pixel images as 16-colour bitmaps
with a transparency mask, for the Windows executable. Run it again after
changing the drawing: python3 res/generar-icono.py
"""
import math
import os
import struct
import zlib

# The 16-colour palette; the entry of an unused colour is the transparent one.
PALETA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 255, 255), (0, 255, 255), (255, 0, 255),
]
TRANSPARENTE = 15
NEGRO, GRANATE, VERDE, GRIS_CLARO, GRIS, ROJO, LIMA, AMARILLO, BLANCO, AGUAMARINA = (
    0, 1, 2, 7, 8, 9, 10, 11, 13, 14)


def coche(x, y, claro, oscuro):
    """A car seen from the side, 20 x 12 units, its top-left corner at x, y.

    Returns (test, colour) pairs, painted in order; a test takes the point's
    coordinates relative to the car.
    """
    def cuerpo(u, v):
        return 0 <= u <= 20 and 4 <= v <= 9 and not (u < 1 and v < 5) and not (u > 19 and v < 5)

    def cabina(u, v):
        # Trapezoid: roof from 6 to 13, bonnet line from 3 to 16.
        if not 0 <= v <= 4.5:
            return False
        izquierda = 6 - (v / 4.5) * 3
        derecha = 13 + (v / 4.5) * 3
        return izquierda <= u <= derecha

    def ventanilla(u, v):
        if not 1.3 <= v <= 4:
            return False
        izquierda = 6.5 - ((v - 1) / 3.5) * 2.5
        derecha = 12.5 + ((v - 1) / 3.5) * 2.5
        return izquierda <= u <= derecha and not 9.2 <= u <= 10.0

    def rueda(cx):
        return lambda u, v: math.hypot(u - cx, v - 9.5) <= 2.6

    def tapacubos(cx):
        return lambda u, v: math.hypot(u - cx, v - 9.5) <= 1.0

    def faro(u, v):
        return 19 <= u <= 20.5 and 5 <= v <= 6.3

    def sombra(u, v):
        return cuerpo(u, v) and v >= 7.6

    capas = [
        (cabina, claro), (cuerpo, claro), (sombra, oscuro), (ventanilla, AGUAMARINA),
        (faro, AMARILLO), (rueda(4.5), NEGRO), (rueda(15.5), NEGRO),
        (tapacubos(4.5), GRIS_CLARO), (tapacubos(15.5), GRIS_CLARO),
    ]
    return [((lambda f: lambda px, py: f(px - x, py - y))(f), c) for f, c in capas]


# The same shapes as outlines, for the scalable icon: each a polygon (a list
# of points) or a circle (centre and radius), in units of the car.
def figuras_coche(claro, oscuro):
    def ventanilla(v):
        return 6.5 - ((v - 1) / 3.5) * 2.5, 12.5 + ((v - 1) / 3.5) * 2.5
    arriba, abajo = ventanilla(1.3), ventanilla(4)
    return [
        ([(6, 0), (13, 0), (16, 4.5), (3, 4.5)], claro),
        ([(1, 4), (19, 4), (19, 5), (20, 5), (20, 9), (0, 9), (0, 5), (1, 5)], claro),
        ([(0, 7.6), (20, 7.6), (20, 9), (0, 9)], oscuro),
        ([(arriba[0], 1.3), (9.2, 1.3), (9.2, 4), (abajo[0], 4)], AGUAMARINA),
        ([(10, 1.3), (arriba[1], 1.3), (abajo[1], 4), (10, 4)], AGUAMARINA),
        ([(19, 5), (20.5, 5), (20.5, 6.3), (19, 6.3)], AMARILLO),
        (((4.5, 9.5), 2.6), NEGRO), (((15.5, 9.5), 2.6), NEGRO),
        (((4.5, 9.5), 1.0), GRIS_CLARO), (((15.5, 9.5), 1.0), GRIS_CLARO),
    ]


def svg():
    def color(indice):
        return "#%02x%02x%02x" % PALETA[indice]

    def figura(forma, x, y, relleno, trazo=""):
        if isinstance(forma, list):
            puntos = " ".join(f"{u + x:g},{v + y:g}" for u, v in forma)
            return f'<polygon points="{puntos}" fill="{relleno}"{trazo}/>'
        (u, v), r = forma
        return f'<circle cx="{u + x:g}" cy="{v + y:g}" r="{r:g}" fill="{relleno}"{trazo}/>'

    partes = []
    for x, y, claro, oscuro in ((10.5, 4, ROJO, GRANATE), (1, 15.5, LIMA, VERDE)):
        figuras = figuras_coche(claro, oscuro)
        # The dark outline first, then the colours over it.
        partes += [figura(f, x, y, "#000000", ' stroke="#000000" stroke-width="0.6"')
                   for f, _ in figuras]
        partes += [figura(f, x, y, color(c)) for f, c in figuras]
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
            'viewBox="0 0 32 32">\n' + "\n".join(partes) + "\n</svg>\n")


def dibujar(tamano):
    escala = 32 / tamano
    # Red car behind, higher and to the right; green car in front.
    capas = coche(10.5, 4, ROJO, GRANATE) + coche(1, 15.5, LIMA, VERDE)
    pixeles = [[TRANSPARENTE] * tamano for _ in range(tamano)]
    for fila in range(tamano):
        for columna in range(tamano):
            # The centre of the pixel, in units of the 32-pixel drawing.
            u, v = (columna + 0.5) * escala, (fila + 0.5) * escala
            for prueba, color in capas:
                if prueba(u, v):
                    pixeles[fila][columna] = color
    # A dark outline around each shape reads better on any background.
    contorno = [fila[:] for fila in pixeles]
    for fila in range(tamano):
        for columna in range(tamano):
            if pixeles[fila][columna] != TRANSPARENTE:
                continue
            vecinos = [
                pixeles[f][c]
                for f, c in ((fila - 1, columna), (fila + 1, columna), (fila, columna - 1),
                             (fila, columna + 1))
                if 0 <= f < tamano and 0 <= c < tamano
            ]
            if tamano >= 32 and any(p not in (TRANSPARENTE, NEGRO) for p in vecinos):
                contorno[fila][columna] = NEGRO
    return contorno


def png(pixeles):
    alto, ancho = len(pixeles), len(pixeles[0])
    crudo = bytearray()
    for fila in pixeles:
        crudo.append(0)  # no filter
        for i in range(0, ancho, 2):
            crudo.append((fila[i] << 4) | (fila[i + 1] if i + 1 < ancho else 0))

    def trozo(tipo, datos):
        return (struct.pack(">I", len(datos)) + tipo + datos +
                struct.pack(">I", zlib.crc32(tipo + datos) & 0xFFFFFFFF))

    alfa = bytes(0 if i == TRANSPARENTE else 255 for i in range(16))
    return (b"\x89PNG\r\n\x1a\n" +
            trozo(b"IHDR", struct.pack(">IIBBBBB", ancho, alto, 4, 3, 0, 0, 0)) +
            trozo(b"PLTE", b"".join(bytes(c) for c in PALETA)) +
            trozo(b"tRNS", alfa) +
            trozo(b"IDAT", zlib.compress(bytes(crudo), 9)) +
            trozo(b"IEND", b""))


def ico(imagenes):
    """A Windows icon file holding each image as a 4-bit bitmap and its mask."""
    def filas_rellenas(bits_por_fila):
        return (bits_por_fila + 31) // 32 * 4

    cuerpos = []
    for pixeles in imagenes:
        alto, ancho = len(pixeles), len(pixeles[0])
        color, mascara = bytearray(), bytearray()
        for fila in reversed(pixeles):  # bitmaps are stored bottom-up
            linea = bytearray(filas_rellenas(ancho * 4))
            bits = bytearray(filas_rellenas(ancho))
            for i, indice in enumerate(fila):
                transparente = indice == TRANSPARENTE
                valor = 0 if transparente else indice
                linea[i // 2] |= valor << (4 if i % 2 == 0 else 0)
                if transparente:
                    bits[i // 8] |= 0x80 >> (i % 8)
            color += linea
            mascara += bits
        cabecera = struct.pack("<IiiHHIIiiII", 40, ancho, 2 * alto, 1, 4, 0,
                               len(color) + len(mascara), 0, 0, 16, 0)
        paleta = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETA)
        cuerpos.append((ancho, alto, cabecera + paleta + bytes(color) + bytes(mascara)))

    salida = struct.pack("<HHH", 0, 1, len(cuerpos))
    desplazamiento = 6 + 16 * len(cuerpos)
    for ancho, alto, cuerpo in cuerpos:
        salida += struct.pack("<BBBBHHII", ancho % 256, alto % 256, 16, 0, 1, 4, len(cuerpo),
                              desplazamiento)
        desplazamiento += len(cuerpo)
    return salida + b"".join(cuerpo for _, _, cuerpo in cuerpos)


if __name__ == "__main__":
    carpeta = os.path.dirname(os.path.abspath(__file__))
    for tamano in (16, 32, 48, 64, 128, 192, 256, 512):
        with open(os.path.join(carpeta, f"velmora-{tamano}.png"), "wb") as salida:
            salida.write(png(dibujar(tamano)))
    with open(os.path.join(carpeta, "velmora.svg"), "w") as salida:
        salida.write(svg())
    with open(os.path.join(carpeta, "velmora.ico"), "wb") as salida:
        salida.write(ico([dibujar(16), dibujar(32)]))
