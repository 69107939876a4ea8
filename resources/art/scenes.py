"""The twelve backdrops of the main window: twelve places of the one world of Glimmerdeep.

Each scene paints back to front: the far air and light, distant stone, the things that give
the place its name, near stone framing the view, motes in the air, then the finishing every
backdrop shares (calm header band, dark lower quarter, vignette).
"""

import math

import numpy as np

import elements as el
from paint import Canvas, MaskPen, blur, fbm, mix, profile_mask, rgb

WIDTH, HEIGHT = 1280, 720


def crystal_caves(c, rng):
    """A cavern lit from within by clusters of cyan crystal."""
    c.vertical_gradient([(0, '#03050a'), (0.35, '#091522'), (0.62, '#0d2232'), (1, '#03050a')])
    c.glow(760, 400, 460, '#0f4a5c', 0.6, ry=250)
    c.glow(760, 420, 170, '#3fc6d6', 0.35)
    centre = (760, 440, '#5fe0ec', 1.4, 520)
    lights = [centre, (180, 560, '#6ee6f0', 1.1, 300), (1110, 540, '#6ee6f0', 1.0, 300)]
    # far hall: ceiling with a curtain of stalactites, a rolling floor
    far = el.ground(c, rng, 475, 30, 220) + el.ceiling(c, rng, 175, 45, 200)
    pen = MaskPen(c.w, c.h)
    el.stalactites(pen, rng, 30, (150, 1150), 165, (20, 130), (10, 36))
    far = np.clip(far + pen.mask(), 0, 1)
    el.lay_rock(c, rng, far, '#1a3c4e', [(760, 380, '#4fc4d4', 0.6, 600)], ambient=0.75, roundness=5, bump=0.15, texture=0.15)
    el.mist(c, rng, 455, 50, '#1d5566', 0.4)
    el.mist(c, rng, 250, 80, '#12384a', 0.25)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, 760, 478, 8, 130, 26, 0.7)
    el.crystal_cluster(pens, rng, 905, 486, 4, 70, 18, 0.8, 0.3)
    el.crystal_cluster(pens, rng, 612, 490, 4, 55, 15, 0.8, -0.3)
    el.lay_crystals(c, pens, '#56d8e6', 0.8, 16)
    c.glow(760, 490, 200, '#4fd4e2', 0.25, ry=22)
    # the walls of the nearer chamber frame the hall
    pen = MaskPen(c.w, c.h)
    pen.polygon(el.roughen([(0, 0), (300, 0), (260, 90), (210, 200), (236, 330), (170, 460), (190, 560),
                            (0, 620)], rng, 5))
    pen.polygon(el.roughen([(1280, 0), (1010, 0), (1060, 120), (1020, 260), (1090, 380), (1070, 480),
                            (1280, 560)], rng, 5))
    el.stalactites(pen, rng, 12, (250, 1060), 0, (40, 170), (20, 56))
    mid = np.clip(pen.mask() + el.ceiling(c, rng, 30, 20, 160) + el.ground(c, rng, 575, 25, 140), 0, 1)
    el.lay_rock(c, rng, mid, '#0a1720', lights, ambient=0.22, roundness=14, bump=0.5)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, 175, 600, 6, 180, 34, 0.55, 0.25)
    el.crystal_cluster(pens, rng, 1112, 578, 5, 150, 30, 0.5, -0.3)
    el.crystal_cluster(pens, rng, 470, 606, 3, 60, 16, 0.6)
    el.lay_crystals(c, pens, '#6ee6f0', 1.0, 20)
    pens = el.crystal_pens(c)
    for x, y in ((300, 190), (990, 150), (1040, 200)):
        el.crystal(pens, x, y, math.pi + rng.uniform(-0.25, 0.25), rng.uniform(40, 70), rng.uniform(11, 16))
    el.lay_crystals(c, pens, '#9a86f4', 0.45, 12, 0.75)
    near = el.ground(c, rng, 660, 30, 120)
    el.lay_rock(c, rng, near, '#060b10', lights, ambient=0.15, roundness=10)
    el.particles(c, rng, 140, (80, 200, 1200, 620), '#9ff2ff', (0.4, 1.3), 0.9)


def underground_lake(c, rng):
    """A still black lake under a ceiling of stalactites; a lantern boat far out."""
    horizon = 440
    c.vertical_gradient([(0, '#04050b'), (0.35, '#0a1228'), (0.6, '#1c3050'), (1, '#050810')])
    c.glow(640, horizon - 30, 560, '#1c4c6c', 0.6, ry=170)
    c.glow(640, horizon - 10, 200, '#7fdbe8', 0.22, ry=60)
    glow = (640, horizon - 40, '#7fd0e8', 0.9, 700)
    far = el.ground(c, rng, horizon - 22, 18, 80)
    el.lay_rock(c, rng, far * (c.ys < horizon), '#22405c', [glow], ambient=0.7, roundness=3, bump=0.1)
    el.mist(c, rng, horizon - 14, 22, '#5d9cc0', 0.35, 260)
    pen = MaskPen(c.w, c.h)
    pen.polygon(el.roughen([(-10, horizon - 150), (90, horizon - 185), (200, horizon - 120), (330, horizon - 44),
                            (430, horizon + 2), (-10, horizon + 2)], rng, 3))
    pen.polygon(el.roughen([(1290, horizon - 230), (1150, horizon - 250), (1040, horizon - 160),
                            (930, horizon - 70), (850, horizon + 2), (1290, horizon + 2)], rng, 3))
    el.lay_rock(c, rng, pen.mask(), '#0e1b2c', [glow], ambient=0.3, roundness=10, bump=0.4)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, 262, horizon - 1, 5, 56, 13, 0.7, 0.2)
    el.crystal_cluster(pens, rng, 1005, horizon - 1, 4, 48, 12, 0.7, -0.2)
    el.lay_crystals(c, pens, '#5fd6e4', 0.6, 12)
    ceil = el.ceiling(c, rng, 115, 35, 200)
    pen = MaskPen(c.w, c.h)
    el.stalactites(pen, rng, 46, (0, 1280), 105, (20, 190), (8, 34))
    ceil = np.clip(ceil + pen.mask(), 0, 1)
    el.lay_rock(c, rng, ceil, '#0a1424', [(640, horizon, '#5aa8cc', 0.8, 700)], ambient=0.35, roundness=8)
    # a small boat with its lantern, far out on the water
    boat = MaskPen(c.w, c.h)
    boat.polygon([(700, horizon + 5), (762, horizon + 5), (752, horizon + 12), (710, horizon + 12)])
    boat.line([(740, horizon + 5), (740, horizon - 16)], 1.4)
    boat.ellipse(726, horizon + 1, 3, 5)
    c.over(rgb('#030508'), boat.mask())
    el.lantern(c, 740, horizon - 18, '#ffc45c', 0.7)
    el.reflect(c, rng, horizon, 0.45, 3.5)
    c.glow(740, horizon + 40, 10, '#ffc45c', 0.35, ry=60)
    el.particles(c, rng, 70, (0, 150, 1280, horizon - 20), '#a8e6ff', (0.4, 1.1), 0.7)


