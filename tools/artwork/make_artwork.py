#!/usr/bin/env python3
"""Draws Fretlark's pictures, cursor and icon and writes them to resources/.

Everything is computed here from geometry and a hashed noise, with the standard
library only, so the artwork can be rebuilt byte for byte on any machine:

    python3 tools/artwork/make_artwork.py
"""

import math
import os
import struct
import zlib

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT_DIR = os.path.join(ROOT, "resources")


# --------------------------------------------------------------------------
# PNG output

def _chunk(tag, data):
    body = tag + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _pack_rows(rows, bit_depth):
    # Every row starts with filter type 0; the small files compress well enough without filters.
    out = bytearray()
    per_byte = 8 // bit_depth
    for row in rows:
        out.append(0)
        if bit_depth == 8:
            out.extend(row)
            continue
        for i in range(0, len(row), per_byte):
            byte = 0
            for j in range(per_byte):
                value = row[i + j] if i + j < len(row) else 0
                byte |= value << (8 - bit_depth * (j + 1))
            out.append(byte)
    return bytes(out)


def write_indexed_png(path, width, height, indices, palette):
    """indices: list of rows of palette indices; palette: list of (r, g, b, a)."""
    assert 1 <= len(palette) <= 256
    bit_depth = 8
    for depth in (1, 2, 4):
        if len(palette) <= (1 << depth):
            bit_depth = depth
            break
    ihdr = struct.pack(">IIBBBBB", width, height, bit_depth, 3, 0, 0, 0)
    plte = b"".join(struct.pack("BBB", r, g, b) for r, g, b, _ in palette)
    alphas = [a for _, _, _, a in palette]
    while alphas and alphas[-1] == 255:
        alphas.pop()
    data = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + _chunk(b"PLTE", plte)
    if alphas:
        data += _chunk(b"tRNS", bytes(alphas))
    data += _chunk(b"IDAT", zlib.compress(_pack_rows(indices, bit_depth), 9))
    data += _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def _to8(v):
    return max(0, min(255, int(round(v))))


def save_quantized(path, image, max_colours=256):
    """image: Image with float RGBA pixels; reduced to a palette by median cut."""
    pixels = [tuple(_to8(c) for c in p) for p in image.pixels]
    # All fully transparent pixels are one colour, whatever their RGB.
    pixels = [(0, 0, 0, 0) if p[3] == 0 else p for p in pixels]
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    palette, lookup = _median_cut(counts, max_colours)
    # Transparent entries first, so tRNS stays short.
    order = sorted(range(len(palette)), key=lambda i: (palette[i][3] == 255, palette[i]))
    remap = {old: new for new, old in enumerate(order)}
    palette = [palette[i] for i in order]
    w, h = image.w, image.h
    rows = [[remap[lookup[pixels[y * w + x]]] for x in range(w)] for y in range(h)]
    write_indexed_png(path, w, h, rows, palette)
    return len(palette)


def _median_cut(counts, max_colours):
    colours = sorted(counts)
    if len(colours) <= max_colours:
        return colours, {c: i for i, c in enumerate(colours)}
    boxes = [colours]

    def spread(box):
        best = (-1, 0)
        for ch in range(4):
            lo = min(c[ch] for c in box)
            hi = max(c[ch] for c in box)
            weight = 1.0 if ch < 3 else 2.0
            best = max(best, ((hi - lo) * weight, ch))
        return best

    while len(boxes) < max_colours:
        # Split the box whose widest channel, weighted by its pixel count, is largest.
        scored = []
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            s, ch = spread(box)
            if s <= 0:
                continue
            n = sum(counts[c] for c in box)
            scored.append((s * math.sqrt(n), -i, i, ch))
        if not scored:
            break
        _, _, i, ch = max(scored)
        box = sorted(boxes[i], key=lambda c: (c[ch], c))
        total = sum(counts[c] for c in box)
        acc = 0
        cut = 1
        for k, c in enumerate(box):
            acc += counts[c]
            if acc * 2 >= total:
                cut = max(1, min(len(box) - 1, k + 1))
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]
    palette = []
    lookup = {}
    for box in boxes:
        n = sum(counts[c] for c in box)
        mean = tuple(_to8(sum(c[ch] * counts[c] for c in box) / n) for ch in range(4))
        if mean[3] == 0:
            mean = (0, 0, 0, 0)
        for c in box:
            lookup[c] = len(palette)
        palette.append(mean)
    return palette, lookup


# --------------------------------------------------------------------------
# Drawing helpers

