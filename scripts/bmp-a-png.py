#!/usr/bin/env python3
"""Turns 24-bit BMP files (what the Windows picture helper writes) into PNG
files beside them, with nothing but the standard library, and removes the
BMP files.

    python3 scripts/bmp-a-png.py docs/windows-*.bmp
"""
import os
import struct
import sys
import zlib


def png(ruta_bmp):
    datos = open(ruta_bmp, "rb").read()
    if datos[:2] != b"BM":
        sys.exit(f"bmp-a-png: {ruta_bmp} is not a BMP file")
    inicio = struct.unpack("<I", datos[10:14])[0]
    ancho, alto, _planos, bits = struct.unpack("<iiHH", datos[18:30])
    if bits != 24:
        sys.exit(f"bmp-a-png: {ruta_bmp} has {bits} bits per pixel, not 24")
    fila_bmp = (ancho * 3 + 3) & ~3
    filas = []
    for y in range(abs(alto)):
        # Bottom-up unless the height is negative; blue, green, red.
        origen = inicio + (abs(alto) - 1 - y if alto > 0 else y) * fila_bmp
        bgr = datos[origen:origen + ancho * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        filas.append(b"\x00" + bytes(rgb))

    def trozo(tipo, contenido):
        return (struct.pack(">I", len(contenido)) + tipo + contenido +
                struct.pack(">I", zlib.crc32(tipo + contenido) & 0xFFFFFFFF))

    ruta_png = os.path.splitext(ruta_bmp)[0] + ".png"
    with open(ruta_png, "wb") as salida:
        salida.write(b"\x89PNG\r\n\x1a\n" +
                     trozo(b"IHDR", struct.pack(">IIBBBBB", ancho, abs(alto), 8, 2, 0, 0, 0)) +
                     trozo(b"IDAT", zlib.compress(b"".join(filas), 9)) + trozo(b"IEND", b""))
    os.remove(ruta_bmp)
    print(ruta_png)


if __name__ == "__main__":
    for ruta in sys.argv[1:]:
        png(ruta)
