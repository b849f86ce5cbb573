#!/usr/bin/python3
"""Readability check of the game's fixed texts over the shared pictures.

Usage: contrast.py [MEDIA_DIR]     (default: media)

For every fixed text the game draws, the picture under it is rebuilt the way
the game composes the screen (backgrounds, button sheet regions, tinted panels
under premultiplied-alpha blending), the text's ink box is measured with the
game's own font files, and the contrast ratio (relative luminance, as in WCAG)
between the text colour and the background in that box is computed. The
background is summarised by its 5th and 95th percentile luminance, so a stray
pixel does not decide, and the worse of the two ratios counts. Prints a table;
exits 1 naming every text below 3:1.
"""
import os
import sys

import numpy as np
from PIL import Image, ImageFont

MIN_RATIO = 3.0
W, H = 1024, 768


# ------------------------------------------------------------ colour science

def linear(v):
    c = np.asarray(v, dtype=np.float64) / 255.0
    return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)


def luminance(rgb):
    lin = linear(rgb)
    return lin[..., 0] * 0.2126 + lin[..., 1] * 0.7152 + lin[..., 2] * 0.0722


def ratio(l1, l2):
    hi, lo = max(l1, l2), min(l1, l2)
    return (hi + 0.05) / (lo + 0.05)


# ------------------------------------------------------------ compositing
# Pictures are float arrays 0..255. Bitmaps loaded by the game are kept with
# premultiplied alpha (its default), so a drawn region with tint (r,g,b,a)
# gives  dst = src_rgb_premul * tint_rgb + dst * (1 - src_a * tint_a).

class Media:
    def __init__(self, root):
        self.root = root
        self.cache = {}

    def has(self, name):
        return os.path.exists(os.path.join(self.root, name))

    def rgba(self, name):
        """Premultiplied RGBA float array (h, w, 4), channels 0..255 / alpha 0..1."""
        if name not in self.cache:
            im = Image.open(os.path.join(self.root, name)).convert("RGBA")
            a = np.asarray(im, dtype=np.float64)
            alpha = a[..., 3:4] / 255.0
            self.cache[name] = np.concatenate([a[..., :3] * alpha, alpha], axis=2)
        return self.cache[name]


def region(src, sx, sy, sw, sh):
    return src[sy:sy + sh, sx:sx + sw]


