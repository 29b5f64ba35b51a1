"""The centre piece: a pink neon outline of a standing figure on a round
platform, with a small dusk scene and a person seen through it."""

import numpy as np

import paint
from paint import rgb

CENTRE_X = 290.0
NEON_PINK = rgb(255, 50, 175)
NEON_CORE = rgb(255, 215, 245)
PLATFORM = (CENTRE_X, 437.0, 80.0, 13.0)  # centre x, centre y, radii


def neon_figure(canvas):
    height, width = canvas.shape[:2]
    _platform_base(canvas)
    silhouette = _silhouette(width, height)
    _inner_scene(canvas, silhouette)
    _neon_line(canvas, silhouette)
    _platform_rim(canvas)


# The right half of the body's outline, as (offset from the middle, y), from
# the crown down to between the legs; the left half mirrors it.
BODY = [(0, 22), (12, 25), (19, 34), (21, 46), (19, 60), (15, 70), (10, 77), (9, 84),
        (10, 91), (16, 96), (30, 101), (45, 107), (54, 113), (57, 125), (51, 139),
        (43, 153), (37, 178), (34, 200), (37, 220), (44, 240), (45, 258), (43, 300),
        (33, 342), (34, 372), (21, 414), (25, 426), (29, 433), (17, 435), (8, 433),
        (11, 416), (10, 372), (9, 342), (6, 300), (2, 258)]
# The right arm, hanging a little away from the body so that light shows
# between them, as it does on someone standing at ease.
ARM = [(48, 107), (59, 115), (63, 131), (64, 160), (68, 198), (71, 230), (74, 260),
       (78, 276), (79, 292), (74, 305), (68, 299), (65, 280), (64, 262), (60, 230),
       (56, 198), (52, 160), (46, 139), (42, 119)]


def _silhouette(width, height):
    c = CENTRE_X
    right = [(c + dx, y) for dx, y in BODY]
    left = [(c - dx, y) for dx, y in reversed(BODY[1:])]
    body = paint.smooth_curve(right + [(c, 254)] + left)

    def draw(d, s):
        d.polygon(s(*body), fill=255)
        for side in (-1, 1):
            d.polygon(s(*paint.smooth_curve([(c + side * dx, y) for dx, y in ARM])), fill=255)

    mask = paint.shape_mask(width, height, draw)
    return np.clip((paint.blur(mask, 2.5) - 0.5) * 3 + 0.5, 0, 1)


def _inner_scene(canvas, silhouette):
    height, width = canvas.shape[:2]
    xs, ys = paint.grid(height, width)
    horizon = 246.0
    sky = paint.vertical_gradient(height, width, [
        (0.0, rgb(18, 6, 46)), (0.15, rgb(40, 10, 80)), (0.36, rgb(150, 34, 112)),
        (horizon / height, rgb(255, 150, 90)), (horizon / height + 0.001, rgb(30, 10, 50)),
        (1.0, rgb(8, 4, 20))])
    scene = sky.copy()
    _sun(scene, xs, ys, horizon)
    _sky_stars(scene, silhouette, horizon)
    _hills(scene, width, height, horizon)
    _person(scene, width, height, horizon)
    _water_glints(scene, xs, ys, horizon)
    depth = paint.blur(silhouette, 6)  # darker towards the outline
    scene *= (0.55 + 0.45 * depth)[..., None]
    paint.over(canvas, scene, silhouette)


def _sun(scene, xs, ys, horizon):
    cx, cy, r = CENTRE_X + 8, horizon - 26, 36.0
    distance = np.hypot(xs - cx, ys - cy)
    above = (ys < horizon).astype(np.float32)
    disc = np.clip(r - distance, 0, 1) * above
    stripes = (np.sin((ys - cy) * 0.9) > -0.2) | (ys < cy)  # the classic cut bands
    paint.add_light(scene, rgb(255, 120, 80), np.exp(-(distance / 70.0) ** 2) * above * 0.5)
    sun = paint.vertical_gradient(scene.shape[0], scene.shape[1], [
        (0.0, rgb(255, 240, 150)), ((cy - r) / 480, rgb(255, 240, 150)),
        ((cy + r) / 480, rgb(255, 90, 120)), (1.0, rgb(255, 90, 120))])
    paint.over(scene, sun, disc * stripes)


def _sky_stars(scene, silhouette, horizon):
    rng = np.random.default_rng(77)
    for _ in range(70):
        x, y = rng.integers(200, 380), rng.integers(20, int(horizon) - 80)
        if silhouette[y, x] > 0.9:
            scene[y, x] = np.clip(scene[y, x] + rgb(255, 230, 255) * rng.random() * 0.8, 0, 1)