def lantern_mine(c, rng):
    """A timbered mine gallery running into the dark, lanterns on every other frame."""
    vx, vy = 700, 370
    c.vertical_gradient([(0, '#0b0806'), (0.5, '#140e09'), (1, '#050403')])
    depth = np.sqrt(((c.xs - vx) / 1.3) ** 2 + (c.ys - vy) ** 2)
    tunnel = np.clip(1 - depth / 900, 0, 1)
    frames, lights = [], []
    for i in range(9):
        z = 0.9 ** (i * 2.2)
        hw, top, bottom = 560 * z, vy - 330 * z, vy + 380 * z
        frames.append((z, hw, top, bottom))
        if i % 2 == 0 and i < 8:
            side = 1 if i % 4 == 0 else -1
            lights.append((vx + side * (hw - 40 * z * 2.2), top + 40 * z * 2.6, z))
    rock_lights = [(x, y, '#ffa850', 2.2 * z + 0.4, 520 * z + 80) for x, y, z in lights]
    walls = np.ones((c.h, c.w), dtype=np.float32)
    el.lay_rock(c, rng, walls, '#4a3322', rock_lights, ambient=0.22, roundness=2, bump=0.8, cell=70, texture=0.45)
    c.multiply(0.25 + 0.75 * tunnel ** 1.3)
    hole = MaskPen(c.w, c.h)
    hole.ellipse(vx, vy + 8, 30, 38)
    c.over(rgb('#020202'), blur(hole.mask(), 8))
    grain = 0.7 + 0.6 * fbm(rng, c.w, c.h, 5, octaves=3)
    sleepers = MaskPen(c.w, c.h)
    for i in range(16):
        z = 0.87 ** (i * 1.5)
        y = vy + 34 + 390 * z
        sleepers.polygon(el.roughen([(vx - 300 * z, y), (vx + 300 * z, y), (vx + 310 * z, y + 22 * z),
                                     (vx - 310 * z, y + 22 * z)], rng, 0.8 * z, 8))
    m = sleepers.mask()
    c.over(rgb('#3a2614')[None, None, :] * (grain * (0.15 + 0.7 * tunnel))[..., None], m)
    el.lay_rock(c, rng, m, '#000000', rock_lights, ambient=0, roundness=2, bump=0.2, cell=20, lit_only=True)
    rails = MaskPen(c.w, c.h)
    for side in (-1, 1):
        for g in (70, 140):
            rails.line([(vx + side * g * 0.05, vy + 34), (vx + side * g * 2.7, c.h + 40)], 5)
    c.over(rgb('#5a5048') * (0.2 + 0.8 * tunnel[..., None]), rails.mask())
    for k, (z, hw, top, bottom) in enumerate(reversed(frames)):
        timber = MaskPen(c.w, c.h)
        post = 40 * z
        x0, x1 = vx - hw, vx + hw
        lean = rng.uniform(-6, 6) * z
        timber.polygon(el.roughen([(x0 + lean, top), (x0 + post + lean, top), (x0 + post, bottom), (x0, bottom)], rng, 1.2 * z, 9))
        timber.polygon(el.roughen([(x1 - post, top), (x1 - lean * 0.5, top), (x1, bottom), (x1 - post, bottom)], rng, 1.2 * z, 9))
        timber.polygon(el.roughen([(x0 - 14 * z, top - post * 0.9), (x1 + 14 * z, top - post * 0.9 + lean),
                                   (x1 + 14 * z, top + post * 0.35 + lean), (x0 - 14 * z, top + post * 0.35)], rng, 1.2 * z, 9))
        timber.polygon([(x0 + post, top + post * 0.3), (x0 + post * 3.4, top + post * 0.3), (x0 + post, top + post * 2.6)])
        timber.polygon([(x1 - post, top + post * 0.3), (x1 - post * 3.4, top + post * 0.3), (x1 - post, top + post * 2.6)])
        m = timber.mask()
        near = 0.2 + 0.8 * z ** 0.6
        c.over(rgb('#4a2e16')[None, None, :] * (grain * 0.35 * near)[..., None], m)
        el.lay_rock(c, rng, m, '#000000', rock_lights, ambient=0, roundness=4 * z + 1, bump=0.3, cell=14, lit_only=True)
    for x, y, z in lights:
        chain = MaskPen(c.w, c.h)
        chain.line([(x, y - 32 * z), (x, y - 4 * z)], max(1.0, 2 * z))
        c.over(rgb('#080604'), chain.mask())
        el.lantern(c, x, y, '#ffbf55', 1.8 * z + 0.35, 1.0)
    el.particles(c, rng, 90, (200, 80, 1200, 620), '#ffcf8a', (0.4, 1.2), 0.5)
    el.mist(c, rng, vy + 40, 70, '#6a4022', 0.16)