def stretch(src, w, h):
    ys = (np.arange(h) * src.shape[0] // h)
    xs = (np.arange(w) * src.shape[1] // w)
    return src[ys][:, xs]


def draw(dst, src, x, y, tint=(255, 255, 255, 255)):
    """Draws premultiplied src at (x, y) onto the opaque picture dst."""
    h, w = src.shape[:2]
    x0, y0 = max(x, 0), max(y, 0)
    x1, y1 = min(x + w, W), min(y + h, H)
    if x0 >= x1 or y0 >= y1:
        return
    s = src[y0 - y:y1 - y, x0 - x:x1 - x]
    t = np.asarray(tint, dtype=np.float64) / 255.0
    rgb = s[..., :3] * t[:3]
    a = s[..., 3:4] * t[3]
    dst[y0:y1, x0:x1] = rgb + dst[y0:y1, x0:x1] * (1 - a)


def opaque(pic):
    """A whole opaque picture (premultiplied) as an RGBA source."""
    return np.concatenate([pic, np.ones(pic.shape[:2] + (1,))], axis=2)


def fill(dst, x0, y0, x1, y1, rgb):
    """Filled rectangle / thick line approximation, corners inclusive."""
    x0, x1 = sorted((int(round(x0)), int(round(x1))))
    y0, y1 = sorted((int(round(y0)), int(round(y1))))
    dst[max(y0, 0):min(y1 + 1, H), max(x0, 0):min(x1 + 1, W)] = rgb


def outline(dst, x0, y0, x1, y1, rgb, th):
    h = th // 2
    fill(dst, x0 - h, y0 - h, x1 + h, y0 + h, rgb)
    fill(dst, x0 - h, y1 - h, x1 + h, y1 + h, rgb)
    fill(dst, x0 - h, y0 - h, x0 + h, y1 + h, rgb)
    fill(dst, x1 - h, y0 - h, x1 + h, y1 + h, rgb)


# ------------------------------------------------------------ screens

# (ds, dw, box w, box h, kk, kd, rk, rd, li) per continent
GEOMETRY = {
    1: (10, 10, 96, 64, 5, 7, 6, 9, 25),
    2: (10, 10, 96, 64, 4, 7, 6, 9, 25),
    3: (13, 10, 145, 94, 4, 5, 4, 6, 25),
    4: (11, 10, 180, 120, 3, 4, 3, 5, 20),
    5: (13, 6, 92, 60, 6, 8, 6, 9, 25),
    6: (13, 10, 145, 94, 5, 5, 4, 6, 20),
}
DX, DY = 30, 150
PANEL_TINT = (100, 100, 100, 150)
CSZ, JSZ = (61, 61, 61), (171, 171, 171)


def gallery(m, wyb, test_bar, flags_white=False):
    """The continent gallery as composed into the off-screen picture."""
    ds, dw, bw, bh, kk, kd, rk, rd, li = GEOMETRY[wyb]
    x, y = ds + bw, dw + bh
    el = m.rgba("el.png")
    pic = m.rgba("tlo.jpg")[..., :3].copy()
    draw(pic, region(el, 0, 50, 80, 30), 920, 20)
    swatch = region(el, 100, 50, 10, 10)
    if test_bar:
        draw(pic, stretch(swatch, x * rd + ds, 40), DX, 696, PANEL_TINT)
        outline(pic, DX - 1, 696, DX + x * rd + ds + 1, 736, CSZ, 2)
        fill(pic, DX - 2, 695, DX + x * rd + ds + 1, 697, JSZ)
        fill(pic, DX - 2, 696, DX, 736, JSZ)
        for i in range(li):
            draw(pic, region(el, 0, 85, 17, 31), 220 + 25 * i, 701)
    draw(pic, stretch(swatch, x * rk + ds, y * kk), DX, DY, PANEL_TINT)
    draw(pic, stretch(swatch, x * rd + ds, (kd - kk) * y + dw), DX, DY + y * kk,
         PANEL_TINT)
    r1, r2 = DX + x * rk + ds, DX + x * rd + ds
    mid, bot = DY + y * kk - 1, DY + y * kd + dw + 1
    fill(pic, DX - 2, DY - 2, r1 + 1, DY, JSZ)
    fill(pic, DX - 2, DY - 1, DX, bot, JSZ)
    fill(pic, r1, mid - 1, r2 + 1, mid + 1, JSZ)
    fill(pic, r1, DY - 1, r1 + 2, mid, CSZ)
    fill(pic, r2, mid, r2 + 2, bot, CSZ)
    fill(pic, DX - 1, bot - 1, r2 + 1, bot + 1, CSZ)
    if flags_white:
        # whatever flags stand there: take the worst case, a white flag box
        cells = [(r, c) for r in range(kk) for c in range(rk)] + \
                [(r, c) for r in range(kk, kd) for c in range(rd)]
        for r, c in cells:
            fx, fy = DX + ds + x * c, DY + dw + y * r
            fill(pic, fx, fy, fx + bw, fy + bh, (255, 255, 255))
    globe = "k%d.png" % wyb
    if m.has(globe):
        draw(pic, m.rgba(globe), 700, 140)
    return pic


def menu(m):
    pic = m.rgba("tlo2.png")[..., :3].copy()
    face = region(m.rgba("el.png"), 0, 0, 200, 41)
    for i in range(5):
        draw(pic, face, 410, 300 + 50 * i)
    return pic


def quiz(m, closing=False, hover=None):
    el = m.rgba("el.png")
    tlo = m.rgba("tlo.jpg")
    pic = tlo[..., :3].copy()
    draw(pic, region(el, 0, 50, 80, 30), 920, 20)
    draw(pic, stretch(region(el, 100, 50, 10, 10), 590, 500), 130, 100, PANEL_TINT)
    outline(pic, 130, 100, 721, 610, (0, 0, 0), 2)
    for i in range(255):
        top = 6 * i + 100
        if top >= H:
            break
        draw(pic, region(tlo, 128, top, 594, i + 10), 128, top, (i, i, i, i))
    for k in range(1, 5):
        draw(pic, region(el, 0, 120, 453, 34), 200, 38 * k + 81)
    draw(pic, stretch(region(el, 0, 0, 200, 41), 219, 41), 740, 441)
    if hover:
        fill(pic, 206, 38 * hover + 88, 647, 38 * hover + 109, (44, 99, 133))
    if closing and m.has("ee.png"):
        ee = m.rgba("ee.png")
        draw(pic, ee, 425 - ee.shape[1] // 2, 305)
    return pic


def info(m):
    pic = m.rgba("tlo1.png")[..., :3].copy()
    patch = opaque(m.rgba("tlo.jpg")[10:20, 10:20, :3])
    draw(pic, stretch(patch, 500, 400), 260, 180, (0, 30, 50, 150))
    outline(pic, 260, 180, 760, 580, (0, 150, 150), 2)
    draw(pic, region(m.rgba("el.png"), 0, 50, 80, 30), 920, 20)
    return pic


def results(m):
    """Results panel over the last stage's gallery (continent 6)."""
    under = gallery(m, 6, True, flags_white=True)
    patch = opaque(m.rgba("tlo.jpg")[10:20, 10:20, :3])
    draw(under, stretch(patch, 500, 400), 260, 180, (0, 30, 50, 220))
    outline(under, 260, 180, 760, 580, (0, 150, 150), 2)
    return under


# ------------------------------------------------------------ texts

F20, F10, F30, F40 = "f20", "f10", "f30", "f40"
FONT_FILES = {F20: ("arialbd.ttf", 20), F10: ("arial.ttf", 18),
              F30: ("palab.ttf", 30), F40: ("palab.ttf", 40)}
L, C, R = "left", "centre", "right"

CONTINENTS = ["Europa", "Azja", "Ameryka Północna", "Ameryka Południowa", "Afryka",
              "Australia i Oceania"]
LONG_NAME = "Republika Środkowoafrykańska"  # stands for any country name
HINT = "Klik PPM na flagi - duży obrazek  //  Klik LPM na kuli -  zmiana kontynentu"
GREEN, RED = (25, 225, 25), (225, 25, 25)
TEAL, DEEP = (71, 171, 171), (20, 120, 160)
MENU_LABEL = (105, 160, 105)
NI, BI, ZOL = (80, 160, 180), (200, 200, 200), (200, 200, 0)


def texts():
    """(screen key, label, font, colour, x, y, alignment, sample string)."""
    t = []
    add = t.append
    # main menu
    add(("menu", "menu title", F40, (202, 202, 202), 510, 180, C, "Trezalia"))
    add(("menu", "menu heading", F40, (222, 222, 0), 510, 250, C, "menu"))
    for i, s in enumerate(["TEST", "QUIZ", "NAUKA", "INFO", "WYJŚCIE"]):
        add(("menu", "menu item " + s, F20, MENU_LABEL, 510, 310 + 50 * i, C, s))
    for s in ("[F11] - Pełny ekran", "[F11] - Okno 1024 x 768"):
        add(("menu", "F11 hint " + s, F20, (0, 66, 66), 512, 50, C, s))
    # learning mode and test, every continent
    for w in range(1, 7):
        for scr in ("learn%d" % w, "test%d" % w):
            add((scr, "menu button", F20, MENU_LABEL, 960, 23, C, "menu"))
            add((scr, "continent title", F40, DEEP, 350, 20, C, CONTINENTS[w - 1]))
        add(("learn%d" % w, "NAUKA", F20, TEAL, 30, 20, L, "NAUKA"))
        add(("learn%d" % w, "hovered name", F40, (222, 222, 0), 350, 100, C, LONG_NAME))
        add(("learn%d" % w, "hint line", F20, JSZ, 510, 700, C, HINT))
        add(("test%d" % w, "TEST", F20, TEAL, 30, 20, L, "TEST"))
        add(("test%d" % w, "stage", F30, DEEP, 910, 100, R, "ETAP   %d " % w))
        add(("test%d" % w, "asked name", F40, (200, 200, 0), 350, 100, C, LONG_NAME))
        add(("test%d" % w, "Wynik testu >>", F20, (0, 0, 0), 50, 706, L,
             "Wynik testu >>"))
        add(("test%d" % w, "stage slash", F30, (151, 151, 151), 910, 704, C, "/"))
        add(("test%d" % w, "stage hits", F30, (25, 200, 25), 900, 704, R, "25"))
        add(("test%d" % w, "stage misses", F30, (250, 50, 50), 920, 704, L, "25"))
    # quiz
    add(("quiz", "menu button", F20, MENU_LABEL, 960, 23, C, "menu"))
    add(("quiz", "QUIZ", F30, TEAL, 30, 20, L, "QUIZ"))
    add(("quiz", "question", F20, (171, 171, 171), 430, 70, C,
         "Wybierz, które z tych państw ma taką flagę"))
    for k in range(1, 5):
        add(("quiz", "answer %d" % k, F20, (200, 200, 25), 425, 38 * k + 87, C,
             LONG_NAME))
        add(("quiz_hover%d" % k, "hovered answer %d" % k, F20, (255, 255, 0), 425,
             38 * k + 87, C, LONG_NAME))
    add(("quiz", "questions left", F40, (66, 66, 66), 850, 250, C, "(50)"))
    add(("quiz", "slash", F40, (151, 151, 151), 850, 301, C, "/"))
    add(("quiz", "right answers", F40, GREEN, 835, 300, R, "50"))
    add(("quiz", "wrong answers", F40, RED, 865, 300, L, "50"))
    add(("quiz", "indicator label", F20, (151, 151, 151), 850, 400, C,
         "Wskaźnik odpowiedzi"))
    add(("quiz_end", "closing line", F30, (200, 250, 250), 425, 510, C,
         "Ogólna ocena za Twój wysiłek >>>"))
    add(("quiz_end", "quiz grade", F40, (250, 250, 0), 850, 505, C, "Bardzo Dobrze"))
    # information page
    add(("info", "menu button", F20, MENU_LABEL, 960, 23, C, "menu"))
    add(("info", "heading", F30, DEEP, 320, 140, L, "Trezalia -"))
    add(("info", "heading info", F40, ZOL, 660, 133, C, "info"))
    rows = [
        (200, 510, C, F20, NI, "Programik edukacyjny dla dzieci i nie tylko,"),
        (220, 510, C, F20, NI, "aktualny na 2015 rok"),
        (240, 510, C, F20, NI, "połączony z rozrywką w formie testu i quizu."),
        (280, 510, C, F20, NI, "W bazie znajduje się 198 różnych flag."),
        (320, 510, C, F20, NI, "Grafika wykorzystana w programie"),
        (340, 510, C, F20, NI, "zapożyczona została ze stron internetowych."),
        (380, 300, L, F20, ZOL, "TEST:"),
        (382, 390, L, F10, BI, "wskazanie flag losowo wybranych państw"),
        (400, 300, L, F20, ZOL, "QUIZ:"),
        (402, 390, L, F10, BI, "wybranie właściwej odpowiedzi - 50 pytań "),
        (420, 300, L, F20, ZOL, "NAUKA:"),
        (422, 390, L, F10, BI, "podglądanie nazw państw w/g flag"),
        (470, 510, C, F10, NI, "Napisany w C++ z biblioteką Allegro 5.07 (grafika, dźwięk)"),
        (490, 510, C, F10, NI, "Część grafiki zrobiona w Paincie i PS"),
        (530, 510, C, F10, DEEP, "Autor programu, miejscowość, rok 2015 i okolice"),
    ]
    for y, x, al, f, col, s in rows:
        add(("info", "info line y%d" % y, f, col, x, y, al, s))
    # test results panel
    add(("results", "results heading", F30, DEEP, 510, 200, C, "- Wyniki testu -"))
    add(("results", "Odpowiedzi:", F20, DEEP, 465, 250, L, "Odpowiedzi:"))
    add(("results", "Dobre", F20, (20, 200, 20), 605, 250, L, "Dobre"))
    add(("results", "Złe", F20, (200, 20, 20), 685, 250, L, "Złe"))
    nk = ["Europa", "Azja", "Ameryka Północna", "Ameryka Południowa", "Afryka",
          "Australia i Oceania"]
    for i in range(1, 7):
        y = 260 + 30 * i
        add(("results", "row %d name" % i, F30, (200, 200, 20), 600, y, R, nk[i - 1]))
        add(("results", "row %d hits" % i, F30, (20, 220, 20), 660, y, R, "25"))
        add(("results", "row %d slash" % i, F30, (120, 120, 120), 670, y, C, "/"))
        add(("results", "row %d misses" % i, F30, (200, 20, 20), 680, y, L, "25"))
    add(("results", "share", F20, DEEP, 580, 480, R, "Dobrych odpowiedzi: 100.0"))
    add(("results", "percent", F20, DEEP, 585, 480, L, "%"))
    add(("results", "total hits", F20, (20, 220, 20), 660, 480, R, "140"))
    add(("results", "total slash", F20, (120, 120, 120), 670, 480, C, "/"))
    add(("results", "total misses", F20, (200, 20, 20), 680, 480, L, "140"))
    add(("results", "Ocena:", F20, DEEP, 400, 525, R, "Ocena:"))
    add(("results", "grade f30", F30, (60, 160, 200), 550, 520, C, "Bardzo dobrze"))
    add(("results", "grade f40", F40, (60, 160, 200), 550, 520, C, "Genialnie"))
    return t


def screen(m, key):
    if key == "menu":
        return menu(m)
    if key.startswith("learn"):
        return gallery(m, int(key[5:]), False)
    if key.startswith("test"):
        return gallery(m, int(key[4:]), True)
    if key == "quiz":
        return quiz(m)
    if key.startswith("quiz_hover"):
        return quiz(m, hover=int(key[10:]))
    if key == "quiz_end":
        return quiz(m, closing=True)
    if key == "info":
        return info(m)
    if key == "results":
        return results(m)
    raise KeyError(key)


def ink_box(font, x, y, align, s):
    """Pixel box (x0, y0, x1, y1) of the text's ink; y is the line's top."""
    bx0, by0, bx1, by1 = font.getbbox(s, anchor="la")
    adv = font.getlength(s)
    if align == C:
        x -= int(adv) // 2
    elif align == R:
        x -= adv
    x = int(round(x))
    return x + bx0, y + by0, x + bx1, y + by1


def check(root):
    m = Media(root)
    fonts = {k: ImageFont.truetype(os.path.join(root, f), size)
             for k, (f, size) in FONT_FILES.items()}
    pics = {}
    rows, bad = [], []
    for key, label, f, col, x, y, al, s in texts():
        if key not in pics:
            pics[key] = luminance(screen(m, key))
        lum = pics[key]
        x0, y0, x1, y1 = ink_box(fonts[f], x, y, al, s)
        x0, y0 = max(x0, 0), max(y0, 0)
        x1, y1 = min(x1, W), min(y1, H)
        box = lum[y0:y1, x0:x1]
        lt = float(luminance(np.asarray(col, dtype=np.float64)))
        p5, p95 = np.percentile(box, [5, 95])
        r = min(ratio(lt, p5), ratio(lt, p95))
        rows.append((key, label, col, (x0, y0, x1, y1), r))
        if r < MIN_RATIO:
            bad.append(rows[-1])
    return rows, bad


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "media"
    rows, bad = check(root)
    print("%-10s %-22s %-16s %-22s %s" % ("screen", "text", "colour", "ink box", "ratio"))
    for key, label, col, box, r in rows:
        print("%-10s %-22s %-16s %-22s %5.2f%s" % (key, label[:22], "(%d,%d,%d)" % col,
                                               "%d,%d-%d,%d" % box, r,
                                               "  < %.1f" % MIN_RATIO if r < MIN_RATIO else ""))
    if not any(os.path.exists(os.path.join(root, "k%d.png" % w)) for w in range(1, 7)):
        print("note: no globe pictures; galleries checked without them", file=sys.stderr)
    if bad:
        for key, label, col, box, r in bad:
            print("FAIL: %s / %s %s: contrast %.2f < %.1f" % (key, label, col, r, MIN_RATIO),
                  file=sys.stderr)
        return 1
    worst = min(r for *_, r in rows)
    print("all %d texts readable; worst ratio %.2f" % (len(rows), worst))
    return 0


if __name__ == "__main__":
    sys.exit(main())
