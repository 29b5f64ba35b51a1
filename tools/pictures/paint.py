"""Small painting kit on float RGB arrays (0..1): masks, gradients, glows."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4
FONT_FILES = {
    "title": "/usr/share/fonts/opentype/lobster/lobster.otf",
    "entry": "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
}


def rgb(r, g, b):
    return np.array([r, g, b], dtype=np.float32) / 255.0


def font(kind, size):
    return ImageFont.truetype(FONT_FILES[kind], size)


def shape_mask(width, height, draw_shapes, scale=SUPERSAMPLE):
    """An antialiased coverage mask: draw_shapes(draw, s) draws in white,
    with s scaling 1x coordinates to the supersampled canvas."""
    big = Image.new("L", (width * scale, height * scale), 0)
    draw_shapes(ImageDraw.Draw(big), lambda *v: [c * scale for c in v])
    small = big.resize((width, height), Image.BOX)
    return np.asarray(small, dtype=np.float32) / 255.0


def text_mask(width, height, text, face, position, anchor="la", stroke=0):
    image = Image.new("L", (width, height), 0)
    ImageDraw.Draw(image).text(position, text, font=face, fill=255, anchor=anchor,
                               stroke_width=stroke, stroke_fill=255)
    return np.asarray(image, dtype=np.float32) / 255.0


def blur(mask, sigma):
    """Separable Gaussian blur of a 2-D float array."""
    radius = max(1, int(3 * sigma))
    x = np.arange(-radius, radius + 1, dtype=np.float32)
    kernel = np.exp(-x * x / (2 * sigma * sigma))
    kernel /= kernel.sum()
    padded = np.pad(mask, radius, mode="constant")
    rows = np.apply_along_axis(lambda r: np.convolve(r, kernel, "valid"), 1, padded)
    return np.apply_along_axis(lambda c: np.convolve(c, kernel, "valid"), 0, rows)


def grow(mask, pixels):
    """Dilates (pixels > 0) or erodes (pixels < 0) a mask."""
    image = Image.fromarray(np.uint8(np.clip(mask, 0, 1) * 255))
    size = 2 * abs(pixels) + 1
    flt = ImageFilter.MaxFilter(size) if pixels > 0 else ImageFilter.MinFilter(size)
    return np.asarray(image.filter(flt), dtype=np.float32) / 255.0


def vertical_gradient(height, width, stops):
    """stops: [(position 0..1, colour)], top to bottom."""
    ys = np.linspace(0, 1, height, dtype=np.float32)
    positions = [p for p, _ in stops]
    channels = [np.interp(ys, positions, [c[i] for _, c in stops]) for i in range(3)]
    column = np.stack(channels, axis=-1).astype(np.float32)
    return np.repeat(column[:, None, :], width, axis=1)


def over(canvas, colour, alpha):
    """Paints colour (an RGB triple or an image) with coverage alpha."""
    a = np.clip(alpha, 0, 1)[..., None]
    canvas[...] = canvas * (1 - a) + colour * a


def add_light(canvas, colour, amount):
    """Adds light, as a glow does."""
    canvas[...] = np.clip(canvas + colour * np.clip(amount, 0, None)[..., None], 0, 1)


def glow(canvas, mask, colour, sigma, strength):
    add_light(canvas, colour, blur(mask, sigma) * strength)


def grid(height, width):
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float32)
    return xs, ys


def smooth_noise(height, width, cells, seed):
    """Soft random field in 0..1, cells across its width."""
    rng = np.random.default_rng(seed)
    rows = max(2, int(cells * height / width))
    coarse = rng.random((rows + 1, cells + 1)).astype(np.float32)
    image = Image.fromarray(coarse, mode="F").resize((width, height), Image.BICUBIC)
    field = np.asarray(image, dtype=np.float32)
    return (field - field.min()) / (field.max() - field.min() + 1e-6)


def shaded_body(xs, ys, centre, radii, exponent, light, gloss=60.0):
    """Coverage, diffuse and specular light of a rounded (superelliptic) body
    seen from the side, as if it bulged towards the viewer."""
    nx = (xs - centre[0]) / radii[0]
    ny = (ys - centre[1]) / radii[1]
    level = np.abs(nx) ** exponent + np.abs(ny) ** exponent
    coverage = np.clip((1.0 - level) * min(radii) / 1.5, 0, 1)
    depth = np.sqrt(np.clip(1.0 - level, 0, 1))
    gy, gx = np.gradient(depth)
    normal = np.stack([-gx * radii[0] * 0.6, -gy * radii[1] * 0.6, np.ones_like(depth)], -1)
    normal /= np.linalg.norm(normal, axis=-1, keepdims=True)
    to_light = np.asarray(light, dtype=np.float32)
    to_light /= np.linalg.norm(to_light)
    diffuse = np.clip(normal @ to_light, 0, 1)
    half = to_light + np.array([0, 0, 1], dtype=np.float32)
    half /= np.linalg.norm(half)
    specular = np.clip(normal @ half, 0, 1) ** gloss
    return coverage, diffuse, specular


def to_image(canvas):
    return Image.fromarray(np.uint8(np.clip(canvas, 0, 1) * 255 + 0.5), "RGB")


def smooth_curve(points, closed=True, steps=8):
    """A Catmull-Rom curve through points, as a flat list of coordinates for
    ImageDraw.polygon, so that outlines of bodies have no corners."""
    count = len(points)
    ends = count if closed else count - 1
    flat = []
    for i in range(ends):
        p0, p1 = points[i - 1 if closed or i > 0 else 0], points[i]
        p2 = points[(i + 1) % count]
        p3 = points[(i + 2) % count] if closed or i + 2 < count else p2
        for step in range(steps):
            t = step / steps
            for k in range(2):
                flat.append(0.5 * (2 * p1[k] + (p2[k] - p0[k]) * t
                                   + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t * t
                                   + (3 * p1[k] - p0[k] - 3 * p2[k] + p3[k]) * t ** 3))
    if not closed:
        flat.extend(points[-1])
    return flat
