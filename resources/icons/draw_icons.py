#!/usr/bin/python3
"""Draws the program's icons into this folder as .ico files, each with 16, 32
and 48 pixel images (32-bit colour with alpha and a 1-bit mask), and writes
icons.rc beside them, which links every icon under its number.

Run it with Debian's python3 (package python3-pil) after changing a drawing;
its output is committed, so builds never need Python:

    resources/icons/draw_icons.py

Each picture is drawn on a 48-unit grid at eight times the target size and
then reduced, so that every size is smooth; line widths are kept at three
units or more so that the 16 pixel images stay legible.
"""

import io
import math
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (16, 32, 48)
OVERSAMPLE = 8

# Colours
INK = (40, 40, 48, 255)
PAPER = (255, 255, 255, 255)
PAPER_EDGE = (96, 104, 120, 255)
BLUE = (34, 102, 204, 255)
DARK_BLUE = (20, 60, 140, 255)
LIGHT_BLUE = (150, 200, 250, 255)
GREEN = (34, 160, 60, 255)
YELLOW = (250, 200, 30, 255)
ORANGE = (240, 130, 20, 255)
RED = (210, 40, 40, 255)
DARK_RED = (150, 20, 20, 255)
GREY = (150, 150, 160, 255)
WHITE = (255, 255, 255, 255)
PURPLE = (120, 60, 170, 255)


class Pen:
    """Draws on the 48-unit grid of one oversampled image."""

    def __init__(self, image):
        self.draw = ImageDraw.Draw(image)
        self.k = image.width / 48.0

    def p(self, points):
        return [(x * self.k, y * self.k) for x, y in points]

    def box(self, x0, y0, x1, y1):
        return [x0 * self.k, y0 * self.k, x1 * self.k, y1 * self.k]

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=2, radius=0):
        self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=radius * self.k,
                                    fill=fill, outline=outline, width=round(width * self.k))

    def ellipse(self, x0, y0, x1, y1, fill, outline=None, width=2):
        self.draw.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                          width=round(width * self.k))

    def polygon(self, points, fill, outline=None, width=2):
        self.draw.polygon(self.p(points), fill=fill)
        if outline:
            self.line(points + [points[0]], outline, width)

    def line(self, points, colour, width=3):
        pts = self.p(points)
        w = round(width * self.k)
        self.draw.line(pts, fill=colour, width=w, joint="curve")
        r = w / 2
        for x, y in pts:  # round ends
            self.draw.ellipse([x - r, y - r, x + r, y + r], fill=colour)

    def arc(self, x0, y0, x1, y1, start, end, colour, width=3):
        self.draw.arc(self.box(x0, y0, x1, y1), start, end, fill=colour, width=round(width * self.k))


# ---- Shapes shared by several icons --------------------------------------

def page(pen, band=None):
    """A sheet of paper with a folded corner, optionally with a coloured band."""
    pen.polygon([(9, 3), (31, 3), (40, 12), (40, 45), (9, 45)], PAPER, PAPER_EDGE, 2)
    pen.polygon([(31, 3), (31, 12), (40, 12)], (220, 224, 232, 255), PAPER_EDGE, 2)
    if band:
        pen.rect(9, 34, 40, 45, band, PAPER_EDGE, 2)


def text_lines(pen, top, count, colour=GREY, left=14, right=35):
    for i in range(count):
        y = top + i * 6
        pen.line([(left, y), (right - (i % 2) * 5, y)], colour, 3)


def check_mark(pen, colour, cx=24, cy=24, s=1.0, width=6):
    pen.line([(cx - 10 * s, cy), (cx - 3 * s, cy + 8 * s), (cx + 11 * s, cy - 9 * s)], colour, width)


def cross(pen, colour, cx=24, cy=24, s=1.0, width=6):
    pen.line([(cx - 8 * s, cy - 8 * s), (cx + 8 * s, cy + 8 * s)], colour, width)
    pen.line([(cx + 8 * s, cy - 8 * s), (cx - 8 * s, cy + 8 * s)], colour, width)


def exclamation(pen, colour, cx, top, bottom, width=6):
    pen.line([(cx, top), (cx, bottom - 8)], colour, width)
    pen.ellipse(cx - width / 2, bottom - 3, cx + width / 2, bottom + 3, colour)


def question_mark(pen, colour, cx=24, cy=22, s=1.0, width=5):
    pen.arc(cx - 8 * s, cy - 14 * s, cx + 8 * s, cy + 2 * s, 180, 400, colour, width)
    pen.line([(cx + 5.5 * s, cy - 1 * s), (cx, cy + 4 * s), (cx, cy + 8 * s)], colour, width)
    pen.ellipse(cx - 3 * s, cy + 12 * s, cx + 3 * s, cy + 18 * s, colour)


def gear(pen, cx, cy, r, colour):
    teeth = []
    for i in range(16):
        a = math.pi * 2 * i / 16
        rr = r if i % 2 == 0 else r * 0.72
        teeth.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    pen.polygon(teeth, colour)
    pen.ellipse(cx - r * 0.32, cy - r * 0.32, cx + r * 0.32, cy + r * 0.32, WHITE)


