"""The portrait in the lower right: a woman's head and shoulders, drawn in
flat shapes with soft light, fading into the scene at its edges."""

import math

import numpy as np

import paint
from paint import rgb

BOX = (462, 246, 616, 468)  # left, top, right, bottom
HEAD_X = 539.0
FACE = (HEAD_X, 318.0, 25.0, 34.0)  # centre x, centre y, radii
SKIN = rgb(236, 186, 156)
HAIR = rgb(34, 18, 24)
RIM = rgb(255, 80, 190)


def portrait(canvas):
    height, width = canvas.shape[:2]
    frame = _frame_mask(width, height)
    picture = canvas.copy()
    _backdrop(picture)
    _hair_back(picture)
    _neck(picture)
    _shoulders(picture)
    _face(picture)
    _hair_front(picture)
    paint.over(canvas, picture, frame)


def _frame_mask(width, height):
    """An oval that fades out, deepest at the shoulders."""
    left, top, right, bottom = BOX
    cx, cy = (left + right) / 2, (top + bottom) / 2 + 12
    oval = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(left + 5, top + 6, right - 5, bottom + 40), fill=255))
    xs, ys = paint.grid(height, width)
    floor = np.clip((bottom - 2 - ys) / 40, 0, 1)
    return np.clip(paint.blur(oval, 6) * 1.25, 0, 1) * paint.grow(oval, 3) * floor


def _backdrop(picture):
    height, width = picture.shape[:2]
    xs, ys = paint.grid(height, width)
    back = paint.vertical_gradient(height, width, [
        (0.0, rgb(10, 40, 70)), (BOX[1] / height, rgb(10, 40, 70)),
        (BOX[3] / height, rgb(4, 18, 30)), (1.0, rgb(4, 18, 30))])
    glow = np.exp(-(((xs - HEAD_X + 30) / 60) ** 2 + ((ys - 300) / 60) ** 2))
    picture[...] = back
    paint.add_light(picture, rgb(40, 120, 130), glow * 0.6)
    rng = np.random.default_rng(9)
    for _ in range(14):  # out-of-focus city lights
        x, y, r = rng.uniform(466, 612), rng.uniform(252, 420), rng.uniform(3, 9)
        disc = np.clip(r - np.hypot(xs - x, ys - y), 0, 1)
        colour = [rgb(255, 120, 200), rgb(80, 200, 220), rgb(255, 190, 110)][rng.integers(3)]
        paint.add_light(picture, colour, disc * rng.uniform(0.1, 0.3))


def _hair_back(picture):
    height, width = picture.shape[:2]
    cx, cy, rx, ry = FACE
    hair = paint.shape_mask(width, height, lambda d, s: [
        d.ellipse(s(cx - rx - 13, cy - ry - 12, cx + rx + 13, cy + ry - 4), fill=255),
        d.polygon(s(cx - rx - 13, cy - 6, cx + rx + 13, cy - 6, cx + rx + 22, cy + 84,
                    cx + rx + 4, cy + 96, cx - rx - 4, cy + 96, cx - rx - 22, cy + 84),
                  fill=255)])
    _paint_hair(picture, np.clip(paint.blur(hair, 1.2) * 1.4, 0, 1))


def _paint_hair(picture, hair):
    height, width = picture.shape[:2]
    xs, ys = paint.grid(height, width)
    strands = 0.5 + 0.5 * np.sin((xs - HEAD_X) * 0.45 + np.sin(ys * 0.05 + xs * 0.02) * 4)
    colour = HAIR[None, None, :] * (0.85 + 0.35 * strands[..., None])
    paint.over(picture, colour, hair)
    edge = hair - paint.grow(hair, -2)
    side = np.clip((xs - HEAD_X) / 30, 0, 1)
    paint.add_light(picture, RIM, edge * side * 0.8)
    paint.add_light(picture, rgb(120, 80, 90), hair * strands * np.clip((HEAD_X - xs) / 40, 0, 1)
                    * 0.25)


# The right half of the neck and shoulders, as (offset from the middle, y): the
# neck narrows a little under the jaw, then widens into sloping shoulders.
BODY = [(12, 326), (12, 344), (12.5, 354), (14, 361), (19, 367), (30, 372), (45, 378),
        (60, 385), (72, 393), (79, 405), (82, 425), (84, 490)]
NECKLINE = (30, 373, 401)  # the V's half width at the top, its top and its point


def _body_mask(width, height):
    c = HEAD_X
    right = [(c + dx, y) for dx, y in BODY]
    left = [(c - dx, y) for dx, y in reversed(BODY)]
    outline = paint.smooth_curve(right + left)
    return paint.shape_mask(width, height, lambda d, s: d.polygon(s(*outline), fill=255))


