#!/usr/bin/env python3
"""Turns an X window dump (what `xwd` writes) of 24 or 32 bits per pixel
into a PNG file, with nothing but the standard library.

    xwd -root -silent | python3 scripts/xwd-a-png.py salida.png [x y ancho alto]

With a rectangle, only that part of the picture is written.
"""
import struct
import sys
import zlib


def leer_xwd(datos):
    cabecera = struct.unpack(">25I", datos[:100])
    (largo_cabecera, _version, _formato, profundidad, ancho, alto, _desplazamiento, orden_bytes,
     _unidad, _orden_bits, _relleno, bits_por_pixel, bytes_por_linea, _clase, mascara_r,
     mascara_g, mascara_b, _bits_rgb, _entradas, colores, *_resto) = cabecera
    if bits_por_pixel not in (24, 32):
        sys.exit(f"xwd-a-png: {bits_por_pixel} bits per pixel is not handled")
    inicio = largo_cabecera + colores * 12
    bytes_pixel = bits_por_pixel // 8

    def desplazamiento(mascara):
        d = 0
        while mascara and not mascara & 1:
            mascara >>= 1
            d += 1
        return d

    dr, dg, db = (desplazamiento(m) for m in (mascara_r, mascara_g, mascara_b))
    filas = []
    for y in range(alto):
        linea = datos[inicio + y * bytes_por_linea:inicio + y * bytes_por_linea + ancho * bytes_pixel]
        fila = bytearray()
        for x in range(ancho):
            trozo = linea[x * bytes_pixel:(x + 1) * bytes_pixel]
            valor = int.from_bytes(trozo, "little" if orden_bytes == 0 else "big")
            fila += bytes(((valor & mascara_r) >> dr, (valor & mascara_g) >> dg,
                           (valor & mascara_b) >> db))
        filas.append(fila)
    return ancho, alto, filas


def escribir_png(ruta, filas):
    alto, ancho = len(filas), len(filas[0]) // 3

    def trozo(tipo, datos):
        return (struct.pack(">I", len(datos)) + tipo + datos +
                struct.pack(">I", zlib.crc32(tipo + datos) & 0xFFFFFFFF))

    crudo = b"".join(b"\x00" + bytes(f) for f in filas)
    with open(ruta, "wb") as salida:
        salida.write(b"\x89PNG\r\n\x1a\n" +
                     trozo(b"IHDR", struct.pack(">IIBBBBB", ancho, alto, 8, 2, 0, 0, 0)) +
                     trozo(b"IDAT", zlib.compress(crudo, 9)) + trozo(b"IEND", b""))


def main():
    if len(sys.argv) not in (2, 6):
        sys.exit(__doc__)
    _ancho, _alto, filas = leer_xwd(sys.stdin.buffer.read())
    if len(sys.argv) == 6:
        x, y, ancho, alto = (int(v) for v in sys.argv[2:])
        filas = [f[x * 3:(x + ancho) * 3] for f in filas[y:y + alto]]
    escribir_png(sys.argv[1], filas)


if __name__ == "__main__":
    main()