def chasm_bridge(c, rng):
    """A rope bridge over a chasm whose depths glow; daylight falls through a crack above."""
    c.vertical_gradient([(0, '#05060a'), (0.3, '#0d1420'), (0.6, '#12222c'), (1, '#020304')])
    c.glow(640, 560, 300, '#2c8f8a', 0.45, ry=160)
    c.glow(640, 620, 120, '#c8d63f', 0.18, ry=60)
    el.light_rays(c, rng, (610, 0), 8, 7, 700, 9, '#cfe6f0', 0.34, (10, 34))
    # far walls of the chasm, fading into its mist
    for depth, (lx, rx, col) in enumerate(((520, 760, '#1a2c38'), (430, 850, '#132430'))):
        pen = MaskPen(c.w, c.h)
        pen.polygon(el.roughen([(-10, -10), (lx, -10), (lx - 30, 200), (lx + 20, 420), (lx - 10, 730), (-10, 730)], rng, 6))
        pen.polygon(el.roughen([(1290, -10), (rx, -10), (rx + 40, 220), (rx - 10, 430), (rx + 20, 730), (1290, 730)], rng, 6))
        el.lay_rock(c, rng, pen.mask(), col, [(640, 560, '#3fb0a8', 0.7, 500), (610, 0, '#9fc6d6', 0.5, 500)],
                    ambient=0.7 - depth * 0.2, roundness=8, bump=0.3)
        el.mist(c, rng, 470 + depth * 60, 80, '#1d4a50', 0.25)
    # the near cliffs the bridge hangs between
    pen = MaskPen(c.w, c.h)
    pen.polygon(el.roughen([(-10, -10), (250, -10), (300, 150), (330, 352), (300, 420), (340, 560), (250, 730),
                            (-10, 730)], rng, 5))
    pen.polygon(el.roughen([(1290, -10), (1030, -10), (1000, 170), (960, 346), (1000, 430), (960, 600),
                            (1040, 730), (1290, 730)], rng, 5))
    ends = [(330, 352), (960, 346)]
    lights = [(334, 322, '#ffb860', 1.6, 260), (956, 316, '#ffb860', 1.6, 260), (640, 560, '#3fb0a8', 0.8, 420)]
    el.lay_rock(c, rng, pen.mask(), '#0c1014', lights, ambient=0.25, roundness=12, bump=0.5)
    # the bridge: a sagging walkway of planks under two hand ropes
    bridge = MaskPen(c.w, c.h)
    (x0, y0), (x1, y1) = ends
    def walk(t, sag):
        return x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + sag * 4 * t * (1 - t)
    for i in range(70):
        t = (i + 0.5) / 70
        x, y = walk(t, 52)
        bridge.rect(x - 3.2, y - 1, x + 3.2, y + 3.5)
    for sag, lift in ((52, 0), (40, -30)):
        pts = [walk(t / 60, sag) for t in range(61)]
        bridge.line([(x, y + lift) for x, y in pts], 1.5)
    for t in np.linspace(0, 1, 15):
        x, y = walk(t, 52)
        xt, yt = walk(t, 40)
        bridge.line([(x, y), (xt, yt - 30)], 1.0)
    for x, y in ends:
        bridge.rect(x - 3, y - 44, x + 3, y + 4)
    c.over(np.array([0.02, 0.025, 0.03], dtype=np.float32), bridge.mask())
    for x, y, *_ in lights[:2]:
        el.lantern(c, x, y, '#ffc060', 0.9)
    el.particles(c, rng, 110, (420, 40, 860, 560), '#dff4ff', (0.4, 1.1), 0.6)
    el.particles(c, rng, 40, (450, 420, 830, 620), '#c8d63f', (0.5, 1.2), 0.5)


