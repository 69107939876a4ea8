"""Pictures cut from the backdrops: the splash, the agreement's side picture, the default news
picture."""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import elements as el
import scenes
from marks import render_logo
from paint import Canvas


def splash():
    """The fallback backdrop: dark, quiet, a faint cold glow where the scenes have their light."""
    rng = np.random.default_rng(6999)
    c = Canvas(scenes.WIDTH, scenes.HEIGHT)
    c.vertical_gradient([(0, '#040509'), (0.5, '#0a1320'), (1, '#020305')])
    c.glow(640, 360, 520, '#0f3346', 0.5, ry=260)
    el.mist(c, rng, 420, 90, '#17384a', 0.3)
    el.particles(c, rng, 60, (100, 150, 1180, 600), '#9ff2ff', (0.4, 1.0), 0.5)
    el.frame_for_window(c)
    return c.to_image(rng)


def side_picture(width=218, height=636):
    """A tall slice of the crystal caves with the word mark's crystal glowing in it."""
    scene = scenes.render_scene(1, framed=False)
    scale = height / scene.height
    tall = scene.resize((int(scene.width * scale), height), Image.LANCZOS)
    x = int(175 * scale) - width // 2 + 10
    side = tall.crop((x, 0, x + width, height))
    # darken towards the dialog's body on the right so the edge reads as a border
    shade = Image.linear_gradient('L').rotate(90).resize((width, height))
    shade = shade.point(lambda v: int(255 - v * 0.45))
    side = Image.composite(side, Image.new('RGB', side.size, (0, 0, 0)), shade)
    return side


def default_news(width=252, height=142):
    """The news card's picture before its own arrives: the lake with the word mark."""
    scene = scenes.render_scene(2, framed=False)
    crop_h = int(scene.width * height / width * 0.62)
    top = 440 - crop_h // 2 - 30
    left = (scene.width - int(crop_h * width / height)) // 2
    pic = scene.crop((left, top, left + int(crop_h * width / height), top + crop_h)).resize((width, height), Image.LANCZOS)
    logo = render_logo(0.42)
    pic = pic.convert('RGBA')
    pic.alpha_composite(logo, ((width - logo.width) // 2, (height - logo.height) // 2 - 18))
    return pic.convert('RGB')


def render_all(out):
    splash().save(os.path.join(out, 'splash.jpg'), quality=86, optimize=True, progressive=True)
    side_picture().save(os.path.join(out, 'wizard_side_bgrd_en.jpg'), quality=90, optimize=True)
    news = default_news()
    for region in ('en', 'ru'):
        news.save(os.path.join(out, f'default_news_{region}.jpg'), quality=90, optimize=True)