def _neck(picture):
    """The neck and the skin the neckline leaves bare, in one piece, so that
    the neck runs into the shoulders instead of standing on them."""
    height, width = picture.shape[:2]
    xs, ys = paint.grid(height, width)
    c = HEAD_X
    skin = _body_mask(width, height)
    _paint_skin(picture, skin, (c - 4, 372.0, 44.0, 40.0))
    # The head shades the neck; the shadow softens towards the chest.
    below_chin = np.clip((ys - FACE[1] - FACE[3] + 4) / 4, 0, 1)
    shadow = below_chin * np.exp(-((ys - FACE[1] - FACE[3] - 2) / 9) ** 2)
    shadow += 0.5 * np.clip((xs - c - 2) / 10, 0, 1) * np.clip((374 - ys) / 8, 0, 1)
    picture[...] *= (1 - 0.4 * np.clip(shadow, 0, 1) * skin)[..., None]
    # Collarbones: a light ridge with a little shadow under it, each side.
    bones = paint.shape_mask(width, height, lambda d, s: [
        d.line(s(c - 6, 381, c - 14, 378, c - 26, 377), fill=255, width=4 * 2, joint="curve"),
        d.line(s(c + 6, 381, c + 14, 378, c + 26, 377), fill=255, width=4 * 2, joint="curve")])
    bones = paint.blur(bones, 0.8) * skin
    paint.add_light(picture, rgb(255, 225, 205), bones * 0.16)
    under = np.roll(bones, 2, axis=0)
    picture[...] *= (1 - 0.18 * under)[..., None]


def _shoulders(picture):
    height, width = picture.shape[:2]
    xs, ys = paint.grid(height, width)
    c = HEAD_X
    half, top, point = NECKLINE
    body = _body_mask(width, height)
    opening = paint.shape_mask(width, height, lambda d, s: d.polygon(s(
        c - half, top, c - half, 300, c + half, 300, c + half, top, c, point), fill=255))
    coat = body * (1 - opening)
    # Lit from the upper left: the near shoulder catches the light, the far
    # one turns away, and the cloth darkens towards the bottom.
    leftness = np.clip((c - xs) / 90 + 0.5, 0, 1)
    fall = np.clip((ys - 372) / 90, 0, 1)
    shade = (0.55 + 0.45 * leftness) * (1 - 0.35 * fall)
    paint.over(picture, rgb(28, 32, 58) * shade[..., None], coat)
    # A soft sheen along the tops of the shoulders.
    inner = paint.grow(coat, -4)
    crest = paint.blur(coat - inner, 4) * coat
    paint.add_light(picture, rgb(90, 110, 170), crest * (0.25 + 0.45 * leftness) * 0.7)
    near = np.exp(-(((xs - c + 52) / 22) ** 2 + ((ys - 392) / 14) ** 2))
    paint.add_light(picture, rgb(70, 80, 130), near * coat * 0.35)
    collar = paint.shape_mask(width, height, lambda d, s: [
        d.line(s(c - half, top, c, point), fill=255, width=4 * 2),
        d.line(s(c + half, top, c, point), fill=255, width=4 * 2)])
    paint.glow(picture, collar, rgb(60, 220, 230), 2, 0.8)
    paint.over(picture, rgb(160, 250, 255), collar * 0.8)
    edge = coat - paint.grow(coat, -2)
    paint.add_light(picture, RIM, edge * np.clip((xs - c) / 60, 0, 1) * 0.9)


def _paint_skin(picture, mask, ellipse):
    height, width = picture.shape[:2]
    xs, ys = paint.grid(height, width)
    cx, cy, rx, ry = ellipse
    _, diffuse, specular = paint.shaded_body(xs, ys, (cx, cy), (rx * 1.15, ry * 1.15), 2.0,
                                             (-0.5, -0.5, 0.7), gloss=30)
    colour = SKIN[None, None, :] * (0.42 + 0.7 * diffuse[..., None])
    paint.over(picture, colour, mask)
    paint.add_light(picture, rgb(255, 235, 220), specular * mask * 0.15)
    edge = mask - paint.grow(mask, -2)
    paint.add_light(picture, RIM, edge * np.clip((xs - cx) / rx, 0, 1) * 0.7)