def ruins(c, rng):
    """The colonnade of a sunken temple around a rune circle that still glows."""
    cx, cy = 640, 505
    c.vertical_gradient([(0, '#07050d'), (0.4, '#160f26'), (0.65, '#1e1634'), (1, '#040308')])
    c.glow(cx, cy - 80, 520, '#3a2a66', 0.5, ry=260)
    rune = (cx, cy - 30, '#c8d63f', 1.6, 520)
    far_light = (cx, 300, '#8a78d8', 0.8, 700)
    def colonnade(pen, count, spacing, base, height, width, broken_every):
        for k in range(count):
            for side in (-1, 1):
                x = cx + side * (spacing * (k + 0.5))
                h = height * (1 - 0.04 * k)
                top = base - h
                if broken_every and (k + (side > 0)) % broken_every == 0:
                    top = base - h * rng.uniform(0.45, 0.75)
                    pen.polygon(el.roughen([(x - width / 2, base), (x - width / 2, top + rng.uniform(0, 12)),
                                            (x - width / 6, top - 10), (x + width / 4, top + 6),
                                            (x + width / 2, top - 4), (x + width / 2, base)], rng, 1.5, 5))
                else:
                    pen.rect(x - width / 2, top, x + width / 2, base)
                    pen.rect(x - width * 0.72, top - width * 0.3, x + width * 0.72, top + 2)
                    pen.rect(x - width * 0.72, base - width * 0.25, x + width * 0.72, base)
    # the far arcade: a wall pierced by round-headed openings between its columns
    wall = np.zeros((c.h, c.w), dtype=np.float32)
    wall[150:432] = 1
    openings = MaskPen(c.w, c.h)
    for k in range(-6, 6):
        xa = cx + 120 * k + 60
        openings.rect(xa - 44, 236, xa + 44, 426)
        openings.ellipse(xa, 236, 44, 40)
    m = np.clip(wall - openings.mask(), 0, 1)
    cornice = MaskPen(c.w, c.h)
    cornice.rect(0, 140, 1280, 156)
    cornice.rect(0, 420, 1280, 436)
    m = np.clip(m + cornice.mask(), 0, 1)
    el.lay_rock(c, rng, m, '#2a2244', [far_light, rune], ambient=0.55, roundness=3, bump=0.2)
    el.mist(c, rng, 420, 60, '#4a3a7a', 0.3)
    floor = el.ground(c, rng, 436, 2, 300)
    el.lay_rock(c, rng, floor, '#1a1428', [rune], ambient=0.4, roundness=3, bump=0.3)
    tiles = MaskPen(c.w, c.h)
    for k in range(-9, 10):
        tiles.line([(cx + k * 60, 436), (cx + k * 260, 760)], 1.2)
    for y in (450, 470, 498, 540, 600, 680):
        tiles.line([(0, y), (1280, y)], 1.0)
    c.multiply(1 - tiles.mask() * 0.5)
    el.mist(c, rng, 440, 18, '#4a3a7a', 0.35)
    # the rune circle on the floor
    rp = MaskPen(c.w, c.h)
    rp.ellipse(cx, cy, 200, 42)
    inner = MaskPen(c.w, c.h)
    inner.ellipse(cx, cy, 195, 39)
    glyphs = MaskPen(c.w, c.h)
    for k in range(18):
        a = 2 * np.pi * k / 18
        gx, gy = cx + np.cos(a) * 168, cy + np.sin(a) * 33
        glyphs.rect(gx - 4, gy - 1.2, gx + 4, gy + 1.2)
    glyphs.ellipse(cx, cy, 70, 14)
    hole = MaskPen(c.w, c.h)
    hole.ellipse(cx, cy, 66, 12)
    runes = np.clip(rp.mask() - inner.mask(), 0, 1) + glyphs.mask() - hole.mask()
    runes = np.clip(runes, 0, 1)
    c.add(el.rgb('#e8f08a'), runes, 1.0)
    c.add(el.rgb('#c8d63f'), blur(runes, 6), 1.2)
    c.add(el.rgb('#c8d63f'), blur(runes, 30), 0.8)
    el.light_rays(c, rng, (cx, cy), 180, 14, 420, 10, '#c8d63f', 0.12, (20, 60))
    # the near colonnade, lit from the circle
    near = MaskPen(c.w, c.h)
    colonnade(near, 3, 330, 700, 640, 70, 2)
    el.lay_rock(c, rng, near.mask(), '#1c1826', [rune, far_light], ambient=0.25, roundness=10, bump=0.4)
    el.particles(c, rng, 90, (250, 200, 1030, 560), '#e6f09a', (0.4, 1.2), 0.7)


def fungus_forest(c, rng):
    """A forest of giant fungi whose gills glow lime and cyan; spores drift in the mist."""
    c.vertical_gradient([(0, '#05040a'), (0.35, '#110c22'), (0.62, '#16213a'), (1, '#030306')])
    c.glow(700, 430, 520, '#1f3a5a', 0.5, ry=220)
    el.mist(c, rng, 430, 70, '#3a4f7a', 0.35)
    layers = [
        (14, (380, 470), (60, 150), (40, 90), '#1a2540', 0.75, '#7fe0e8', 0.6),
        (9, (470, 560), (140, 260), (80, 150), '#121a30', 0.45, '#a8c83a', 0.6),
        (4, (600, 700), (300, 470), (160, 260), '#0a0f1c', 0.25, '#b4d040', 0.7),
    ]
    for count, (ylo, yhi), (hlo, hhi), (wlo, whi), col, ambient, glow_col, glow in layers:
        stems, caps, gills = MaskPen(c.w, c.h), MaskPen(c.w, c.h), MaskPen(c.w, c.h)
        tops = []
        xs = np.sort(rng.uniform(-40, 1320, count))
        for x in xs:
            if count == 4 and 380 < x < 900:
                x = 380 if x < 640 else 900
            tops.append(el.mushroom(stems, caps, gills, x, rng.uniform(ylo, yhi), rng.uniform(hlo, hhi),
                                    rng.uniform(wlo, whi), rng.uniform(-0.25, 0.25)))
        lights = [(tx, ty + 10, glow_col, glow, 260) for tx, ty in tops]
        body = np.clip(stems.mask() + caps.mask(), 0, 1)
        el.lay_rock(c, rng, body, col, lights, ambient=ambient, roundness=6, bump=0.25, cell=40)
        g = gills.mask()
        c.add(el.rgb(glow_col), g, 0.6 * glow)
        c.add(el.rgb(glow_col), blur(g, 10), 0.9 * glow)
        c.add(el.rgb(glow_col), blur(g, 40), 0.35 * glow)
        # glowing spots on the caps
        spots = MaskPen(c.w, c.h)
        for tx, ty in tops:
            for _ in range(5):
                spots.ellipse(tx + rng.normal(0, 18), ty - rng.uniform(4, 22), rng.uniform(1, 3), rng.uniform(1, 2.2))
        c.add(el.rgb('#9ff2ff'), spots.mask() * caps.mask(), 0.7)
        el.mist(c, rng, ylo + 30, 50, '#2a3a6a', 0.18)
    el.particles(c, rng, 160, (0, 120, 1280, 640), '#d8ec6a', (0.5, 1.6), 0.8)


