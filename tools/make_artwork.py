#!/usr/bin/python3
# Generates VELANInst's button/sponsor bitmaps, the program icon and a review sheet in res/art/.
import os
import struct
import sys

try:
    from PIL import Image, ImageDraw, ImageFont
except ImportError:  # e.g. a pyenv python3 first on PATH: use Debian's python3-pil
    if os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

OUT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "art"))
LABEL_FONT = "/usr/share/fonts/truetype/play/Play-Bold.ttf"          # Debian: fonts-play
SANS_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"   # Debian: fonts-dejavu-core
ITALIC_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-BoldOblique.ttf"

NAVY, TEAL, YELLOW = (0, 1, 22), (0, 40, 53), (252, 255, 5)
PRESS, GREY = (0, 34, 69), (137, 137, 117)
SPON_FIELD, SPON_DIM, ORANGE, WHITE = (0, 18, 46), (90, 104, 130), (255, 140, 0), (255, 255, 255)
BW, BH = 182, 52
BASELINE, CAP, SMALL = 30, 10, 7
SS, STRETCH, THRESH = 8, 1.3, 120      # supersampling, horizontal widening, ink threshold
TRACK, WORD_GAP = 1, 4                 # px between letters / extra px between words
HACEK = ["XX.XX", ".XXX."]             # hand-drawn caron, sits one row above a small capital

BUTTONS = [  # id, label, kind
    (131, "Instalovat", "lit"), (134, "Instalovat", "pressed"), (135, "Instalovat", "plain"),
    (136, "Konec", "plain"), (137, "Konec", "lit"), (138, "Konec", "pressed"),
    (139, "Instalovat", "disabled"),
    (140, "Změnit Cestu", "plain"), (141, "Změnit Cestu", "lit"), (142, "Změnit Cestu", "pressed"),
    (145, "Spustit Hru", "plain"), (146, "Spustit Hru", "lit"), (147, "Spustit Hru", "pressed"),
    (149, "O Překladu", "plain"), (150, "O Překladu", "lit"), (151, "O Překladu", "pressed"),
]


