"""Small procedural painting kit for the launcher's pictures.

Pictures are float RGB arrays (height x width x 3, linear-ish 0..1). Shapes are drawn as
anti-aliased masks (drawn large with Pillow, then reduced) and laid over the picture with a
colour; glows are blurred masks added on top. Everything random comes from the generator a
scene is given, so a scene is the same picture on every run.
"""

import math

import numpy as np
from PIL import Image, ImageDraw

SUPERSAMPLE = 3


def rgb(hex_or_tuple):
    """A colour as a float array: '#12abef' or (r, g, b) in 0..255."""
    if isinstance(hex_or_tuple, str):
        h = hex_or_tuple.lstrip('#')
        hex_or_tuple = tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))
    return np.array(hex_or_tuple, dtype=np.float32) / 255.0


def mix(a, b, t):
    return a + (b - a) * t


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3 - 2 * t)


class Canvas:
    def __init__(self, width, height):
        self.w = width
        self.h = height
        self.px = np.zeros((height, width, 3), dtype=np.float32)
        self.ys, self.xs = np.mgrid[0:height, 0:width].astype(np.float32)

    # -- filling --------------------------------------------------------------------------
    def vertical_gradient(self, stops):
        """stops: list of (position 0..1, colour)."""
        t = self.ys[:, :1] / (self.h - 1)
        col = np.zeros((self.h, 1, 3), dtype=np.float32)
        pos = [p for p, _ in stops]
        cols = [rgb(c) for _, c in stops]
        for ch in range(3):
            col[:, 0, ch] = np.interp(t[:, 0], pos, [c[ch] for c in cols])
        self.px[:] = col

    def over(self, colour, mask):
        """Lays a colour (or a colour picture) over the canvas through mask 0..1."""
        m = mask[..., None]
        self.px = self.px * (1 - m) + np.asarray(colour, dtype=np.float32) * m

    def add(self, colour, mask, strength=1.0):
        self.px = self.px + np.asarray(colour, dtype=np.float32) * (mask[..., None] * strength)

    def screen(self, colour, mask):
        c = np.asarray(colour, dtype=np.float32) * mask[..., None]
        self.px = 1 - (1 - np.clip(self.px, 0, 1)) * (1 - c)

    def multiply(self, factor):
        self.px = self.px * factor[..., None]

    # -- light ----------------------------------------------------------------------------
    def radial(self, cx, cy, rx, ry=None, power=2.0):
        """A soft round falloff, 1 at the centre, about 0 at the radius."""
        ry = rx if ry is None else ry
        d2 = ((self.xs - cx) / rx) ** 2 + ((self.ys - cy) / ry) ** 2
        return np.exp(-d2 * power)

    def glow(self, cx, cy, radius, colour, strength=1.0, ry=None):
        self.add(rgb(colour) if isinstance(colour, str) else colour,
                 self.radial(cx, cy, radius, ry), strength)

    # -- finishing ------------------------------------------------------------------------
    def to_image(self, rng, grain=0.012):
        px = self.px + rng.normal(0, grain, self.px.shape).astype(np.float32)
        # soft shoulder instead of hard clipping keeps bright glows from banding
        px = np.where(px > 0.85, 0.85 + 0.15 * np.tanh((px - 0.85) / 0.15), px)
        px = np.clip(px, 0, 1) ** (1 / 1.0)
        return Image.fromarray((px * 255 + 0.5).astype(np.uint8), 'RGB')


# -- masks ----------------------------------------------------------------------------------
class MaskPen:
    """Draws shapes large and returns them reduced to the canvas size, anti-aliased."""

    def __init__(self, width, height, ss=SUPERSAMPLE):
        self.w, self.h, self.ss = width, height, ss
        self.img = Image.new('L', (width * ss, height * ss), 0)
        self.draw = ImageDraw.Draw(self.img)

    def _pts(self, points):
        s = self.ss
        return [(x * s, y * s) for x, y in points]

    def polygon(self, points, value=255):
        self.draw.polygon(self._pts(points), fill=value)

    def ellipse(self, cx, cy, rx, ry, value=255):
        s = self.ss
        self.draw.ellipse([(cx - rx) * s, (cy - ry) * s, (cx + rx) * s, (cy + ry) * s], fill=value)

    def line(self, points, width, value=255):
        self.draw.line(self._pts(points), fill=value, width=max(1, int(width * self.ss)), joint='curve')

    def rect(self, x0, y0, x1, y1, value=255):
        s = self.ss
        self.draw.rectangle([x0 * s, y0 * s, x1 * s, y1 * s], fill=value)

    def mask(self):
        small = self.img.resize((self.w, self.h), Image.BOX)
        return np.asarray(small, dtype=np.float32) / 255.0


def profile_mask(canvas, profile, below=True, soft=1.0):
    """A mask of everything below (or above) a per-column height profile."""
    y = canvas.ys
    p = profile[None, :]
    d = (y - p) if below else (p - y)
    return np.clip(d / soft + 0.5, 0, 1)


# -- noise ----------------------------------------------------------------------------------
def value_noise(rng, width, height, cell):
    gw = max(2, int(width / cell) + 3)
    gh = max(2, int(height / cell) + 3)
    grid = rng.random((gh, gw)).astype(np.float32)
    img = Image.fromarray(grid, 'F').resize((int(gw * cell), int(gh * cell)), Image.BICUBIC)
    a = np.asarray(img)
    return a[:height, :width]


def fbm(rng, width, height, cell, octaves=4, gain=0.5):
    total = np.zeros((height, width), dtype=np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        total += amp * value_noise(rng, width, height, max(cell, 1.5))
        norm += amp
        amp *= gain
        cell /= 2
    return total / norm


def fbm1d(rng, n, cell, octaves=5, gain=0.5):
    total = np.zeros(n, dtype=np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        k = max(2, int(n / cell) + 3)
        pts = rng.random(k)
        xs = np.arange(n) / cell
        i = np.floor(xs).astype(int)
        f = xs - i
        f = f * f * (3 - 2 * f)
        total += amp * (pts[i] * (1 - f) + pts[np.minimum(i + 1, k - 1)] * f)
        norm += amp
        amp *= gain
        cell = max(cell / 2, 1.0)
    return total / norm - 0.5


# -- blur -----------------------------------------------------------------------------------
def _box(a, r, axis):
    if r < 1:
        return a
    pad = [(0, 0)] * a.ndim
    pad[axis] = (r + 1, r)
    p = np.pad(a, pad, mode='edge')
    c = np.cumsum(p, axis=axis, dtype=np.float64)
    n = a.shape[axis]
    hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
    lo = np.take(c, np.arange(0, n), axis=axis)
    return ((hi - lo) / (2 * r + 1)).astype(np.float32)


def blur(a, sigma):
    """Gaussian-like blur (three box passes); large radii work on a reduced copy."""
    if sigma <= 0.3:
        return a
    if sigma > 12:
        f = int(sigma / 6)
        h, w = a.shape[:2]
        small = a[::f, ::f]
        small = blur(small, sigma / f)
        img = Image.fromarray(small.astype(np.float32), 'F') if small.ndim == 2 else None
        if img is not None:
            return np.asarray(img.resize((w, h), Image.BILINEAR), dtype=np.float32)
        return np.stack([np.asarray(Image.fromarray(small[..., c], 'F').resize((w, h), Image.BILINEAR))
                         for c in range(small.shape[2])], axis=-1)
    r = max(1, int(round(math.sqrt(12 * sigma * sigma / 3 + 1) / 2)))
    for _ in range(3):
        a = _box(_box(a, r, 0), r, 1)
    return a