def streaks(rng, w, h, stretch, cell):
    """Noise drawn out downwards: falling water, hanging ice."""
    n = fbm(rng, w, max(4, h // stretch), cell, octaves=3)
    from PIL import Image
    return np.asarray(Image.fromarray(n, 'F').resize((w, h), Image.BICUBIC), dtype=np.float32)


def waterfall_cavern(c, rng):
    """An underground river pours from a high opening into a misty pool."""
    fx, top, pool = 560, 150, 470
    c.vertical_gradient([(0, '#04060a'), (0.35, '#0b1820'), (0.62, '#13262c'), (1, '#030506')])
    c.glow(fx, top + 20, 260, '#7ab8c8', 0.35, ry=140)
    el.light_rays(c, rng, (fx, top), 4, 10, 560, 8, '#cfe8f0', 0.16, (12, 40))
    light = (fx, top + 40, '#a8dce8', 1.0, 600)
    mist_light = (fx, pool, '#8fd0dc', 1.2, 360)
    back = MaskPen(c.w, c.h)
    back.polygon(el.roughen([(-10, -10), (1290, -10), (1290, 520), (980, 470), (760, 480), (fx + 70, top + 10),
                             (fx + 36, top - 30), (fx - 40, top - 24), (fx - 70, top + 20), (300, 480), (-10, 500)], rng, 5))
    el.lay_rock(c, rng, back.mask(), '#14262c', [light, mist_light], ambient=0.45, roundness=10, bump=0.45)
    # the falling water
    shape = MaskPen(c.w, c.h)
    shape.polygon([(fx - 34, top - 10), (fx + 30, top - 10), (fx + 58, pool), (fx - 60, pool)])
    sm = blur(shape.mask(), 2)
    water = streaks(rng, c.w, c.h, 10, 5)
    water = np.clip((water - 0.35) * 2.2, 0, 1)
    c.over(el.rgb('#0c2a34'), sm * 0.8)
    c.add(el.rgb('#bfe6f0'), sm * water, 0.9)
    c.add(el.rgb('#9fd4e0'), blur(sm, 14), 0.25)
    # foam and spray where it lands
    spray = c.radial(fx, pool, 150, 34)
    c.add(el.rgb('#cfeef4'), spray * np.clip(fbm(rng, c.w, c.h, 40, 4) * 1.4, 0, 1), 0.6)
    el.mist(c, rng, pool - 10, 40, '#7fb8c4', 0.35)
    # pool and banks
    pools = MaskPen(c.w, c.h)
    pools.rect(0, pool, 1280, 720)
    c.over(el.rgb('#050b0e'), pools.mask())
    el.reflect(c, rng, pool, 0.6, 4)
    el.mist(c, rng, pool + 2, 12, '#6fa8b8', 0.4, 120)
    banks = MaskPen(c.w, c.h)
    banks.polygon(el.roughen([(-10, 420), (180, 430), (330, 500), (420, 560), (380, 730), (-10, 730)], rng, 4))
    banks.polygon(el.roughen([(1290, 380), (1080, 400), (900, 500), (780, 600), (820, 730), (1290, 730)], rng, 4))
    el.lay_rock(c, rng, banks.mask(), '#0a1216', [mist_light, light], ambient=0.25, roundness=12, bump=0.5)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, 1010, 440, 5, 90, 20, 0.6, -0.2)
    el.crystal_cluster(pens, rng, 150, 460, 4, 70, 16, 0.6, 0.25)
    el.lay_crystals(c, pens, '#a8d048', 0.35, 14, 0.8)
    el.particles(c, rng, 120, (fx - 220, 300, fx + 220, pool + 20), '#e4f6fa', (0.4, 1.1), 0.6)


def magma_depths(c, rng):
    """Basalt columns over a river of molten rock; embers rise through the smoke."""
    c.vertical_gradient([(0, '#050303'), (0.4, '#160a07'), (0.62, '#26100a'), (1, '#040202')])
    c.glow(640, 430, 560, '#6a2208', 0.6, ry=170)
    far = el.ground(c, rng, 335, 45, 170)
    el.lay_rock(c, rng, far, '#2a1610', [(640, 430, '#ff7a30', 1.0, 520)], ambient=0.3, roundness=6, bump=0.3)
    el.mist(c, rng, 392, 26, '#7a2a10', 0.45)
    # the river winds out of the far dark towards us
    river = MaskPen(c.w, c.h)
    left, right = [], []
    for i in range(50):
        t = i / 49
        y = 398 + 300 * t ** 1.5
        x = 640 + 150 * np.sin(t * 4.0 + 0.6) * t
        w = 4 + 260 * t ** 1.6
        left.append((x - w, y))
        right.append((x + w, y))
    river.polygon(left + right[::-1])
    rm = blur(river.mask(), 1.2)
    crust = fbm(rng, c.w, c.h, 22, 5)
    cracks = np.clip(1 - np.abs(crust - 0.5) * 7, 0, 1)
    hot = np.clip((fbm(rng, c.w, c.h, 60, 3) - 0.35) * 2.5, 0, 1)
    lava = (el.rgb('#b8300a')[None, None, :] * (0.5 + 0.5 * hot)[..., None]
            + el.rgb('#ffb040')[None, None, :] * (cracks * (0.4 + 0.6 * hot))[..., None]
            + el.rgb('#fff0a0')[None, None, :] * (cracks * hot ** 2)[..., None] * 0.6)
    c.over(lava, rm)
    c.add(el.rgb('#ff5a14'), blur(rm, 14), 0.5)
    c.add(el.rgb('#ff6a1a'), blur(rm, 50), 0.35)
    lights = [(640, 420, '#ff8a3a', 1.2, 380), (700, 520, '#ff7a2a', 1.6, 420), (560, 640, '#ff6a20', 1.4, 420)]
    ground = el.ground(c, rng, 398, 5, 300)
    el.lay_rock(c, rng, np.clip(ground - rm, 0, 1), '#1c1310', lights, ambient=0.18, roundness=6, bump=0.6, cell=50)
    el.mist(c, rng, 404, 14, '#ff6a20', 0.25)
    # basalt columns standing in ranks on both banks, their tops catching the glow
    for side in (-1, 1):
        x = 640 + side * 260
        k = 0
        while -40 < x < 1320:
            d = abs(x - 640) / 640
            w = (22 + 34 * d) * rng.uniform(0.85, 1.15)
            h = (50 + 380 * d ** 1.3) * rng.uniform(0.75, 1.1)
            base = 412 + 110 * d
            top = base - h
            column = MaskPen(c.w, c.h)
            column.polygon([(x - w / 2, base + 60), (x - w / 2, top), (x - w / 4, top - w * 0.16),
                            (x + w / 4, top - w * 0.16), (x + w / 2, top), (x + w / 2, base + 60)])
            m = column.mask()
            el.lay_rock(c, rng, m, '#221816', lights, ambient=0.14, roundness=max(2.0, w / 6), bump=0.25, cell=24)
            cap = MaskPen(c.w, c.h)
            cap.polygon([(x - w / 2, top), (x - w / 4, top - w * 0.16), (x + w / 4, top - w * 0.16), (x + w / 2, top),
                         (x + w / 4, top + w * 0.1), (x - w / 4, top + w * 0.1)])
            c.add(el.rgb('#ff9a50'), cap.mask() * float(np.exp(-((d - 0.3) / 0.6) ** 2)), 0.3)
            x += side * w * rng.uniform(1.0, 1.35)
            k += 1
    smoke = fbm(rng, c.w, c.h, 160, 4)
    c.add(el.rgb('#3a160c'), np.clip(smoke - 0.42, 0, 1) * c.radial(640, 320, 700, 260), 0.9)
    el.particles(c, rng, 160, (380, 130, 900, 560), '#ffae50', (0.5, 1.5), 0.9)


def sky_well(c, rng):
    """A shaft opens far above; a slanting column of daylight falls onto a mossy mound."""
    hx, hy = 470, 100
    gx, gy = 720, 500
    c.vertical_gradient([(0, '#040605'), (0.4, '#0a1411'), (0.65, '#101c16'), (1, '#030403')])
    shaft = (hx + 80, hy + 120, '#e8f2dc', 1.3, 520)
    pool = (gx, gy - 30, '#d8ecc0', 1.2, 380)
    walls = np.ones((c.h, c.w), dtype=np.float32)
    el.lay_rock(c, rng, walls, '#18221c', [shaft, pool], ambient=0.28, roundness=2, bump=0.9, cell=100)
    cave = MaskPen(c.w, c.h)
    cave.polygon(el.roughen([(120, 730), (170, 470), (250, 290), (380, 170), (620, 130), (900, 150),
                             (1080, 260), (1170, 450), (1210, 730)], rng, 10))
    back = blur(cave.mask(), 6)
    depth_shade = el.rgb('#0d1a15')[None, None, :] * (0.6 + 0.9 * c.radial(gx, 380, 420, 300))[..., None]
    c.over(depth_shade, back * 0.9)
    el.lay_rock(c, rng, back, '#000000', [shaft, pool], ambient=0, roundness=20, bump=0.5, lit_only=True)
    # the opening: a ragged crack of sky, its rim lit by the daylight
    opening = MaskPen(c.w, c.h)
    crack = [(hx - 120, hy + 30), (hx - 70, hy + 4), (hx - 30, hy - 8), (hx + 20, hy - 16), (hx + 80, hy - 10),
             (hx + 130, hy + 4), (hx + 90, hy + 10), (hx + 40, hy + 22), (hx - 10, hy + 20), (hx - 60, hy + 28)]
    opening.polygon(el.roughen(crack, rng, 2.5, 4))
    om = blur(opening.mask(), 1.0)
    rim = np.clip(blur(om, 6) - om, 0, 1)
    c.add(el.rgb('#b8c8b0'), rim, 0.9)
    sky = el.rgb('#dfeee8')[None, None, :] * (0.85 + 0.15 * c.radial(hx, hy, 120, 20))[..., None]
    c.over(sky, om)
    c.glow(hx + 10, hy + 6, 160, '#cfe4d8', 0.35, ry=50)
    el.light_rays(c, rng, (hx + 10, hy + 6), -26, 6, 560, 18, '#f0f6e0', 0.5, (20, 48))
    # the mound in the light, grown over with moss, a young crystal on top
    mound = MaskPen(c.w, c.h)
    mound.polygon(el.roughen([(gx - 260, gy + 60), (gx - 160, gy + 10), (gx - 60, gy - 12), (gx + 70, gy - 8),
                              (gx + 180, gy + 20), (gx + 280, gy + 70), (gx + 300, 730), (gx - 280, 730)], rng, 4))
    mm = mound.mask()
    el.lay_rock(c, rng, mm, '#1e2a1e', [pool, shaft], ambient=0.3, roundness=16, bump=0.5)
    moss = np.clip(fbm(rng, c.w, c.h, 14, 4) - 0.45, 0, 1) * 2 * mm * c.radial(gx, gy, 260, 90)
    c.add(el.rgb('#7aa040'), moss, 0.5)
    c.glow(gx, gy - 4, 190, '#e8f4d8', 0.3, ry=26)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, gx + 10, gy - 6, 6, 74, 15, 0.5)
    el.lay_crystals(c, pens, '#b0d848', 0.45, 12, 0.85)
    pen = MaskPen(c.w, c.h)
    el.stalactites(pen, rng, 8, (60, 360), 730, (120, 300), (30, 70), hanging=False)
    el.stalactites(pen, rng, 8, (1020, 1260), 730, (120, 320), (30, 70), hanging=False)
    el.lay_rock(c, rng, pen.mask(), '#0c120e', [shaft, pool], ambient=0.2, roundness=8, bump=0.4)
    el.particles(c, rng, 150, (hx - 60, hy + 40, gx + 160, gy - 20), '#f6f8e8', (0.4, 1.0), 0.7, glow=False)


