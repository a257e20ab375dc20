#!/usr/bin/python3
"""Draws Tarvenel's artwork and writes it as RGBA PNG files next to this script.

Shapes are drawn at four times the final size and averaged down, which gives
anti-aliased edges; flat bands are laid on whole pixels so they stay crisp.
The PNG files are committed, so building never runs this script.

Needs Python 3 with Pillow (Debian: python3-pil). Run: resources/art/generate.py
Optional: --mock DIR also writes enlarged previews and a mock of the main window.
"""

import math
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

from pixel_art import SMALL_POWER_GLYPH, make_hand_cursor, put_pixels

HERE = os.path.dirname(os.path.abspath(__file__))
S = 4  # supersampling factor

# --- shared palette -----------------------------------------------------------
FRAME_OUTLINE = (0, 38, 168)
BLUE_INNER_EDGE = (0, 62, 200)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
POWER_RED = (214, 52, 26)
POWER_RED_LIGHT = (246, 126, 92)
POWER_RED_DARK = (150, 24, 8)

# --- skin geometry (pixels) ---------------------------------------------------
SKIN_W, SKIN_H = 271, 218
CAPTION_H = 27  # rows 0..26
BORDER_W = 4
BOTTOM_TOP = 194  # bottom bar rows 194..217
CORNER_R = 7  # rounded top corners
# The top-right corner piece (111 x 29 px of the skin) lands 105 px further
# right in the 376 px wide window, where the caption buttons sit at x 334 and
# 355, y 5; their faces in the skin therefore start at x 229 and 250.
FACE = 16
MIN_FACE = (229, 5)
CLOSE_FACE = (250, 5)

# Caption rows: a dark outline, a light highlight line, then a gentle gradient
# that darkens into the row above the interior.
CAPTION_STOPS = [
    (0, FRAME_OUTLINE),
    (1, (78, 158, 255)),
    (2, (44, 128, 252)),
    (3, (20, 108, 244)),
    (6, (4, 90, 232)),
    (14, (0, 84, 227)),
    (21, (0, 86, 232)),
    (24, (0, 74, 218)),
    (25, BLUE_INNER_EDGE),
    (26, (0, 52, 186)),
]
# Bottom bar rows 194..217 (offsets from 194).
BOTTOM_STOPS = [
    (0, (0, 52, 186)),
    (1, (60, 142, 252)),
    (2, (26, 112, 244)),
    (12, (0, 86, 230)),
    (21, (0, 72, 214)),
    (22, BLUE_INNER_EDGE),
    (23, FRAME_OUTLINE),
]
# Side border columns from the outside in.
SIDE_COLUMNS = [FRAME_OUTLINE, (26, 110, 240), (0, 84, 227), BLUE_INNER_EDGE]


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(stops, index):
    for (i0, c0), (i1, c1) in zip(stops, stops[1:]):
        if i0 <= index <= i1:
            return lerp(c0, c1, 0 if i1 == i0 else (index - i0) / (i1 - i0))
    return stops[-1][1]


