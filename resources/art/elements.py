"""Things the scenes are built from: rock, stalactites, crystals, fungi, lanterns, water, light.

Each function paints into a Canvas with the scene's random generator; sizes are in pixels of
the 1280 x 720 picture.
"""

import math

import numpy as np

from paint import MaskPen, blur, fbm, fbm1d, mix, profile_mask, rgb


# -- rock -------------------------------------------------------------------------------------
def roughen(points, rng, amount, step=6.0):
    """Breaks the straight edges of a polygon into a ragged but continuous outline."""
    dense = []
    n = len(points)
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        length = math.hypot(x1 - x0, y1 - y0)
        k = max(1, int(length / step))
        nx, ny = (-(y1 - y0) / length, (x1 - x0) / length) if length else (0, 0)
        for j in range(k):
            t = j / k
            dense.append((x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, nx, ny))
    noise = rng.normal(0, 1, len(dense) + 8)
    kernel = np.array([1, 3, 6, 8, 6, 3, 1], dtype=float)
    smooth = np.convolve(noise, kernel / np.sqrt((kernel ** 2).sum()), mode='same')[4:4 + len(dense)]
    fine = rng.normal(0, 0.25, len(dense))
    return [(x + nx * amount * (o + f), y + ny * amount * (o + f)) for (x, y, nx, ny), o, f in zip(dense, smooth, fine)]


def rock_texture(c, rng, cell=90, strength=0.35):
    """A brightness field around 1 that makes flat silhouettes read as stone."""
    n = fbm(rng, c.w, c.h, cell, octaves=5)
    return 1 + (n - 0.5) * 2 * strength


def lay_rock(c, rng, mask, colour, lights=(), ambient=0.55, bump=0.35, roundness=10, cell=70, texture=0.3,
             lit_only=False):
    """Lays a silhouette of stone, shaded as relief by the given lights.

    The silhouette's blurred mask plus noise serves as a height field; its slopes facing a
    light catch that light, so flat shapes read as rounded, rough rock.
    lights: (x, y, colour, strength, reach) tuples; a light in front of the stone has a
    positive height so faces turned towards the viewer are lit as well. lit_only adds just
    the light to what is there (for surfaces coloured beforehand)."""
    col = rgb(colour) if isinstance(colour, str) else np.asarray(colour, dtype=np.float32)
    detail = fbm(rng, c.w, c.h, cell, octaves=5)
    height = blur(mask, roundness) + (detail - 0.5) * bump
    gy, gx = np.gradient(height)
    scale = 14.0
    nx, ny, nz = -gx * scale, -gy * scale, np.ones_like(gx)
    norm = np.sqrt(nx * nx + ny * ny + nz * nz)
    tex = 1 + (detail - 0.5) * 2 * texture
    shade = col[None, None, :] * (ambient * tex)[..., None]
    for (lx, ly, lcol, strength, reach) in lights:
        dx, dy = lx - c.xs, ly - c.ys
        dist = np.sqrt(dx * dx + dy * dy) + 1e-3
        lz = 0.18 * dist
        ln = np.sqrt(dx * dx + dy * dy + lz * lz)
        diffuse = np.clip((nx * dx + ny * dy + nz * lz) / (norm * ln), 0, 1) ** 2
        falloff = np.exp(-(dist / reach) ** 2)
        shade = shade + (rgb(lcol) if isinstance(lcol, str) else lcol)[None, None, :] * (diffuse * falloff * strength * tex)[..., None]
    if lit_only:
        c.add(shade, mask)
    else:
        c.over(shade, mask)


def ridge(rng, w, base, amp, cell, octaves=5):
    return base + fbm1d(rng, w, cell, octaves) * 2 * amp


def ceiling(c, rng, base, amp, cell=160):
    """Mask of a cave ceiling: everything above a rough line."""
    return profile_mask(c, ridge(rng, c.w, base, amp, cell), below=False, soft=1.2)


def ground(c, rng, base, amp, cell=160):
    return profile_mask(c, ridge(rng, c.w, base, amp, cell), below=True, soft=1.2)


def stalactites(pen, rng, count, x_range, y_top, length_range, width_range, hanging=True):
    """Tapering spikes hanging down from y_top (or rising up from it when not hanging)."""
    for _ in range(count):
        x = rng.uniform(*x_range)
        length = rng.uniform(*length_range)
        width = rng.uniform(*width_range)
        bend = rng.uniform(-0.12, 0.12) * length
        sign = 1 if hanging else -1
        tip = (x + bend, y_top + sign * length)
        mid_w = width * rng.uniform(0.35, 0.5)
        pts = [(x - width / 2, y_top - sign * 4), (x + width / 2, y_top - sign * 4),
               (x + mid_w / 2 + bend * 0.5, y_top + sign * length * 0.55), tip,
               (x - mid_w / 2 + bend * 0.5, y_top + sign * length * 0.55)]
        pen.polygon(roughen(pts, rng, width * 0.035, step=5))


