#!/usr/bin/python3
"""Checks the shared media files: sizes, button sheet regions, sounds, fonts.

Usage: check_shared.py [MEDIA_DIR]     (default: media)
Prints one line per fault and exits 1 if there is any.
"""
import os
import sys
import wave

import numpy as np
from PIL import Image, ImageFont

faults = []


def fault(msg):
    faults.append(msg)
    print("FAIL: " + msg, file=sys.stderr)


# name -> (x, y, w, h, minimum opaque share)
REGIONS = {
    "menu item face": (0, 0, 200, 41, 0.95),
    "menu button": (0, 50, 80, 30, 0.93),
    "panel swatch": (100, 50, 10, 10, 1.0),
    "empty slot mark": (0, 85, 17, 31, 0.9),
    "hit mark": (20, 85, 17, 31, 0.9),
    "miss mark": (40, 85, 17, 31, 0.9),
    "answer box": (0, 120, 453, 34, 0.97),
}


def check_backgrounds(root):
    for name, fmt in (("tlo.jpg", "JPEG"), ("tlo2.png", "PNG"), ("tlo1.png", "PNG")):
        path = os.path.join(root, name)
        try:
            im = Image.open(path)
            im.load()
        except Exception as e:  # noqa: BLE001 - any decode error is the fault
            fault("%s does not decode: %s" % (name, e))
            continue
        if im.format != fmt:
            fault("%s is %s, not %s" % (name, im.format, fmt))
        if im.size != (1024, 768):
            fault("%s is %dx%d, not 1024x768" % ((name,) + im.size))
        if im.mode == "RGBA" and np.asarray(im)[..., 3].min() < 255:
            fault("%s has transparent pixels" % name)
    try:
        tlo = np.asarray(Image.open(os.path.join(root, "tlo.jpg")).convert("RGB"),
                         dtype=int)
        # a 10x10 piece at (10, 10) is stretched into whole panels
        patch = tlo[10:20, 10:20]
        if (patch.max(axis=(0, 1)) - patch.min(axis=(0, 1))).max() > 3:
            fault("tlo.jpg is not flat at (10,10)-(20,20)")
    except Exception:  # noqa: BLE001 - reported above
        pass


def check_sheet(root):
    try:
        im = Image.open(os.path.join(root, "el.png")).convert("RGBA")
    except Exception as e:  # noqa: BLE001
        fault("el.png does not decode: %s" % e)
        return
    a = np.asarray(im, dtype=int)
    if im.width < 453 or im.height < 154:
        fault("el.png is %dx%d, too small for its regions" % im.size)
        return
    used = np.zeros(a.shape[:2], dtype=bool)
    for name, (x, y, w, h, share) in REGIONS.items():
        reg = a[y:y + h, x:x + w]
        used[y:y + h, x:x + w] = True
        opaque = (reg[..., 3] > 0).mean()
        if opaque < share:
            fault("el.png %s: only %.0f%% covered" % (name, opaque * 100))
        if reg[h // 2, w // 2, 3] == 0:
            fault("el.png %s: transparent in the middle" % name)
    if a[~used][:, 3].max() > 0:
        fault("el.png is not transparent outside its regions")
    sw = a[50:60, 100:110].reshape(-1, 4)
    if (sw != sw[0]).any():
        fault("el.png panel swatch is not one flat colour")
    elif sw[0, :3].min() < 200:
        fault("el.png panel swatch is not light: %s" % (sw[0, :3],))

    def mean_rgb(x):
        reg = a[85:116, x:x + 17]
        m = reg[..., 3] > 128
        return reg[..., :3][m].mean(axis=0)
    hit, miss = mean_rgb(20), mean_rgb(40)
    if not (hit[1] > hit[0] + 40 and hit[1] > hit[2] + 40):
        fault("el.png hit mark is not green: %s" % hit.round())
    if not (miss[0] > miss[1] + 40 and miss[0] > miss[2] + 40):
        fault("el.png miss mark is not red: %s" % miss.round())
    slot = mean_rgb(0)
    if abs(slot[0] - slot[1]) > 40 or slot.max() > 150:
        fault("el.png empty slot mark looks like a result: %s" % slot.round())


# name -> (shortest, longest) in seconds
SOUNDS = {"s1.wav": (0.3, 0.5), "s2.wav": (0.2, 0.4), "s3.wav": (1.2, 1.8)}


def check_sounds(root):
    for name, (lo, hi) in SOUNDS.items():
        try:
            with wave.open(os.path.join(root, name), "rb") as w:
                params = w.getparams()
                data = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        except Exception as e:  # noqa: BLE001
            fault("%s is not a readable PCM wave: %s" % (name, e))
            continue
        if (params.nchannels, params.sampwidth, params.framerate) != (1, 2, 44100):
            fault("%s is %d ch, %d bit, %d Hz; want mono 16 bit 44100 Hz" % (
                name, params.nchannels, params.sampwidth * 8, params.framerate))
            continue
        dur = params.nframes / params.framerate
        if not lo <= dur <= hi:
            fault("%s lasts %.2f s, want %.1f..%.1f" % (name, dur, lo, hi))
        peak = np.abs(data.astype(int)).max() / 32767
        if not 0.1 <= peak <= 0.8:
            fault("%s peak level %.2f, want a gentle 0.1..0.8" % (name, peak))
        # a fade in and out: quiet in the first half millisecond and the last two
        ends = np.abs(np.concatenate([data[:22], data[-88:]]).astype(int)).max()
        if ends > 0.02 * 32767:
            fault("%s starts or ends abruptly (clicks)" % name)


# name -> (family, style)
FONTS = {"arial.ttf": ("Liberation Sans", "Regular"),
         "arialbd.ttf": ("Liberation Sans", "Bold"),
         "palab.ttf": ("TeX Gyre Pagella", "Bold")}


def check_fonts(root):
    for name, want in FONTS.items():
        try:
            f = ImageFont.truetype(os.path.join(root, name), 20)
        except Exception as e:  # noqa: BLE001
            fault("%s does not load: %s" % (name, e))
            continue
        if f.getname() != want:
            fault("%s is %s, want %s" % (name, f.getname(), want))
        # every Polish letter the game shows must have its own glyph
        missing = bytes(f.getmask("\ue000"))
        for ch in "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ":
            mask = f.getmask(ch)
            if mask.size[0] == 0 or bytes(mask) == missing:
                fault("%s has no glyph for %s" % (name, ch))


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "media"
    check_backgrounds(root)
    check_sheet(root)
    check_sounds(root)
    check_fonts(root)
    if faults:
        return 1
    print("shared media ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
