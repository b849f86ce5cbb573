#!/usr/bin/python3
"""Draws the shared media of the game: the three backgrounds, the button
sheet, the three sound cues, and copies the three fonts.

Usage: gen_shared.py MEDIA_DIR

Everything is drawn here from code; the only inputs are the Debian font files.
Colours are chosen so that the game's fixed texts stay readable over them;
tools/media/contrast.py checks that.
"""
import math
import os
import shutil
import struct
import sys
import wave

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

W, H = 1024, 768
SS = 3  # supersampling factor for smooth edges

FONTS = {
    "arial.ttf": "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "arialbd.ttf": "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
    "palab.ttf": "/usr/share/texmf/fonts/opentype/public/tex-gyre/texgyrepagella-bold.otf",
}

# The fonts' licences travel with them.
LICENCES = {
    "LICENSE-Liberation.txt": "/usr/share/doc/fonts-liberation2/copyright",
    "LICENSE-TeXGyre.txt": "/usr/share/doc/fonts-texgyre/copyright",
}

# Alpha of the white panel swatch. The game tints it (100,100,100,150) over the
# background, so a panel becomes 100*a + (1 - 0.588*a)*below. 94/255 keeps the
# result bar light enough for its black label over the legend plate and dark
# enough for the red and grey counters at its right end.
SWATCH_ALPHA = 94


# ---------------------------------------------------------------- helpers

def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


def mask_from_draw(size, draw_fn, blur=0.0):
    """Draws white shapes on a supersampled L image, returns a float mask 0..1."""
    w, h = size
    im = Image.new("L", (w * SS, h * SS), 0)
    draw_fn(ImageDraw.Draw(im), SS)
    im = im.resize((w, h), Image.LANCZOS)
    if blur:
        im = im.filter(ImageFilter.GaussianBlur(blur))
    return np.asarray(im, dtype=np.float64) / 255.0


def mix(dst, colour, mask):
    """dst (h,w,3 float 0..255) blended toward colour by mask (h,w)."""
    c = np.asarray(colour, dtype=np.float64)
    m = mask[..., None]
    return dst * (1 - m) + c * m