# -- crystals ---------------------------------------------------------------------------------
def crystal(pens, x, y, angle, length, width):
    """A six-sided crystal growing from (x, y) at `angle` (0 = straight up, radians).

    pens: (lit facet, shaded facet, ridge) MaskPens, so the caller can colour the facets."""
    ux, uy = math.sin(angle), -math.cos(angle)        # along the crystal
    px, py = -uy, ux                                  # across it
    def at(a, b):
        return (x + ux * a + px * b, y + uy * a + py * b)
    shoulder = length * 0.8
    half = width / 2
    lit, shaded, ridge_pen = pens
    lit.polygon([at(-4, -half), at(shoulder, -half), at(length, 0), at(-4, 0)])
    shaded.polygon([at(-4, 0), at(length, 0), at(shoulder, half), at(-4, half)])
    ridge_pen.polygon([at(-4, -half * 0.18), at(shoulder, -half * 0.18), at(length, 0), at(shoulder, half * 0.12),
                       at(-4, half * 0.12)])


def crystal_cluster(pens, rng, x, y, count, length, width, spread=0.9, lean=0.0):
    for i in range(count):
        a = lean + rng.uniform(-spread, spread) * (0.4 + 0.6 * (i / max(1, count - 1)))
        s = rng.uniform(0.35, 1.0) if i else 1.0
        crystal(pens, x + rng.uniform(-width, width) * 0.8, y + rng.uniform(0, width * 0.3), a, length * s,
                width * (0.55 + 0.45 * s))


def lay_crystals(c, pens, colour, glow_strength=0.9, glow_radius=18, core=1.0):
    """Colours the facets drawn with `pens` and lets them glow."""
    lit, shaded, ridge_m = (p.mask() for p in pens)
    base = rgb(colour) if isinstance(colour, str) else colour
    body = np.clip(lit + shaded, 0, 1)
    c.over(base * 0.45 * core, shaded)
    c.over(base * 0.95 * core, lit)
    c.over(mix(base, np.ones(3, dtype=np.float32), 0.6) * core, ridge_m * 0.85)
    c.add(base, blur(body, glow_radius), glow_strength)
    c.add(base, blur(body, glow_radius * 3), glow_strength * 0.5)


def crystal_pens(c):
    return tuple(MaskPen(c.w, c.h) for _ in range(3))


# -- fungi ------------------------------------------------------------------------------------
def mushroom(stem_pen, cap_pen, gill_pen, x, y, height, cap_w, lean=0.0):
    """A tall fungus standing at (x, y): a bending stem and a domed cap."""
    top_x = x + lean * height
    top_y = y - height
    sw = max(3.0, cap_w * 0.09)
    steps = 12
    left, right = [], []
    for i in range(steps + 1):
        t = i / steps
        cx = x + (top_x - x) * (t ** 1.6)
        cy = y + (top_y - y) * t
        w = sw * (1.6 - 0.7 * t)
        left.append((cx - w, cy))
        right.append((cx + w, cy))
    stem_pen.polygon(left + right[::-1])
    cap_h = cap_w * 0.38
    cap = []
    for i in range(25):
        a = math.pi * i / 24
        cap.append((top_x - math.cos(a) * cap_w / 2, top_y + 4 - math.sin(a) * cap_h))
    cap.append((top_x + cap_w / 2 * 0.9, top_y + 7))
    cap.append((top_x - cap_w / 2 * 0.9, top_y + 7))
    cap_pen.polygon(cap)
    gill_pen.ellipse(top_x, top_y + 5, cap_w * 0.46, cap_h * 0.16)
    return top_x, top_y


# -- light ------------------------------------------------------------------------------------
def lantern(c, x, y, colour='#ffc866', size=1.0, strength=1.0):
    """A hanging lantern: a bright core with a warm halo."""
    col = rgb(colour)
    c.glow(x, y, 3.2 * size, np.ones(3, dtype=np.float32), 1.4 * strength)
    c.glow(x, y, 8 * size, col, 0.9 * strength)
    c.glow(x, y, 40 * size, col, 0.35 * strength)
    c.glow(x, y, 140 * size, col, 0.12 * strength)