class Image:
    def __init__(self, w, h, fill=(0.0, 0.0, 0.0, 0.0)):
        self.w = w
        self.h = h
        self.pixels = [tuple(fill)] * (w * h)

    def get(self, x, y):
        return self.pixels[y * self.w + x]

    def put(self, x, y, rgba):
        self.pixels[y * self.w + x] = rgba

    def over(self, x, y, rgb, cover):
        """Paints opaque colour rgb over pixel (x, y) with coverage 0..1."""
        if cover <= 0.0:
            return
        cover = min(1.0, cover)
        r, g, b, a = self.pixels[y * self.w + x]
        na = cover * 255.0 + a * (1.0 - cover)
        if na <= 0.0:
            return
        k = cover * 255.0 / na
        self.pixels[y * self.w + x] = (
            rgb[0] * k + r * (1.0 - k),
            rgb[1] * k + g * (1.0 - k),
            rgb[2] * k + b * (1.0 - k),
            na,
        )


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def scale(c, k):
    return tuple(x * k for x in c)


def smoothstep(e0, e1, v):
    t = clamp((v - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def span_cover(a, b, x0, x1):
    """Length of [a, b] inside the pixel interval [x0, x1]."""
    return max(0.0, min(b, x1) - max(a, x0))


def _hash(ix, iy, seed):
    h = (ix * 374761393 + iy * 668265263 + seed * 982451653) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    h ^= h >> 16
    return h / 4294967296.0


def noise(x, y, seed):
    """Smooth value noise in 0..1."""
    ix = math.floor(x)
    iy = math.floor(y)
    fx = x - ix
    fy = y - iy
    fx = fx * fx * (3.0 - 2.0 * fx)
    fy = fy * fy * (3.0 - 2.0 * fy)
    a = _hash(ix, iy, seed)
    b = _hash(ix + 1, iy, seed)
    c = _hash(ix, iy + 1, seed)
    d = _hash(ix + 1, iy + 1, seed)
    return a + (b - a) * fx + (c - a) * fy + (a - b - c + d) * fx * fy


def fbm(x, y, seed, octaves=4):
    total = 0.0
    amp = 0.5
    norm = 0.0
    for o in range(octaves):
        total += amp * noise(x, y, seed + o * 101)
        norm += amp
        x *= 2.03
        y *= 2.03
        amp *= 0.5
    return total / norm


def seg_distance(px, py, ax, ay, bx, by):
    dx = bx - ax
    dy = by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / ll)
    ex = ax + dx * t - px
    ey = ay + dy * t - py
    return math.sqrt(ex * ex + ey * ey)


# --------------------------------------------------------------------------
# The neck picture

NECK_W, NECK_H = 614, 111
# The picture is shown at left 12 of its panel, stretched to 615 pixels.
PANEL_LEFT, SHOWN_W = 12, 615
# Left edge and width of the note marker column of each fret, in panel pixels.
MARKER_COLUMNS = [
    (16, 25), (52, 37), (95, 33), (132, 33), (173, 29), (212, 29), (248, 25), (282, 25),
    (316, 21), (346, 21), (373, 21), (401, 19), (424, 21), (448, 17), (469, 15), (488, 15),
    (504, 15), (521, 15), (538, 13), (554, 11), (569, 11), (584, 9), (598, 9),
]
# Panel rows of the string bars the program draws over the picture: (top, height).
STRING_BARS = [(88, 2), (101, 2), (113, 3), (126, 3), (140, 3), (152, 4)]
PANEL_TOP = 70
INLAY_FRETS = (3, 5, 7, 9, 15, 17, 19, 21)


def panel_to_pic(x):
    return (x - PANEL_LEFT) * NECK_W / SHOWN_W


def shown_source(panel_x):
    """The picture column a nearest-neighbour stretch shows at a panel pixel."""
    return math.floor((panel_x - PANEL_LEFT + 0.5) * NECK_W / SHOWN_W)


def neck_geometry():
    """Nut and fret wires as (left, right) in picture x, derived from the marker columns.

    Each wire sits in the middle of the gap between two neighbouring columns and
    is kept to the picture columns that the stretched picture shows inside that
    gap, so every marker column stays inside its own fret space.
    """
    spans = []
    for n in range(len(MARKER_COLUMNS) - 1):
        left, width = MARKER_COLUMNS[n]
        gap = range(left + width, MARKER_COLUMNS[n + 1][0])
        shown = {shown_source(x) for x in gap}
        shown -= {shown_source(left + width - 1), shown_source(MARKER_COLUMNS[n + 1][0])}
        centre = (panel_to_pic(gap[0]) + panel_to_pic(gap[-1] + 1)) / 2.0
        spans.append((centre, min(shown), max(shown) + 1))
    centre, lo, hi = spans[0]
    nut = (max(lo, centre - 2.6), min(hi, centre + 2.6))
    wires = []
    for centre, lo, hi in spans[1:]:
        a, b = max(lo, centre - 1.1), min(hi, centre + 1.1)
        if b - a < 0.85:
            mid = (lo + hi) / 2.0
            a, b = mid - 0.45, mid + 0.45
        wires.append((a, b))
    # The 22nd wire closes the last column; it gets the spacing the wires have there.
    last_left, last_width = MARKER_COLUMNS[-1]
    c = panel_to_pic(last_left + last_width + 2.5)
    wires.append((c - 1.1, c + 1.1))
    return nut, wires


def string_rows():
    return [(top - PANEL_TOP, top - PANEL_TOP + h) for top, h in STRING_BARS]


ROSEWOOD_DARK = (58, 30, 20)
ROSEWOOD_LIGHT = (136, 78, 46)
HEADSTOCK_DARK = (26, 15, 11)
HEADSTOCK_LIGHT = (78, 44, 28)
SPRUCE = (226, 192, 132)
SPRUCE_DARK = (196, 156, 96)
BINDING = (236, 226, 198)
BONE = (238, 232, 210)
STRING_SILVER = (192, 192, 192)


def rosewood(x, y, seed=7):
    # Streaks run along the neck: stretch the noise lengthwise and warp it a little.
    warp = 4.0 * (fbm(x / 140.0, y / 30.0, seed + 50, 2) - 0.5)
    yy = y + warp
    g = fbm(x / 110.0, yy / 3.2, seed, 4)
    fine = noise(x / 18.0, yy / 0.9, seed + 9)
    t = clamp(0.5 + (g - 0.5) * 1.9 + (fine - 0.5) * 0.22)
    c = mix(ROSEWOOD_DARK, ROSEWOOD_LIGHT, t * 0.85 + 0.1)
    # Open pores: short dark flecks.
    if _hash(int(x / 2.0), int(yy), seed + 3) > 0.99:
        c = scale(c, 0.72)
    return c


def spruce(x, y, seed=21):
    g = noise(x / 60.0, y / 1.6, seed)
    line = 0.5 + 0.5 * math.sin(y * 1.7 + 3.0 * fbm(x / 80.0, y / 12.0, seed + 4, 2))
    t = clamp(0.25 + 0.35 * g + 0.3 * line * line * line)
    return mix(SPRUCE, SPRUCE_DARK, t * 0.55)


def draw_neck():
    img = Image(NECK_W, NECK_H)
    nut, wires = neck_geometry()
    board_left = nut[1] - 0.5
    board_right = 605.0
    centre = 51.75

    def board_half(x):
        # The board widens a little toward the body.
        return 43.0 + 4.0 * clamp((x - board_left) / (board_right - board_left))

    def head_half(x):
        # The headstock flares out from the nut toward the left edge.
        t = clamp((nut[0] + 1.0 - x) / (nut[0] + 1.0))
        return 43.0 + 7.5 * (t ** 1.6)

    # Only the rosette of the sound hole shows, past the end of the board.
    hole_r = 100.0
    hole_cx, hole_cy = board_right - 2.0 + hole_r + 10.0, centre

    def body_top(x, y):
        ring = math.hypot(x - hole_cx, y - hole_cy) - hole_r
        if ring < 0.0:
            return (22, 14, 10)
        if ring < 1.2 or 8.8 <= ring < 10.0:
            return (30, 22, 18)
        if ring < 2.2 or 7.8 <= ring < 8.8:
            return (236, 228, 206)
        if ring < 7.8:
            k = _hash(int(math.atan2(y - hole_cy, x - hole_cx) * 160.0), int(ring * 0.7), 5)
            return mix((92, 54, 34), (176, 128, 76), k)
        return spruce(x, y)

    def body_edge(y):
        # The upper bout's edge where the neck meets the body at the 14th fret.
        d = abs(y - centre)
        return 471.0 + 0.0022 * d * d

    for y in range(NECK_H):
        yc = y + 0.5
        for x in range(NECK_W):
            xc = x + 0.5
            # Body top, around the end of the board.
            edge = body_edge(yc)
            cov = clamp(xc - edge + 0.5)
            if cov > 0.0:
                depth = xc - edge
                if -1.0 < math.hypot(xc - hole_cx, yc - hole_cy) - hole_r < 11.0:
                    parts = [body_top(x + (i + 0.5) / 4.0, y + (j + 0.5) / 4.0)
                             for i in range(4) for j in range(4)]
                    c = tuple(sum(p[k] for p in parts) / 16.0 for k in range(3))
                else:
                    c = body_top(xc, yc)
                c = mix(c, (40, 26, 18), clamp(3.3 - depth))
                c = mix(c, BINDING, clamp(2.5 - depth))
                img.over(x, y, c, cov)

            # Headstock.
            if xc < nut[0] + 1.0:
                hh = head_half(xc)
                slope = head_half(xc - 0.5) - head_half(xc + 0.5)
                d = (hh - abs(yc - centre)) / math.sqrt(1.0 + slope * slope)
                cov = clamp(d + 0.5) * clamp(nut[0] + 1.0 - x)
                if cov > 0.0:
                    g = fbm(xc / 40.0, yc / 2.5, 33, 3)
                    c = mix(HEADSTOCK_DARK, HEADSTOCK_LIGHT, 0.15 + 0.5 * g)
                    # Lacquer sheen: a soft diagonal highlight.
                    sheen = math.exp(-((xc * 0.6 + (yc - 30.0)) / 14.0) ** 2)
                    c = mix(c, (150, 110, 86), 0.35 * sheen)
                    c = mix(c, scale(c, 0.6), clamp(2.9 - d))
                    c = mix(c, BINDING, clamp(2.1 - d))
                    img.over(x, y, c, cov)

            # Fretboard.
            if board_left - 1.0 < xc < board_right + 1.0:
                bh = board_half(xc)
                d = bh - abs(yc - centre)
                cov = clamp(d + 0.5) * span_cover(board_left, board_right, x, x + 1)
                if cov > 0.0:
                    c = rosewood(xc, yc)
                    # Rounded edges catch less light.
                    c = scale(c, 0.72 + 0.28 * smoothstep(0.0, 4.0, d))
                    c = scale(c, 1.0 + 0.06 * math.cos((yc - centre) / bh * 1.5))
                    # Shadow of each wire on the wood right of it.
                    for wa, wb in wires:
                        s = span_cover(wb, wb + 1.6, x, x + 1)
                        if s > 0:
                            c = scale(c, 1.0 - 0.28 * s)
                    img.over(x, y, c, cov)
                elif board_right <= xc < board_right + 2.5 and abs(yc - centre) < board_half(xc):
                    # Shadow of the board's end on the top.
                    img.over(x, y, scale(img.get(x, y)[:3], 0.7), 1.0)

    # Inlay dots, in the middle of their fret spaces, between the D and G strings.
    rows = string_rows()
    mid = (rows[2][1] + rows[3][0]) / 2.0
    upper = (rows[1][1] + rows[2][0]) / 2.0
    lower = (rows[3][1] + rows[4][0]) / 2.0

    def fret_space_centre(n):
        a = nut[1] if n == 1 else wires[n - 2][1]
        return (a + wires[n - 1][0]) / 2.0

    dots = [(fret_space_centre(n), mid) for n in INLAY_FRETS]
    dots += [(fret_space_centre(12), upper), (fret_space_centre(12), lower)]
    radius = 3.9
    for cx, cy in dots:
        for y in range(int(cy - radius - 2), int(cy + radius + 3)):
            for x in range(int(cx - radius - 2), int(cx + radius + 3)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                cov = clamp(radius - d + 0.5)
                if cov <= 0:
                    continue
                # Mother of pearl: pale, with a faint play of colour.
                k = noise((x - cx) / 2.5 + cx, (y - cy) / 2.5, 61)
                c = mix((238, 234, 222), (214, 226, 232), k)
                c = mix(c, (246, 226, 226), noise(x / 2.0, y / 2.0 + cx, 62) * 0.5)
                lit = clamp(1.0 - math.hypot(x + 0.5 - cx + 1.2, y + 0.5 - cy + 1.2) / (radius * 2.2))
                c = mix(scale(c, 0.86), (252, 250, 244), lit * 0.6)
                if d > radius - 0.9:
                    c = scale(c, 0.82)
                img.over(x, y, c, cov)

    # Nut: bone, shading off toward the board.
    for y in range(NECK_H):
        yc = y + 0.5
        d = 43.0 - abs(yc - centre)
        vcov = clamp(d + 0.5)
        if vcov <= 0:
            continue
        for x in range(int(nut[0]), int(nut[1]) + 1):
            cov = span_cover(nut[0], nut[1], x, x + 1) * vcov
            t = (x + 0.5 - nut[0]) / (nut[1] - nut[0])
            c = scale(BONE, 1.02 - 0.22 * t * t)
            if d < 1.5:
                c = scale(c, 0.85)
            img.over(x, y, c, cov)

    # Fret wires: a round wire seen from above, lit from the left.
    for wa, wb in wires:
        for y in range(NECK_H):
            yc = y + 0.5
            bh = board_half(wa)
            d = bh - abs(yc - centre)
            vcov = clamp(d + 0.5)
            if vcov <= 0:
                continue
            for x in range(int(wa), int(wb) + 1):
                acc = [0.0, 0.0, 0.0]
                covered = 0
                for s in range(8):
                    sx = x + (s + 0.5) / 8.0
                    if wa <= sx < wb:
                        t = (sx - wa) / (wb - wa) * 2.0 - 1.0
                        light = 0.55 + 0.45 * math.cos((t + 0.35) * 1.6)
                        c = mix((92, 92, 98), (246, 246, 250), clamp(light))
                        acc = [a + b for a, b in zip(acc, c)]
                        covered += 1
                if covered:
                    c = tuple(a / covered for a in acc)
                    if d < 1.2:
                        c = scale(c, 0.8)
                    img.over(x, y, c, vcov * covered / 8.0)

    # Strings, where the program's silver bars will lie, each with a soft shadow below.
    for top, bottom in rows:
        for x in range(NECK_W):
            if img.get(x, top)[3] == 0:
                continue
            for y in range(bottom, bottom + 2):
                r, g, b, a = img.get(x, y)
                if a > 0:
                    k = 0.62 if y == bottom else 0.84
                    img.put(x, y, (r * k, g * k, b * k, a))
            for y in range(top, bottom):
                img.put(x, y, STRING_SILVER + (255.0,))
    return img, nut, wires


# --------------------------------------------------------------------------
# The chord grid: four fret columns of the neck, the same wood

GRID_W, GRID_H = 79, 91
GRID_STRINGS = [(12, 13), (25, 26), (37, 39), (50, 52), (64, 66), (76, 79)]
GRID_WIRES = (0, 19, 38, 57, 76)


def draw_chord_grid():
    img = Image(GRID_W, GRID_H)
    for y in range(GRID_H):
        for x in range(GRID_W):
            c = rosewood(x * 1.3 + 40.0, y * 1.0 + 7.0, seed=12)
            c = scale(c, 1.12)
            if x - 1 in GRID_WIRES:
                c = scale(c, 0.7)
            img.put(x, y, c + (255.0,))
    for x in GRID_WIRES:
        for y in range(GRID_H):
            img.put(x, y, (214.0, 214.0, 220.0, 255.0))
    for top, bottom in GRID_STRINGS:
        for x in range(GRID_W):
            for y in range(top, bottom):
                # Thick strings get a lit upper edge and a shaded lower one.
                if bottom - top > 1 and y == top:
                    c = (226.0, 226.0, 226.0)
                elif bottom - top > 2 and y == bottom - 1:
                    c = (176.0, 176.0, 176.0)
                else:
                    c = (204.0, 204.0, 204.0)
                img.put(x, y, c + (255.0,))
            r, g, b, a = img.get(x, bottom)
            img.put(x, bottom, (r * 0.72, g * 0.72, b * 0.72, a))
    for x in range(GRID_W):
        for y in (0, GRID_H - 1):
            img.put(x, y, BINDING + (255.0,))
    return img


# --------------------------------------------------------------------------
# The About box picture: a sunburst acoustic guitar lying on a teal cloth

ABOUT_W, ABOUT_H = 170, 99
# The picture is squeezed into a 105 x 73 control, so the scene is laid out in
# coordinates with the control's proportions, and round things come out round.
ABOUT_KX = (105.0 / ABOUT_W) / (73.0 / ABOUT_H)


def smin(a, b, k):
    h = clamp(0.5 + 0.5 * (b - a) / k)
    return b + (a - b) * h - k * h * (1.0 - h)


class AcousticGuitar:
    """An acoustic guitar in its own frame: s along the body axis from the tail, t across."""

    def __init__(self, origin, angle, size):
        self.ox, self.oy = origin
        self.ca = math.cos(angle)
        self.sa = math.sin(angle)
        self.k = size
        self.saddle = 22.0
        self.nut = 128.0
        self.scale_len = self.nut - self.saddle

    def local(self, u, v):
        du = u - self.ox
        dv = v - self.oy
        s = (du * self.ca + dv * self.sa) / self.k
        t = (-du * self.sa + dv * self.ca) / self.k
        return s, t

    def body(self, s, t):
        lower = math.hypot(s - 26.0, t) - 25.0
        upper = math.hypot(s - 62.0, t) - 18.5
        return smin(lower, upper, 9.0)

    def neck_half(self, s):
        return 4.6 - 1.1 * clamp((s - 76.0) / (self.nut - 76.0))

    def neck(self, s, t):
        return max(abs(t) - self.neck_half(s), 74.0 - s, s - self.nut)

    def head(self, s, t):
        half = 5.6 + 0.9 * clamp((s - self.nut) / 20.0)
        d = max(abs(t) - half, self.nut - 0.5 - s, s - (self.nut + 21.0))
        # Round the far corners.
        cx = self.nut + 19.0
        cy = half - 2.0
        if s > cx and abs(t) > cy:
            d = math.hypot(s - cx, abs(t) - cy) - 2.0
        return d

    def silhouette(self, s, t):
        return min(self.body(s, t), self.neck(s, t), self.head(s, t))

    def fret(self, n):
        return self.nut - self.scale_len * (1.0 - 2.0 ** (-n / 12.0))

    def string_t(self, i, s):
        # Strings spread from the nut to the saddle.
        at_saddle = (i - 2.5) * 1.9
        at_nut = (i - 2.5) * 1.25
        f = clamp((s - self.saddle) / (self.nut - self.saddle))
        return at_saddle + (at_nut - at_saddle) * f


def about_scene(gtr, u, v):
    # Cloth: teal, lit in the middle, with a soft weave.
    d = math.hypot((u - 60.0) / 90.0, (v - 45.0) / 70.0)
    cloth = mix((0, 118, 122), (0, 40, 48), clamp(d))
    w = noise(u * 0.9, v * 0.9, 71) * 0.5 + noise(u * 2.1, v * 0.3, 72) * 0.5
    cloth = scale(cloth, 0.92 + 0.16 * w)
    s, t = gtr.local(u - 2.2, v - 3.2)
    shadow = smoothstep(-3.0, 5.0, gtr.silhouette(s, t))
    c = scale(cloth, 0.45 + 0.55 * shadow)

    s, t = gtr.local(u, v)
    k = gtr.k

    # Sides: the rim of the body, seen below the top edge.
    ss, ts = gtr.local(u - 0.9, v - 1.4)
    side = gtr.body(ss, ts) * k
    if side < 0.6:
        c = mix(c, (70, 34, 16), clamp(0.5 - side))

    body = gtr.body(s, t) * k
    if body < 0.6:
        depth = -body
        # Sunburst: amber heart, darkening toward the binding.
        burst = smoothstep(3.0, 13.0, depth)
        top = mix((92, 40, 14), (232, 176, 92), burst)
        top = mix(top, (246, 206, 128), smoothstep(10.0, 22.0, depth) * 0.6)
        top = scale(top, 0.94 + 0.08 * noise(s * 0.25, t * 2.2, 73))
        top = mix(top, (240, 228, 200), clamp(1.4 - depth))
        c = mix(c, top, clamp(0.5 - body))

        hole = (math.hypot(s - 62.0, t) - 9.0) * k
        ring = hole / k
        if ring < 4.5:
            if 1.2 < ring < 3.6:
                c = mix((236, 226, 200), (40, 24, 14), 0.5 + 0.5 * math.cos(ring * 6.5))
            c = mix(c, (18, 12, 10), clamp(0.5 - hole))
        # Bridge with its bone saddle.
        wing = 1.0 - 0.45 * smoothstep(5.0, 10.5, abs(t))
        br = max(abs(s - gtr.saddle + 0.8) - 2.2 * wing, abs(t) - 10.5) * k
        if br < 0.6:
            c = mix(c, (46, 24, 16), clamp(0.5 - br))
            sd = max(abs(s - gtr.saddle) - 0.55, abs(t) - 7.0) * k
            c = mix(c, (236, 230, 210), clamp(0.5 - sd))

    neck = gtr.neck(s, t) * k
    if neck < 0.6:
        board = mix((44, 22, 14), (98, 54, 32), noise(s * 0.2, t * 1.6, 74))
        board = mix(board, (24, 12, 8), clamp(1.2 + neck))
        c = mix(c, board, clamp(0.5 - neck))
        for n in range(1, 20):
            fs = (abs(s - gtr.fret(n)) - 0.35) * k
            if fs < 0.6 and neck < 0:
                c = mix(c, (214, 214, 206), clamp(0.5 - fs) * 0.9)
        for n in (3, 5, 7, 9, 12):
            cs = (gtr.fret(n - 1) + gtr.fret(n)) / 2.0
            for off in ((-2.0, 2.0) if n == 12 else (0.0,)):
                dd = (math.hypot(s - cs, t - off) - 0.9) * k
                if dd < 0.6:
                    c = mix(c, (236, 232, 220), clamp(0.5 - dd))
        nd = max(abs(s - gtr.nut + 0.5) - 0.6, abs(t) - gtr.neck_half(gtr.nut)) * k
        if nd < 0.6:
            c = mix(c, (238, 232, 212), clamp(0.5 - nd))

    head = gtr.head(s, t) * k
    # Tuner buttons stick out on both sides of the headstock.
    for i in range(3):
        ps = gtr.nut + 5.0 + i * 5.5
        for side_t in (-8.6, 8.6):
            bd = (math.hypot((s - ps) * 1.3, t - side_t) - 2.0) * k
            if bd < 0.6:
                lit = clamp(0.5 + 0.5 * (t - side_t) / 2.0)
                c = mix(c, mix((214, 210, 196), (150, 146, 136), lit), clamp(0.5 - bd))
    if head < 0.6:
        face = mix((20, 12, 10), (70, 42, 30), noise(s * 0.3, t * 0.8, 75))
        c = mix(c, face, clamp(0.5 - head))
        for i in range(3):
            ps = gtr.nut + 5.0 + i * 5.5
            for post_t in (-3.2, 3.2):
                pd = (math.hypot(s - ps, t - post_t) - 0.9) * k
                if pd < 0.6:
                    c = mix(c, (220, 220, 216), clamp(0.5 - pd))

    # Strings from the saddle over the nut to their posts.
    if gtr.saddle - 0.5 < s < gtr.nut + 20.0:
        for i in range(6):
            if s <= gtr.nut:
                st = gtr.string_t(i, s)
            else:
                post = gtr.nut + 5.0 + (i if i < 3 else 5 - i) * 5.5
                start = gtr.string_t(i, gtr.nut)
                end = -3.2 if i < 3 else 3.2
                if s > post:
                    continue
                st = start + (end - start) * (s - gtr.nut) / (post - gtr.nut)
            sd = abs(t - st) * k - (0.18 + 0.06 * (5 - i))
            if sd < 0.6:
                c = mix(c, (236, 236, 232), clamp(0.5 - sd) * 0.85)
    return c


def draw_about():
    img = Image(ABOUT_W, ABOUT_H)
    # Body at the lower left, headstock toward the upper right.
    gtr = AcousticGuitar(origin=(5.0, 82.0), angle=math.radians(-24.0), size=0.93)
    n = 3
    for y in range(ABOUT_H):
        for x in range(ABOUT_W):
            acc = [0.0, 0.0, 0.0]
            for j in range(n):
                for i in range(n):
                    u = (x + (i + 0.5) / n) * ABOUT_KX
                    v = y + (j + 0.5) / n
                    c = about_scene(gtr, u, v)
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            img.put(x, y, (acc[0] / (n * n), acc[1] / (n * n), acc[2] / (n * n), 255.0))
    return img


# --------------------------------------------------------------------------
# The cursor ACOUSTIC1: an arrow from the hot spot at (0, 0) into a guitar

def draw_cursor():
    """Returns rows of 0 (transparent), 1 (black) and 2 (white)."""
    size = 32
    r2 = math.sqrt(2.0)

    def inside(px, py):
        # u runs along the diagonal from the tip, v across it.
        u = (px + py) / r2
        v = (py - px) / r2
        if u <= 11.2 and abs(v) <= 0.42 * u:
            return True
        if 9.0 <= u <= 24.0 and abs(v) <= 1.75:
            return True
        if math.hypot(u - 26.6, v) <= 5.7:
            return True
        if math.hypot(u - 35.4, v) <= 6.6:
            return True
        return False

    def hole(px, py):
        u = (px + py) / r2
        v = (py - px) / r2
        return math.hypot(u - 26.9, v) <= 2.75

    fill = [[inside(x + 0.5, y + 0.5) for x in range(size)] for y in range(size)]
    fill[0][0] = True  # the hot spot itself is drawn
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if not fill[y][x]:
                row.append(0)
                continue
            edge = False
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < size and 0 <= ny < size) or not fill[ny][nx]:
                    edge = True
            row.append(1 if edge or hole(x + 0.5, y + 0.5) else 2)
        rows.append(row)
    # Bridge: a short black bar across the lower bout.
    for y in range(size):
        for x in range(size):
            u = (x + 0.5 + y + 0.5) / r2
            v = (y - x) / r2
            if rows[y][x] == 2 and abs(u - 36.8) <= 0.75 and abs(v) <= 2.6:
                rows[y][x] = 1
    return rows


# --------------------------------------------------------------------------
# The icon MAINICON: a guitar in black lines, also written as SVG

ICON_ROTATE = 45.0  # the guitar lies on the diagonal, headstock to the upper right
ICON_STROKE = 1.1


def _icon_design():
    """The upright guitar, tail at the bottom: ('path', [(cmd, point, ...)]) and ('circle', centre, r)."""
    right = [
        ("C", (5.5, 40.0), (9.5, 36.5), (9.5, 31.0)),
        ("C", (9.5, 27.0), (6.2, 26.5), (6.2, 23.5)),
        ("C", (6.2, 21.5), (7.6, 21.2), (7.6, 18.5)),
        ("C", (7.6, 15.0), (4.5, 13.0), (2.2, 13.0)),
    ]
    # The left half mirrors the right one, walked back down to the tail.
    pts = [(0.0, 40.0)] + [p for cmd in right for p in cmd[1:]]
    back = [(-x, y) for x, y in reversed(pts)]
    left = [("C",) + tuple(back[i:i + 3]) for i in range(1, len(back), 3)]
    outline = [("M", back[0])] + left + right
    return [
        ("path", outline),
        ("path", [("M", (2.2, 13.0)), ("L", (1.9, -4.0))]),
        ("path", [("M", (-2.2, 13.0)), ("L", (-1.9, -4.0))]),
        ("path", [("M", (-1.9, -4.0)), ("L", (1.9, -4.0))]),
        ("path", [("M", (-1.9, -4.0)), ("L", (-2.9, -10.4)),
                  ("C", (-1.6, -11.4), (1.6, -11.4), (2.9, -10.4)), ("L", (1.9, -4.0))]),
        ("path", [("M", (-3.6, 32.0)), ("L", (3.6, 32.0))]),
        ("circle", (0.0, 19.3), 3.0),
    ]


def icon_drawing():
    """The design turned onto the diagonal and fitted into the 32 x 32 square, in pixels."""
    design = _icon_design()
    a = math.radians(ICON_ROTATE)

    def turn(p):
        return (p[0] * math.cos(a) - p[1] * math.sin(a), p[0] * math.sin(a) + p[1] * math.cos(a))

    xs, ys = [], []
    for item in design:
        if item[0] == "path":
            for seg in _flatten(item[1]):
                for p in seg:
                    q = turn(p)
                    xs.append(q[0])
                    ys.append(q[1])
        else:
            q = turn(item[1])
            xs += [q[0] - item[2], q[0] + item[2]]
            ys += [q[1] - item[2], q[1] + item[2]]
    room = 32.0 - 2.0 * (ICON_STROKE / 2.0 + 0.45)
    k = room / max(max(xs) - min(xs), max(ys) - min(ys))
    cx = (max(xs) + min(xs)) / 2.0
    cy = (max(ys) + min(ys)) / 2.0

    def place(p):
        q = turn(p)
        # Rounded so the SVG and the bitmap use the very same numbers.
        return (round(16.0 + (q[0] - cx) * k, 2), round(16.0 + (q[1] - cy) * k, 2))

    out = []
    for item in design:
        if item[0] == "path":
            out.append(("path", [(cmd[0],) + tuple(place(p) for p in cmd[1:]) for cmd in item[1]]))
        else:
            out.append(("circle", place(item[1]), round(item[2] * k, 2)))
    return out


def _flatten(path):
    segs = []
    cur = None
    for cmd in path:
        if cmd[0] == "M":
            cur = cmd[1]
        elif cmd[0] == "L":
            segs.append((cur, cmd[1]))
            cur = cmd[1]
        else:
            p0, p1, p2, p3 = cur, cmd[1], cmd[2], cmd[3]
            prev = p0
            for i in range(1, 17):
                t = i / 16.0
                m = 1.0 - t
                q = (m ** 3 * p0[0] + 3 * m * m * t * p1[0] + 3 * m * t * t * p2[0] + t ** 3 * p3[0],
                     m ** 3 * p0[1] + 3 * m * m * t * p1[1] + 3 * m * t * t * p2[1] + t ** 3 * p3[1])
                segs.append((prev, q))
                prev = q
            cur = p3
    return segs


def draw_icon():
    """Returns a 32 x 32 list of alpha values 0..255 for black ink."""
    segs = []
    circles = []
    for item in icon_drawing():
        if item[0] == "path":
            segs.extend(_flatten(item[1]))
        else:
            circles.append((item[1], item[2]))
    half = ICON_STROKE / 2.0
    n = 5
    alpha = []
    for y in range(32):
        row = []
        for x in range(32):
            near = [sg for sg in segs
                    if min(sg[0][0], sg[1][0]) - 2 < x + 1 and max(sg[0][0], sg[1][0]) + 2 > x
                    and min(sg[0][1], sg[1][1]) - 2 < y + 1 and max(sg[0][1], sg[1][1]) + 2 > y]
            hits = 0
            for j in range(n):
                for i in range(n):
                    px = x + (i + 0.5) / n
                    py = y + (j + 0.5) / n
                    hit = any(seg_distance(px, py, a[0], a[1], b[0], b[1]) <= half for a, b in near)
                    if not hit:
                        hit = any(abs(math.hypot(px - c[0], py - c[1]) - r) <= half for c, r in circles)
                    hits += hit
            row.append(hits / (n * n))
        alpha.append(row)
    return alpha


def icon_svg():
    def fmt(p):
        return "%s,%s" % (("%.2f" % p[0]).rstrip("0").rstrip("."), ("%.2f" % p[1]).rstrip("0").rstrip("."))

    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        '  <title>Fretlark</title>',
        '  <g fill="none" stroke="#000000" stroke-width="%s" stroke-linecap="round" '
        'stroke-linejoin="round">' % ICON_STROKE,
    ]
    for item in icon_drawing():
        if item[0] == "path":
            d = " ".join(cmd[0] + " " + " ".join(fmt(p) for p in cmd[1:]) for cmd in item[1])
            lines.append('    <path d="%s"/>' % d)
        else:
            lines.append('    <circle cx="%g" cy="%g" r="%g"/>' % (item[1][0], item[1][1], item[2]))
    lines += ["  </g>", "</svg>", ""]
    return "\n".join(lines)