def magnifier(pen, cx, cy, r, colour=DARK_BLUE):
    pen.ellipse(cx - r, cy - r, cx + r, cy + r, (220, 236, 255, 200), colour, 4)
    a = math.radians(45)
    x0, y0 = cx + r * math.cos(a), cy + r * math.sin(a)
    pen.line([(x0 + 1, y0 + 1), (x0 + r * 0.9, y0 + r * 0.9)], colour, 6)


def restart_badge(pen):
    """A small circular arrow in the lower right: waits for a restart."""
    pen.ellipse(27, 27, 47, 47, WHITE, DARK_BLUE, 2)
    pen.arc(31, 31, 43, 43, 200, 500, DARK_BLUE, 3)
    pen.polygon([(29, 30), (36, 31), (31, 37)], DARK_BLUE)


def undo_arrow(pen, colour):
    pen.arc(12, 12, 40, 40, 200, 450, colour, 6)
    pen.polygon([(5, 22), (17, 14), (19, 29)], colour)


# ---- The icons -----------------------------------------------------------

def app(pen):
    pen.rect(3, 5, 45, 41, BLUE, DARK_BLUE, 2, radius=6)
    pen.rect(8, 12, 40, 36, WHITE, None, radius=2)
    check_mark(pen, GREEN, 20, 24, 0.8, 5)
    magnifier(pen, 31, 27, 8)


def document(colour, mark):
    def draw(pen):
        page(pen, colour)
        mark(pen)
    return draw


def database_mark(pen):  # the configuration database: a checked list
    for i in range(3):
        y = 12 + i * 7
        pen.line([(14, y), (17, y + 3), (21, y - 3)], GREEN, 3)
        pen.line([(24, y), (35, y)], GREY, 3)


def usage_mark(pen):  # the usage database: a clock
    pen.ellipse(15, 8, 35, 28, WHITE, GREEN, 3)
    pen.line([(25, 12), (25, 18), (30, 21)], INK, 3)


def file_info_mark(pen):  # the file information database: an "i"
    pen.ellipse(15, 8, 35, 28, ORANGE)
    pen.line([(25, 17), (25, 24)], WHITE, 4)
    pen.ellipse(23, 11, 27, 15, WHITE)


def about_frame(n):
    """Frames 0-3 build the picture up; frames 4-19 turn the magnifier once
    around the page."""
    def draw(pen):
        page(pen)
        if n >= 1:
            text_lines(pen, 12, 4)
        if n >= 2:
            check_mark(pen, GREEN, 24, 34, 0.6, 4)
        if n >= 3 and n < 4:
            magnifier(pen, 30, 24, 9)
        if n >= 4:
            a = math.pi * 2 * (n - 4) / 16
            magnifier(pen, 24 + 10 * math.cos(a), 24 + 10 * math.sin(a), 9)
    return draw


def question_picture(pen):
    pen.ellipse(3, 3, 45, 45, BLUE, DARK_BLUE, 2)
    question_mark(pen, WHITE, 24, 19, 1.0, 5)


def computer_picture(pen):
    pen.rect(4, 5, 44, 33, GREY, INK, 2, radius=3)
    pen.rect(8, 9, 40, 29, LIGHT_BLUE)
    pen.polygon([(18, 33), (30, 33), (32, 40), (16, 40)], GREY, INK, 2)
    pen.rect(10, 40, 38, 45, GREY, INK, 2, radius=2)


def status_ok(pen):
    pen.ellipse(3, 3, 45, 45, GREEN)
    check_mark(pen, WHITE, 24, 25, 1.0, 6)


def warning(colour, restart):
    def draw(pen):
        pen.polygon([(24, 3), (46, 43), (2, 43)], colour, INK, 2)
        exclamation(pen, INK if colour == YELLOW else WHITE, 24, 16, 36, 5)
        if restart:
            restart_badge(pen)
    return draw


def problem(serious, restart):
    """A red circle; a serious problem is a darker octagon, as a stop sign."""
    def draw(pen):
        if serious:
            corners = [(24 + 22 * math.cos(math.pi * (2 * i + 1) / 8),
                        24 + 22 * math.sin(math.pi * (2 * i + 1) / 8)) for i in range(8)]
            pen.polygon(corners, DARK_RED, INK, 2)
        else:
            pen.ellipse(3, 3, 45, 45, RED, INK, 2)
        cross(pen, WHITE, 24, 24, 1.0, 6)
        if restart:
            restart_badge(pen)
    return draw


def reverted(restart):
    def draw(pen):
        undo_arrow(pen, BLUE)
        if restart:
            restart_badge(pen)
    return draw


def registry(pen):  # three blocks, as in the Registry editor
    pen.rect(5, 24, 23, 42, BLUE, DARK_BLUE, 2)
    pen.rect(25, 24, 43, 42, GREEN, DARK_BLUE, 2)
    pen.rect(15, 5, 33, 23, RED, DARK_BLUE, 2)