def light_rays(c, rng, origin, direction_deg, spread_deg, length, count, colour, strength=0.25, width_range=(8, 30)):
    """Soft shafts of light falling from an opening."""
    pen = MaskPen(c.w, c.h, ss=1)
    ox, oy = origin
    for _ in range(count):
        a = math.radians(direction_deg + rng.uniform(-spread_deg, spread_deg))
        w = rng.uniform(*width_range)
        ex, ey = ox + math.sin(a) * length, oy + math.cos(a) * length
        nx, ny = math.cos(a), -math.sin(a)
        pen.polygon([(ox - nx * w * 0.3, oy - ny * w * 0.3), (ox + nx * w * 0.3, oy + ny * w * 0.3),
                     (ex + nx * w * 1.6, ey + ny * w * 1.6), (ex - nx * w * 1.6, ey - ny * w * 1.6)],
                    value=int(rng.uniform(90, 255)))
    m = blur(pen.mask(), 9)
    d = np.sqrt((c.xs - ox) ** 2 + (c.ys - oy) ** 2)
    m = m * np.clip(1 - d / length, 0, 1) ** 1.3
    c.add(rgb(colour), m, strength)


def particles(c, rng, count, region, colour, size_range=(0.6, 1.6), strength=1.0, glow=True):
    """Motes, sparks or spores: tiny bright points, a few with a halo."""
    x0, y0, x1, y1 = region
    pen = MaskPen(c.w, c.h, ss=3)
    halo = MaskPen(c.w, c.h, ss=1)
    for _ in range(count):
        x, y = rng.uniform(x0, x1), rng.uniform(y0, y1)
        r = rng.uniform(*size_range)
        v = int(rng.uniform(90, 255))
        pen.ellipse(x, y, r, r, value=v)
        if glow and rng.random() < 0.35:
            halo.ellipse(x, y, r * 2.5, r * 2.5, value=v)
    col = rgb(colour)
    c.add(col, pen.mask(), strength)
    c.add(col, blur(halo.mask(), 5), strength * 0.8)


def mist(c, rng, y_centre, thickness, colour, strength=0.3, cell=220):
    """A drifting band of fog."""
    n = fbm(rng, c.w, c.h, cell, octaves=4)
    band = np.exp(-((c.ys - y_centre) / thickness) ** 2)
    c.add(rgb(colour), band * np.clip(n * 1.6 - 0.3, 0, 1.2), strength)


# -- water ------------------------------------------------------------------------------------
def reflect(c, rng, horizon, darkness=0.45, ripple=3.0, tint='#0a1620'):
    """Mirrors everything above `horizon` into still, slightly rippled water below it."""
    h = c.h - horizon
    src_rows = np.clip(2 * horizon - np.arange(horizon, c.h), 0, horizon - 1)
    reflected = c.px[src_rows].copy()
    # horizontal ripples grow with distance from the shore line
    depth = (np.arange(h) / max(1, h))[:, None]
    wobble = (fbm(rng, c.w, h, 40, octaves=3) - 0.5) * 2 * ripple * (0.3 + depth * 3)
    xs = np.clip((np.arange(c.w)[None, :] + wobble).astype(int), 0, c.w - 1)
    rows = np.arange(h)[:, None]
    reflected = reflected[rows, xs]
    fade = (1 - darkness) * np.exp(-depth * 1.6)
    water = reflected * fade[..., None] + rgb(tint) * (1 - fade[..., None]) * 0.6
    # glints: thin bright streaks where the water catches light
    streak = fbm(rng, c.w, h, 30, octaves=2)
    streak = np.clip((streak - 0.62) * 6, 0, 1) * np.exp(-depth * 2.5)
    lum = reflected.mean(axis=2)
    water = water + reflected * (streak * np.clip(lum * 3, 0, 1))[..., None] * 0.8
    c.px[horizon:] = water


# -- finishing --------------------------------------------------------------------------------
def frame_for_window(c, header=96, fade_from=0.66):
    """What every backdrop shares: a calm top band for the header and a dark lower quarter."""
    # the header blurs what lies behind it: keep that band soft and even
    top = c.px[:header + 40].copy()
    soft = np.stack([blur(top[..., ch], 6) for ch in range(3)], axis=-1)
    weight = np.clip((header + 40 - np.arange(header + 40)) / 40.0, 0, 1)[:, None, None]
    c.px[:header + 40] = top * (1 - weight * 0.7) + soft * weight * 0.7
    # the window fades the lowest quarter to black: start darkening a little earlier
    t = np.clip((c.ys - c.h * fade_from) / (c.h * (1 - fade_from)), 0, 1)
    c.multiply(1 - 0.82 * t ** 1.3)
    # a gentle vignette keeps the eye in the middle
    vx = (c.xs / c.w - 0.5) * 2
    vy = (c.ys / c.h - 0.45) * 2
    c.multiply(1 - 0.28 * np.clip(vx * vx * 0.8 + vy * vy * 0.5, 0, 1.4) ** 1.5)
