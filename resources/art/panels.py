"""Pictures cut from the backdrops: the splash, the agreement's side picture, the default news
picture."""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import elements as el
import scenes
from marks import render_logo
from paint import Canvas, MaskPen


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
    """A tall view of its own: crystals climbing a cave wall under a hanging lantern."""
    rng = np.random.default_rng(6998)
    w, h = width * 2, height * 2
    c = Canvas(w, h)
    c.vertical_gradient([(0, '#03050a'), (0.45, '#0b1828'), (0.75, '#0f2434'), (1, '#02040a')])
    c.glow(w * 0.55, h * 0.78, 420, '#1f6a7a', 0.55, ry=320)
    lamp = (w * 0.66, h * 0.25)
    lights = [(w * 0.5, h * 0.82, '#6ee6f0', 1.4, 520), (lamp[0], lamp[1], '#ffb860', 1.3, 420)]
    far = MaskPen(w, h)
    far.polygon(el.roughen([(-10, h * 0.55), (w * 0.3, h * 0.6), (w * 0.7, h * 0.66), (w + 10, h * 0.62),
                            (w + 10, h + 10), (-10, h + 10)], rng, 6))
    el.lay_rock(c, rng, far.mask(), '#163040', lights, ambient=0.5, roundness=8, bump=0.3)
    el.mist(c, rng, h * 0.62, 60, '#2a6a7a', 0.35)
    wall = MaskPen(w, h)
    wall.polygon(el.roughen([(-10, -10), (w * 0.42, -10), (w * 0.3, h * 0.2), (w * 0.36, h * 0.42), (w * 0.22, h * 0.6),
                             (w * 0.3, h * 0.8), (w * 0.12, h + 10), (-10, h + 10)], rng, 8))
    wall.polygon(el.roughen([(w + 10, -10), (w * 0.8, -10), (w * 0.9, h * 0.12), (w + 10, h * 0.2)], rng, 6))
    pen = MaskPen(w, h)
    el.stalactites(pen, rng, 7, (w * 0.3, w), 0, (60, 220), (18, 44))
    el.lay_rock(c, rng, np.clip(wall.mask() + pen.mask(), 0, 1), '#0b1620', lights, ambient=0.25, roundness=14, bump=0.5)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, w * 0.55, h * 0.9, 7, 300, 50, 0.45, 0.05)
    el.crystal_cluster(pens, rng, w * 0.28, h * 0.74, 4, 120, 26, 0.6, 0.5)
    el.crystal_cluster(pens, rng, w * 0.86, h * 0.95, 3, 140, 30, 0.5, -0.4)
    el.lay_crystals(c, pens, '#6ee6f0', 0.9, 26)
    chain = MaskPen(w, h)
    chain.line([(lamp[0], 0), (lamp[0], lamp[1] - 16)], 2.5)
    chain.rect(lamp[0] - 9, lamp[1] - 16, lamp[0] + 9, lamp[1] + 12)
    c.over(np.array([0.03, 0.025, 0.02], dtype=np.float32), chain.mask())
    el.lantern(c, lamp[0], lamp[1], '#ffc060', 2.0, 1.0)
    el.particles(c, rng, 90, (0, h * 0.2, w, h * 0.9), '#9ff2ff', (0.6, 2.0), 0.8)
    # fade towards the foot, where the dialog's button bar begins
    t = np.clip((c.ys / h - 0.8) / 0.2, 0, 1)
    c.multiply(1 - 0.6 * t)
    return c.to_image(rng).resize((width, height), Image.LANCZOS)


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
