"""The maker's capsule vehicle in the lower left, with its name on the body."""

import numpy as np

import paint
from paint import rgb

BODY_CENTRE = (104.0, 381.0)
BODY_RADII = (91.0, 73.0)
BODY_ROUNDNESS = 2.7  # superellipse exponent: a capsule, fuller than an ellipse
LIGHT = (-0.55, -0.7, 0.65)
RED_BROWN = rgb(150, 52, 34)
# The letters' exact colour, which the tests look for; nothing else has it.
MAKER_NAME = (255, 226, 168)


def vehicle(canvas, name_area):
    height, width = canvas.shape[:2]
    xs, ys = paint.grid(height, width)
    _hover_glow(canvas, xs, ys)
    body, diffuse, specular = paint.shaded_body(xs, ys, BODY_CENTRE, BODY_RADII,
                                                BODY_ROUNDNESS, LIGHT, gloss=40)
    colour = RED_BROWN[None, None, :] * (0.18 + 1.0 * diffuse[..., None])
    paint.over(canvas, colour, body)
    _rim_light(canvas, body)
    _window(canvas, xs, ys, body)
    _details(canvas, body)
    paint.add_light(canvas, rgb(255, 220, 200), specular * body * 0.9)
    maker_name(canvas, name_area)


def _hover_glow(canvas, xs, ys):
    cx, cy = BODY_CENTRE[0], BODY_CENTRE[1] + BODY_RADII[1] + 3
    pool = np.exp(-((xs - cx) / 70.0) ** 2 - ((ys - cy) / 7.0) ** 2)
    paint.add_light(canvas, rgb(40, 200, 150), pool * 0.55)


def _rim_light(canvas, body):
    """A cold edge light from the scene behind, on the right."""
    edge = body - paint.grow(body, -2)
    right = np.linspace(0, 1, body.shape[1], dtype=np.float32)[None, :]
    paint.add_light(canvas, rgb(90, 160, 220), edge * np.clip((right - 0.05) * 8, 0, 1) * 0.5)


def _window(canvas, xs, ys, body):
    cx, cy = BODY_CENTRE
    glass = paint.shape_mask(canvas.shape[1], canvas.shape[0], lambda d, s: d.rounded_rectangle(
        s(cx - 70, cy - 62, cx + 74, cy + 18), radius=4 * 38, fill=255))
    glass = glass * paint.grow(body, -7)
    frame = paint.grow(glass, 2) * body
    paint.over(canvas, rgb(40, 10, 8), frame)
    tint = paint.vertical_gradient(canvas.shape[0], canvas.shape[1], [
        (0.0, rgb(4, 6, 16)), ((cy - 60) / 480, rgb(6, 10, 24)),
        ((cy + 20) / 480, rgb(18, 34, 60)), (1.0, rgb(18, 34, 60))])
    paint.over(canvas, tint, glass)
    streaks = np.clip(np.sin((xs + ys * 0.9) / 9.0) * 3 - 2.2, 0, 1)
    band = ((xs + ys * 0.9) > cx + cy - 60) & ((xs + ys * 0.9) < cx + cy + 15)
    paint.add_light(canvas, rgb(120, 160, 210), streaks * band * glass * 0.22)
    top_shine = paint.shape_mask(canvas.shape[1], canvas.shape[0], lambda d, s: d.arc(
        s(cx - 62, cy - 56, cx + 66, cy + 30), 200, 300, fill=255, width=4 * 3))
    paint.add_light(canvas, rgb(170, 200, 240), paint.blur(top_shine, 1) * glass * 0.5)


def _details(canvas, body):
    """Seams, lamps and the step under the door."""
    height, width = canvas.shape[:2]
    cx, cy = BODY_CENTRE
    seam = paint.shape_mask(width, height, lambda d, s: [
        d.arc(s(cx - 86, cy + 8, cx + 86, cy + 88), 185, 355, fill=255, width=4),
        d.line(s(cx - 6, cy + 24, cx - 6, cy + 34), fill=255, width=4)])
    paint.over(canvas, rgb(50, 12, 8), seam * body * 0.8)
    lamp = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(cx + 78, cy + 8, cx + 88, cy + 20), fill=255))
    paint.glow(canvas, lamp, rgb(255, 200, 120), 4, 1.2)
    paint.over(canvas, rgb(255, 244, 210), lamp)
    tail = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(cx - 89, cy + 6, cx - 83, cy + 16), fill=255))
    paint.glow(canvas, tail, rgb(255, 40, 30), 3, 1.0)
    paint.over(canvas, rgb(255, 90, 70), tail)


def maker_name_letters(shape, area):
    """Coverage of the maker's name, centred in its hot area."""
    face = paint.font("title", 30)
    middle = ((area.left + area.right) / 2, (area.top + area.bottom) / 2 + 1)
    return paint.text_mask(shape[1], shape[0], area.caption, face, middle, "mm")


def maker_name(canvas, area):
    letters = maker_name_letters(canvas.shape, area)
    paint.over(canvas, rgb(60, 8, 4), paint.blur(paint.grow(letters, 1), 0.8))
    paint.glow(canvas, letters, rgb(255, 140, 60), 3, 0.5)
    paint.over(canvas, rgb(*MAKER_NAME), letters)