def down(img):
    """Averages a 4x drawing down to its final size, with premultiplied alpha."""
    w, h = img.size
    return img.convert("RGBa").resize((w // S, h // S), Image.Resampling.BOX).convert("RGBA")


def up(img):
    w, h = img.size
    return img.resize((w * S, h * S), Image.Resampling.NEAREST)


def mask_image(size, draw_fn):
    m = Image.new("L", size, 0)
    draw_fn(ImageDraw.Draw(m))
    return m


def with_alpha(img, mask):
    out = img.copy()
    out.putalpha(ImageChops.multiply(img.getchannel("A"), mask))
    return out


# --- caption buttons ----------------------------------------------------------
def face_colours(kind, state):
    """Colours of a caption button face: (light corner, dark corner, border)."""
    if kind == "min":
        light, dark = (120, 178, 255), (16, 92, 238)
    else:
        light, dark = (250, 164, 128), (218, 68, 32)
    border = (236, 242, 255)
    if state == "hover":
        light, dark = lerp(light, WHITE, 0.30), lerp(dark, WHITE, 0.22)
        border = WHITE
    elif state == "pressed":
        light, dark = lerp(light, BLACK, 0.22), lerp(dark, BLACK, 0.22)
        border = lerp(border, (150, 170, 210), 0.5)
    return light, dark, border


def draw_face(kind, state):
    """One 16 x 16 caption button face at 4x, transparent around its corners."""
    n = FACE * S
    light, dark, border = face_colours(kind, state)
    fill = Image.new("RGBA", (n, n))
    px = fill.load()
    for y in range(n):
        for x in range(n):
            # Light from the bottom right like a lit glass button; a pressed
            # button turns the light around so it looks pushed in.
            t = (x + y) / (2 * n - 2)
            if state == "pressed":
                t = 1 - t
            px[x, y] = lerp(dark, light, t ** 1.8) + (255,)
    # A soft top-left highlight that gives the face some depth.
    glow = mask_image((n, n), lambda d: d.ellipse((-n // 3, -n // 3, n // 2, n // 2), fill=90))
    glow = glow.filter(ImageFilter.GaussianBlur(S * 2))
    if state == "pressed":
        glow = glow.point(lambda v: v // 3)
    fill = Image.composite(Image.new("RGBA", (n, n), WHITE + (255,)), fill, glow)

    r = 3 * S
    outer = mask_image((n, n), lambda d: d.rounded_rectangle((0, 0, n - 1, n - 1), r, fill=255))
    inner = mask_image((n, n), lambda d: d.rounded_rectangle((S, S, n - 1 - S, n - 1 - S), r - S, fill=255))
    face = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    face.paste(Image.new("RGBA", (n, n), border + (255,)), (0, 0), outer)
    face.paste(fill, (0, 0), inner)

    glyph = Image.new("L", (n, n), 0)
    d = ImageDraw.Draw(glyph)
    shift = S if state == "pressed" else 0  # pushed in by one pixel
    if kind == "min":
        d.rectangle((4 * S + shift, 10 * S + shift, 10 * S - 1 + shift, 12 * S - 1 + shift), fill=255)
    else:
        a, b = 4.5 * S + shift, 11.5 * S + shift
        for p, q in (((a, a), (b, b)), ((a, b), (b, a))):
            d.line((p, q), fill=255, width=int(1.9 * S))
            for cx, cy in (p, q):
                d.ellipse((cx - 0.95 * S, cy - 0.95 * S, cx + 0.95 * S, cy + 0.95 * S), fill=255)
    face.paste(Image.new("RGBA", (n, n), WHITE + (255,)), (0, 0), glyph)
    return face


# --- skin -----------------------------------------------------------------------
def skin_bands():
    """The flat rows and columns of the frame, at 1:1, fully opaque."""
    img = Image.new("RGBA", (SKIN_W, SKIN_H), (0, 0, 0, 0))
    px = img.load()
    for y in range(SKIN_H):
        for x in range(SKIN_W):
            if y < CAPTION_H:
                c = gradient(CAPTION_STOPS, y)
            elif y >= BOTTOM_TOP:
                c = gradient(BOTTOM_STOPS, y - BOTTOM_TOP)
            elif x < BORDER_W:
                c = SIDE_COLUMNS[x]
            elif x >= SKIN_W - BORDER_W:
                c = SIDE_COLUMNS[SKIN_W - 1 - x]
            else:
                continue  # the interior stays transparent
            px[x, y] = c + (255,)
    # The outline runs down both sides of the caption and the bottom bar too.
    for y in range(SKIN_H):
        px[0, y] = px[SKIN_W - 1, y] = FRAME_OUTLINE + (255,)
    return img


def make_skin():
    big = up(skin_bands())
    w, h = big.size
    r = CORNER_R * S
    # Round the top corners: the outline follows the curve one pixel wide.
    outer = mask_image((w, h), lambda d: d.rounded_rectangle((0, 0, w - 1, h + r), r, fill=255))
    inner = mask_image(
        (w, h), lambda d: d.rounded_rectangle((S, S, w - 1 - S, h + r), r - S, fill=255))
    frame = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    frame.paste(Image.new("RGBA", (w, h), FRAME_OUTLINE + (255,)), (0, 0), outer)
    frame.paste(big, (0, 0), ImageChops.multiply(inner, big.getchannel("A")))
    # Below the top corners the bands decide alone (the interior is open).
    below = big.crop((0, 2 * r, w, h))
    frame.paste(below, (0, 2 * r))
    for kind, (fx, fy) in (("min", MIN_FACE), ("close", CLOSE_FACE)):
        face = draw_face(kind, "normal")
        frame.alpha_composite(face, (fx * S, fy * S))
    return down(frame)


def check_stretch_bands(skin):
    """The window stretches a few bands of the skin; they must not vary along
    the stretch or the frame looks smeared."""
    px = skin.load()
    for y in list(range(0, 40)) + list(range(SKIN_H - 40, SKIN_H)):  # top and bottom edges
        assert len({px[x, y] for x in range(28, 36)}) == 1, f"row {y} varies"
    for x in list(range(0, 14)) + list(range(SKIN_W - 14, SKIN_W)):  # side edges
        assert len({px[x, y] for y in range(58, 62)}) == 1, f"column {x} varies"


def caption_button_image(skin_without_faces, kind, state):
    """A hover or pressed face, opaque, on the caption it is drawn over."""
    fx, fy = MIN_FACE if kind == "min" else CLOSE_FACE
    base = up(skin_without_faces.crop((fx, fy, fx + FACE, fy + FACE)))
    base.alpha_composite(draw_face(kind, state))
    return down(base)


# --- program and dialog icons ---------------------------------------------------
def power_glyph(d, cx, cy, radius, stroke, fill):
    """The power symbol: a ring open at the top with a bar through the gap."""
    box = (cx - radius, cy - radius, cx + radius, cy + radius)
    d.arc(box, start=-60, end=240, fill=fill, width=stroke)
    for ang in (-60, 240):
        ex = cx + (radius - stroke / 2) * math.cos(math.radians(ang))
        ey = cy + (radius - stroke / 2) * math.sin(math.radians(ang))
        d.ellipse((ex - stroke / 2, ey - stroke / 2, ex + stroke / 2, ey + stroke / 2), fill=fill)
    top = cy - radius - stroke * 0.3
    d.rounded_rectangle((cx - stroke / 2, top, cx + stroke / 2, cy + stroke * 0.2), stroke / 2,
                        fill=fill)


def shaded_disc(size, box, light, dark, rim, rim_w=S):
    """A round button lit from the top left, with a rim (one pixel unless told)."""
    x0, y0, x1, y1 = box
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    fill = Image.new("RGBA", size)
    px = fill.load()
    cx, cy, rad = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2
    for y in range(max(0, int(y0)), min(size[1], int(y1) + 1)):
        for x in range(max(0, int(x0)), min(size[0], int(x1) + 1)):
            dist = math.hypot(x - (cx - rad * 0.35), y - (cy - rad * 0.4)) / (rad * 1.6)
            px[x, y] = lerp(light, dark, min(1.0, dist)) + (255,)
    layer.paste(Image.new("RGBA", size, rim + (255,)), (0, 0),
                mask_image(size, lambda d: d.ellipse(box, fill=255)))
    layer.paste(fill, (0, 0), mask_image(size, lambda d: d.ellipse(
        (x0 + rim_w, y0 + rim_w, x1 - rim_w, y1 - rim_w), fill=255)))
    return layer


def clock_face(n, clock_box, rim_w, line=S):
    """A clock with a shaded blue rim and a white face; returns it and its face box."""
    img = shaded_disc((n, n), clock_box, (90, 166, 255), (0, 60, 190), FRAME_OUTLINE, line)
    x0, y0, x1, y1 = clock_box
    face_box = (x0 + rim_w, y0 + rim_w, x1 - rim_w, y1 - rim_w)
    face = Image.new("RGBA", (n, n))
    fpx = face.load()
    for y in range(n):
        t = max(0.0, min(1.0, (y - face_box[1]) / max(1, face_box[3] - face_box[1])))
        c = lerp((255, 255, 255), (210, 224, 246), t) + (255,)
        for x in range(n):
            fpx[x, y] = c
    img.paste(face, (0, 0), mask_image((n, n), lambda d: d.ellipse(face_box, fill=255)))
    return img, face_box


def add_power_badge(img, badge_box, glyph_r, glyph_w, line=S):
    """The red power badge over the lower right, parted from the clock by a gap."""
    n = img.size[0]
    bx0, by0, bx1, by1 = badge_box
    gap = mask_image((n, n), lambda d: d.ellipse((bx0 - line, by0 - line, bx1 + line, by1 + line),
                                                 fill=255))
    img.putalpha(ImageChops.subtract(img.getchannel("A"), gap))
    img.alpha_composite(shaded_disc((n, n), badge_box, POWER_RED_LIGHT, POWER_RED, POWER_RED_DARK,
                                    line))
    if glyph_r == 0:
        return  # the caller sets the glyph by hand
    glyph = Image.new("L", (n, n), 0)
    power_glyph(ImageDraw.Draw(glyph), (bx0 + bx1 + 1) / 2, (by0 + by1 + 1) / 2 + 0.25 * S,
                glyph_r, glyph_w, 255)
    img.paste(Image.new("RGBA", (n, n), WHITE + (255,)), (0, 0), glyph)


HAND_COLOUR = (24, 32, 64, 255)


def make_icon32():
    return make_icon(32)


def make_icon(size):
    """The program icon drawn at SIZE pixels: the 32 px design, every length
    scaled (16 px has a design of its own)."""
    u = size * S // 32  # one pixel of the 32 px design
    n = size * S
    c = 27 * u  # the clock's diameter
    img, face_box = clock_face(n, (0, 0, c - 1, c - 1), 3 * u, u)
    cx = cy = c / 2
    rad = c / 2
    d = ImageDraw.Draw(img)
    fr = (face_box[2] - face_box[0]) / 2
    for ang in (0, 90, 180, 270):  # hour marks at 12, 3, 6 and 9
        ca, sa = math.cos(math.radians(ang)), math.sin(math.radians(ang))
        p = (cx + ca * (fr - 1.0 * u), cy + sa * (fr - 1.0 * u))
        q = (cx + ca * (fr - 3.5 * u), cy + sa * (fr - 3.5 * u))
        d.line((p, q), fill=(40, 60, 110, 255), width=int(1.5 * u))
    # Hands at ten past ten, the way clocks pose for pictures.
    hw = 2 * u
    for ang, length in ((-150, 0.48), (-30, 0.70)):
        ex = cx + math.cos(math.radians(ang)) * rad * length
        ey = cy + math.sin(math.radians(ang)) * rad * length
        d.line(((cx, cy), (ex, ey)), fill=HAND_COLOUR, width=hw)
        d.ellipse((ex - hw / 2, ey - hw / 2, ex + hw / 2, ey + hw / 2), fill=HAND_COLOUR)
    d.ellipse((cx - hw, cy - hw, cx + hw, cy + hw), fill=HAND_COLOUR)
    add_power_badge(img, (16 * u, 16 * u, n - 1, n - 1), 4.4 * u, 2 * u, u)
    return down(img)


def make_icon16():
    # At this size every stroke sits on whole pixels: a 15 px clock centred on
    # pixel 7, hands straight up and straight left, a 9 px badge centred on 11.
    n = 16 * S
    img, _ = clock_face(n, (0, 0, 15 * S - 1, 15 * S - 1), 2 * S)
    d = ImageDraw.Draw(img)
    d.rectangle((7 * S, 3 * S, 8 * S - 1, 8 * S - 1), fill=HAND_COLOUR)
    d.rectangle((3 * S, 7 * S, 8 * S - 1, 8 * S - 1), fill=HAND_COLOUR)
    add_power_badge(img, (7 * S, 7 * S, 16 * S - 1, 16 * S - 1), 0, 0)
    return put_pixels(down(img), (9, 9), SMALL_POWER_GLYPH, WHITE)


def make_countdown_icon():
    n = 16 * S
    img = shaded_disc((n, n), (0, 0, n - 1, n - 1), POWER_RED_LIGHT, POWER_RED, POWER_RED_DARK)
    glyph = Image.new("L", (n, n), 0)
    power_glyph(ImageDraw.Draw(glyph), n / 2, n / 2 + 0.5 * S, 4.2 * S, int(1.6 * S), 255)
    img.paste(Image.new("RGBA", (n, n), WHITE + (255,)), (0, 0), glyph)
    return down(img)


# --- armed indicator ----------------------------------------------------------------
def make_tick():
    w, h = 53 * S, 29 * S
    # A check mark whose short arm is thinner than its long arm, like a pen stroke.
    shape = [(15, 14.5), (20.5, 11.5), (24.5, 17.5), (35.5, 3.2), (40.5, 5.5), (25.5, 25.5),
             (22.5, 25.5)]
    grow = 1.08  # about the picture's middle
    pts = [((27 + (x - 27) * grow) * S, (14 + (y - 14) * grow) * S) for x, y in shape]
    out = Image.new("RGBA", (w, h), WHITE + (255,))
    shadow = mask_image((w, h), lambda d: d.polygon([(x + 2.2 * S, y + 2.2 * S) for x, y in pts],
                                                     fill=170))
    shadow = shadow.filter(ImageFilter.GaussianBlur(1.3 * S))
    out.paste(Image.new("RGBA", (w, h), (110, 110, 110, 255)), (0, 0), shadow)

    body = mask_image((w, h), lambda d: d.polygon(pts, fill=255))
    edge = Image.new("RGBA", (w, h), (18, 110, 24, 255))
    fill = Image.new("RGBA", (w, h))
    fpx = fill.load()
    for y in range(h):
        c = lerp((126, 214, 84), (32, 150, 40), y / (h - 1))
        for x in range(w):
            fpx[x, y] = c + (255,)
    inner = body.filter(ImageFilter.MinFilter(2 * S - 1))  # one pixel in from the edge
    out.paste(edge, (0, 0), body)
    out.paste(fill, (0, 0), inner)
    return down(out)


# --- previews -----------------------------------------------------------------------
def twips(v):
    return v / 15


def paint_piece(dst, src, dx, dy, dw, dh, sx, sy, sw, sh):
    """Stretches a source rectangle (twips) onto the window (twips)."""
    box = (twips(sx), twips(sy), twips(sx + sw), twips(sy + sh))
    size = (round(twips(dw)), round(twips(dh)))
    piece = src.resize(size, Image.Resampling.NEAREST, box=box)
    dst.alpha_composite(piece, (round(twips(dx)), round(twips(dy))))


def mock_window(skin, icon16, tick, hover=None):
    W, H = 5640, 3240
    PW, PH = SKIN_W * 15, SKIN_H * 15
    win = Image.new("RGBA", (376, 216), WHITE + (255,))
    for args in (
        (420, 0, W, 600, 420, 0, 120, 600),
        (420, H - 600, W, 600, 420, PH - 600, 120, 600),
        (0, 0, 200, H, 0, 880, 200, 40),
        (W - 200, 0, 200, H, PW - 200, 880, 200, 40),
        (0, 0, 450, 600, 0, 0, 450, 600),
        (0, H - 600, 450, 600, 0, PH - 600, 450, 600),
        (W - 1665, 0, 1665, 435, PW - 1665, 0, 1665, 435),
        (W - 1665, H - 525, 1665, 525, PW - 1665, PH - 525, 1665, 525),
    ):
        paint_piece(win, skin, *args)
    win.alpha_composite(icon16, (7, 5))
    win.alpha_composite(tick, (256, 37))
    # Stand-ins for the caption text and the credit line, in a font at hand.
    d = ImageDraw.Draw(win)
    font = ImageFont.load_default()
    d.text((28, 8), "Tarvenel 1.5.0", fill=WHITE, font=font)
    d.text((250, 203), "www.example.com", fill=WHITE, font=font)
    if hover:
        for img, pos in hover:
            win.alpha_composite(img, pos)
    # Cut the window region the way the window does: two rectangles and four ellipses.
    region = Image.new("L", (376, 216), 0)
    r = ImageDraw.Draw(region)
    w, h = 376, 216
    r.rectangle((0, 5, w - 1, h - 6), fill=255)
    r.rectangle((5, 0, w - 6, h - 1), fill=255)
    for box in ((-2, 0, 15, 35), (w - 15, 0, w + 2, 20), (-1, h - 20, 10, h), (w - 20, h - 40, w + 3, h + 4)):
        r.ellipse((box[0], box[1], box[2] - 1, box[3] - 1), fill=255)
    desk = Image.new("RGBA", (396, 236), (58, 110, 165, 255))
    desk.paste(win, (10, 10), region)
    return desk


def write_previews(out_dir, images, skin, icon16, tick, hovers):
    os.makedirs(out_dir, exist_ok=True)
    for name, img in images.items():
        bg = Image.new("RGBA", img.size)  # a checkerboard shows transparency
        bg.putdata([(204, 204, 204, 255) if (x // 4 + y // 4) % 2 else WHITE + (255,)
                    for y in range(img.size[1]) for x in range(img.size[0])])
        bg.alpha_composite(img)
        scale = 8 if img.size[0] <= 64 else 3
        bg.resize((img.size[0] * scale, img.size[1] * scale), Image.Resampling.NEAREST).save(
            os.path.join(out_dir, "big_" + name))
    mock = mock_window(skin, icon16, tick)
    mock.save(os.path.join(out_dir, "mock.png"))
    mock.resize((mock.size[0] * 3, mock.size[1] * 3), Image.Resampling.NEAREST).save(
        os.path.join(out_dir, "mock_big.png"))
    hov = mock_window(skin, icon16, tick, hovers)
    hov.crop((300, 0, 396, 40)).resize((96 * 8, 40 * 8), Image.Resampling.NEAREST).save(
        os.path.join(out_dir, "mock_caption_buttons.png"))


def main():
    skin = make_skin()
    check_stretch_bands(skin)
    bare = skin_bands()  # the caption without button faces
    images = {
        "skin.png": skin,
        "icon16.png": make_icon16(),
        "icon32.png": make_icon32(),
        "min_hover.png": caption_button_image(bare, "min", "hover"),
        "min_pressed.png": caption_button_image(bare, "min", "pressed"),
        "close_hover.png": caption_button_image(bare, "close", "hover"),
        "close_pressed.png": caption_button_image(bare, "close", "pressed"),
        "hand_cursor.png": make_hand_cursor(),
        "tick.png": make_tick(),
        "countdown_icon16.png": make_countdown_icon(),
    }
    # The larger sizes serve the desktop's application menu (hicolor theme).
    for size in (48, 64, 128, 256):
        images[f"icon{size}.png"] = make_icon(size)
    for name, img in images.items():
        assert img.mode == "RGBA"
        img.save(os.path.join(HERE, name), optimize=True)
    # The Windows setup program's icon, at the sizes Explorer shows (PNG
    # images inside, as Windows Vista and later read them).
    ico_sizes = (256, 16, 32, 48)
    ico = [images[f"icon{size}.png"] for size in ico_sizes]
    ico[0].save(os.path.join(HERE, "tarvenel.ico"), sizes=[(s, s) for s in ico_sizes],
                append_images=ico[1:])
    if len(sys.argv) == 3 and sys.argv[1] == "--mock":
        hovers = [(images["min_hover.png"], (334, 5)), (images["close_pressed.png"], (355, 5))]
        write_previews(sys.argv[2], images, skin, images["icon16.png"], images["tick.png"], hovers)


if __name__ == "__main__":
    main()
