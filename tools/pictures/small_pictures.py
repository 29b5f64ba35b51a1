"""The program icon (the capsule vehicle from the front) and the hand cursor."""

import numpy as np
from PIL import Image

import file_formats
import paint
from paint import rgb

ICON_SIZES = (16, 32, 48)
OPAQUE = 0.5  # coverage from which an icon pixel is drawn rather than clear
CURSOR_SIZE = 32
CURSOR_HOT_SPOT = (5, 0)  # the index finger's tip in the drawing below

# X black outline, o white, . clear; the fingertip is the X pair in row 0.
HAND = """
.....XX..........
....XooX.........
....XooX.........
....XooX.........
....XooX.........
....XooXXX.......
....XooXooXXX....
....XooXooXooXXX.
.XX.XooXooXooXooX
XooXXooXooXooXooX
XoooXoooooooooooX
XoooooooooooooooX
.XooooooooooooooX
..XoooooooooooooX
..XoooooooooooooX
...XooooooooooooX
...XoooooooooooX.
....XooooooooooX.
....XoooooooooX..
.....XooooooooX..
.....XooooooooX..
.....XXXXXXXXXX..
"""


def hand_cursor():
    rows = HAND.strip().splitlines()
    indexes = [None] * (CURSOR_SIZE * CURSOR_SIZE)
    for y, row in enumerate(rows):
        for x, mark in enumerate(row):
            if mark != ".":
                indexes[y * CURSOR_SIZE + x] = 0 if mark == "X" else 1
    square = file_formats.IndexedSquare(CURSOR_SIZE, indexes)
    return file_formats.cur_1bit(square, *CURSOR_HOT_SPOT)


def _vehicle_front(size):
    """RGB and coverage of the vehicle seen head-on, drawn large then reduced."""
    big = size * 8
    xs, ys = paint.grid(big, big)
    unit = big / 48.0
    centre, radii = (big / 2, big * 0.48), (22 * unit, 20 * unit)
    body, diffuse, specular = paint.shaded_body(xs, ys, centre, radii, 2.6, (-0.5, -0.7, 0.7), 30)
    canvas = np.zeros((big, big, 3), dtype=np.float32)
    paint.over(canvas, rgb(156, 58, 38)[None, None, :] * (0.25 + 0.95 * diffuse[..., None]), body)
    glass = paint.shape_mask(big, big, lambda d, s: d.rounded_rectangle(
        (9 * unit, 6 * unit, 39 * unit, 26 * unit), radius=int(9 * unit), fill=255), scale=1)
    paint.over(canvas, rgb(40, 12, 8), paint.grow(glass, int(unit)) * body)
    tint = paint.vertical_gradient(big, big, [(0.1, rgb(6, 10, 24)), (0.55, rgb(24, 44, 76))])
    paint.over(canvas, tint, glass)
    shine = ((xs + ys) > 18 * unit) & ((xs + ys) < 23 * unit)
    paint.add_light(canvas, rgb(120, 150, 200), glass * shine * 0.5)
    for lamp_x in (14 * unit, 34 * unit):
        lamp = np.clip(2.6 * unit - np.hypot(xs - lamp_x, ys - 33 * unit), 0, 1)
        paint.over(canvas, rgb(255, 238, 190), lamp)
    wheels = paint.shape_mask(big, big, lambda d, s: [
        d.rounded_rectangle((6 * unit, 38 * unit, 13 * unit, 46 * unit), int(2 * unit), 255),
        d.rounded_rectangle((35 * unit, 38 * unit, 42 * unit, 46 * unit), int(2 * unit), 255)],
        scale=1)
    coverage = np.maximum(body, wheels)
    paint.over(canvas, rgb(20, 16, 18), wheels * (1 - body))
    paint.add_light(canvas, rgb(255, 220, 200), specular * body * 0.7)
    image = paint.to_image(canvas).resize((size, size), Image.BOX)
    alpha = Image.fromarray(np.uint8(coverage * 255)).resize((size, size), Image.BOX)
    return image, np.asarray(alpha, dtype=np.float32) / 255.0


def program_icon():
    pictures = [_vehicle_front(size) for size in ICON_SIZES]
    sheet = Image.new("RGB", (sum(ICON_SIZES), max(ICON_SIZES)))
    x = 0
    for (image, _), size in zip(pictures, ICON_SIZES):
        sheet.paste(image, (x, 0))
        x += size
    shared = sheet.quantize(colors=256, method=Image.Quantize.MEDIANCUT)
    flat = shared.getpalette()[:768]
    palette = [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    squares = []
    for (image, coverage), size in zip(pictures, ICON_SIZES):
        indexed = list(image.quantize(palette=shared, dither=Image.Dither.NONE).getdata())
        clear = coverage.flatten() < OPAQUE
        squares.append(file_formats.IndexedSquare(
            size, [None if c else i for i, c in zip(indexed, clear)]))
    return file_formats.ico_8bit(squares, palette), pictures
