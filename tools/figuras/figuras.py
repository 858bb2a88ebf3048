#!/usr/bin/python3
"""Draws the pictures installed beside DRAVEK: the logo, the installation pictures of each
installation kind and cradle, the pipe sections of each typology and the cradle pictures of the
printed listing, one file per language under the name the text table gives; and the program's
icon for the desktop, at each size, in iconos/ of the same folder.

    /usr/bin/python3 tools/figuras/figuras.py [--tabla textos.tsv] [--salida carpeta]

Needs Debian's python3-pil and fonts-liberation2. The output is the same byte for byte on every
run: the drawing is made at four times its size, reduced with a box filter and reduced to an
8-bit palette without dithering, and the BMP writer puts no date in the file.
"""

import argparse
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

RAIZ = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TABLA = os.path.join(RAIZ, "src", "core", "model", "textos.tsv")
SALIDA = os.path.join(RAIZ, "data")

CARPETA_FUENTES = "/usr/share/fonts/truetype/liberation2"
FUENTE_NORMAL = os.path.join(CARPETA_FUENTES, "LiberationSans-Regular.ttf")
FUENTE_NEGRITA = os.path.join(CARPETA_FUENTES, "LiberationSans-Bold.ttf")
FUENTE_CURSIVA = os.path.join(CARPETA_FUENTES, "LiberationSans-Italic.ttf")

IDIOMAS = 5
SALTO_IDIOMA = 5000
# Drawn at this many times the final size; the box filter then gives the anti-aliasing.
ESCALA = 4
# The printed listing paints each picture at its own size from this resolution: 150 dpi keeps
# the installation picture (480 px, 81 mm) within the 120 mm right of its place at 81 mm, the
# section (370 px, 63 mm) within the 63.5 mm right of 138 mm and the cradle (330 px, 56 mm)
# clear of the installation picture beside it.
PUNTOS_POR_PULGADA = 150
# The logo is only shown on the screen.
PUNTOS_POR_PULGADA_LOGO = 96

BLANCO = (255, 255, 255)
NEGRO = (25, 25, 25)
COTA = (0, 60, 130)
TERRENO = (214, 196, 160)
TRAMA_TERRENO = (150, 120, 80)
RELLENO = (241, 231, 205)
TRAMA_RELLENO = (170, 145, 100)
TERRAPLEN = (233, 220, 188)
GRAVA = (222, 214, 196)
TRAMA_GRAVA = (110, 100, 85)
HORMIGON = (198, 198, 198)
HORMIGON_CUNA = (170, 170, 170)
TRAMA_HORMIGON = (95, 95, 95)
MORTERO = (226, 222, 210)
ACERO_CAMISA = (30, 70, 170)
ACERO_ARMADURA = (190, 35, 35)
AZUL_LOGO = (40, 50, 110)
GRIS_TEXTO = (70, 70, 70)

# Texts of the table used by the pictures.
FICHERO_LOGO = 406
FICHEROS_COLOCACION = {(1, 0): 412, (1, 1): 413, (1, 2): 414, (2, 0): 415, (2, 1): 416, (2, 2): 417}
FICHERO_POSTESADO_EMBEBIDA = 418
FICHERO_POSTESADO_REVESTIDA = 419
FICHERO_ARMADO = 420
FICHEROS_CUNA = {"granular90": 430, "hormigon90": 431, "hormigon120": 432}
T_LOGO_1, T_LOGO_2 = 1360, 1361
T_RELLENO, T_TERRENO, T_TERRAPLEN = 1362, 1363, 1364
T_CUNA = {"granular90": 1365, "hormigon90": 1366, "hormigon120": 1367}
T_NUCLEO, T_CAMISA, T_ALAMBRE, T_REVESTIMIENTO = 1368, 1369, 1370, 1371
T_HORMIGON, T_ARMADURA_INTERIOR, T_ARMADURA_EXTERIOR, T_DETALLE = 1372, 1373, 1374, 1375


def lee_tabla(ruta):
    """The text table as {entry: text}, entry = (language - 1) * 5000 + n."""
    textos = {}
    with open(ruta, encoding="utf-8") as f:
        for linea in f:
            linea = linea.rstrip("\r\n")
            if not linea or linea.startswith("#"):
                continue
            campos = linea.split("\t")
            n = int(campos[0])
            for idioma in range(1, IDIOMAS + 1):
                texto = desescapa(campos[idioma])
                if texto:
                    textos[(idioma - 1) * SALTO_IDIOMA + n] = texto
    return textos


def textos_de(textos, idioma):
    """Text n of one language; a label or name missing from the table stops the script."""
    def T(n):
        clave = (idioma - 1) * SALTO_IDIOMA + n
        if clave not in textos:
            sys.exit("Text %d has no wording in language %d of the text table" % (n, idioma))
        return textos[clave]
    return T


def desescapa(celda):
    return celda.replace("\\\\", "\0").replace("\\n", "\n").replace("\\t", "\t").replace("\0", "\\")


class Fuentes:
    def __init__(self):
        self._cache = {}

    def __call__(self, ruta, tam):
        clave = (ruta, tam)
        if clave not in self._cache:
            self._cache[clave] = ImageFont.truetype(ruta, round(tam * ESCALA))
        return self._cache[clave]


FUENTES = Fuentes()