def program(pen):  # a window with a title bar
    pen.rect(3, 7, 45, 41, WHITE, DARK_BLUE, 3)
    pen.rect(3, 7, 45, 16, BLUE, DARK_BLUE, 3)
    pen.rect(37, 9, 42, 14, WHITE)


def extension(pen):
    page(pen)
    gear(pen, 24, 27, 12, BLUE)


def font(pen):
    page(pen)
    pen.line([(14, 40), (24, 12), (34, 40)], INK, 5)
    pen.line([(18, 31), (30, 31)], INK, 4)


def help_file(pen):  # a book with a question mark
    pen.rect(7, 4, 41, 44, (30, 120, 60, 255), INK, 2, radius=2)
    pen.rect(11, 4, 13, 44, INK)
    question_mark(pen, YELLOW, 27, 17, 0.8, 4)


def settings(pen):  # a page of key=value lines with a gear
    page(pen)
    for i in range(4):
        y = 11 + i * 6
        pen.line([(14, y), (20, y)], BLUE, 3)
        pen.line([(24, y), (34, y)], GREY, 3)
    gear(pen, 30, 37, 8, DARK_BLUE)


def registration(pen):
    page(pen)
    pen.polygon([(24, 14), (35, 20), (24, 26), (13, 20)], LIGHT_BLUE, DARK_BLUE, 2)
    pen.polygon([(13, 20), (24, 26), (24, 39), (13, 33)], BLUE, DARK_BLUE, 2)
    pen.polygon([(35, 20), (24, 26), (24, 39), (35, 33)], DARK_BLUE, DARK_BLUE, 2)


def generic_file(pen):
    page(pen)
    text_lines(pen, 16, 4)


def archive(pen):  # a page with a zip down its middle
    page(pen, PURPLE)
    for i in range(5):
        y = 6 + i * 5
        pen.line([(22, y), (26, y)], INK, 3)
    pen.rect(20, 30, 28, 38, YELLOW, INK, 2)


# Number, file name and drawing of every icon. The three document icons
# follow the program's icon directly, so that they are the icons at
# positions 1, 2 and 3 of the program file.
ICONS = [
    (128, "corvane", app),
    (129, "document_cdb", document(BLUE, database_mark)),
    (130, "document_udb", document(GREEN, usage_mark)),
    (131, "document_fdb", document(ORANGE, file_info_mark)),
] + [(600 + n, "about%02d" % n, about_frame(n)) for n in range(20)] + [
    (630, "question", question_picture),
    (631, "computer", computer_picture),
    (632, "status_reverted", reverted(False)),
    (634, "status_serious_warning", warning(ORANGE, False)),
    (635, "status_warning", warning(YELLOW, False)),
    (636, "status_serious_problem", problem(True, False)),
    (637, "status_problem", problem(False, False)),
    (638, "status_serious_warning_restart", warning(ORANGE, True)),
    (639, "status_warning_restart", warning(YELLOW, True)),
    (640, "status_serious_problem_restart", problem(True, True)),
    (641, "status_problem_restart", problem(False, True)),
    (642, "status_ok", status_ok),
    (643, "registry", registry),
    (644, "file_program", program),
    (645, "file_extension", extension),
    (646, "file_font", font),
    (647, "file_help", help_file),
    (648, "file_settings", settings),
    (649, "file_registration", registration),
    (650, "file_generic", generic_file),
    (651, "file_archive", archive),
    (652, "status_reverted_restart", reverted(True)),
]


def render(drawing, size):
    big = Image.new("RGBA", (size * OVERSAMPLE, size * OVERSAMPLE), (0, 0, 0, 0))
    drawing(Pen(big))
    return big.resize((size, size), Image.LANCZOS)


def dib(image):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA rows bottom up, then
    the AND mask (1 where transparent), rows padded to 4 bytes."""
    w, h = image.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = io.BytesIO()
    mask = io.BytesIO()
    stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            r, g, b, a = image.getpixel((x, y))
            pixels.write(bytes((b, g, r, a)))
            if a < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask.write(bytes(row))
    return header + pixels.getvalue() + mask.getvalue()


def ico(images):
    blobs = [dib(image) for image in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for image, blob in zip(images, blobs):
        w, h = image.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    lines = [
        "/* The program's icons, drawn by draw_icons.py, which also wrote this",
        "   file: edit the script and run it again rather than this file.",
        "   One icon a line, `number ICON \"file\"`; the host build reads this",
        "   list to know which icon numbers exist. */",
    ]
    for number, name, drawing in ICONS:
        images = [render(drawing, size) for size in SIZES]
        with open(os.path.join(HERE, name + ".ico"), "wb") as f:
            f.write(ico(images))
        lines.append('%d ICON "icons/%s.ico"' % (number, name))
    with open(os.path.join(HERE, "icons.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