# --------------------------------------------------------------------------

def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    neck, nut, wires = draw_neck()
    save_quantized(os.path.join(OUT_DIR, "guitar_neck.png"), neck)
    save_quantized(os.path.join(OUT_DIR, "chord_grid.png"), draw_chord_grid())
    save_quantized(os.path.join(OUT_DIR, "about.png"), draw_about())

    cursor = draw_cursor()
    write_indexed_png(os.path.join(OUT_DIR, "acoustic1.png"), 32, 32, cursor,
                      [(0, 0, 0, 0), (0, 0, 0, 255), (255, 255, 255, 255)])

    # Black ink in 16 steps of opacity keeps the icon within 16 colours.
    alpha = draw_icon()
    rows = [[int(round(a * 15)) for a in row] for row in alpha]
    palette = [(0, 0, 0, int(round(i * 255 / 15))) for i in range(16)]
    write_indexed_png(os.path.join(OUT_DIR, "mainicon.png"), 32, 32, rows, palette)
    with open(os.path.join(OUT_DIR, "fretlark.svg"), "w", newline="\n") as f:
        f.write(icon_svg())

    print("nut: picture x %.2f .. %.2f" % nut)
    for i, (a, b) in enumerate(wires, 1):
        print("fret wire %2d: picture x %.2f .. %.2f" % (i, a, b))


if __name__ == "__main__":
    main()