class Lienzo:
    """A picture drawn in final-size pixel coordinates (floats) on a canvas ESCALA times larger."""

    def __init__(self, ancho, alto):
        self.ancho = ancho
        self.alto = alto
        self.im = Image.new("RGB", (ancho * ESCALA, alto * ESCALA), BLANCO)
        self.d = ImageDraw.Draw(self.im)

    @staticmethod
    def p(x, y):
        return (round(x * ESCALA), round(y * ESCALA))

    @staticmethod
    def g(grosor):
        return max(1, round(grosor * ESCALA))

    def linea(self, puntos, color=NEGRO, grosor=1.0):
        self.d.line([self.p(x, y) for x, y in puntos], fill=color, width=self.g(grosor),
                    joint="curve")

    def discontinua(self, a, b, color=NEGRO, grosor=0.8, trazo=5.0, hueco=3.0):
        largo = math.hypot(b[0] - a[0], b[1] - a[1])
        if largo == 0:
            return
        ux, uy = (b[0] - a[0]) / largo, (b[1] - a[1]) / largo
        s = 0.0
        while s < largo:
            e = min(s + trazo, largo)
            self.linea([(a[0] + ux * s, a[1] + uy * s), (a[0] + ux * e, a[1] + uy * e)], color,
                       grosor)
            s = e + hueco

    def poligono(self, puntos, relleno=None, borde=None, grosor=1.0):
        pts = [self.p(x, y) for x, y in puntos]
        self.d.polygon(pts, fill=relleno)
        if borde is not None:
            self.linea(list(puntos) + [puntos[0]], borde, grosor)

    def circulo(self, cx, cy, r, relleno=None, borde=None, grosor=1.0):
        caja = [self.p(cx - r, cy - r), self.p(cx + r, cy + r)]
        self.d.ellipse(caja, fill=relleno)
        if borde is not None:
            self.d.ellipse(caja, outline=borde, width=self.g(grosor))

    def arco(self, cx, cy, r, desde, hasta, color=NEGRO, grosor=1.0):
        """Arc in degrees, measured clockwise from the positive x axis (y points down)."""
        self.d.arc([self.p(cx - r, cy - r), self.p(cx + r, cy + r)], desde, hasta, fill=color,
                   width=self.g(grosor))

    def trama(self, region, dibuja_trama):
        """Paints a pattern clipped to a region; region(draw, p) draws the region in 255."""
        mascara = Image.new("L", self.im.size, 0)
        region(ImageDraw.Draw(mascara), self.p)
        caja = mascara.getbbox()
        if caja is None:
            return
        tam = (caja[2] - caja[0], caja[3] - caja[1])
        capa = Image.new("RGB", tam, BLANCO)
        marca = Image.new("L", tam, 0)
        dibuja_trama(ImageDraw.Draw(capa), ImageDraw.Draw(marca), caja)
        recorte = Image.new("L", tam, 0)
        recorte.paste(marca, (0, 0), mascara.crop(caja))
        self.im.paste(capa, caja[:2], recorte)

    def texto(self, x, y, s, tam=13.0, fuente=FUENTE_NORMAL, color=NEGRO, ancla="mm",
              fondo=None):
        f = FUENTES(fuente, tam)
        if fondo is not None:
            x0, y0, x1, y1 = self.d.textbbox(self.p(x, y), s, font=f, anchor=ancla)
            m = 2 * ESCALA
            self.d.rectangle([x0 - m, y0 - m, x1 + m, y1 + m], fill=fondo)
        self.d.text(self.p(x, y), s, font=f, fill=color, anchor=ancla)

    def ancho_texto(self, s, tam=13.0, fuente=FUENTE_NORMAL):
        x0, _, x1, _ = FUENTES(fuente, tam).getbbox(s)
        return (x1 - x0) / ESCALA

    def punta(self, x, y, dx, dy, color=COTA, largo=6.0, media=2.2):
        """Filled arrowhead with its tip at (x, y) pointing along (dx, dy)."""
        n = math.hypot(dx, dy)
        ux, uy = dx / n, dy / n
        bx, by = x - ux * largo, y - uy * largo
        self.poligono([(x, y), (bx - uy * media, by + ux * media),
                       (bx + uy * media, by - ux * media)], relleno=color)

    def cota(self, a, b, texto, lado=(0.0, -9.0), color=COTA, fondo=None):
        """Dimension line from a to b with arrowheads at both ends and its symbol beside it."""
        self.linea([a, b], color, 0.8)
        self.punta(a[0], a[1], a[0] - b[0], a[1] - b[1], color)
        self.punta(b[0], b[1], b[0] - a[0], b[1] - a[1], color)
        mx, my = (a[0] + b[0]) / 2 + lado[0], (a[1] + b[1]) / 2 + lado[1]
        self.texto(mx, my, texto, 14, FUENTE_CURSIVA, color, fondo=fondo)

    def referencia(self, x, y, texto, hacia, tam=12.0, ancla="lm"):
        """A label with a leader line ending in a dot on the part it names."""
        self.linea([(x, y), hacia], NEGRO, 0.7)
        self.circulo(hacia[0], hacia[1], 1.6, relleno=NEGRO)
        ajuste = 3 if ancla[0] == "l" else -3
        self.texto(x + ajuste, y, texto, tam, ancla=ancla, fondo=BLANCO)

    def final(self):
        reducida = self.im.resize((self.ancho, self.alto), Image.Resampling.BOX)
        return reducida.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                 dither=Image.Dither.NONE)


