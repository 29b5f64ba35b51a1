"""Draws the menu's three pictures into app/assets.

    draw.py --design design.json --out app/assets [--preview folder]

design.json is what tools/design_dump prints: the hot areas in pixels.
"""

import argparse
import json
import os

import numpy as np
from PIL import Image

import background
import file_formats
import neon_figure
import paint
import portrait
import small_pictures
import vehicle


def read_hot_areas(path):
    with open(path, encoding="utf-8") as f:
        design = json.load(f)
    assert (design["width"], design["height"]) == (background.WIDTH, background.HEIGHT)
    return [background.HotArea(entry) for entry in design["hotAreas"]]


def keep_reserved_colours_unique(pixels):
    """Nudges any pixel that happens to have a colour the tests look for."""
    for colour in (background.ENTRY_FRAME, vehicle.MAKER_NAME):
        clash = np.all(pixels == colour, axis=-1)
        pixels[clash, 1] = np.where(pixels[clash, 1] > 0, pixels[clash, 1] - 1, 1)


def draw_background(areas):
    canvas = background.scene()
    background.title(canvas)
    neon_figure.neon_figure(canvas)
    portrait.portrait(canvas)
    name_area = background.hot_area(areas, "QuorrelButtons")
    vehicle.vehicle(canvas, name_area)
    background.entries(canvas, areas)
    background.close_mark(canvas, background.hot_area(areas, "CloseButton"))
    letters = vehicle.maker_name_letters(canvas.shape, name_area)
    pixels = np.array(paint.to_image(canvas))
    keep_reserved_colours_unique(pixels)
    pixels[letters >= 0.999] = vehicle.MAKER_NAME
    background.paint_entry_frames(pixels, areas)
    return Image.fromarray(pixels, "RGB")


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--design", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--preview", help="folder for PNG copies to look at")
    args = parser.parse_args()
    picture = draw_background(read_hot_areas(args.design))
    icon, icon_pictures = small_pictures.program_icon()
    write(os.path.join(args.out, "background.bmp"), file_formats.bmp_24(picture))
    write(os.path.join(args.out, "icon.ico"), icon)
    write(os.path.join(args.out, "hand.cur"), small_pictures.hand_cursor())
    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        picture.save(os.path.join(args.preview, "background.png"))
        for image, _ in icon_pictures:
            image.resize((96, 96), Image.NEAREST).save(
                os.path.join(args.preview, f"icon{image.size[0]}.png"))


if __name__ == "__main__":
    main()
