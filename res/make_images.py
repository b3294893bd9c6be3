#!/usr/bin/python3
"""Draws the program's built-in images at the sizes and mask colours the
program expects, into res/images/, and writes res/images.rc, which the
resource scripts include. Run it again after changing a picture and commit
both the pictures and images.rc:  /usr/bin/python3 res/make_images.py

BMP strips whose cells are cut by an image list use magenta (255, 0, 255) as
the transparent colour unless said otherwise; PNG images carry alpha.
"""
import math
import os
import random
import struct

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")
MAGENTA = (255, 0, 255)
NOTE = (255, 236, 130)
NOTE_DARK = (222, 190, 60)
BLUE = (49, 116, 196)
INK = (50, 50, 50)
WHITE = (255, 255, 255)
DISABLED = (150, 150, 150)

entries = []  # (id, type, file name, comment)


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    for folder in ("/usr/share/fonts/truetype/dejavu",):
        path = os.path.join(folder, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def centred_text(d, box, text, size, fill, bold=False):
    f = font(size, bold)
    l, t, r, b = d.textbbox((0, 0), text, font=f)
    x = box[0] + (box[2] - box[0] - (r - l)) / 2 - l
    y = box[1] + (box[3] - box[1] - (b - t)) / 2 - t
    d.text((x, y), text, font=f, fill=fill)


def gradient(img, box, top, bottom):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    for y in range(y0, y1):
        k = (y - y0) / max(1, y1 - y0 - 1)
        colour = tuple(int(top[i] + (bottom[i] - top[i]) * k) for i in range(len(top)))
        d.line([(x0, y), (x1 - 1, y)], fill=colour)


def save_png(rid, name, img, comment):
    path = os.path.join(OUT, name + ".png")
    img.save(path, optimize=True)
    entries.append((rid, "PNG", name + ".png", comment))


def save_bmp(rid, name, img, comment):
    path = os.path.join(OUT, name + ".bmp")
    img.convert("RGB").save(path)
    entries.append((rid, "BITMAP", name + ".bmp", comment))


def strip(cells, w, h, painter, background=MAGENTA, mode="RGB"):
    """A horizontal strip of cells; painter(draw, cell index, x offset)."""
    img = Image.new(mode, (w * cells, h), background)
    d = ImageDraw.Draw(img)
    for i in range(cells):
        painter(d, i, i * w)
    return img


# ---- Glyphs shared by icons and strips -----------------------------------

def note_glyph(d, x, y, s, colour=NOTE, lines=True):
    fold = max(2, s // 4)
    d.polygon([(x, y), (x + s - fold, y), (x + s, y + fold), (x + s, y + s), (x, y + s)], fill=colour,
              outline=NOTE_DARK)
    d.polygon([(x + s - fold, y), (x + s - fold, y + fold), (x + s, y + fold)], fill=NOTE_DARK)
    if lines and s >= 12:
        for k in range(1, 4):
            yy = y + k * s // 4 + 1
            if yy < y + s - 1:
                d.line([(x + s // 6, yy), (x + s - s // 4, yy)], fill=(150, 130, 60))


def clock_glyph(d, x, y, s, face=WHITE, rim=BLUE, hands=INK):
    d.ellipse([x, y, x + s - 1, y + s - 1], fill=face, outline=rim, width=max(1, s // 12))
    c = (x + (s - 1) / 2, y + (s - 1) / 2)
    d.line([c, (c[0], y + s * 0.2)], fill=hands, width=max(1, s // 14))
    d.line([c, (x + s * 0.75, c[1])], fill=hands, width=max(1, s // 14))


def calendar_glyph(d, x, y, s, band=(220, 60, 60)):
    d.rectangle([x, y + s // 8, x + s - 1, y + s - 1], fill=WHITE, outline=(120, 120, 120))
    d.rectangle([x, y + s // 8, x + s - 1, y + s // 3], fill=band)
    step = max(2, s // 5)
    for yy in range(y + s // 3 + step // 2, y + s - 2, step):
        for xx in range(x + step // 2, x + s - 2, step):
            d.point((xx, yy), fill=(90, 90, 90))


def lock_glyph(d, x, y, s, colour=(200, 150, 40)):
    d.arc([x + s // 4, y, x + s - s // 4, y + s // 2 + 2], 180, 360, fill=(110, 110, 110), width=max(1, s // 10))
    d.rectangle([x + s // 6, y + s // 3 + 1, x + s - s // 6, y + s - 1], fill=colour, outline=(120, 80, 20))
    d.ellipse([x + s // 2 - 2, y + s * 0.55, x + s // 2 + 1, y + s * 0.55 + 3], fill=INK)


def button_cell(d, x, w, h, state, face, label=None, glyph=None):
    """state 0 normal, 1 hover, 2 pressed, 3 disabled."""
    shade = {0: face, 1: tuple(min(255, c + 25) for c in face), 2: tuple(int(c * 0.8) for c in face),
             3: (200, 200, 200)}[state]
    d.rounded_rectangle([x + 1, 1, x + w - 2, h - 2], radius=max(2, min(w, h) // 5), fill=shade,
                        outline=(90, 90, 90) if state != 3 else (160, 160, 160))
    ink = INK if state != 3 else (150, 150, 150)
    off = 1 if state == 2 else 0
    if glyph:
        glyph(d, x + off, off, ink)
    if label:
        centred_text(d, (x + off, off, x + w + off, h + off), label, max(8, h // 3), ink, bold=True)


# ---- Bitmaps ----------------------------------------------------------------

def bitmaps():
    # Friend list: computer, computer with share, person, group.
    def friend(d, i, x):
        if i < 2:
            d.rectangle([x + 2, 2, x + 13, 10], fill=(200, 220, 255), outline=INK)
            d.rectangle([x + 5, 11, x + 10, 13], fill=INK)
            if i == 1:
                d.ellipse([x + 10, 8, x + 15, 13], fill=(60, 180, 60))
        else:
            for k in range(i - 1):
                ox = x + 3 + k * 5
                d.ellipse([ox, 2, ox + 5, 7], fill=(240, 200, 160), outline=INK)
                d.pieslice([ox - 2, 8, ox + 8, 18], 180, 360, fill=BLUE)
    save_bmp(134, "friends", strip(4, 16, 16, friend), "friend list, 16 x 16 cells")

    img = Image.new("RGB", (15, 13), WHITE)
    d = ImageDraw.Draw(img)
    d.text((0, 0), "T", font=font(11, True), fill=(120, 120, 120))
    d.text((5, 2), "T", font=font(11, True), fill=BLUE)
    save_bmp(163, "truetype", img, "TrueType mark, 15 pixels wide, white transparent")

    def speaker(d, x, y, ink):
        d.polygon([(x + 5, y + 8), (x + 8, y + 8), (x + 12, y + 4), (x + 12, y + 16), (x + 8, y + 12), (x + 5, y + 12)],
                  fill=ink)
        d.arc([x + 10, y + 5, x + 17, y + 15], 300, 60, fill=ink)
    save_bmp(199, "listen", strip(4, 20, 20, lambda d, i, x: button_cell(d, x, 20, 20, i, (225, 235, 250),
                                                                          glyph=speaker)),
             "listen button: normal, hover, down, disabled, 20 x 20")

    kind_colours = [(70, 130, 220), (220, 90, 60), (60, 170, 90), (170, 90, 200), (230, 150, 40), (40, 170, 190),
                    (200, 70, 140), (120, 120, 40)]

    def alarm_kind(d, i, x):
        if i < 16:
            colour = kind_colours[i % 8] if i < 8 else (170, 170, 170)
            d.ellipse([x + 3, 1, x + 20, 18], fill=WHITE, outline=colour, width=2)
            centred_text(d, (x + 3, 1, x + 21, 19), str(i % 8), 10, colour, bold=True)
        elif i == 16:  # not done: an empty box
            d.rectangle([x + 5, 3, x + 18, 16], fill=WHITE, outline=(120, 120, 120))
        elif i == 17:  # done: the box ticked
            d.rectangle([x + 5, 3, x + 18, 16], fill=WHITE, outline=(120, 120, 120))
            d.line([(x + 7, 9), (x + 10, 13), (x + 17, 5)], fill=(40, 160, 40), width=2)
        else:
            bell = kind_colours[(i - 18) % 8]
            d.pieslice([x + 5, 3, x + 19, 21], 180, 360, fill=bell)
            d.rectangle([x + 5, 11, x + 19, 14], fill=bell)
            d.ellipse([x + 10, 14, x + 14, 18], fill=INK)
    save_bmp(201, "alarm_kinds", strip(25, 24, 20, alarm_kind), "alarm kinds, 25 cells of 24 x 20")

    def restore_file(d, i, x):
        d.polygon([(x + 2, 1), (x + 9, 1), (x + 12, 4), (x + 12, 15), (x + 2, 15)], fill=WHITE, outline=INK)
        if i == 1:
            d.line([(x + 3, 6), (x + 11, 14)], fill=(200, 40, 40), width=2)
            d.line([(x + 11, 6), (x + 3, 14)], fill=(200, 40, 40), width=2)
    save_bmp(202, "restore_files", strip(2, 14, 16, restore_file), "restore list, 14 x 16 cells")

    def day_kind(d, i, x):
        holiday = i % 2 == 1
        colour = (220, 40, 40) if holiday else (60, 60, 160)
        if i < 2:
            d.ellipse([x + 4, 4, x + 15, 15], fill=(255, 200, 40), outline=colour)
        else:
            d.ellipse([x + 4, 4, x + 15, 15], fill=(250, 240, 180), outline=colour)
            d.ellipse([x + 8, 2, x + 18, 13], fill=MAGENTA)
            if i >= 4:
                d.text((x + 11, 8), "L", font=font(8, True), fill=colour)
    save_bmp(222, "day_kinds", strip(6, 20, 20, day_kind), "anniversary kinds, 20 x 20 cells")

    def arrow(d, i, x):
        if i == 0:
            d.polygon([(x + 3, 7), (x + 11, 7), (x + 7, 2)], fill=(90, 90, 90))
        else:
            d.polygon([(x + 3, 2), (x + 11, 2), (x + 7, 7)], fill=(90, 90, 90))
    save_bmp(228, "sort_arrows", strip(2, 15, 9, arrow), "sort arrows, 15 x 9: ascending, descending")

    for rid, pressed in ((234, False), (235, True)):
        img = Image.new("RGB", (16, 16), MAGENTA)
        d = ImageDraw.Draw(img)
        button_cell(d, 0, 16, 16, 2 if pressed else 0, (230, 230, 230))
        o = 1 if pressed else 0
        d.polygon([(4 + o, 6 + o), (11 + o, 6 + o), (7.5 + o, 10 + o)], fill=INK)
        save_bmp(rid, "date_drop_%s" % ("down" if pressed else "up"), img, "date picker drop button")

    img = Image.new("RGB", (16, 16), (0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 15, 15], fill=WHITE)
    d.rectangle([0, 0, 15, 2], fill=(230, 80, 80))
    save_bmp(243, "tray_date", img, "tray date picture, 16 x 16 (the day is drawn on it)")

    def big_button(label, face):
        return lambda d, i, x, w, h: button_cell(d, x, w, h, i, face, label=label)
    save_bmp(284, "share_start", strip(3, 88, 48, lambda d, i, x: big_button("Start", (150, 220, 150))(d, i, x, 88, 48)),
             "file server start: normal, hover, pressed, 88 x 48")
    save_bmp(285, "share_stop", strip(3, 71, 38, lambda d, i, x: big_button("Stop", (240, 160, 150))(d, i, x, 71, 38)),
             "file server stop: normal, hover, pressed, 71 x 38")

    def key(d, x, y, ink):
        d.ellipse([x + 5, y + 8, x + 13, y + 16], outline=ink, width=2)
        d.line([(x + 13, y + 12), (x + 21, y + 12)], fill=ink, width=2)
        d.line([(x + 18, y + 12), (x + 18, y + 16)], fill=ink, width=2)
    save_bmp(305, "vault_key", strip(4, 26, 26, lambda d, i, x: button_cell(d, x, 26, 26, i, (250, 230, 170),
                                                                            glyph=key)),
             "change master password: normal, hover, down, disabled, 26 x 26")

    def restart(d, x, y, ink):
        d.arc([x + 7, y + 7, x + 23, y + 23], 40, 330, fill=ink, width=2)
        d.polygon([(x + 20, y + 4), (x + 24, y + 11), (x + 17, y + 11)], fill=ink)
    save_bmp(306, "vault_restart", strip(4, 30, 30, lambda d, i, x: button_cell(d, x, 30, 30, i, (210, 230, 250),
                                                                               glyph=restart)),
             "restart countdown: normal, hover, down, disabled, 30 x 30")

    def done_check(d, i, x):
        d.rectangle([x + 2, 2, x + 13, 13], fill=WHITE, outline=(90, 90, 90) if i != 2 else BLUE)
        if i == 1:
            d.line([(x + 4, 8), (x + 7, 11), (x + 12, 4)], fill=(0x00, 0x69, 0xB3), width=2)
    save_bmp(307, "done_check", strip(3, 16, 16, done_check), "done check: clear, checked, hover, 16 x 16")

    def tick(d, i, x):
        d.rectangle([x + 6, 4, x + 17, 15], fill=WHITE, outline=(110, 110, 110))
        if i == 1:
            d.line([(x + 8, 9), (x + 11, 12), (x + 16, 6)], fill=(30, 140, 30), width=2)
    save_bmp(324, "ticks", strip(2, 24, 20, tick), "grid ticks, 24 x 20: unticked, ticked")

    # The note's push buttons share one strip: nine pictures of four cells
    # each (pressed, normal, hover, disabled), drawn over the note's title
    # colour, so the ground is the mask colour.
    def note_glyph_menu(d, x, ink):
        d.polygon([(x + 2, 4), (x + 9, 4), (x + 5.5, 8)], fill=ink)

    def note_glyph_new(d, x, ink):
        d.rectangle([x + 5, 2, x + 6, 9], fill=ink)
        d.rectangle([x + 2, 5, x + 9, 6], fill=ink)

    def note_glyph_unfold(d, x, ink):
        d.rectangle([x + 2, 2, x + 9, 3], fill=ink)
        d.polygon([(x + 2, 5), (x + 9, 5), (x + 5.5, 9)], fill=ink)

    def note_glyph_fold(d, x, ink):
        d.polygon([(x + 2, 7), (x + 9, 7), (x + 5.5, 3)], fill=ink)
        d.rectangle([x + 2, 8, x + 9, 9], fill=ink)

    def note_glyph_colour(d, x, ink):
        for k, colour in enumerate([(230, 70, 60), (60, 170, 80), (60, 110, 220), (240, 200, 40)]):
            ox, oy = x + 1 + (k % 2) * 5, 1 + (k // 2) * 5
            d.rectangle([ox, oy, ox + 4, oy + 4], fill=(170, 170, 170) if ink == DISABLED else colour, outline=ink)

    def note_glyph_delete(d, x, ink):
        d.line([(x + 2, 2), (x + 9, 9)], fill=ink, width=2)
        d.line([(x + 9, 2), (x + 2, 9)], fill=ink, width=2)

    def note_glyph_title(d, x, ink):
        d.rectangle([x + 2, 1, x + 9, 2], fill=ink)
        d.rectangle([x + 5, 1, x + 6, 9], fill=ink)

    def note_padlock(d, x, ink, body):
        d.arc([x + 3, 0, x + 8, 7], 180, 360, fill=ink)
        d.line([(x + 3, 3), (x + 3, 4)], fill=ink)
        d.line([(x + 8, 3), (x + 8, 4)], fill=ink)
        d.rectangle([x + 2, 5, x + 9, 10], fill=body, outline=ink)
        d.point((x + 5, 7), fill=ink)
        d.point((x + 6, 7), fill=ink)

    def note_glyph_locked_unfold(d, x, ink):
        note_padlock(d, x, ink, (200, 200, 200) if ink == DISABLED else (230, 180, 60))

    def note_glyph_locked_fold(d, x, ink):
        note_padlock(d, x, ink, (200, 200, 200) if ink == DISABLED else (200, 90, 60))

    note_buttons = [note_glyph_menu, note_glyph_new, note_glyph_unfold, note_glyph_fold, note_glyph_colour,
                    note_glyph_delete, note_glyph_title, note_glyph_locked_unfold, note_glyph_locked_fold]

    def share_button(d, i, x):
        glyph, state = note_buttons[i // 4], i % 4
        ink = {0: (0, 0, 0), 1: INK, 2: (0, 0, 0), 3: DISABLED}[state]
        if state == 2:
            d.rectangle([x, 0, x + 11, 10], outline=(90, 90, 90))
        if state == 0:
            d.rectangle([x, 0, x + 11, 10], outline=(40, 40, 40))
            glyph(d, x + 1, INK)
            return
        glyph(d, x, ink)
    save_bmp(327, "share_buttons", strip(4 * len(note_buttons), 12, 11, share_button),
             "note push buttons, 12 x 11 cells, four per picture (pressed, normal, hover, disabled): menu, new, "
             "unfold, fold, next colour, delete, title, unfold locked, fold locked")

    # The check buttons share another: five pictures of three cells each
    # (unchecked, checked, disabled), drawn over the button's state colour.
    def check_pin(d, x, ink):
        d.rectangle([x + 4, 1, x + 7, 5], fill=ink)
        d.rectangle([x + 2, 6, x + 9, 7], fill=ink)
        d.line([(x + 5, 8), (x + 5, 11)], fill=ink)
        d.line([(x + 6, 8), (x + 6, 11)], fill=ink)

    def check_bar(d, x, ink):
        d.rectangle([x + 1, 2, x + 10, 3], fill=ink)
        d.rectangle([x + 1, 6, x + 7, 6], fill=ink)
        d.rectangle([x + 1, 9, x + 9, 9], fill=ink)

    def check_letter(letter):
        def paint(d, x, ink):
            d.fontmode = "1"  # no smoothing: a blended edge would not match the mask colour
            d.text((x + 2 + (1 if letter == "I" else 0), -1), letter, font=font(10, bold=True), fill=ink)
            if letter == "U":
                d.line([(x + 2, 11), (x + 9, 11)], fill=ink)
        return paint

    note_checks = [check_pin, check_bar, check_letter("B"), check_letter("I"), check_letter("U")]

    def share_check(d, i, x):
        glyph, state = note_checks[i // 3], i % 3
        if state == 1:
            d.rectangle([x, 0, x + 11, 11], outline=(40, 40, 40))
            glyph(d, x, (0, 0, 0))
        else:
            glyph(d, x, INK if state == 0 else DISABLED)
    save_bmp(328, "share_checks", strip(3 * len(note_checks), 12, 12, share_check),
             "note check buttons, 12 x 12 cells, three per picture (unchecked, checked, disabled): always on top, "
             "formatting bar, bold, italic, underline")

    rng = random.Random(367)
    img = Image.new("RGB", (126, 126))
    img.putdata([(v, v, v) for v in (rng.randint(122, 127) for _ in range(126 * 126))])
    save_bmp(367, "grey_noise", img, "spotlight texture, 126 x 126 grey noise")


# ---- PNG images --------------------------------------------------------------

def panel(w, h, top, bottom, outline, radius=10):
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    body = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    gradient(body, (0, 0, w, h), top, bottom)
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=radius, fill=255)
    img.paste(body, (0, 0), mask)
    ImageDraw.Draw(img).rounded_rectangle([0, 0, w - 1, h - 1], radius=radius, outline=outline, width=1)
    return img


def icon32(painter):
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    painter(ImageDraw.Draw(img))
    return img



def analogue_clock():
    """The built-in analogue clock: its face and the pictures its meters
    turn and cut. The meters turn about (65, 65), so the face is 130 x 130
    with its centre there; the hands point right from their pivot (hour and
    minute, pivot (0, 6)) or up from the centre of a 128 x 128 square
    (second), and the built-in layout turns them to the time."""
    c = 65
    img = Image.new("RGBA", (130, 130), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, 128, 128], fill=(70, 90, 120, 255))
    d.ellipse([5, 5, 124, 124], fill=(250, 250, 245, 255))
    for k in range(60):
        a = math.radians(k * 6)
        major = k % 5 == 0
        r1, r2 = (49, 58) if major else (55, 58)
        d.line([(c + r1 * math.sin(a), c - r1 * math.cos(a)), (c + r2 * math.sin(a), c - r2 * math.cos(a))],
               fill=(60, 60, 60, 255), width=3 if k % 15 == 0 else (2 if major else 1))
    # The date window under the centre, where the weekday and the day go.
    d.rectangle([51, 77, 74, 86], fill=(255, 255, 255, 255), outline=(150, 150, 160, 255))
    save_png(205, "clock_face", img, "analogue clock background, 130 x 130")

    img = Image.new("RGBA", (38, 12), (0, 0, 0, 0))
    ImageDraw.Draw(img).polygon([(0, 3), (36, 5), (37, 6), (36, 7), (0, 9)], fill=(30, 40, 60, 255))
    save_png(267, "clock_hour", img, "analogue clock hour hand, 38 x 12, pivot (0, 6), pointing right")
    img = Image.new("RGBA", (54, 12), (0, 0, 0, 0))
    ImageDraw.Draw(img).polygon([(0, 4), (52, 5), (53, 6), (52, 7), (0, 8)], fill=(30, 40, 60, 255))
    save_png(268, "clock_minute", img, "analogue clock minute hand, 54 x 12, pivot (0, 6), pointing right")
    img = Image.new("RGBA", (128, 128), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.line([(64, 76), (64, 10)], fill=(200, 40, 40, 255), width=1)
    d.ellipse([61, 61, 67, 67], fill=(200, 40, 40, 255))
    save_png(269, "clock_second", img, "analogue clock second hand, 128 x 128, centre (64, 64), pointing up")
    img = Image.new("RGBA", (8, 8), (0, 0, 0, 0))
    ImageDraw.Draw(img).ellipse([0, 0, 7, 7], fill=(40, 40, 40, 255), outline=(200, 200, 200, 255))
    save_png(207, "clock_knob", img, "analogue clock centre knob, 8 x 8")
    img = Image.new("RGBA", (110, 50), (0, 0, 0, 0))
    ImageDraw.Draw(img).ellipse([0, 0, 109, 70], fill=(255, 255, 255, 45))
    save_png(208, "clock_gloss", img, "analogue clock gloss, 110 x 50")

    # Digits 0-9 in cells of 5 x 6, weekdays Sunday-Saturday in cells of
    # 10 x 6: drawn dot by dot, as no font is legible at that size.
    digits = ["111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
              "111100111001111", "111100111101111", "111001010010010", "111101111101111", "111101111001111"]
    img = Image.new("RGBA", (50, 6), (0, 0, 0, 0))
    for n, pattern in enumerate(digits):
        for i, bit in enumerate(pattern):
            if bit == "1":
                img.putpixel((n * 5 + 1 + i % 3, 1 + i // 3), (40, 40, 40, 255))
    save_png(211, "clock_digits", img, "analogue clock day digits, 10 cells of 5 x 6")
    img = Image.new("RGBA", (70, 6), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for n in range(7):
        colour = (200, 40, 40, 255) if n == 0 else ((40, 80, 200, 255) if n == 6 else (40, 40, 40, 255))
        # One bar per day of the week, longer as the week goes on: legible
        # at six pixels where letters are not.
        d.rectangle([n * 10 + 1, 2, n * 10 + 2 + n, 3], fill=colour)
    save_png(212, "clock_weekdays", img, "analogue clock weekdays, 7 cells of 10 x 6")
    default_clock_skin()


def default_clock_skin():
    """The installed default clock skin draws the same analogue clock from
    files beside its skin file, so it can be copied and changed."""
    folder = os.path.join(HERE, "..", "data", "skin", "Clock", "default")
    os.makedirs(folder, exist_ok=True)
    for name, source in (("face", "clock_face"), ("hour", "clock_hour"), ("minute", "clock_minute"),
                         ("second", "clock_second"), ("knob", "clock_knob")):
        Image.open(os.path.join(OUT, source + ".png")).save(os.path.join(folder, name + ".png"), optimize=True)


def chime(path, seconds, frequency):
    """A time-signal tone: a sine with a soft start and a decaying end,
    16-bit mono at 22050 Hz."""
    import wave
    rate = 22050
    count = int(rate * seconds)
    frames = bytearray()
    for i in range(count):
        t = i / rate
        envelope = min(1.0, i / 200.0) * (1.0 - i / count) ** 1.5
        value = int(12000 * envelope * math.sin(2 * math.pi * frequency * t))
        frames += struct.pack("<h", value)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def shutter(path):
    """The capture's shutter: two short clicks of decaying noise, as a
    camera's curtain opens and closes; 16-bit mono at 22050 Hz."""
    import random
    import wave
    rate = 22050
    noise = random.Random(7)
    frames = bytearray()
    for start, length, level in ((0.0, 0.035, 14000), (0.07, 0.05, 10000)):
        gap = int(rate * start) - len(frames) // 2
        frames += b"\0\0" * max(0, gap)
        count = int(rate * length)
        for i in range(count):
            value = int(level * (1.0 - i / count) ** 3 * (noise.random() * 2 - 1))
            frames += struct.pack("<h", value)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def chimes():
    folder = os.path.join(HERE, "..", "data", "system", "res")
    os.makedirs(folder, exist_ok=True)
    chime(os.path.join(folder, "clock_te.wav"), 0.12, 880)
    chime(os.path.join(folder, "clock_teee.wav"), 0.9, 1760)
    shutter(os.path.join(folder, "capture.wav"))

def pngs():
    analogue_clock()

    img = panel(160, 80, (235, 235, 240, 240), (200, 205, 215, 240), (120, 120, 140, 255))
    centred_text(ImageDraw.Draw(img), (0, 0, 160, 80), "No skin", 14, (80, 80, 90, 255), bold=True)
    save_png(239, "no_skin", img, "window without a skin, 160 x 80")

    save_png(241, "notice", panel(260, 110, (250, 252, 255, 245), (215, 228, 245, 245), (90, 120, 170, 255)),
             "pop-up and slide-up notice background, 260 x 110")
    save_png(246, "notice_note", panel(260, 110, NOTE + (250,), (245, 220, 110, 250), NOTE_DARK + (255,)),
             "note-coloured notice background, 260 x 110")
    save_png(264, "alert_1", panel(260, 110, (255, 245, 235, 245), (250, 205, 175, 245), (200, 110, 60, 255)),
             "alert background SYS_ALERT_1, 260 x 110")
    save_png(270, "alert_2", panel(260, 110, (240, 255, 240, 245), (190, 235, 195, 245), (70, 150, 80, 255)),
             "alert background SYS_ALERT_2, 260 x 110")

    # Skin image numbers without a fixed role: round buttons and frames.
    generic = [(242, (70, 130, 220)), (247, (60, 170, 90)), (260, (220, 90, 60)), (259, (120, 120, 200)),
               (291, (200, 150, 50)), (292, (60, 160, 180)), (281, (170, 90, 200)), (293, (90, 90, 90)),
               (294, (200, 70, 140)), (295, (120, 160, 60)), (296, (60, 100, 160))]
    for rid, colour in generic:
        img = Image.new("RGBA", (64, 64), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.ellipse([2, 2, 61, 61], fill=colour + (230,), outline=(40, 40, 40, 255), width=2)
        d.ellipse([12, 8, 44, 26], fill=(255, 255, 255, 90))
        save_png(rid, "skin_image_%d" % rid, img, "skin image, 64 x 64")

    img = panel(264, 338, (255, 250, 225, 255), (250, 232, 150, 255), NOTE_DARK + (255,), radius=14)
    d = ImageDraw.Draw(img)
    note_glyph(d, 24, 24, 64)
    centred_text(d, (90, 30, 264, 80), "Zorel", 28, BLUE + (255,), bold=True)
    save_png(262, "about", img, "About box background, 264 x 338")
    img = panel(307, 307, (255, 250, 225, 255), (250, 232, 150, 255), NOTE_DARK + (255,), radius=14)
    d = ImageDraw.Draw(img)
    note_glyph(d, 30, 30, 72)
    centred_text(d, (110, 40, 300, 100), "Zorel", 30, BLUE + (255,), bold=True)
    save_png(279, "about_short", img, "About box short form, 307 x 307")

    img = Image.new("RGBA", (15, 15), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([0, 0, 14, 11], fill=(255, 255, 255, 230), outline=(90, 90, 90, 255))
    d.polygon([(3, 9), (6, 10), (2, 14)], fill=(255, 255, 255, 230), outline=(90, 90, 90, 255))
    save_png(280, "label_bubble", img, "capture label bubble, 15 x 15")

    img = Image.new("RGBA", (28, 14), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for k, on in ((0, True), (14, False)):
        d.ellipse([k + 1, 1, k + 12, 12], fill=(255, 255, 255, 255), outline=(80, 80, 80, 255))
        if on:
            d.ellipse([k + 4, 4, k + 9, 9], fill=BLUE + (255,))
    save_png(283, "radio", img, "capture radio: selected, unselected, 14 x 14 each")

    img = Image.new("RGBA", (216, 39), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for k, face in ((0, (255, 200, 90)), (108, (255, 220, 130))):
        d.rounded_rectangle([k + 1, 1, k + 106, 37], radius=8, fill=face + (255,), outline=(170, 110, 30, 255))
        centred_text(d, (k, 0, k + 108, 39), "Donate", 13, (110, 60, 10, 255), bold=True)
    save_png(289, "donate", img, "donation button: normal, hover, 108 x 39 each")

    img = Image.new("RGBA", (240, 30), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for f in range(8):
        for k in range(8):
            a = math.radians(k * 45)
            alpha = 255 - ((k - f) % 8) * 28
            cx, cy = f * 30 + 15 + 9 * math.sin(a), 15 - 9 * math.cos(a)
            d.ellipse([cx - 2.5, cy - 2.5, cx + 2.5, cy + 2.5], fill=(80, 110, 160, alpha))
    save_png(290, "loading", img, "loading indicator, 8 frames of 30 x 30")

    img = Image.new("RGBA", (52, 26), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for k, face in ((0, (230, 230, 230)), (26, (240, 110, 100))):
        d.ellipse([k + 2, 2, k + 23, 23], fill=face + (255,), outline=(100, 100, 100, 255))
        d.line([(k + 8, 8), (k + 17, 17)], fill=INK + (255,), width=2)
        d.line([(k + 17, 8), (k + 8, 17)], fill=INK + (255,), width=2)
    save_png(297, "close", img, "close button: normal, hover, 26 x 26 each")

    def dashed_slot(d, glyph=None):
        for k in range(2, 30, 4):
            for a, b in (((k, 1), (k + 2, 1)), ((k, 30), (k + 2, 30)), ((1, k), (1, k + 2)), ((30, k), (30, k + 2))):
                d.line([a, b], fill=(130, 130, 130, 255))
        if glyph:
            glyph(d)
        d.line([(16, 10), (16, 22)], fill=(130, 130, 130, 255), width=2)
        d.line([(10, 16), (22, 16)], fill=(130, 130, 130, 255), width=2)
    save_png(299, "empty_program_slot", icon32(dashed_slot), "empty program slot, 32 x 32")
    save_png(311, "empty_web_slot", icon32(lambda d: dashed_slot(d, lambda d: d.ellipse(
        [6, 6, 25, 25], outline=(150, 180, 220, 255)))), "empty web slot, 32 x 32")

    img = Image.new("RGBA", (48, 48), (0, 0, 0, 0))
    for r in range(24, 0, -1):
        ImageDraw.Draw(img).ellipse([24 - r, 24 - r, 24 + r, 24 + r], fill=(255, 255, 255, int(150 * (1 - r / 24))))
    save_png(300, "touch_highlight", img, "touch highlight, 48 x 48")

    def document(d):
        d.polygon([(7, 3), (20, 3), (26, 9), (26, 29), (7, 29)], fill=(255, 255, 255, 255), outline=(90, 90, 90, 255))
        d.polygon([(20, 3), (20, 9), (26, 9)], fill=(210, 210, 210, 255), outline=(90, 90, 90, 255))
    save_png(301, "file", icon32(document), "file without an icon, 32 x 32")

    img = Image.new("RGBA", (32, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([2, 3, 13, 12], fill=(200, 220, 255, 255), outline=INK + (255,))
    d.ellipse([18, 2, 29, 13], fill=(240, 240, 240, 255), outline=INK + (255,))
    d.ellipse([22, 6, 25, 9], fill=INK + (255,))
    save_png(308, "capture_entries", img, "capture entry icons, 16 x 16 each (the right one: preferences)")

    def globe(d):
        d.ellipse([3, 3, 28, 28], fill=(170, 210, 250, 255), outline=(40, 90, 160, 255), width=2)
        d.ellipse([10, 3, 21, 28], outline=(40, 90, 160, 255))
        d.line([(3, 16), (28, 16)], fill=(40, 90, 160, 255))
    save_png(310, "web_site", icon32(globe), "web site without an icon, 32 x 32")

    def power(d):
        d.arc([5, 6, 26, 27], 300, 240, fill=(200, 50, 50, 255), width=3)
        d.line([(16, 3), (16, 15)], fill=(200, 50, 50, 255), width=3)

    def capture(d):
        d.rounded_rectangle([3, 9, 28, 26], radius=3, fill=(90, 90, 100, 255))
        d.rectangle([11, 6, 20, 9], fill=(90, 90, 100, 255))
        d.ellipse([10, 11, 21, 22], fill=(180, 210, 240, 255), outline=WHITE + (255,), width=2)

    def gear(d):
        for k in range(8):
            a = math.radians(k * 45)
            d.line([(16 + 8 * math.cos(a), 16 + 8 * math.sin(a)), (16 + 13 * math.cos(a), 16 + 13 * math.sin(a))],
                   fill=(110, 110, 120, 255), width=4)
        d.ellipse([7, 7, 25, 25], fill=(140, 140, 150, 255))
        d.ellipse([12, 12, 20, 20], fill=(0, 0, 0, 0))

    def anniversary(d):
        d.rectangle([6, 14, 26, 28], fill=(240, 120, 150, 255))
        d.rectangle([4, 10, 28, 15], fill=(250, 160, 180, 255))
        d.rectangle([14, 10, 18, 28], fill=(255, 220, 90, 255))
        d.ellipse([9, 3, 16, 10], outline=(255, 220, 90, 255), width=2)
        d.ellipse([16, 3, 23, 10], outline=(255, 220, 90, 255), width=2)

    def schedule(d):
        d.rectangle([5, 3, 26, 29], fill=WHITE + (255,), outline=(90, 90, 90, 255))
        for y in (9, 15, 21):
            d.line([(9, y), (23, y)], fill=BLUE + (255,), width=2)

    def tooltip_widget(d):
        d.rounded_rectangle([3, 4, 28, 21], radius=4, fill=(255, 255, 220, 255), outline=(120, 120, 90, 255))
        d.polygon([(9, 21), (15, 21), (9, 28)], fill=(255, 255, 220, 255), outline=(120, 120, 90, 255))

    def vault(d):
        d.rounded_rectangle([3, 4, 28, 28], radius=3, fill=(120, 130, 150, 255), outline=(60, 60, 70, 255))
        d.ellipse([10, 9, 22, 21], outline=WHITE + (255,), width=2)
        d.line([(16, 15), (20, 11)], fill=WHITE + (255,), width=2)

    icons = [(309, "shutdown", power), (312, "capture", capture), (313, "settings", gear),
             (314, "anniversary", anniversary), (315, "schedule", schedule), (316, "tooltip_widget", tooltip_widget),
             (317, "vault", vault), (318, "calendar", lambda d: calendar_glyph(d, 3, 3, 26)),
             (319, "clock", lambda d: clock_glyph(d, 3, 3, 26)), (320, "new_note", lambda d: note_glyph(d, 4, 4, 24)),
             (321, "lock", lambda d: lock_glyph(d, 5, 3, 22))]
    for rid, name, painter in icons:
        save_png(rid, "action_" + name, icon32(painter), "action icon, 32 x 32")

    others = [330, 333, 334, 335, 337, 338, 339, 340]
    for k, rid in enumerate(others):
        img = icon32(lambda d: None)
        d = ImageDraw.Draw(img)
        colour = [(70, 130, 220), (60, 170, 90), (220, 90, 60), (170, 90, 200), (230, 150, 40), (40, 170, 190),
                  (200, 70, 140), (120, 120, 40)][k]
        d.rounded_rectangle([2, 2, 29, 29], radius=6, fill=colour + (255,))
        centred_text(d, (2, 2, 30, 30), str(k + 1), 14, WHITE + (255,), bold=True)
        save_png(rid, "skin_icon_%d" % rid, img, "skin icon, 32 x 32")

    for k in range(24):
        rid = 341 + k
        img = Image.new("RGBA", (48, 48), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        hue = k / 24.0
        colour = tuple(int(150 + 100 * math.sin(2 * math.pi * (hue + s / 3.0))) for s in range(3))
        d.rounded_rectangle([2, 2, 45, 45], radius=10, fill=colour + (235,), outline=(60, 60, 60, 255))
        centred_text(d, (2, 2, 46, 46), str(k + 1), 16, (40, 40, 40, 255), bold=True)
        save_png(rid, "skin_tile_%d" % rid, img, "skin image, 48 x 48")

    # The quick-menu bar: 19 tools at the places where the bar hit-tests them,
    # their highlighted look (where the bar takes each from) and the strip
    # that slides down from a small tab (frame 0) to the whole bar (frame 11).
    def small_star(d):
        pts = [(16 + (13 if k % 2 == 0 else 6) * math.cos(math.radians(-90 + 36 * k)),
                16 + (13 if k % 2 == 0 else 6) * math.sin(math.radians(-90 + 36 * k))) for k in range(10)]
        d.polygon(pts, fill=(250, 200, 40, 255), outline=(170, 120, 20, 255))

    def recent(d):
        note_glyph(d, 9, 3, 18, colour=(240, 240, 240, 255), lines=False)
        note_glyph(d, 4, 10, 18)

    def show_widgets(d):
        d.ellipse([2, 8, 29, 24], fill=WHITE + (255,), outline=INK + (255,), width=2)
        d.ellipse([11, 11, 20, 20], fill=BLUE + (255,))

    def hide_widgets(d):
        show_widgets(d)
        d.line([(4, 27), (27, 4)], fill=(200, 50, 50, 255), width=3)

    def menu_arrow(d):
        d.polygon([(6, 11), (26, 11), (16, 23)], fill=INK + (255,))

    def today(d):
        d.ellipse([3, 3, 28, 28], fill=(90, 160, 90, 255))
        centred_text(d, (3, 3, 29, 29), "i", 18, WHITE + (255,), bold=True)

    def picker(d):
        d.line([(8, 24), (22, 10)], fill=(90, 90, 90, 255), width=4)
        d.ellipse([19, 3, 28, 12], fill=(220, 60, 60, 255))
        d.ellipse([4, 22, 10, 28], fill=(60, 120, 220, 255))

    def ruler(d):
        d.polygon([(2, 22), (22, 2), (29, 9), (9, 29)], fill=(240, 210, 110, 255), outline=(150, 110, 30, 255))
        for k in range(5):
            d.line([(7 + 4 * k, 17 - 4 * k), (10 + 4 * k, 20 - 4 * k)], fill=(150, 110, 30, 255))

    def zoom(d):
        d.ellipse([3, 3, 21, 21], fill=(200, 225, 250, 255), outline=INK + (255,), width=3)
        d.line([(19, 19), (28, 28)], fill=INK + (255,), width=4)

    glyphs = [power, lambda d: lock_glyph(d, 5, 3, 22), vault, capture, schedule, lambda d: note_glyph(d, 4, 4, 24),
              small_star, recent, show_widgets, hide_widgets, tooltip_widget, menu_arrow,
              lambda d: clock_glyph(d, 3, 3, 26), lambda d: calendar_glyph(d, 3, 3, 26), schedule, today, picker,
              ruler, zoom]
    # Hit rectangles (inclusive) and highlight rectangles: destination x, y,
    # source x, y, width, height.
    hits = [(5, 2, 27, 23), (31, 2, 53, 23), (57, 2, 79, 23), (83, 2, 105, 23), (109, 2, 131, 23),
            (135, 2, 157, 23), (169, 4, 183, 22), (186, 4, 200, 22), (203, 4, 217, 22), (220, 4, 234, 22),
            (243, 0, 269, 25), (285, 3, 299, 19), (310, 2, 330, 22), (333, 2, 352, 22), (356, 2, 376, 22),
            (381, 2, 401, 22), (413, 2, 433, 22), (440, 2, 460, 22), (463, 2, 483, 22)]
    lit = [(5 + 26 * i, 0, 5 + 26 * i, 0, 26, 26) for i in range(6)]
    lit += [(66 + 17 * i, 0, 66 + 17 * i, 0, 16, 20) for i in range(6, 10)]
    lit += [(242, 0, 339, 0, 32, 25), (280, 0, 371, 0, 22, 17)]
    lit += [(dx, 1, sx, 1, 22, 22) for dx, sx in zip((308, 330, 356, 380, 412, 439, 462),
                                                       (241, 263, 289, 313, 393, 420, 443))]

    def glyph_in(img, i, box):
        x0, y0, x1, y1 = box
        side = min(x1 - x0, y1 - y0)
        picture = icon32(glyphs[i]).resize((side, side), Image.LANCZOS)
        img.alpha_composite(picture, (x0 + (x1 - x0 - side) // 2, y0 + (y1 - y0 - side) // 2))

    bar_w, bar_h = 493, 26
    bar = Image.new("RGBA", (bar_w, bar_h), (0, 0, 0, 0))
    d = ImageDraw.Draw(bar)
    d.rounded_rectangle([0, -8, bar_w - 1, bar_h - 1], radius=8, fill=(250, 245, 215, 245), outline=NOTE_DARK + (255,))
    for x in (162, 238, 304, 407):
        d.line([(x, 4), (x, 21)], fill=NOTE_DARK + (255,))
    for i, (l, t, r, b) in enumerate(hits):
        glyph_in(bar, i, (l, t, r + 1, b + 1))

    img = Image.new("RGBA", (467, bar_h), (0, 0, 0, 0))
    for i, (dx, dy, sx, sy, w, h) in enumerate(lit):
        cell = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        ImageDraw.Draw(cell).rounded_rectangle([0, 0, w - 1, h - 1], radius=4, fill=(170, 205, 250, 255),
                                               outline=BLUE + (255,))
        # The tool where the bar draws it, seen through the highlight's window.
        l, t, r, b = hits[i]
        glyph_in(cell, i, (l - dx, t - dy, r + 1 - dx, b + 1 - dy))
        img.alpha_composite(cell, (sx, sy))
    save_png(366, "quick_menu_highlight", img, "quick-menu icons highlighted, 467 x 26")

    img = Image.new("RGBA", (bar_w, bar_h * 12), (0, 0, 0, 0))
    tab = (226, 266)
    for f in range(12):
        frame = Image.new("RGBA", (bar_w, bar_h), (0, 0, 0, 0))
        shown = 3 + (bar_h - 3) * f // 11
        frame.alpha_composite(bar.crop((0, bar_h - shown, bar_w, bar_h)), (0, 0))
        if f < 11:
            ImageDraw.Draw(frame).rounded_rectangle([tab[0], shown - 3, tab[1], shown + 3], radius=3,
                                                    fill=NOTE + (255,), outline=NOTE_DARK + (255,))
        img.paste(frame, (0, f * bar_h))
    save_png(368, "quick_menu_strip", img, "quick-menu slide strip, 12 frames of 493 x 26")


# ---- Icons and cursors ---------------------------------------------------------

def save_ico(rid, name, painter, sizes, comment):
    images = []
    for s in sizes:
        img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
        painter(ImageDraw.Draw(img), s)
        images.append(img)
    path = os.path.join(OUT, name + ".ico")
    images[-1].save(path, format="ICO", sizes=[(s, s) for s in sizes], append_images=images[:-1])
    entries.append((rid, "ICON", name + ".ico", comment))


def save_cur(rid, name, painter, hotspot, comment):
    """A 32 x 32 cursor with 32-bit colour and an AND mask."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    painter(ImageDraw.Draw(img))
    xor = bytearray()
    for y in range(31, -1, -1):
        for x in range(32):
            r, g, b, a = img.getpixel((x, y))
            xor += bytes((b, g, r, a))
    mask = bytearray()
    for y in range(31, -1, -1):
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if img.getpixel((x, y))[3] == 0 else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    data = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1],
                                                            len(data), 22)
    with open(os.path.join(OUT, name + ".cur"), "wb") as f:
        f.write(directory + data)
    entries.append((rid, "CURSOR", name + ".cur", comment))


def icons_and_cursors():
    def program(d, s):
        note_glyph(d, s // 16, s // 8, s - s // 8, colour=NOTE + (255,))
        r = max(2, s // 7)
        d.ellipse([s // 2 - r, 0, s // 2 + r, 2 * r], fill=(220, 60, 60, 255), outline=(120, 20, 20, 255))
    save_ico(128, "zorel", program, [16, 24, 32, 48, 256], "the program's icon")
    save_ico(287, "friend", lambda d, s: (d.ellipse([s // 4, 1, 3 * s // 4, s // 2], fill=(240, 200, 160, 255),
                                                    outline=INK + (255,)),
                                          d.pieslice([1, s // 2, s - 2, s + s // 2], 180, 360, fill=BLUE + (255,))),
             [16, 32], "friend list item")
    # The group list draws these 32 x 32 from 3 pixels inside its row and
    # starts the text 20 pixels further right, and its rows are 20 to 22
    # pixels high: the picture keeps to the top-left 18 x 16 of the cell.
    def group_stack(d, back, front):
        note_glyph(d, 5, 3, 12, colour=back)
        note_glyph(d, 1, 0, 12, colour=front)
    save_ico(322, "group", lambda d, s: group_stack(d, (225, 225, 225, 255), (250, 250, 250, 255)),
             [32], "memo group")
    save_ico(323, "group_current", lambda d, s: group_stack(d, NOTE + (255,), (255, 245, 170, 255)),
             [32], "current memo group")

    def hand(d):
        d.rounded_rectangle([9, 1, 14, 20], radius=2, fill=WHITE + (255,), outline=(0, 0, 0, 255))
        d.rounded_rectangle([14, 9, 25, 22], radius=3, fill=WHITE + (255,), outline=(0, 0, 0, 255))
        d.rounded_rectangle([7, 15, 25, 29], radius=5, fill=WHITE + (255,), outline=(0, 0, 0, 255))
    save_cur(249, "hand", hand, (11, 1), "hand over links")

    def cross(d, colour=(0, 0, 0, 255)):
        d.line([(15, 0), (15, 31)], fill=colour)
        d.line([(0, 15), (31, 15)], fill=colour)
        d.rectangle([13, 13, 17, 17], outline=(255, 255, 255, 255))
    save_cur(250, "capture_cross", cross, (15, 15), "capture cross-hair")

    def picker(label):
        def paint(d):
            d.line([(2, 29), (14, 17)], fill=(0, 0, 0, 255), width=3)
            d.polygon([(12, 13), (18, 19), (24, 13), (18, 7)], fill=(200, 200, 200, 255), outline=(0, 0, 0, 255))
            d.rectangle([17, 20, 31, 31], fill=(255, 255, 255, 255), outline=(0, 0, 0, 255))
            centred_text(d, (17, 20, 32, 32), label, 8, (0, 0, 0, 255), bold=True)
        return paint
    for rid, zoom in ((251, 2), (255, 4), (254, 8), (253, 16)):
        save_cur(rid, "picker_x%d" % zoom, picker(str(zoom)), (2, 29), "colour picker at zoom %d" % zoom)

    def magnifier(d):
        d.ellipse([2, 2, 19, 19], fill=(220, 235, 255, 160), outline=(0, 0, 0, 255), width=2)
        d.line([(17, 17), (29, 29)], fill=(0, 0, 0, 255), width=4)
    save_cur(252, "zoom", magnifier, (10, 10), "zoom and ruler")


def settings_tabs():
    """The settings sheet's tab pictures, 24 x 24 on magenta."""
    def basic(d):
        d.ellipse([4, 4, 19, 19], fill=(150, 150, 160), outline=INK)
        for k in range(8):
            a = k * math.pi / 4
            d.line([(12 + 7 * math.cos(a), 12 + 7 * math.sin(a)), (12 + 11 * math.cos(a), 12 + 11 * math.sin(a))],
                   fill=INK, width=3)
        d.ellipse([9, 9, 14, 14], fill=WHITE, outline=INK)

    def memo(d):
        note_glyph(d, 3, 3, 18)

    def colour(d):
        for k, c in enumerate([(230, 70, 70), (80, 180, 80), (70, 110, 230), (250, 210, 60)]):
            d.rectangle([2 + (k % 2) * 10, 2 + (k // 2) * 10, 11 + (k % 2) * 10, 11 + (k // 2) * 10], fill=c,
                        outline=INK)

    def shortcut(d):
        d.rounded_rectangle([1, 5, 22, 18], radius=3, fill=(235, 235, 235), outline=INK)
        for k in range(4):
            d.rectangle([3 + k * 5, 8, 6 + k * 5, 10], fill=INK)
        d.rectangle([6, 13, 17, 15], fill=INK)

    def clock(d):
        clock_glyph(d, 2, 2, 20)

    def calendar(d):
        calendar_glyph(d, 2, 2, 20)

    def widgets(d):
        d.rounded_rectangle([2, 2, 13, 13], radius=3, fill=(120, 170, 230), outline=INK)
        d.rounded_rectangle([10, 10, 21, 21], radius=3, fill=(250, 200, 90), outline=INK)

    def share(d):
        for x0, y0 in [(2, 2), (12, 12)]:
            d.rectangle([x0, y0, x0 + 9, y0 + 7], fill=(200, 220, 255), outline=INK)
        d.line([(11, 6), (16, 6), (16, 11)], fill=(40, 120, 40), width=2)
        d.line([(12, 17), (6, 17), (6, 11)], fill=(40, 120, 40), width=2)

    tabs = [(171, "tab_basic", basic, "Basic"), (204, "tab_memo", memo, "Memo"), (181, "tab_color", colour, "Color"),
            (185, "tab_shortcut", shortcut, "Shortcut"), (197, "tab_clock", clock, "Clock"),
            (216, "tab_calendar", calendar, "Calendar"), (244, "tab_widgets", widgets, "Widgets"),
            (250, "tab_share", share, "Share")]
    for rid, name, painter, caption in tabs:
        img = Image.new("RGB", (24, 24), MAGENTA)
        painter(ImageDraw.Draw(img))
        save_bmp(rid, name, img, "settings tab %s, 24 x 24, magenta transparent" % caption)


def main():
    os.makedirs(OUT, exist_ok=True)
    bitmaps()
    pngs()
    icons_and_cursors()
    chimes()
    settings_tabs()
    lines = ["// Written by res/make_images.py: the built-in images. Do not edit by hand.", ""]
    for rid, kind, name, comment in sorted(entries, key=lambda e: (e[1], e[0])):
        lines.append('%-6d %-7s "res/images/%s"  // %s' % (rid, kind, name, comment))
    with open(os.path.join(HERE, "images.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")
    prefix = {"BITMAP": "IDB_", "PNG": "IDP_", "ICON": "IDI_", "CURSOR": "IDC_CURSOR_"}
    names = ["// Written by res/make_images.py: ids of the built-in images. Do not edit by hand.", "#pragma once", ""]
    for rid, kind, name, comment in sorted(entries, key=lambda e: (e[1], e[0])):
        symbol = prefix[kind] + os.path.splitext(name)[0].upper()
        names.append("#define %-32s %d  // %s" % (symbol, rid, comment))
    with open(os.path.join(HERE, "images.h"), "w") as f:
        f.write("\n".join(names) + "\n")


if __name__ == "__main__":
    main()