# Patterns. Each is a fixed grid over the whole picture, so that neighbouring regions match;
# it is drawn only over the box of the region it fills (caja, canvas pixels), in coordinates
# relative to that box.

def rejilla(caja, paso, escalonada=True):
    """Points of a grid of the given step (picture pixels), every other row shifted by half a
    step, that cover the box; yields them relative to the box, in canvas pixels."""
    x0, y0, x1, y1 = caja
    px = paso * ESCALA
    py = px * 0.866 if escalonada else px
    for fila in range(int(y0 // py) - 1, int(y1 // py) + 2):
        desplazamiento = px / 2 if escalonada and fila % 2 else 0.0
        for columna in range(int((x0 - desplazamiento) // px) - 1,
                             int((x1 - desplazamiento) // px) + 2):
            yield columna * px + desplazamiento - x0, fila * py - y0


def _caja(x, y, r):
    return [round(x - r), round(y - r), round(x + r), round(y + r)]


def puntos_escalonados(paso, radio):
    def dibuja(capa, marca, color, caja):
        r = radio * ESCALA
        for x, y in rejilla(caja, paso):
            capa.ellipse(_caja(x, y, r), fill=color)
            marca.ellipse(_caja(x, y, r), fill=255)
    return dibuja


def rayado(paso, grosor=0.6):
    """Lines at 45 degrees, rising to the right: x + y = k x step over the whole picture."""
    def dibuja(capa, marca, color, caja):
        x0, y0, x1, y1 = caja
        alto = y1 - y0
        g = max(1, round(grosor * ESCALA))
        p = paso * ESCALA
        for k in range(int((x0 + y0) // p) - 1, int((x1 + y1) // p) + 2):
            local = k * p - x0 - y0
            extremos = [(round(local - alto), alto), (round(local), 0)]
            capa.line(extremos, fill=color, width=g)
            marca.line(extremos, fill=255, width=g)
    return dibuja


def gravilla(paso, radio):
    """Gravel: small rings."""
    def dibuja(capa, marca, color, caja):
        r = radio * ESCALA
        g = max(1, round(0.6 * ESCALA))
        for x, y in rejilla(caja, paso):
            capa.ellipse(_caja(x, y, r), outline=color, width=g)
            marca.ellipse(_caja(x, y, r), outline=255, width=g)
    return dibuja


def aridos(paso):
    """Concrete: small triangles and dots."""
    def dibuja(capa, marca, color, caja):
        s = paso * ESCALA
        a, b = 1.6 * ESCALA, 1.2 * ESCALA
        r = 0.7 * ESCALA
        for x, y in rejilla(caja, paso):
            t = [(round(x), round(y - a)), (round(x - a), round(y + b)),
                 (round(x + a), round(y + b))]
            capa.polygon(t, outline=color)
            marca.polygon(t, outline=255)
            punto = _caja(x + s / 2, y + s * 0.3, r)
            capa.ellipse(punto, fill=color)
            marca.ellipse(punto, fill=255)
    return dibuja


def con_color(dibuja, color):
    return lambda capa, marca, caja: dibuja(capa, marca, color, caja)


def region_poligono(puntos):
    return lambda d, p: d.polygon([p(x, y) for x, y in puntos], fill=255)


def region_anillo(cx, cy, r_ext, r_int):
    def region(d, p):
        d.ellipse([p(cx - r_ext, cy - r_ext), p(cx + r_ext, cy + r_ext)], fill=255)
        d.ellipse([p(cx - r_int, cy - r_int), p(cx + r_int, cy + r_int)], fill=0)
    return region


def zona(lienzo, puntos, fondo, dibuja_trama, color_trama, borde=None):
    lienzo.poligono(puntos, relleno=fondo)
    lienzo.trama(region_poligono(puntos), con_color(dibuja_trama, color_trama))
    if borde is not None:
        lienzo.linea(list(puntos) + [puntos[0]], borde, 1.2)


def terreno(lienzo, puntos):
    zona(lienzo, puntos, TERRENO, rayado(9.0), TRAMA_TERRENO)


def relleno(lienzo, puntos, color=RELLENO):
    zona(lienzo, puntos, color, puntos_escalonados(8.0, 0.75), TRAMA_RELLENO)


# The cradle: a bed whose top meets the pipe at half the cradle angle from the invert.

def cuna(lienzo, cx, cy, r, angulo, clase, x0, x1, fondo_lecho):
    """Draws the bed from fondo_lecho up to where it meets the pipe; returns its top."""
    alto = cy + r * math.cos(math.radians(angulo / 2))
    puntos = [(x0, alto), (x1, alto), (x1, fondo_lecho), (x0, fondo_lecho)]
    if clase == "granular":
        zona(lienzo, puntos, GRAVA, gravilla(5.0, 1.5), TRAMA_GRAVA)
    else:
        zona(lienzo, puntos, HORMIGON_CUNA, aridos(9.0), TRAMA_HORMIGON)
    lienzo.linea(puntos + [puntos[0]], NEGRO, 1.2)
    return alto


def tubo(lienzo, cx, cy, r, espesor):
    lienzo.circulo(cx, cy, r, relleno=HORMIGON)
    lienzo.circulo(cx, cy, r - espesor, relleno=BLANCO)
    lienzo.circulo(cx, cy, r, borde=NEGRO, grosor=1.4)
    lienzo.circulo(cx, cy, r - espesor, borde=NEGRO, grosor=1.0)


def angulo_cuna(lienzo, cx, cy, r, angulo, radio_arco, tam=13.0):
    """The cradle angle: two radii to the edges of the support and the arc between them."""
    medio = math.radians(angulo / 2)
    for signo in (-1, 1):
        fin = (cx + signo * r * math.sin(medio), cy + r * math.cos(medio))
        lienzo.discontinua((cx, cy), fin, COTA, 0.8, 4.0, 2.5)
    lienzo.arco(cx, cy, radio_arco, 90 - angulo / 2, 90 + angulo / 2, COTA, 1.0)
    lienzo.circulo(cx, cy, 1.4, relleno=COTA)
    lienzo.texto(cx, cy + radio_arco + tam * 0.75, "%d°" % angulo, tam, FUENTE_NORMAL, COTA)


# Installation pictures (texts 412-417).

ANCHO_COLOCACION, ALTO_COLOCACION = 480, 320


def colocacion(textos, idioma, tipo_cuna, clase):
    """tipo_cuna 1 granular 90 degrees, 2 concrete 120 degrees; clase 0 trench, 1 trench under an
    embankment, 2 embankment."""
    T = textos_de(textos, idioma)
    angulo = 90 if tipo_cuna == 1 else 120
    material = "granular" if tipo_cuna == 1 else "hormigon"
    nombre_cuna = T(T_CUNA["granular90"] if tipo_cuna == 1 else T_CUNA["hormigon120"])
    L = Lienzo(ANCHO_COLOCACION, ALTO_COLOCACION)
    W, H = ANCHO_COLOCACION, ALTO_COLOCACION
    if clase == 0:
        _zanja(L, T, angulo, material, nombre_cuna, W, H)
    elif clase == 1:
        _zanja_terraplenada(L, T, angulo, material, nombre_cuna, W, H)
    else:
        _terraplen(L, T, angulo, material, nombre_cuna, W, H)
    return L.final()


def _extension(L, a, b):
    L.linea([a, b], COTA, 0.6)


def _zanja(L, T, angulo, material, nombre_cuna, W, H):
    y_suelo, y_fondo = 72.0, 290.0
    xa, xb = 150.0, 330.0
    cx, r, esp = 240.0, 48.0, 7.0
    cy = y_fondo - 22.0 - r
    y_clave = cy - r
    terreno(L, [(0, y_suelo), (xa, y_suelo), (xa, y_fondo), (xb, y_fondo), (xb, y_suelo),
                (W, y_suelo), (W, H), (0, H)])
    alto_cuna = cy + r * math.cos(math.radians(angulo / 2))
    relleno(L, [(xa, y_suelo), (xb, y_suelo), (xb, alto_cuna), (xa, alto_cuna)])
    cuna(L, cx, cy, r, angulo, material, xa, xb, y_fondo)
    tubo(L, cx, cy, r, esp)
    L.linea([(0, y_suelo), (xa, y_suelo), (xa, y_fondo), (xb, y_fondo), (xb, y_suelo),
             (W, y_suelo)], NEGRO, 1.5)
    angulo_cuna(L, cx, cy, r, angulo, 17.0)
    # B across the top of the trench.
    _extension(L, (xa, y_suelo - 2), (xa, 30))
    _extension(L, (xb, y_suelo - 2), (xb, 30))
    L.cota((xa, 36), (xb, 36), "B", (0, -9))
    # Hr from the crown to the surface of the fill.
    x_h = 308.0
    L.discontinua((cx, y_clave), (x_h + 6, y_clave), COTA, 0.6)
    L.cota((x_h, y_suelo), (x_h, y_clave), "Hr", (-13, 0), fondo=RELLENO)
    # De over the pipe.
    y_de = y_clave - 14
    _extension(L, (cx - r, cy), (cx - r, y_de - 5))
    _extension(L, (cx + r, cy), (cx + r, y_de - 5))
    L.cota((cx - r, y_de), (cx + r, y_de), "De", (0, -9), fondo=RELLENO)
    L.texto(75, y_suelo - 12, T(T_TERRENO), 12)
    L.texto(193, 96, T(T_RELLENO), 12, fondo=RELLENO)
    L.referencia(12, 306, nombre_cuna, (xa + 14, y_fondo - 10))


def _zanja_terraplenada(L, T, angulo, material, nombre_cuna, W, H):
    y_cima, y_natural, y_fondo = 40.0, 132.0, 292.0
    xa, xb = 160.0, 320.0
    cx, r, esp = 240.0, 44.0, 7.0
    cy = y_fondo - 20.0 - r
    y_clave = cy - r
    talud = y_natural - y_cima
    x_cima0, x_cima1 = 100.0, 380.0
    terreno(L, [(0, y_natural), (xa, y_natural), (xa, y_fondo), (xb, y_fondo), (xb, y_natural),
                (W, y_natural), (W, H), (0, H)])
    relleno(L, [(x_cima0 - talud, y_natural), (x_cima0, y_cima), (x_cima1, y_cima),
                (x_cima1 + talud, y_natural)], TERRAPLEN)
    alto_cuna = cy + r * math.cos(math.radians(angulo / 2))
    relleno(L, [(xa, y_natural), (xb, y_natural), (xb, alto_cuna), (xa, alto_cuna)])
    cuna(L, cx, cy, r, angulo, material, xa, xb, y_fondo)
    tubo(L, cx, cy, r, esp)
    L.linea([(0, y_natural), (xa, y_natural), (xa, y_fondo), (xb, y_fondo), (xb, y_natural),
             (W, y_natural)], NEGRO, 1.5)
    L.linea([(x_cima0 - talud, y_natural), (x_cima0, y_cima), (x_cima1, y_cima),
             (x_cima1 + talud, y_natural)], NEGRO, 1.5)
    L.discontinua((xa, y_natural), (xb, y_natural), NEGRO, 1.0, 6.0, 3.0)
    angulo_cuna(L, cx, cy, r, angulo, 16.0)
    # Hr from the crown to the top of the embankment, beside the embankment.
    x_h = 440.0
    L.discontinua((cx, y_clave), (x_h + 6, y_clave), COTA, 0.6)
    _extension(L, (x_cima1 + 2, y_cima), (x_h + 6, y_cima))
    L.cota((x_h, y_cima), (x_h, y_clave), "Hr", (14, 0), fondo=BLANCO)
    # hr'' from the crown to the natural ground.
    x_hn = 300.0
    L.cota((x_hn, y_natural), (x_hn, y_clave), "hr''", (-17, 0), fondo=RELLENO)
    # B across the bottom of the trench.
    y_b = 306.0
    _extension(L, (xa, y_fondo + 2), (xa, y_b + 5))
    _extension(L, (xb, y_fondo + 2), (xb, y_b + 5))
    L.cota((xa, y_b), (xb, y_b), "B", (0, 0), fondo=BLANCO)
    # De over the pipe.
    y_de = y_clave - 12
    _extension(L, (cx - r, cy), (cx - r, y_de - 5))
    _extension(L, (cx + r, cy), (cx + r, y_de - 5))
    L.cota((cx - r, y_de), (cx + r, y_de), "De", (0, -9), fondo=RELLENO)
    L.texto(240, 78, T(T_TERRAPLEN), 12, fondo=TERRAPLEN)
    L.texto(60, y_natural + 14, T(T_TERRENO), 12, fondo=BLANCO)
    L.texto(185, y_natural + 12, T(T_RELLENO), 11, fondo=RELLENO, ancla="lm")
    L.referencia(8, 250, nombre_cuna, (xa + 12, y_fondo - 8))


def _terraplen(L, T, angulo, material, nombre_cuna, W, H):
    y_cima, y_natural = 46.0, 206.0
    cx, r, esp = 240.0, 42.0, 7.0
    cy = 168.0
    y_clave = cy - r
    y_solera = cy + r
    fondo_lecho = y_solera + 18.0
    talud = y_natural - y_cima
    x_cima0, x_cima1 = 168.0, 312.0
    xa, xb = cx - 1.45 * r, cx + 1.45 * r
    terreno(L, [(0, y_natural), (xa, y_natural), (xa, fondo_lecho), (xb, fondo_lecho),
                (xb, y_natural), (W, y_natural), (W, H), (0, H)])
    relleno(L, [(x_cima0 - talud, y_natural), (x_cima0, y_cima), (x_cima1, y_cima),
                (x_cima1 + talud, y_natural)], TERRAPLEN)
    cuna(L, cx, cy, r, angulo, material, xa, xb, fondo_lecho)
    tubo(L, cx, cy, r, esp)
    L.linea([(0, y_natural), (xa, y_natural), (xa, fondo_lecho), (xb, fondo_lecho),
             (xb, y_natural), (W, y_natural)], NEGRO, 1.5)
    L.linea([(x_cima0 - talud, y_natural), (x_cima0, y_cima), (x_cima1, y_cima),
             (x_cima1 + talud, y_natural)], NEGRO, 1.5)
    angulo_cuna(L, cx, cy, r, angulo, 16.0)
    # Hr from the crown to the top of the embankment.
    x_h = 440.0
    L.discontinua((cx, y_clave), (x_h + 6, y_clave), COTA, 0.6)
    _extension(L, (x_cima1 + 2, y_cima), (x_h + 6, y_cima))
    L.cota((x_h, y_cima), (x_h, y_clave), "Hr", (14, 0), fondo=BLANCO)
    # hr' from the natural ground up to the crown: the pipe projects over the ground.
    x_hn = 345.0
    _extension(L, (xb + 2, y_natural), (x_hn + 6, y_natural))
    L.cota((x_hn, y_clave), (x_hn, y_natural), "hr'", (14, 0), fondo=TERRAPLEN)
    # De over the pipe.
    y_de = y_clave - 12
    _extension(L, (cx - r, cy), (cx - r, y_de - 5))
    _extension(L, (cx + r, cy), (cx + r, y_de - 5))
    L.cota((cx - r, y_de), (cx + r, y_de), "De", (0, -9), fondo=TERRAPLEN)
    L.texto(240, 78, T(T_TERRAPLEN), 12, fondo=TERRAPLEN)
    L.texto(410, y_natural + 16, T(T_TERRENO), 12, fondo=BLANCO)
    L.referencia(8, 252, nombre_cuna, (xa + 10, fondo_lecho - 6))


# Cradle pictures of the printed listing (texts 430-432).

ANCHO_CUNA, ALTO_CUNA = 330, 220


def figura_cuna(textos, idioma, clave):
    T = textos_de(textos, idioma)
    angulo = 120 if clave == "hormigon120" else 90
    material = "granular" if clave == "granular90" else "hormigon"
    L = Lienzo(ANCHO_CUNA, ALTO_CUNA)
    cx, cy, r, esp = 165.0, 104.0, 66.0, 12.0
    fondo_lecho = cy + r + 26.0
    if material == "granular":
        x0, x1 = 28.0, 302.0
    else:
        x0, x1 = cx - 1.35 * r, cx + 1.35 * r
    terreno(L, [(0, fondo_lecho), (ANCHO_CUNA, fondo_lecho), (ANCHO_CUNA, ALTO_CUNA),
                (0, ALTO_CUNA)])
    L.linea([(0, fondo_lecho), (ANCHO_CUNA, fondo_lecho)], NEGRO, 1.4)
    cuna(L, cx, cy, r, angulo, material, x0, x1, fondo_lecho)
    tubo(L, cx, cy, r, esp)
    angulo_cuna(L, cx, cy, r, angulo, 24.0, 15.0)
    L.texto(cx, 17, T(T_CUNA[clave]), 14, FUENTE_NEGRITA)
    return L.final()


# Pipe sections (texts 418-420): the ring with Di and De, an enlarged piece of the wall with
# its steel and the covers, and a key to the materials.

ANCHO_SECCION, ALTO_SECCION = 370, 340


def seccion(textos, idioma, tipologia):
    T = textos_de(textos, idioma)
    L = Lienzo(ANCHO_SECCION, ALTO_SECCION)
    cx, cy, re, ri = 112.0, 128.0, 100.0, 68.0
    esp = re - ri
    # Radii of the layers, from the inner face out, in ring pixels.
    if tipologia == 2211:
        r_nucleo = re - 9.0
        r_camisa = ri + 11.0
    elif tipologia == 2221:
        r_nucleo = re - 9.0
        r_camisa = r_nucleo - 1.5
    else:
        r_nucleo = re
        r_camisa = ri + 8.0
    postesado = tipologia != 1210

    # The ring.
    L.circulo(cx, cy, re, relleno=MORTERO if postesado else HORMIGON)
    L.circulo(cx, cy, r_nucleo, relleno=HORMIGON)
    L.circulo(cx, cy, ri, relleno=BLANCO)
    L.trama(region_anillo(cx, cy, r_nucleo, ri), con_color(aridos(10.0), TRAMA_HORMIGON))
    L.circulo(cx, cy, r_camisa, borde=ACERO_CAMISA, grosor=1.8)
    if postesado:
        for k in range(72):
            a = math.radians(k * 5)
            L.circulo(cx + (r_nucleo + 1.6) * math.cos(a), cy + (r_nucleo + 1.6) * math.sin(a), 1.5,
                      relleno=ACERO_ARMADURA)
        L.circulo(cx, cy, r_nucleo, borde=NEGRO, grosor=0.6)
    else:
        for k in range(48):
            a = math.radians(k * 7.5)
            L.circulo(cx + (r_camisa + 2.6) * math.cos(a), cy + (r_camisa + 2.6) * math.sin(a),
                      1.5, relleno=ACERO_ARMADURA)
        r_ext = re - 8.0
        L.circulo(cx, cy, r_ext, borde=ACERO_ARMADURA, grosor=0.7)
        for k in range(48):
            a = math.radians(k * 7.5 + 3.75)
            L.circulo(cx + r_ext * math.cos(a), cy + r_ext * math.sin(a), 1.5,
                      relleno=ACERO_ARMADURA)
    L.circulo(cx, cy, re, borde=NEGRO, grosor=1.4)
    L.circulo(cx, cy, ri, borde=NEGRO, grosor=1.2)

    # Di inside, De under the ring.
    L.cota((cx - ri, cy), (cx + ri, cy), "Di", (0, -9))
    y_de = cy + re + 14
    _extension(L, (cx - re, cy + 2), (cx - re, y_de + 5))
    _extension(L, (cx + re, cy + 2), (cx + re, y_de + 5))
    L.cota((cx - re, y_de), (cx + re, y_de), "De", (0, 10))

    # The piece of wall that the detail enlarges.
    L.poligono([(cx + ri - 3, cy - 9), (cx + re + 3, cy - 9), (cx + re + 3, cy + 9),
                (cx + ri - 3, cy + 9)], borde=NEGRO, grosor=0.7)

    # Wall detail: the outer face at the top, the inner face at the bottom.
    x0, x1 = 262.0, 312.0
    y_ext, y_int = 48.0, 236.0
    escala = (y_int - y_ext) / esp
    L.discontinua((cx + re + 3, cy - 9), (x0, y_ext + 30), NEGRO, 0.6, 3.0, 2.0)
    L.discontinua((cx + re + 3, cy + 9), (x0, y_int - 30), NEGRO, 0.6, 3.0, 2.0)
    y_nucleo = y_int - (r_nucleo - ri) * escala
    y_camisa = y_int - (r_camisa - ri) * escala
    if postesado:
        L.poligono([(x0, y_ext), (x1, y_ext), (x1, y_nucleo), (x0, y_nucleo)], relleno=MORTERO)
    L.poligono([(x0, y_nucleo), (x1, y_nucleo), (x1, y_int), (x0, y_int)], relleno=HORMIGON)
    L.trama(region_poligono([(x0, y_nucleo), (x1, y_nucleo), (x1, y_int), (x0, y_int)]),
            con_color(aridos(10.0), TRAMA_HORMIGON))
    L.linea([(x0, y_camisa), (x1, y_camisa)], ACERO_CAMISA, 2.2)
    if postesado:
        L.linea([(x0, y_nucleo), (x1, y_nucleo)], NEGRO, 0.7)
        for k in range(5):
            L.circulo(x0 + 5 + k * 10, y_nucleo - 3.2, 3.0, relleno=ACERO_ARMADURA)
        y_rece_fin = y_nucleo
        y_reci_fin = y_camisa
    else:
        for k in range(4):
            L.circulo(x0 + 7 + k * 12, y_camisa - 4.4, 3.2, relleno=ACERO_ARMADURA)
        y_arm_ext = y_ext + 8.0 * escala
        L.linea([(x0, y_arm_ext), (x1, y_arm_ext)], ACERO_ARMADURA, 0.7)
        for k in range(4):
            L.circulo(x0 + 13 + k * 12, y_arm_ext, 3.2, relleno=ACERO_ARMADURA)
        y_rece_fin = y_arm_ext
        y_reci_fin = y_camisa
    L.poligono([(x0, y_ext), (x1, y_ext), (x1, y_int), (x0, y_int)], borde=NEGRO, grosor=1.2)
    L.texto((x0 + x1) / 2, 24, T(T_DETALLE), 11, color=GRIS_TEXTO)

    # Thickness on the left of the detail, covers on its right.
    x_esp = x0 - 12
    _extension(L, (x0 - 2, y_ext), (x_esp - 5, y_ext))
    _extension(L, (x0 - 2, y_int), (x_esp - 5, y_int))
    L.cota((x_esp, y_ext), (x_esp, y_int), "Esp", (-15, 75))
    x_rec = x1 + 12
    for y in (y_ext, y_rece_fin):
        _extension(L, (x1 + 2, y), (x_rec + 5, y))
    L.cota((x_rec, y_ext), (x_rec, y_rece_fin), "Rece", (19, 0))
    if tipologia != 2221:
        for y in (y_reci_fin, y_int):
            _extension(L, (x1 + 2, y), (x_rec + 5, y))
        L.cota((x_rec, y_reci_fin), (x_rec, y_int), "Reci", (19, 0))

    # Key.
    if postesado:
        clave = [("hormigon", T(T_NUCLEO)), ("camisa", T(T_CAMISA)), ("alambre", T(T_ALAMBRE)),
                 ("mortero", T(T_REVESTIMIENTO))]
    else:
        clave = [("hormigon", T(T_HORMIGON)), ("camisa", T(T_CAMISA)),
                 ("armadura_interior", T(T_ARMADURA_INTERIOR)),
                 ("armadura_exterior", T(T_ARMADURA_EXTERIOR))]
    y = 268.0
    for clase, texto in clave:
        _muestra(L, 14.0, y, clase)
        L.texto(44.0, y, texto, 12, ancla="lm")
        y += 18.0
    return L.final()


def _muestra(L, x, y, clase):
    caja = [(x, y - 6), (x + 22, y - 6), (x + 22, y + 6), (x, y + 6)]
    if clase == "hormigon":
        L.poligono(caja, relleno=HORMIGON)
        L.trama(region_poligono(caja), con_color(aridos(8.0), TRAMA_HORMIGON))
        L.poligono(caja, borde=NEGRO, grosor=0.7)
    elif clase == "mortero":
        L.poligono(caja, relleno=MORTERO, borde=NEGRO, grosor=0.7)
    elif clase == "camisa":
        L.linea([(x, y), (x + 22, y)], ACERO_CAMISA, 2.2)
    elif clase == "armadura_interior":
        # The inner bars lie on the cylinder, as in the wall detail.
        L.linea([(x, y + 3), (x + 22, y + 3)], ACERO_CAMISA, 2.2)
        for k in range(3):
            L.circulo(x + 4 + k * 7, y - 0.5, 2.4, relleno=ACERO_ARMADURA)
    elif clase == "armadura_exterior":
        L.linea([(x, y), (x + 22, y)], ACERO_ARMADURA, 0.7)
        for k in range(3):
            L.circulo(x + 4 + k * 7, y, 2.4, relleno=ACERO_ARMADURA)
    else:
        for k in range(3):
            L.circulo(x + 4 + k * 7, y, 2.4, relleno=ACERO_ARMADURA)


# The logo (text 406).

ANCHO_LOGO, ALTO_LOGO = 480, 300


def logo(textos, idioma):
    T = textos_de(textos, idioma)
    L = Lienzo(ANCHO_LOGO, ALTO_LOGO)
    cx, cy, re, ri = 106.0, 150.0, 84.0, 60.0
    L.circulo(cx, cy, re, relleno=MORTERO)
    L.circulo(cx, cy, re - 8, relleno=HORMIGON)
    L.circulo(cx, cy, ri, relleno=BLANCO)
    L.circulo(cx, cy, ri + 7, borde=ACERO_CAMISA, grosor=3.5)
    for k in range(80):
        a = math.radians(k * 4.5)
        L.circulo(cx + (re - 6.5) * math.cos(a), cy + (re - 6.5) * math.sin(a), 1.7,
                  relleno=ACERO_ARMADURA)
    L.circulo(cx, cy, re, borde=AZUL_LOGO, grosor=2.0)
    L.circulo(cx, cy, ri, borde=AZUL_LOGO, grosor=1.5)
    x, ancho = 214.0, 250.0
    L.texto(x, 136, "DRAVEK", 58, FUENTE_NEGRITA, AZUL_LOGO, ancla="ls")
    L.linea([(x + 2, 150), (x + ancho, 150)], ACERO_ARMADURA, 2.0)
    # The subtitle keeps to the width of the name in every language.
    lineas = (T(T_LOGO_1), T(T_LOGO_2))
    tam = 18.0
    while max(L.ancho_texto(s, tam) for s in lineas) > ancho:
        tam -= 0.5
    L.texto(x + 2, 176, lineas[0], tam, FUENTE_NORMAL, GRIS_TEXTO, ancla="ls")
    L.texto(x + 2, 176 + tam * 1.35, lineas[1], tam, FUENTE_NORMAL, GRIS_TEXTO, ancla="ls")
    return L.final()


# The program's icon for the desktop menu: the pipe section of the logo alone, square, on a
# transparent ground, at each size the desktop's icon theme asks for.

TAMANOS_ICONO = (48, 128, 256)
CARPETA_ICONOS = "iconos"


class LienzoIcono(Lienzo):
    """A square transparent picture, kept in full colour: an icon is shown over any ground."""

    def __init__(self, lado):
        super().__init__(lado, lado)
        # The transparent ground has the outline's colour, so that the reduction blends the
        # edge towards it and not towards white.
        self.im = Image.new("RGBA", (lado * ESCALA, lado * ESCALA), AZUL_LOGO + (0,))
        self.d = ImageDraw.Draw(self.im)

    def final(self):
        return self.im.resize((self.ancho, self.alto), Image.Resampling.BOX)


def icono(lado):
    L = LienzoIcono(lado)
    # The logo's section (outer radius 84 of a 480 x 300 picture) filling the square.
    k = lado / 176.0
    c, re, ri = lado / 2.0, 84.0 * k, 60.0 * k
    # At the small size the lines keep a pixel's width and the wire fewer, larger turns.
    trazo = max(1.0, 2.0 * k)
    L.circulo(c, c, re, relleno=MORTERO)
    L.circulo(c, c, re - 8 * k, relleno=HORMIGON)
    L.circulo(c, c, ri, relleno=BLANCO)
    L.circulo(c, c, ri + 7 * k, borde=ACERO_CAMISA, grosor=max(1.0, 3.5 * k))
    vueltas = 80 if lado >= 128 else 32
    for n in range(vueltas):
        a = 2 * math.pi * n / vueltas
        L.circulo(c + (re - 6.5 * k) * math.cos(a), c + (re - 6.5 * k) * math.sin(a),
                  max(0.9, 1.7 * k), relleno=ACERO_ARMADURA)
    L.circulo(c, c, re, borde=AZUL_LOGO, grosor=trazo)
    L.circulo(c, c, ri, borde=AZUL_LOGO, grosor=max(1.0, 1.5 * k))
    return L.final()


def figuras(textos):
    """Every picture as (text number, language, image, dpi)."""
    for idioma in range(1, IDIOMAS + 1):
        yield FICHERO_LOGO, idioma, logo(textos, idioma), PUNTOS_POR_PULGADA_LOGO
        for (tipo_cuna, clase), n in sorted(FICHEROS_COLOCACION.items()):
            yield n, idioma, colocacion(textos, idioma, tipo_cuna, clase), PUNTOS_POR_PULGADA
        for n, tipologia in ((FICHERO_POSTESADO_EMBEBIDA, 2211),
                             (FICHERO_POSTESADO_REVESTIDA, 2221), (FICHERO_ARMADO, 1210)):
            yield n, idioma, seccion(textos, idioma, tipologia), PUNTOS_POR_PULGADA
        for clave, n in FICHEROS_CUNA.items():
            yield n, idioma, figura_cuna(textos, idioma, clave), PUNTOS_POR_PULGADA


def main():
    argumentos = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumentos.add_argument("--tabla", default=TABLA, help="the text table (textos.tsv)")
    argumentos.add_argument("--salida", default=SALIDA, help="folder of the pictures")
    opciones = argumentos.parse_args()
    for fuente in (FUENTE_NORMAL, FUENTE_NEGRITA, FUENTE_CURSIVA):
        if not os.path.isfile(fuente):
            sys.exit("Missing font %s: install the Debian package fonts-liberation2" % fuente)
    textos = lee_tabla(opciones.tabla)
    os.makedirs(opciones.salida, exist_ok=True)
    escritos = {}
    for n, idioma, imagen, ppp in figuras(textos):
        nombre = textos_de(textos, idioma)(n)
        # Each language has its own drawing, in its own words: a file named twice would show
        # one language's labels in the other's window.
        if nombre in escritos:
            sys.exit("Text %d of language %d names %s, already named by text %d of language %d"
                     % ((n, idioma, nombre) + escritos[nombre]))
        escritos[nombre] = (n, idioma)
        imagen.save(os.path.join(opciones.salida, nombre), "BMP", dpi=(ppp, ppp))
    iconos = os.path.join(opciones.salida, CARPETA_ICONOS)
    os.makedirs(iconos, exist_ok=True)
    for lado in TAMANOS_ICONO:
        icono(lado).save(os.path.join(iconos, "dravek-%d.png" % lado), "PNG")


if __name__ == "__main__":
    main()
