"""The menu's background picture: the scene and every painted entry."""

import numpy as np

import paint
from paint import rgb

WIDTH, HEIGHT = 640, 480
EDGE_MARGIN = 9  # the window's frame rings cover the outermost pixels

# The frames' exact colour, which the tests look for; nothing else has it.
ENTRY_FRAME = (138, 14, 22)

# The hot areas painted as framed entries, each with its caption; the others
# are the maker's name and the cross.
FRAMED_ENTRIES = ("PartsButtons", "AnonsButtons", "ListsButtons")


class HotArea:
    def __init__(self, entry):
        self.name, self.index = entry["name"], entry["index"]
        self.caption = entry["caption"]  # what a screen reader calls it too
        self.left, self.top = entry["left"], entry["top"]
        self.right = self.left + entry["width"] - 1  # inclusive
        self.bottom = self.top + entry["height"] - 1


def hot_area(areas, name, index=None):
    return next(a for a in areas if a.name == name and a.index == index)


# ---- the scene ----

def scene():
    canvas = paint.vertical_gradient(HEIGHT, WIDTH, [
        (0.0, rgb(2, 4, 14)), (0.45, rgb(4, 12, 36)), (0.8, rgb(3, 20, 26)),
        (1.0, rgb(2, 10, 8))])
    xs, ys = paint.grid(HEIGHT, WIDTH)
    blue = paint.smooth_noise(HEIGHT, WIDTH, 5, seed=11) ** 2
    green = paint.smooth_noise(HEIGHT, WIDTH, 4, seed=23) ** 3
    band = np.exp(-((ys - 0.55 * xs - 40) / 110.0) ** 2)  # a faint milky band
    paint.add_light(canvas, rgb(20, 40, 110), blue * (0.35 + 0.5 * band))
    paint.add_light(canvas, rgb(10, 90, 60), green * 0.45 * (0.4 + band))
    paint.add_light(canvas, rgb(60, 20, 90), paint.smooth_noise(HEIGHT, WIDTH, 7, 5) ** 4 * 0.3)
    _stars(canvas, band)
    _vignette(canvas, xs, ys)
    return canvas


def _stars(canvas, band):
    rng = np.random.default_rng(2005)
    count = 900
    xs = rng.integers(EDGE_MARGIN + 3, WIDTH - EDGE_MARGIN - 3, count)
    ys = rng.integers(EDGE_MARGIN + 3, HEIGHT - EDGE_MARGIN - 3, count)
    brightness = rng.random(count) ** 6
    tints = [rgb(255, 255, 255), rgb(190, 210, 255), rgb(255, 240, 210), rgb(200, 255, 230)]
    points = np.zeros((HEIGHT, WIDTH, 3), dtype=np.float32)
    for x, y, b in zip(xs, ys, brightness):
        keep = b * (0.5 + band[y, x])
        points[y, x] += tints[rng.integers(len(tints))] * (0.25 + 1.6 * keep)
    halo = np.stack([paint.blur(points[..., c], 1.2) for c in range(3)], -1)
    canvas[...] = np.clip(canvas + points * 0.8 + halo * 1.6, 0, 1)
    for x, y in zip(xs[brightness > 0.55], ys[brightness > 0.55]):
        _flare(canvas, x, y)


def _flare(canvas, x, y):
    """A bright star's cross of light."""
    for length in range(1, 7):
        fade = 0.5 * (1 - length / 7) ** 2
        for dx, dy in ((length, 0), (-length, 0), (0, length), (0, -length)):
            canvas[y + dy, x + dx] = np.clip(canvas[y + dy, x + dx] + rgb(200, 220, 255) * fade, 0, 1)


def _vignette(canvas, xs, ys):
    dx = (xs - WIDTH / 2) / (WIDTH / 2)
    dy = (ys - HEIGHT / 2) / (HEIGHT / 2)
    canvas *= np.clip(1.05 - 0.35 * (dx * dx + dy * dy), 0.45, 1)[..., None]


# ---- the title ----