def _hills(scene, width, height, horizon):
    c = CENTRE_X
    far = paint.shape_mask(width, height, lambda d, s: d.polygon(s(
        c - 110, horizon, c - 84, horizon - 22, c - 62, horizon - 12, c - 36, horizon - 30,
        c - 12, horizon - 6, c + 40, horizon - 2, c + 66, horizon - 16, c + 90, horizon - 4,
        c + 110, horizon), fill=255))
    paint.over(scene, rgb(90, 24, 80), far * 0.85)
    rise = paint.shape_mask(width, height, lambda d, s: d.polygon(s(
        c - 110, horizon + 40, c - 110, horizon + 16, c - 60, horizon + 10, c - 24, horizon + 7,
        c - 6, horizon + 12, c + 20, horizon + 40), fill=255))
    paint.over(scene, rgb(14, 5, 22), rise)


def _person(scene, width, height, horizon):
    """A lone figure on the near rise, watching the sun, edged with its light."""
    x, feet, k = CENTRE_X - 20, horizon + 8, 0.9

    def draw(d, s):
        def at(*offsets):  # offsets from the feet, scaled to the figure
            return s(*[(x if i % 2 == 0 else feet) + v * k for i, v in enumerate(offsets)])
        d.ellipse(at(-6, -82, 6, -68), fill=255)  # head
        d.polygon(at(-12, -64, 10, -64, 16, -22, -16, -22), fill=255)  # coat
        d.polygon(at(-6, -68, 6, -68, 5, -62, -5, -62), fill=255)  # neck
        d.line(at(-9, -24, -8, 0), fill=255, width=int(4 * 5 * k))  # legs
        d.line(at(8, -24, 10, 0), fill=255, width=int(4 * 5 * k))
        d.line(at(-11, -60, -16, -32), fill=255, width=int(4 * 5 * k))  # arms
        d.line(at(10, -60, 17, -34), fill=255, width=int(4 * 5 * k))
        d.polygon(at(-7, -80, -12, -60, -6, -60), fill=255)  # hair in the wind

    body = paint.shape_mask(width, height, draw)
    paint.over(scene, rgb(10, 4, 16), body)
    rim = body * (1 - np.roll(body, -1, axis=1))
    paint.add_light(scene, rgb(255, 150, 110), rim * 0.9)


def _water_glints(scene, xs, ys, horizon):
    """The sun's path on the water below the horizon."""
    below = (ys > horizon + 1) & (ys < horizon + 80)
    path = np.exp(-((xs - CENTRE_X - 8) / (10 + (ys - horizon) * 0.3)) ** 2)
    ripples = np.clip(np.sin(ys * 2.1) * 2 - 1, 0, 1) * np.exp(-(ys - horizon) / 50)
    paint.add_light(scene, rgb(255, 140, 100), path * ripples * below * 0.7)


def _neon_line(canvas, silhouette):
    line = paint.grow(silhouette, 1) - paint.grow(silhouette, -1)
    paint.glow(canvas, line, NEON_PINK, 10, 1.3)
    paint.glow(canvas, line, NEON_PINK, 3, 1.6)
    paint.over(canvas, NEON_CORE, np.clip(line * 1.2, 0, 1) * 0.9)


def _platform_base(canvas):
    height, width = canvas.shape[:2]
    cx, cy, rx, ry = PLATFORM
    top = paint.shape_mask(width, height, lambda d, s: d.ellipse(
        s(cx - rx, cy - ry, cx + rx, cy + ry), fill=255))
    side = paint.shape_mask(width, height, lambda d, s: [
        d.rectangle(s(cx - rx, cy, cx + rx, cy + 6), fill=255),
        d.ellipse(s(cx - rx, cy - ry + 6, cx + rx, cy + ry + 6), fill=255)])
    paint.over(canvas, rgb(24, 8, 30), side)
    paint.over(canvas, rgb(40, 14, 52), top)
    xs, ys = paint.grid(height, width)
    shine = np.exp(-(((xs - cx) / (rx * 0.6)) ** 2 + ((ys - cy) / (ry * 0.6)) ** 2))
    paint.add_light(canvas, rgb(255, 60, 170), shine * top * 0.35)


def _platform_rim(canvas):
    height, width = canvas.shape[:2]
    cx, cy, rx, ry = PLATFORM
    rim = paint.shape_mask(width, height, lambda d, s: [
        d.arc(s(cx - rx, cy - ry, cx + rx, cy + ry), 0, 360, fill=255, width=4 * 2),
        d.arc(s(cx - rx, cy - ry + 6, cx + rx, cy + ry + 6), 0, 180, fill=255, width=4 * 2)])
    paint.glow(canvas, rim, NEON_PINK, 5, 1.0)
    paint.over(canvas, NEON_CORE, rim * 0.9)