def frost_grotto(c, rng):
    """A grotto of blue ice: icicles, a frozen floor, snow sifting down."""
    c.vertical_gradient([(0, '#05070c'), (0.35, '#101c30'), (0.6, '#1c3050'), (1, '#04060a')])
    c.glow(620, 400, 560, '#2a4a80', 0.55, ry=240)
    c.glow(620, 420, 200, '#9fc8ff', 0.25, ry=90)
    cold = (620, 400, '#bfe0ff', 1.2, 650)
    violet = (1050, 300, '#b49cff', 0.8, 400)
    far = el.ground(c, rng, 440, 26, 160)
    el.lay_rock(c, rng, far, '#2a4466', [cold], ambient=0.7, roundness=4, bump=0.2, texture=0.15)
    el.mist(c, rng, 430, 40, '#7fa8e0', 0.35)
    # ice hangs from the ceiling in sheets and spikes
    ice = MaskPen(c.w, c.h)
    el.stalactites(ice, rng, 70, (0, 1280), 100, (10, 200), (5, 26))
    ceil = np.clip(el.ceiling(c, rng, 100, 26, 120) + ice.mask(), 0, 1)
    streak = streaks(rng, c.w, c.h, 12, 4)
    iced = el.rgb('#3a6a9a')[None, None, :] * (0.4 + 0.8 * streak)[..., None]
    c.over(iced * (0.5 + 0.8 * c.radial(620, 400, 700, 420))[..., None], ceil)
    edge = np.clip(ceil - np.roll(ceil, -3, axis=0), 0, 1)
    c.add(el.rgb('#d8f0ff'), blur(edge, 1), 0.6)
    c.add(el.rgb('#9fd0ff'), blur(ceil, 8) * (1 - ceil), 0.25)
    # the frozen floor and ice boulders at the sides
    floor = el.ground(c, rng, 520, 12, 260)
    c.over(el.rgb('#0c1a2c'), floor)
    sheen = np.clip(1 - np.abs(c.xs - 620) / 500, 0, 1) * np.exp(-((c.ys - 540) / 40) ** 2)
    c.add(el.rgb('#9fc8ff'), sheen * floor, 0.35)
    rocks = MaskPen(c.w, c.h)
    rocks.polygon(el.roughen([(-10, 300), (140, 320), (250, 430), (330, 560), (300, 730), (-10, 730)], rng, 5))
    rocks.polygon(el.roughen([(1290, 260), (1150, 290), (1020, 420), (960, 560), (1000, 730), (1290, 730)], rng, 5))
    el.lay_rock(c, rng, rocks.mask(), '#1e3452', [cold, violet, (250, 440, '#bfe6ff', 1.0, 200), (1030, 420, '#bfe6ff', 1.0, 200)],
                ambient=0.4, roundness=14, bump=0.45)
    pens = el.crystal_pens(c)
    el.crystal_cluster(pens, rng, 240, 470, 5, 110, 22, 0.6, 0.3)
    el.crystal_cluster(pens, rng, 1030, 450, 4, 100, 20, 0.6, -0.3)
    el.lay_crystals(c, pens, '#a8d8ff', 0.5, 16, 0.9)
    el.particles(c, rng, 260, (0, 100, 1280, 640), '#ffffff', (0.5, 1.5), 0.6, glow=False)