def smooth_noise(rng, w, h, cells_x, cells_y):
    small = rng.random((cells_y + 3, cells_x + 3)).astype(np.float32)
    im = Image.fromarray((small * 255).astype(np.uint8), "L")
    im = im.resize((w * (cells_x + 3) // cells_x, h * (cells_y + 3) // cells_y),
                   Image.BICUBIC)
    a = np.asarray(im, dtype=np.float64)[:h, :w] / 255.0
    return a


def rounded(draw, box, r, s, fill=None, outline=None, width=1):
    x0, y0, x1, y1 = box
    draw.rounded_rectangle((x0 * s, y0 * s, x1 * s - 1, y1 * s - 1), r * s,
                           fill=fill, outline=outline, width=width * s)


# ---------------------------------------------------------------- backgrounds

def night_sky(rng, centre=(512, 400), glow=(14, 30, 58)):
    """Deep night-blue base: darker top and bottom, soft glow in the middle."""
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    top = np.array([5, 12, 28.0])
    bottom = np.array([4, 10, 24.0])
    t = (yy / (H - 1))[..., None]
    img = top * (1 - t) + bottom * t
    d = np.hypot((xx - centre[0]) / 560.0, (yy - centre[1]) / 420.0)
    g = np.clip(1 - d, 0, 1) ** 1.6
    img = img + (np.array(glow, dtype=np.float64) - top) * g[..., None]
    return img


def graticule_mask(cx, cy, rx, ry):
    """Meridians and parallels of an elliptical world map."""
    def draw(d, s):
        box = ((cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s)
        d.ellipse(box, outline=255, width=2 * s)
        for k in range(1, 6):
            kx = rx * k / 6.0
            d.ellipse(((cx - kx) * s, (cy - ry) * s, (cx + kx) * s, (cy + ry) * s),
                      outline=150, width=s)
        d.line((cx * s, (cy - ry) * s, cx * s, (cy + ry) * s), fill=150, width=s)
        for deg in (-60, -40, -20, 0, 20, 40, 60):
            y = cy + ry * math.sin(math.radians(deg))
            half = rx * math.cos(math.asin((y - cy) / ry))
            val = 230 if deg == 0 else 150
            d.line(((cx - half) * s, y * s, (cx + half) * s, y * s), fill=val,
                   width=s)
    return mask_from_draw((W, H), draw)


def land_mask(rng, cx, cy, rx, ry):
    """Soft made-up land masses inside the map ellipse."""
    n = smooth_noise(rng, W, H, 9, 6) * 0.7 + smooth_noise(rng, W, H, 22, 15) * 0.3
    yy, xx = np.mgrid[0:H, 0:W].astype(np.float64)
    inside = np.hypot((xx - cx) / rx, (yy - cy) / ry)
    land = smoothstep(0.56, 0.62, n) * (1 - smoothstep(0.9, 0.98, inside))
    return land


def world_background(seed, cx=512, cy=400, rx=470, ry=330, fade=None):
    rng = np.random.default_rng(seed)
    img = night_sky(rng, (cx, cy))
    land = land_mask(rng, cx, cy, rx, ry)
    grid = graticule_mask(cx, cy, rx, ry)
    if fade is not None:
        land = land * fade
        grid = grid * fade
    # land a touch lighter and greener, coast lines a touch brighter still
    img = img + np.array([3, 12, 10.0]) * land[..., None]
    coast = np.clip(np.abs(np.gradient(land)[0]) + np.abs(np.gradient(land)[1]), 0, 1)
    img = img + np.array([4, 10, 12.0]) * np.clip(coast * 4, 0, 1)[..., None]
    img = img + np.array([4, 11, 18.0]) * grid[..., None]
    return img, rng


def top_fade(y0, y1):
    """1 below y1, 0 above y0: keeps the texture away from heading areas."""
    yy = np.mgrid[0:H, 0:W][0].astype(np.float64)
    return smoothstep(y0, y1, yy)


def plate(img, box, fill, edge, radius=8, shadow=True):
    """A flat plate with a thin edge and a soft drop shadow."""
    x0, y0, x1, y1 = box
    if shadow:
        sh = mask_from_draw((W, H), lambda d, s: rounded(
            d, (x0 + 2, y0 + 3, x1 + 2, y1 + 3), radius, s, fill=255), blur=3)
        img = mix(img, (0, 0, 0), sh * 0.55)
    body = mask_from_draw((W, H), lambda d, s: rounded(d, box, radius, s, fill=255))
    img = mix(img, fill, body)
    ring = mask_from_draw((W, H), lambda d, s: rounded(d, box, radius, s,
                                                       outline=255, width=2))
    img = mix(img, edge, ring)
    return img


def compass(img, cx, cy, r, colour, strength):
    """A faint compass rose, drawn as an outline."""
    def draw(d, s):
        pts = []
        for i in range(16):
            ang = math.pi / 2 - i * math.pi / 8
            rr = r if i % 4 == 0 else (r * 0.55 if i % 2 == 0 else r * 0.3)
            pts.append(((cx + rr * math.cos(ang)) * s, (cy - rr * math.sin(ang)) * s))
        d.polygon(pts, outline=255, width=s)
        d.ellipse(((cx - r * 0.7) * s, (cy - r * 0.7) * s,
                   (cx + r * 0.7) * s, (cy + r * 0.7) * s), outline=200, width=s)
    m = mask_from_draw((W, H), draw)
    return mix(img, colour, m * strength)


PARCHMENT = (232, 222, 190)
PARCHMENT_EDGE = (150, 128, 80)


def make_tlo():
    """Background of the galleries and the quiz."""
    img, rng = world_background(11, fade=top_fade(95, 175))
    # quiz: the light cartouche under the "questions left" number
    img = plate(img, (780, 243, 921, 296), PARCHMENT, PARCHMENT_EDGE, radius=10)
    # legend plate at the bottom left, under the test bar's label
    img = plate(img, (36, 699, 217, 735), (78, 82, 92), (100, 106, 120), radius=6,
                shadow=False)
    # the top left corner must stay flat: other screens stretch a 10x10 piece
    # of it into whole panels
    img[0:40, 0:40] = img[20, 20]
    return img


def make_tlo2():
    """Main menu background."""
    fade = top_fade(120, 230) * (1 - smoothstep(620, 700, np.mgrid[0:H, 0:W][0]))
    img, rng = world_background(23, cy=430, rx=440, ry=300, fade=fade * 0.9 + 0.1)
    img = compass(img, 880, 640, 70, (40, 70, 110), 0.8)
    img = compass(img, 140, 640, 46, (40, 70, 110), 0.6)
    # ribbon under the full-screen hint
    img = plate(img, (368, 44, 656, 80), PARCHMENT, PARCHMENT_EDGE, radius=12)
    return img


def make_tlo1():
    """Information screen background."""
    img, rng = world_background(37, cy=390, fade=top_fade(110, 175) * 0.8 + 0.2)
    img = compass(img, 900, 660, 60, (40, 70, 110), 0.7)
    return img


def save_rgb(img, path, **kw):
    arr = np.clip(np.rint(img), 0, 255).astype(np.uint8)
    Image.fromarray(arr, "RGB").save(path, **kw)


# ---------------------------------------------------------------- button sheet

SHEET_W, SHEET_H = 453, 154


def button(w, h, radius, top, bottom, edge, shine):
    """A rounded bevelled button face, RGBA array (h, w, 4)."""
    s = SS
    im = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    grad = np.zeros((h * s, w * s, 4), dtype=np.float64)
    t = np.linspace(0, 1, h * s)[:, None, None]
    grad[..., :3] = np.array(top, float) * (1 - t) + np.array(bottom, float) * t
    grad[..., 3] = 255
    fill = Image.fromarray(grad.astype(np.uint8), "RGBA")
    mask = Image.new("L", (w * s, h * s), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w * s - 1, h * s - 1), radius * s,
                                           fill=255)
    im.paste(fill, (0, 0), mask)
    d = ImageDraw.Draw(im)
    # thin top shine and outer edge
    d.rounded_rectangle((2 * s, 2 * s, w * s - 2 * s - 1, h * s - 2 * s - 1),
                        max(radius - 2, 1) * s, outline=shine, width=s)
    d.rounded_rectangle((0, 0, w * s - 1, h * s - 1), radius * s, outline=edge,
                        width=2 * s)
    return im.resize((w, h), Image.LANCZOS)


def mark(kind):
    """17x31 result-bar marks: empty slot, hit (tick), miss (cross)."""
    w, h, s = 17, 31, SS
    im = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    box = (0, 0, w * s - 1, h * s - 1)
    if kind == "slot":
        d.rounded_rectangle(box, 4 * s, fill=(18, 26, 44, 210),
                            outline=(125, 140, 165, 255), width=2 * s)
    elif kind == "hit":
        d.rounded_rectangle(box, 4 * s, fill=(34, 160, 62, 255),
                            outline=(12, 80, 28, 255), width=2 * s)
        d.line([(3.5 * s, 16 * s), (7 * s, 20.5 * s), (13.5 * s, 10 * s)],
               fill=(255, 255, 255, 255), width=int(2.6 * s), joint="curve")
    else:
        d.rounded_rectangle(box, 4 * s, fill=(205, 44, 44, 255),
                            outline=(100, 14, 14, 255), width=2 * s)
        d.line([(4 * s, 10.5 * s), (13 * s, 20.5 * s)], fill=(255, 255, 255, 255),
               width=int(2.6 * s))
        d.line([(13 * s, 10.5 * s), (4 * s, 20.5 * s)], fill=(255, 255, 255, 255),
               width=int(2.6 * s))
    return im.resize((w, h), Image.LANCZOS)


def make_el():
    sheet = Image.new("RGBA", (SHEET_W, SHEET_H), (0, 0, 0, 0))
    navy_top, navy_bot = (26, 46, 80), (12, 24, 46)
    edge, shine = (82, 150, 170, 255), (60, 96, 130, 255)
    sheet.paste(button(200, 41, 9, navy_top, navy_bot, edge, shine), (0, 0))
    sheet.paste(button(80, 30, 8, navy_top, navy_bot, edge, shine), (0, 50))
    sheet.paste(Image.new("RGBA", (10, 10), (255, 255, 255, SWATCH_ALPHA)), (100, 50))
    sheet.paste(mark("slot"), (0, 85))
    sheet.paste(mark("hit"), (20, 85))
    sheet.paste(mark("miss"), (40, 85))
    sheet.paste(button(453, 34, 10, (24, 42, 74), (14, 26, 50), (70, 130, 160, 255),
                       (50, 84, 118, 255)), (0, 120))
    return sheet


# ---------------------------------------------------------------- sounds

RATE = 44100


def envelope(n, attack, release):
    env = np.ones(n)
    a = int(attack * RATE)
    r = int(release * RATE)
    if a:
        env[:a] = np.linspace(0, 1, a) ** 2
    if r:
        env[-r:] *= np.linspace(1, 0, r) ** 2
    return env


def tone(freq, dur, partials, decay):
    t = np.arange(int(dur * RATE)) / RATE
    out = np.zeros_like(t)
    for k, amp in partials:
        out += amp * np.sin(2 * np.pi * freq * k * t)
    return out * np.exp(-t * decay)


def chime():
    dur = 0.45
    n = int(dur * RATE)
    out = np.zeros(n)
    bell = [(1, 1.0), (2, 0.35), (3.01, 0.12), (4.2, 0.05)]
    for start, f in ((0.0, 1046.50), (0.07, 1567.98)):
        s = int(start * RATE)
        out[s:] += tone(f, dur - start, bell, 9.0)[: n - s]
    return out * envelope(n, 0.004, 0.06)


def buzz():
    dur = 0.3
    t = np.arange(int(dur * RATE)) / RATE
    f = 155 * (1 + 0.01 * np.sin(2 * np.pi * 9 * t))
    ph = 2 * np.pi * np.cumsum(f) / RATE
    out = sum(np.sin(k * ph) / k for k in (1, 3, 5, 7, 9))
    out += 0.5 * np.sin(ph * 1.5)
    return out * envelope(len(t), 0.01, 0.08)


def fanfare():
    dur = 1.5
    n = int(dur * RATE)
    out = np.zeros(n)
    brass = [(1, 1.0), (2, 0.55), (3, 0.35), (4, 0.2), (5, 0.1)]
    notes = [(0.00, 0.14, 523.25), (0.15, 0.14, 659.25), (0.30, 0.14, 783.99),
             (0.45, 1.05, 1046.50)]
    for start, length, f in notes:
        s = int(start * RATE)
        m = int(length * RATE)
        t = np.arange(m) / RATE
        vib = 1 + 0.004 * np.sin(2 * np.pi * 5.5 * t) * smoothstep(0.1, 0.4, t)
        ph = 2 * np.pi * np.cumsum(f * vib) / RATE
        note = sum(a * np.sin(k * ph) for k, a in brass)
        note *= envelope(m, 0.02, min(0.08, length * 0.4)) * np.exp(-t * 1.2)
        out[s:s + m] += note
    # a soft fifth under the final note
    s = int(0.45 * RATE)
    m = n - s
    t = np.arange(m) / RATE
    out[s:] += 0.5 * np.sin(2 * np.pi * 392.0 * t) * np.exp(-t * 1.5) * envelope(m, 0.03, 0.3)
    return out * envelope(n, 0.003, 0.25)


def write_wav(path, samples, peak):
    samples = samples / np.max(np.abs(samples)) * peak
    data = np.clip(np.rint(samples * 32767), -32767, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


# ---------------------------------------------------------------- main

def main():
    if len(sys.argv) != 2:
        sys.exit("usage: gen_shared.py MEDIA_DIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    save_rgb(make_tlo(), os.path.join(out, "tlo.jpg"), quality=93, subsampling=0,
             optimize=True)
    save_rgb(make_tlo2(), os.path.join(out, "tlo2.png"), optimize=True)
    save_rgb(make_tlo1(), os.path.join(out, "tlo1.png"), optimize=True)
    make_el().save(os.path.join(out, "el.png"), optimize=True)

    for name, src in FONTS.items():
        shutil.copyfile(src, os.path.join(out, name))
    for name, src in LICENCES.items():
        shutil.copyfile(src, os.path.join(out, name))

    write_wav(os.path.join(out, "s1.wav"), chime(), 0.5)
    write_wav(os.path.join(out, "s2.wav"), buzz(), 0.45)
    write_wav(os.path.join(out, "s3.wav"), fanfare(), 0.5)


if __name__ == "__main__":
    main()