def _face(picture):
    height, width = picture.shape[:2]
    cx, cy, rx, ry = FACE
    face = paint.shape_mask(width, height, lambda d, s: d.chord(
        s(cx - rx, cy - ry, cx + rx, cy + ry), 0, 360, fill=255))
    chin = paint.shape_mask(width, height, lambda d, s: d.polygon(s(
        cx - rx + 1, cy + 6, cx + rx - 1, cy + 6, cx + 9, cy + ry - 1, cx - 9, cy + ry - 1),
        fill=255))
    face = np.maximum(face * (paint.grid(height, width)[1] < cy + ry - 8), chin)
    face = np.clip(paint.blur(face, 0.8) * 1.2, 0, 1)
    _paint_skin(picture, face, FACE)
    xs, ys = paint.grid(height, width)
    blush = np.exp(-(((np.abs(xs - cx) - 15) / 6) ** 2 + ((ys - cy - 10) / 5) ** 2))
    paint.over(picture, rgb(230, 120, 130), blush * face * 0.3)
    for side in (-1, 1):
        _eye(picture, cx + side * 12, cy - 2, side)
    _nose(picture, cx, cy)
    _mouth(picture, cx, cy + 20)


def _eye(picture, x, y, side):
    height, width = picture.shape[:2]
    white = paint.shape_mask(width, height, lambda d, s: d.chord(
        s(x - 7, y - 4, x + 7, y + 4), 180, 360, fill=255) or d.chord(
        s(x - 7, y - 2, x + 7, y + 2.5), 0, 180, fill=255))
    paint.over(picture, rgb(225, 215, 215), white)
    iris = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(x - 3.2, y - 3.4, x + 3.2, y + 3), fill=255)) * white
    paint.over(picture, rgb(70, 120, 110), iris)
    pupil = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(x - 1.5, y - 1.7, x + 1.5, y + 1.3), fill=255))
    paint.over(picture, rgb(10, 10, 14), pupil * white)
    spark = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(x - 1.8, y - 2.4, x - 0.6, y - 1.2), fill=255))
    paint.over(picture, rgb(255, 255, 255), spark * 0.9)
    lid = paint.shape_mask(width, height, lambda d, s: [
        d.arc(s(x - 7.5, y - 4.5, x + 7.5, y + 4.5), 185, 355, fill=255, width=6),
        d.line(s(x + side * 7, y - 0.5, x + side * 9.5, y - 2.5), fill=255, width=5)])
    paint.over(picture, rgb(30, 14, 18), lid)
    brow = paint.shape_mask(width, height, lambda d, s: d.arc(
        s(x - 8, y - 10, x + 8, y + 2), 200 if side < 0 else 210, 330 if side < 0 else 340,
        fill=255, width=7))
    paint.over(picture, rgb(50, 26, 30), brow * 0.9)


def _nose(picture, x, y):
    height, width = picture.shape[:2]
    shadow = paint.shape_mask(width, height, lambda d, s: [
        d.line(s(x + 2, y + 1, x + 3.5, y + 12), fill=255, width=5),
        d.arc(s(x - 5, y + 10, x + 5, y + 16), 20, 160, fill=255, width=5)])
    paint.over(picture, rgb(150, 90, 80), paint.blur(shadow, 0.6) * 0.6)
    bridge = paint.shape_mask(width, height, lambda d, s: d.line(
        s(x - 1, y + 2, x - 1.5, y + 11), fill=255, width=4))
    paint.add_light(picture, rgb(255, 235, 220), bridge * 0.25)


def _mouth(picture, x, y):
    height, width = picture.shape[:2]
    lips = paint.shape_mask(width, height, lambda d, s: [
        d.polygon(s(x - 9, y, x - 3, y - 3, x, y - 2, x + 3, y - 3, x + 9, y), fill=255),
        d.chord(s(x - 8, y - 4, x + 8, y + 5), 0, 180, fill=255)])
    paint.over(picture, rgb(196, 78, 96), lips)
    line = paint.shape_mask(width, height, lambda d, s: d.line(
        s(x - 8.5, y, x + 8.5, y), fill=255, width=4))
    paint.over(picture, rgb(110, 30, 44), line * 0.8)
    shine = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(x - 3, y + 1.5, x + 2, y + 3), fill=255))
    paint.add_light(picture, rgb(255, 220, 230), shine * 0.35)


def _hair_front(picture):
    """The fringe, swept to the right over the forehead."""
    height, width = picture.shape[:2]
    cx, cy, rx, ry = FACE
    crown = [(cx + (rx + 5) * math.cos(t), cy - 2 + (ry + 9) * math.sin(t))
             for t in np.linspace(math.pi * 0.98, math.pi * 2.04, 24)]
    sweep = [(cx + rx + 1, cy - 6), (cx + rx - 6, cy - 16), (cx + 4, cy - 20),
             (cx - 12, cy - 24), (cx - rx + 2, cy - 16), (cx - rx - 2, cy - 2)]
    points = [v for point in crown + sweep for v in point]
    fringe = paint.shape_mask(width, height, lambda d, s: d.polygon(s(*points), fill=255))
    _paint_hair(picture, np.clip(paint.blur(fringe, 0.7) * 1.3, 0, 1))
