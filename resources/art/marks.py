"""The Glimmerdeep word mark: the name set in Roboto Condensed beside a small faceted crystal."""

from PIL import Image, ImageDraw, ImageFilter

from fonts import font_path

WORD = 'GLIMMERDEEP'
OVERSAMPLE = 4


def _vertical_gradient(size, top, bottom):
    w, h = size
    grad = Image.new('RGBA', (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        grad.putpixel((0, y), tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3)) + (255,))
    return grad.resize((w, h))


def _crystal(draw, cx, top, height, s):
    """A six-sided crystal seen from the front: two lit facets, two shaded, a bright ridge."""
    w = height * 0.5
    shoulder = top + height * 0.28
    foot = top + height * 0.78
    bottom = top + height
    left, right = cx - w / 2, cx + w / 2
    ridge_l, ridge_r = cx - w * 0.12, cx + w * 0.12
    outline = (8, 14, 20, 255)
    draw.polygon([(cx, top), (right, shoulder), (right, foot), (cx, bottom), (left, foot), (left, shoulder)],
                 fill=outline)
    inset = 2.2 * s
    t, b = top + inset * 1.6, bottom - inset * 1.6
    l, r = left + inset, right - inset
    sh, ft = shoulder + inset * 0.3, foot - inset * 0.3
    draw.polygon([(cx, t), (ridge_l, sh), (ridge_l, ft), (cx, b), (l, ft), (l, sh)], fill=(120, 226, 236, 255))
    draw.polygon([(cx, t), (r, sh), (r, ft), (cx, b), (ridge_r, ft), (ridge_r, sh)], fill=(28, 128, 156, 255))
    draw.polygon([(cx, t), (ridge_r, sh), (ridge_r, ft), (cx, b), (ridge_l, ft), (ridge_l, sh)],
                 fill=(200, 250, 252, 255))
    draw.polygon([(l, ft), (cx, b), (ridge_l, ft)], fill=(70, 180, 200, 255))
    draw.polygon([(r, ft), (cx, b), (ridge_r, ft)], fill=(16, 84, 110, 255))


def _glint(img, cx, cy, r, s):
    """A four-pointed star of light."""
    star = Image.new('L', img.size, 0)
    d = ImageDraw.Draw(star)
    k = r * 0.16
    d.polygon([(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k), (cx, cy + r), (cx - k, cy + k),
               (cx - r, cy), (cx - k, cy - k)], fill=255)
    halo = star.filter(ImageFilter.GaussianBlur(3 * s))
    white = Image.new('RGBA', img.size, (255, 255, 255, 255))
    lime = Image.new('RGBA', img.size, (226, 240, 140, 255))
    img.alpha_composite(Image.composite(lime, Image.new('RGBA', img.size), halo.point(lambda v: v * 0.8)))
    img.alpha_composite(Image.composite(white, Image.new('RGBA', img.size), star))


def render_logo(scale=1.0):
    """The transparent word mark, 480 x 120 at scale 1."""
    from PIL import ImageFont
    s = OVERSAMPLE * scale
    w, h = int(480 * s), int(120 * s)
    img = Image.new('RGBA', (w, h), (0, 0, 0, 0))
    font = ImageFont.truetype(font_path('RobotoCondensed-Bold'), int(58 * s))

    mark_w = 40 * s
    tracking = 3.2 * s
    widths = [font.getlength(ch) for ch in WORD]
    word_w = sum(widths) + tracking * (len(WORD) - 1)
    x0 = (w - (mark_w + 14 * s + word_w)) / 2
    baseline_box = font.getbbox('G')
    text_h = baseline_box[3] - baseline_box[1]
    ty = (h - text_h) / 2 - baseline_box[1] + 4 * s

    text_mask = Image.new('L', (w, h), 0)
    stroke_mask = Image.new('L', (w, h), 0)
    dt, ds = ImageDraw.Draw(text_mask), ImageDraw.Draw(stroke_mask)
    x = x0 + mark_w + 14 * s
    for ch, cw in zip(WORD, widths):
        dt.text((x, ty), ch, font=font, fill=255)
        ds.text((x, ty), ch, font=font, fill=255, stroke_width=int(2.5 * s), stroke_fill=255)
        x += cw + tracking

    # the crystal stands on the word's baseline and reaches above the capitals
    crystal_layer = Image.new('RGBA', (w, h), (0, 0, 0, 0))
    cy_top = ty + baseline_box[1] - 16 * s
    crystal_h = text_h + 22 * s
    _crystal(ImageDraw.Draw(crystal_layer), x0 + mark_w / 2, cy_top, crystal_h, s)
    crystal_alpha = crystal_layer.getchannel('A')

    shadow_src = Image.composite(Image.new('L', (w, h), 255), stroke_mask, crystal_alpha)
    shadow = shadow_src.filter(ImageFilter.GaussianBlur(6 * s)).point(lambda v: int(v * 0.75))
    img.alpha_composite(Image.composite(Image.new('RGBA', (w, h), (0, 0, 0, 255)), img, shadow))
    img.alpha_composite(Image.composite(Image.new('RGBA', (w, h), (10, 14, 20, 255)), img, stroke_mask))
    fill = _vertical_gradient((w, h), (255, 255, 255), (196, 214, 222))
    img.alpha_composite(Image.composite(fill, Image.new('RGBA', (w, h)), text_mask))
    img.alpha_composite(crystal_layer)
    _glint(img, x0 + mark_w * 0.78, cy_top + 6 * s, 13 * s, s)

    out = img.resize((int(480 * scale), int(120 * scale)), Image.LANCZOS)
    return out