def glyph_mask(ch, height, _cache={}):
    """Bilevel mask (mode '1') of capital `ch`, exactly `height` rows tall, widened."""
    key = (ch, height)
    if key in _cache:
        return _cache[key]
    base, caron = {"Ě": ("E", True), "Ř": ("R", True)}.get(ch, (ch, False))
    size = 10
    font = ImageFont.truetype(LABEL_FONT, size)
    while font.getbbox("H", anchor="ls")[1] > -height * SS:     # calibrate on the H cap height
        size += 1
        font = ImageFont.truetype(LABEL_FONT, size)
    big = Image.new("L", (height * SS * 4, height * SS * 3), 0)
    d = ImageDraw.Draw(big)
    org = (height * SS, height * SS * 2)
    d.text(org, "H", font=font, fill=255, anchor="ls")
    hb = big.getbbox()
    cell = (hb[3] - hb[1]) / height                            # one output row in supersampled px
    big.paste(0, (0, 0) + big.size)
    d.text(org, base, font=font, fill=255, anchor="ls")
    gb = big.getbbox()
    cell_x = cell / STRETCH
    nx = int(-(-(gb[2] - gb[0]) // cell_x))
    small = big.resize((nx, height), Image.BOX, box=(gb[0], hb[3] - height * cell,
                                                     gb[0] + nx * cell_x, hb[3]))
    mask = small.point(lambda v: 255 if v >= THRESH else 0).convert("1")
    mask = mask.crop((mask.getbbox()[0], 0, mask.getbbox()[2], height))
    if caron:                                                   # add rows on top for the caron
        hw = len(HACEK[0])
        w = max(mask.width, hw)
        full = Image.new("1", (w, height + len(HACEK) + 1), 0)
        full.paste(mask, ((w - mask.width) // 2, len(HACEK) + 1))
        x0 = (w - hw + 1) // 2
        for y, row in enumerate(HACEK):
            for x, c in enumerate(row):
                if c == "X":
                    full.putpixel((x0 + x, y), 1)
        mask = full
    _cache[key] = mask
    return mask


def label_layout(text):
    """List of (mask, x, height) with x relative to the label's left edge; total width."""
    items, x = [], 0
    for wi, word in enumerate(text.split(" ")):
        if wi:
            x += WORD_GAP
        for i, ch in enumerate(word):
            h = CAP if i == 0 else SMALL
            m = glyph_mask(ch.upper(), h)
            items.append((m, x))
            x += m.width + TRACK
    return items, x - TRACK


def button(text, kind):
    img = Image.new("RGB", (BW, BH), NAVY)
    d = ImageDraw.Draw(img)
    lit = kind in ("lit", "pressed")
    d.rectangle((3, 3, BW - 4, BH - 4), outline=YELLOW if lit else TEAL)
    if kind == "pressed":
        d.rectangle((6, 6, BW - 7, BH - 7), fill=PRESS)
    colour = GREY if kind == "disabled" else YELLOW
    items, width = label_layout(text)
    x0 = (BW - width) // 2
    for m, x in items:
        img.paste(colour, (x0 + x, BASELINE + 1 - m.height), m)
    return img


TINY = {  # 4-pixel-high capitals for the sponsor caption
    "S": [".XXX", "XX..", "..XX", "XXX."], "P": ["XXX.", "X..X", "XXX.", "X..."],
    "O": [".XX.", "X..X", "X..X", ".XX."], "N": ["X..X", "XX.X", "X.XX", "X..X"],
    "Z": ["XXXX", "..X.", ".X..", "XXXX"], "R": ["XXX.", "X..X", "XXX.", "X..X"],
    "U": ["X..X", "X..X", "X..X", ".XX."], "J": ["...X", "...X", "X..X", ".XX."],
    "E": ["XXX", "XX.", "X..", "XXX"],
}


def sponsor(caption_colour):
    img = Image.new("RGB", (98, 49), SPON_FIELD)
    d = ImageDraw.Draw(img)
    x = 4
    for ch in "SPONZORUJE":
        rows = TINY[ch]
        for y, row in enumerate(rows):
            for dx, c in enumerate(row):
                if c == "X":
                    img.putpixel((x + dx, 5 + y), caption_colour)
        x += len(rows[0]) + 1
    d.ellipse((6, 19, 27, 40), fill=ORANGE)                     # emblem: orange disc ...
    d.polygon([(16, 23), (23, 29), (16, 36), (10, 29)], fill=SPON_FIELD)   # ... with a notch
    d.polygon([(16, 26), (20, 29), (16, 33), (13, 29)], fill=ORANGE)
    d.fontmode = "1"
    font = ImageFont.truetype(ITALIC_FONT, 15)
    d.text((32, 36), "MIRTA", font=font, fill=WHITE, anchor="ls")
    return img


def icon_pixels(n):
    """n x n list of palette indices: 0..127 navy->yellow blend, 128 teal."""
    S = 8
    art = Image.new("L", (n * S * 2, n * S * 2), 0)
    ImageDraw.Draw(art).text((n * S // 2, n * S * 3 // 2), "Č", fill=255, anchor="ls",
                             font=ImageFont.truetype(LABEL_FONT, n * S))
    art = art.crop(art.getbbox())
    side = n * S * 3 // 4                                       # ink box: 3/4 of the icon
    art = art.resize((side * 4 // 5, side), Image.BOX)
    big = Image.new("L", (n * S, n * S), 0)
    big.paste(art, ((n * S - art.width) // 2, (n * S - art.height) // 2))
    small = big.resize((n, n), Image.BOX)
    px = [[small.getpixel((x, y)) * 127 // 255 for x in range(n)] for y in range(n)]
    for i in range(1, n - 1):
        px[1][i] = px[n - 2][i] = px[i][1] = px[i][n - 2] = 128
    return px


def icon_palette():
    pal = []
    for i in range(128):
        pal.append(tuple(NAVY[c] + (YELLOW[c] - NAVY[c]) * i // 127 for c in range(3)))
    pal.append(TEAL)
    return pal + [(0, 0, 0)] * (256 - len(pal))


def write_ico(path, sizes):
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in icon_palette())
    blobs = []
    for n in sizes:
        px = icon_pixels(n)
        hdr = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 8, 0, 0, 0, 0, 256, 0)
        xor_stride = (n + 3) & ~3
        and_stride = ((n + 31) // 32) * 4
        xor = b"".join(bytes(px[y]) + b"\0" * (xor_stride - n) for y in range(n - 1, -1, -1))
        blobs.append(hdr + pal + xor + b"\0" * (and_stride * n))
    out = struct.pack("<HHH", 0, 1, len(sizes))
    off = 6 + 16 * len(sizes)
    for n, blob in zip(sizes, blobs):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 8, len(blob), off)
        off += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


def preview(images, ico_path):
    font = ImageFont.truetype(SANS_FONT, 12)
    cells = [(str(i), im) for i, im in images]
    with Image.open(ico_path) as ico:
        for n in (32, 48):
            ico.size = (n, n)
            cells.append(("ico %d" % n, ico.convert("RGB")))
    cols, cw, ch = 3, 2 * BW + 24, 2 * BH + 28
    sheet = Image.new("RGB", (cols * cw + 8, ((len(cells) + cols - 1) // cols) * ch + 8), (60, 60, 60))
    d = ImageDraw.Draw(sheet)
    for k, (name, im) in enumerate(cells):
        x, y = 8 + (k % cols) * cw, 8 + (k // cols) * ch
        d.text((x, y), name, font=font, fill=(230, 230, 230))
        sheet.paste(im.resize((im.width * 2, im.height * 2), Image.NEAREST), (x, y + 16))
    sheet.save(os.path.join(OUT, "preview.png"))


def check(bmp_ids, sponsors):
    for i, kind in bmp_ids:
        path = os.path.join(OUT, "bmp%d.bmp" % i)
        raw = open(path, "rb").read()
        assert raw[:2] == b"BM" and struct.unpack_from("<I", raw, 2)[0] == len(raw), path
        w, h, _, bpp, comp = struct.unpack_from("<iiHHI", raw, 18)
        assert bpp == 24 and comp == 0 and h > 0, path
        im = Image.open(path).convert("RGB")
        if i in (143, 144):
            assert (w, h) == (98, 49), path
            continue
        assert (w, h) == (BW, BH), path
        frame = YELLOW if kind in ("lit", "pressed") else TEAL
        assert im.getpixel((3, 3)) == frame and im.getpixel((178, 48)) == frame, path
        assert im.getpixel((1, 1)) == NAVY, path
        inner = PRESS if kind == "pressed" else NAVY
        assert im.getpixel((7, 7)) == inner, path
        ink = GREY if kind == "disabled" else YELLOW
        rows, cols = set(), set()
        for y in range(4, BH - 4):
            for x in range(4, BW - 4):
                p = im.getpixel((x, y))
                assert p in (ink, inner, NAVY), (path, x, y, p)
                if p == ink:
                    rows.add(y)
                    cols.add(x)
        assert max(rows) == BASELINE and min(rows) == BASELINE - CAP + 1, (path, min(rows), max(rows))
        assert abs(min(cols) - (BW - 1 - max(cols))) <= 1, (path, min(cols), max(cols))
    a, b = sponsors
    for y in range(a.height):
        for x in range(a.width):
            if x >= 72 or y >= 16:
                assert a.getpixel((x, y)) == b.getpixel((x, y)), (x, y)
    assert a.tobytes() != b.tobytes()
    ico = open(os.path.join(OUT, "VELANInst.ico"), "rb").read()
    assert struct.unpack_from("<HHH", ico, 0) == (0, 1, 2)
    for k, n in enumerate((32, 48)):
        e = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * k)
        assert e[0] == e[1] == n and e[5] == 8 and struct.unpack_from("<H", ico, e[7] + 14)[0] == 8


def main():
    os.makedirs(OUT, exist_ok=True)
    images, kinds = [], []
    for i, text, kind in BUTTONS:
        images.append((i, button(text, kind)))
        kinds.append((i, kind))
    sponsors = (sponsor(SPON_DIM), sponsor(YELLOW))
    images += [(143, sponsors[0]), (144, sponsors[1])]
    kinds += [(143, "sponsor"), (144, "sponsor")]
    images.sort(key=lambda t: t[0])
    for i, im in images:
        im.save(os.path.join(OUT, "bmp%d.bmp" % i), "BMP")
    ico_path = os.path.join(OUT, "VELANInst.ico")
    write_ico(ico_path, (32, 48))
    preview(images, ico_path)
    check(kinds, sponsors)
    print("wrote %d bitmaps, VELANInst.ico and preview.png to %s" % (len(images), OUT))


if __name__ == "__main__":
    sys.exit(main())
