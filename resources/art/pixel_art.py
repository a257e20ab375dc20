"""The artwork set pixel by pixel, where a drawn shape would only blur: the
power symbol of the smallest badge and the hand cursor."""

from PIL import Image

# The power symbol for a 9 px badge, set pixel by pixel (digits are opacity in
# tenths, 'W' fully opaque): at this size a drawn ring only blurs.
SMALL_POWER_GLYPH = [
    "  W  ",
    "5 W 5",
    "W W W",
    "W   W",
    "7WWW7",
]


def put_pixels(img, origin, rows, colour):
    px = img.load()
    ox, oy = origin
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == " ":
                continue
            a = 1.0 if ch == "W" else int(ch) / 10
            r, g, b, al = px[ox + x, oy + y]
            mixed = tuple(round(c + (d - c) * a) for c, d in zip((r, g, b), colour))
            px[ox + x, oy + y] = mixed + (al,)
    return img



# --- hand cursor --------------------------------------------------------------------
# Drawn pixel by pixel: a cursor is read at 1:1 and wants hard edges.
# '#' black outline, '.' white fill, ' ' transparent. The fingertip's first
# white pixel is (6, 2), the hot spot.
HAND = [
    "                                ",
    "     ###                        ",
    "    #...#                       ",
    "    #...#                       ",
    "    #...#                       ",
    "    #...#                       ",
    "    #...#                       ",
    "    #...####                    ",
    "    #...#...###                 ",
    "    #...#...#..###              ",
    "    #...#...#..#..#             ",
    " ## #...#...#..#..#             ",
    "#..##...#...#..#..#             ",
    "#...#.............#             ",
    "#....#............#             ",
    " #...#............#             ",
    " #................#             ",
    "  #...............#             ",
    "  #...............#             ",
    "   #.............#              ",
    "   #.............#              ",
    "    #...........#               ",
    "    #...........#               ",
    "     #.........#                ",
    "     ###########                ",
    "     #.........#                ",
    "     ###########                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
]


def make_hand_cursor():
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    px = img.load()
    for y, row in enumerate(HAND):
        assert len(row) == 32, y
        for x, ch in enumerate(row):
            if ch == "#":
                px[x, y] = (0, 0, 0, 255)
            elif ch == ".":
                px[x, y] = (255, 255, 255, 255)
    return img