def title(canvas):
    face = paint.font("title", 62)
    lines = [("Zor", (26, 8)), ("van", (70, 52)), ("ta", (134, 96))]
    mask = np.zeros((HEIGHT, WIDTH), dtype=np.float32)
    for text, place in lines:
        mask = np.maximum(mask, paint.text_mask(WIDTH, HEIGHT, text, face, place))
    outline = paint.grow(mask, 2)
    paint.glow(canvas, outline, rgb(255, 40, 170), 9, 0.9)
    paint.over(canvas, rgb(90, 0, 50), outline)
    fill = paint.vertical_gradient(HEIGHT, WIDTH, [
        (0.0, rgb(255, 214, 240)), (0.12, rgb(255, 130, 205)), (0.35, rgb(240, 70, 170))])
    paint.over(canvas, fill, mask)
    shine = mask * paint.grow(mask, -2) * (1 - paint.blur(mask, 1.5))
    paint.add_light(canvas, rgb(255, 255, 255), shine * 0.6)


# ---- framed entries ----

def entries(canvas, areas):
    face = paint.font("entry", 15)
    for area in areas:
        if area.name in FRAMED_ENTRIES:
            _entry(canvas, area, area.caption, face)


def entry_frame(area):
    """The frame's corners, inset so that it lies inside the hot area."""
    return area.left + 1, area.top + 2, area.right - 1, area.bottom - 2


def _entry(canvas, area, text, face):
    x0, y0, x1, y1 = entry_frame(area)
    inside = canvas[y0 + 1:y1, x0 + 1:x1]
    shade = paint.vertical_gradient(y1 - y0 - 1, x1 - x0 - 1, [
        (0.0, rgb(40, 4, 14)), (1.0, rgb(10, 0, 6))])
    inside[...] = inside * 0.35 + shade * 0.5
    inside[0, :] = np.clip(inside[0, :] + rgb(60, 10, 16), 0, 1)
    middle = ((x0 + x1) / 2, (y0 + y1) / 2 + 1)
    letters = paint.text_mask(WIDTH, HEIGHT, text, face, middle, anchor="mm")
    letters = letters[y0 + 1:y1, x0 + 1:x1]
    paint.glow(inside, letters, rgb(255, 70, 10), 2.2, 2.2)
    paint.glow(inside, letters, rgb(255, 30, 0), 5, 1.2)
    paint.over(inside, rgb(255, 244, 228), letters)


def paint_entry_frames(pixels, areas):
    """Last, in the one exact colour the tests find them by."""
    for area in areas:
        if area.name in FRAMED_ENTRIES:
            x0, y0, x1, y1 = entry_frame(area)
            pixels[y0, x0:x1 + 1] = ENTRY_FRAME
            pixels[y1, x0:x1 + 1] = ENTRY_FRAME
            pixels[y0:y1 + 1, x0] = ENTRY_FRAME
            pixels[y0:y1 + 1, x1] = ENTRY_FRAME


# ---- the close mark ----

def close_mark(canvas, area):
    top = max(area.top, EDGE_MARGIN)
    right = min(area.right, WIDTH - 1 - EDGE_MARGIN)
    cx, cy = (area.left + right) / 2 + 1, top + 8
    arm = 6.0
    cross = paint.shape_mask(WIDTH, HEIGHT, lambda d, s: [
        d.line(s(cx - arm, cy - arm, cx + arm, cy + arm), fill=255, width=int(3.2 * 4)),
        d.line(s(cx - arm, cy + arm, cx + arm, cy - arm), fill=255, width=int(3.2 * 4))])
    disc = paint.shape_mask(WIDTH, HEIGHT, lambda d, s: d.ellipse(
        s(cx - 8.5, cy - 8.5, cx + 8.5, cy + 8.5), fill=255))
    paint.over(canvas, rgb(20, 2, 14), disc * 0.6)
    paint.add_light(canvas, rgb(255, 60, 120), paint.blur(cross, 2) * disc * 0.8)
    shading = paint.vertical_gradient(HEIGHT, WIDTH, [
        (0.0, rgb(255, 120, 200)), ((cy - arm) / HEIGHT, rgb(255, 120, 200)),
        ((cy + arm) / HEIGHT, rgb(255, 150, 30)), (1.0, rgb(255, 150, 30))])
    paint.over(canvas, shading, cross)