def great_gate(c, rng):
    """A gate carved into the living rock, its runes awake; braziers burn on either side."""
    gx, sill = 640, 470
    c.vertical_gradient([(0, '#050508'), (0.4, '#0e1018'), (0.65, '#161820'), (1, '#030304')])
    lights = [(gx, 424, '#5fe0ec', 1.0, 420), (420, 430, '#ffa850', 1.6, 320), (860, 430, '#ffa850', 1.6, 320)]
    wall = np.ones((c.h, c.w), dtype=np.float32)
    el.lay_rock(c, rng, wall, '#25262c', lights, ambient=0.25, roundness=2, bump=0.7, cell=110)
    # the door frame and its two leaves
    frame = MaskPen(c.w, c.h)
    frame.rect(gx - 190, 150, gx + 190, sill)
    frame.ellipse(gx, 150, 190, 90)
    door = MaskPen(c.w, c.h)
    door.rect(gx - 150, 170, gx + 150, sill)
    door.ellipse(gx, 170, 150, 70)
    fm = np.clip(frame.mask() - door.mask(), 0, 1)
    el.lay_rock(c, rng, fm, '#3a3a44', lights, ambient=0.35, roundness=5, bump=0.25)
    el.lay_rock(c, rng, door.mask(), '#1e2026', lights, ambient=0.3, roundness=3, bump=0.2, texture=0.2)
    seam = MaskPen(c.w, c.h)
    seam.line([(gx, 100), (gx, sill)], 2)
    c.multiply(1 - seam.mask() * 0.8)
    # runes: a ring and spokes on the leaves, and a band of marks round the arch
    runes = MaskPen(c.w, c.h)
    runes.line([(gx + 40 * np.cos(a), 424 + 40 * np.sin(a)) for a in np.linspace(0, 2 * np.pi, 60)], 2.0)
    runes.line([(gx + 18 * np.cos(a), 424 + 18 * np.sin(a)) for a in np.linspace(0, 2 * np.pi, 40)], 1.5)
    for a in np.linspace(0, 2 * np.pi, 9)[:-1]:
        runes.line([(gx + 22 * np.cos(a), 424 + 22 * np.sin(a)), (gx + 35 * np.cos(a), 424 + 35 * np.sin(a))], 1.6)
    for k in range(15):
        a = np.pi + np.pi * (k + 0.5) / 15
        x, y = gx + 170 * np.cos(a), 150 + 80 * np.sin(a)
        runes.line([(x - 3, y - 3), (x + 3, y + 3)], 1.6)
    for side in (-1, 1):
        for y in range(200, sill - 20, 34):
            runes.line([(gx + side * 170 - 4, y), (gx + side * 170 + 4, y + 10)], 1.6)
        # a lozenge on each leaf
        lx = gx + side * 100
        runes.line([(lx, 218), (lx + 14, 240), (lx, 262), (lx - 14, 240), (lx, 218)], 1.8)
        runes.line([(lx, 232), (lx, 248)], 1.6)
    rm = runes.mask()
    c.add(el.rgb('#cffaff'), rm, 1.0)
    c.add(el.rgb('#5fe0ec'), blur(rm, 4), 1.2)
    c.add(el.rgb('#3fb8d0'), blur(rm, 24), 0.6)
    # stairs up to the sill
    stairs = MaskPen(c.w, c.h)
    for k in range(6):
        y = sill + k * 24
        w = 220 + k * 46
        stairs.rect(gx - w, y, gx + w, y + 24)
    sm = stairs.mask()
    el.lay_rock(c, rng, sm, '#2c2c34', lights, ambient=0.3, roundness=2, bump=0.2)
    edges = MaskPen(c.w, c.h)
    for k in range(6):
        edges.line([(gx - 220 - k * 46, sill + k * 24), (gx + 220 + k * 46, sill + k * 24)], 1.2)
    c.add(el.rgb('#ffcf90'), edges.mask() * 0.4, 0.5)
    # braziers
    for x in (420, 860):
        bowl = MaskPen(c.w, c.h)
        bowl.polygon([(x - 26, 440), (x + 26, 440), (x + 14, 462), (x - 14, 462)])
        bowl.rect(x - 5, 462, x + 5, 530)
        bowl.rect(x - 22, 526, x + 22, 536)
        c.over(el.rgb('#0a0806'), bowl.mask())
        flame = c.radial(x, 418, 14, 30)
        c.add(el.rgb('#ffd27a'), flame, 1.2)
        c.add(el.rgb('#ff8a30'), c.radial(x, 410, 30, 50), 0.7)
        el.lantern(c, x, 425, '#ff9a40', 1.4, 0.8)
        el.particles(c, rng, 25, (x - 30, 300, x + 30, 420), '#ffb060', (0.5, 1.2), 0.9)
    el.mist(c, rng, 560, 50, '#30323c', 0.25)


def deep_city(c, rng):
    """Across the great cavern, a city of lit windows climbs the far wall."""
    c.vertical_gradient([(0, '#040408'), (0.35, '#0c0e1c'), (0.6, '#171a2e'), (1, '#030305')])
    c.glow(640, 380, 620, '#2a2850', 0.6, ry=260)
    c.glow(640, 330, 520, '#a0602a', 0.16, ry=130)
    far_wall = el.ground(c, rng, 170, 30, 260)
    el.lay_rock(c, rng, far_wall, '#1c1e34', [(640, 380, '#8a8ad0', 0.6, 700)], ambient=0.6, roundness=4, bump=0.25)
    # terraces of houses on the wall, each with a few lit windows
    houses = MaskPen(c.w, c.h)
    windows = MaskPen(c.w, c.h, ss=2)
    for row, (y0, scale) in enumerate(((250, 0.55), (300, 0.65), (350, 0.8), (405, 0.95))):
        x = rng.uniform(-20, 20) + 180 - row * 30
        while x < 1120 + row * 30:
            w = rng.uniform(18, 42) * scale
            h = rng.uniform(20, 60) * scale
            base = y0 + 10 * np.sin(x / 150 + row)
            houses.rect(x, base - h, x + w, base + 30 * scale)
            if rng.random() < 0.5:
                houses.polygon([(x - 2, base - h), (x + w / 2, base - h - w * 0.5), (x + w + 2, base - h)])
            for _ in range(int(rng.integers(1, 5))):
                wx, wy = x + rng.uniform(3, max(4, w - 4)), base - rng.uniform(4, max(5, h - 4))
                windows.rect(wx - 1.3 * scale, wy - 1.8 * scale, wx + 1.3 * scale, wy + 1.8 * scale)
            x += w + rng.uniform(2, 10)
    c.over(el.rgb('#10111e'), houses.mask())
    wm = windows.mask()
    c.add(el.rgb('#ffd27a'), wm, 1.2)
    c.add(el.rgb('#ffb050'), blur(wm, 3), 1.0)
    c.add(el.rgb('#ff9a40'), blur(wm, 24), 0.9)
    # a tall tower and the long bridge that reaches it
    tower = MaskPen(c.w, c.h)
    tower.polygon([(700, 470), (706, 200), (716, 150), (726, 200), (732, 470)])
    tower.rect(690, 230, 742, 246)
    c.over(el.rgb('#0c0d18'), tower.mask())
    el.lantern(c, 716, 170, '#ffd080', 0.6)
    bridge = MaskPen(c.w, c.h)
    bridge.line([(x, 440 - 36 * np.sin(np.pi * (x - 140) / 1000)) for x in range(140, 1141, 10)], 7)
    for x in (300, 640, 980):
        y = 440 - 36 * np.sin(np.pi * (x - 140) / 1000)
        bridge.polygon([(x - 9, y), (x + 9, y), (x + 14, 720), (x - 14, 720)])
    c.over(el.rgb('#08090f'), bridge.mask())
    for x in range(240, 1100, 200):
        el.lantern(c, x, 432 - 36 * np.sin(np.pi * (x - 140) / 1000), '#ffc060', 0.45, 0.9)
    el.mist(c, rng, 470, 50, '#3a3a6a', 0.35)
    # the ledge we look from
    ledge = MaskPen(c.w, c.h)
    ledge.polygon(el.roughen([(-10, 540), (300, 560), (520, 610), (700, 640), (1000, 600), (1290, 580), (1290, 730),
                              (-10, 730)], rng, 4))
    ledge.polygon(el.roughen([(-10, -10), (140, -10), (110, 200), (60, 420), (-10, 480)], rng, 5))
    ledge.polygon(el.roughen([(1290, -10), (1180, -10), (1210, 180), (1240, 400), (1290, 460)], rng, 5))
    el.lay_rock(c, rng, ledge.mask(), '#0a0a12', [(640, 380, '#8a8ad0', 0.6, 700)], ambient=0.2, roundness=12)
    el.particles(c, rng, 80, (150, 120, 1150, 560), '#ffe0a0', (0.4, 1.0), 0.5)


SCENES = {
    1: crystal_caves,
    2: underground_lake,
    3: lantern_mine,
    4: chasm_bridge,
    5: ruins,
    6: fungus_forest,
    7: waterfall_cavern,
    8: magma_depths,
    9: sky_well,
    10: frost_grotto,
    11: great_gate,
    12: deep_city,
}


def render_scene(number, framed=True):
    """The scene as the window shows it; unframed for the smaller pictures cut from it."""
    rng = np.random.default_rng(7000 + number)
    c = Canvas(WIDTH, HEIGHT)
    SCENES[number](c, rng)
    if framed:
        el.frame_for_window(c)
    return c.to_image(rng)
