#!/usr/bin/env python3
"""Draws every bitmap the program ships: the main window background, the
QR-code panel, the application icon, the default window icon and the
caption-button images.

All pictures are drawn procedurally (numpy + PIL, no fonts, no input files)
and every random choice comes from a fixed seed, so a re-run writes the very
same bytes.

    /usr/bin/python3 tools/gen_pictures.py [OUTPUT_ROOT]

OUTPUT_ROOT defaults to the repository root; the files land below it in
app/resources/ and skin/images/.
"""

import io
import math
import os
import struct
import sys

import numpy as np
import qrcode
from PIL import Image, ImageDraw

# Links shown as QR codes on the panel, left to right. The C++ link table
# carries the same strings; keep both in step.
PANEL_LINKS = [
    "https://pan.example.com/pcloud/album/info?uk=100000000001&album_id=200000000000000002",
    "https://microblog.example.com/chengyuan",
    "https://space.example.net/10000001/",
]

BACKGROUND = "app/resources/background.jpg"
PANEL = "app/resources/panel.png"
APP_ICON = "app/resources/app.ico"
DEFAULT_ICON = "skin/images/default_icon.png"
SKIN_DIR = "skin/images"

ICON_SIZES = (256, 48, 32, 16)          # directory order inside app.ico
CAPTION_BUTTONS = {                      # name -> (width, height)
    "close": (39, 19),
    "minimize": (27, 19),
    "menu": (27, 19),
    "bubble": (28, 19),
}
SINGLE_CLOSE_SIZE = (39, 20)
BUTTON_STATES = ("normal", "hover", "pressed")

SEED = 20240611


# ---------------------------------------------------------------------------
# small drawing toolkit
# ---------------------------------------------------------------------------

def rgb(hex_colour):
    """'#rrggbb' -> float array in 0..1."""
    h = hex_colour.lstrip("#")
    return np.array([int(h[i:i + 2], 16) for i in (0, 2, 4)], dtype=np.float64) / 255.0


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


class Pen:
    """Draws 0/255 shapes on a supersampled 'L' mask; coordinates are given in
    output pixels (pixel i spans [i, i+1))."""

    def __init__(self, draw, ss):
        self.d = draw
        self.ss = ss

    def _pt(self, x, y):
        return (x * self.ss - 0.5, y * self.ss - 0.5)

    def poly(self, pts, on=True):
        self.d.polygon([self._pt(x, y) for x, y in pts], fill=255 if on else 0)

    def rect(self, x0, y0, x1, y1, on=True):
        s = self.ss
        self.d.rectangle([round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1],
                         fill=255 if on else 0)

    def ellipse(self, cx, cy, rx, ry, on=True):
        n = max(32, int(2 * math.pi * max(rx, ry) * self.ss / 3))
        t = np.linspace(0.0, 2 * math.pi, n, endpoint=False)
        self.poly(list(zip(cx + rx * np.cos(t), cy + ry * np.sin(t))), on)

    def circle(self, cx, cy, r, on=True):
        self.ellipse(cx, cy, r, r, on)

    def line(self, p0, p1, width, on=True, round_caps=False):
        (x0, y0), (x1, y1) = p0, p1
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        nx, ny = -uy * width / 2, ux * width / 2
        self.poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], on)
        if round_caps:
            self.circle(x0, y0, width / 2, on)
            self.circle(x1, y1, width / 2, on)

    def rounded_rect(self, x0, y0, x1, y1, r, corners=(True, True, True, True), on=True):
        """corners: top-left, top-right, bottom-right, bottom-left."""
        pts = []
        arcs = [((x0 + r, y0 + r), 180, (x0, y0)), ((x1 - r, y0 + r), 270, (x1, y0)),
                ((x1 - r, y1 - r), 0, (x1, y1)), ((x0 + r, y1 - r), 90, (x0, y1))]
        for rounded, ((cx, cy), start, corner) in zip(corners, arcs):
            if rounded and r > 0:
                for k in range(13):
                    a = math.radians(start + 90 * k / 12)
                    pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
            else:
                pts.append(corner)
        self.poly(pts, on)


def coverage(w, h, ss, draw_fn):
    """Runs draw_fn(pen) on a w*ss x h*ss mask and box-filters it down to a
    float coverage map of w x h."""
    mask = Image.new("L", (w * ss, h * ss), 0)
    draw_fn(Pen(ImageDraw.Draw(mask), ss))
    a = np.asarray(mask, dtype=np.float64) / 255.0
    return a.reshape(h, ss, w, ss).mean(axis=(1, 3))


class Canvas:
    """Premultiplied float RGBA image, painted with coverage maps."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = np.zeros((h, w, 4), dtype=np.float64)

    def paint(self, cov, colour, alpha=1.0):
        a = np.broadcast_to(np.asarray(cov, dtype=np.float64) * alpha, (self.h, self.w))
        colour = np.broadcast_to(np.asarray(colour, dtype=np.float64), (self.h, self.w, 3))
        self.px *= (1.0 - a)[..., None]
        self.px[..., :3] += colour * a[..., None]
        self.px[..., 3] += a

    def image(self, mode="RGBA"):
        a = self.px[..., 3]
        safe = np.where(a > 0, a, 1.0)
        colour = self.px[..., :3] / safe[..., None]
        a8 = np.round(np.clip(a, 0, 1) * 255).astype(np.uint8)
        c8 = np.round(np.clip(colour, 0, 1) * 255).astype(np.uint8)
        if mode == "RGB":
            return Image.fromarray(c8, "RGB")
        c8[a8 == 0] = 0
        return Image.fromarray(np.dstack([c8, a8]), "RGBA")


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, format="PNG", compress_level=9, optimize=False)
    return buf.getvalue()


def jpeg_bytes(img, quality=85):
    buf = io.BytesIO()
    img.save(buf, format="JPEG", quality=quality, subsampling=2,
             optimize=False, progressive=False)
    return buf.getvalue()


# ---------------------------------------------------------------------------
# background: four-engine transport over a night cloud deck
# ---------------------------------------------------------------------------

class ValueNoise:
    """Smooth value noise on a lattice of seeded random values; can be sampled
    at any float coordinates."""

    def __init__(self, rng, cells_x, cells_y, width, height):
        self.grid = rng.random((cells_y + 3, cells_x + 3))
        self.sx = cells_x / width
        self.sy = cells_y / height

    def __call__(self, x, y):
        gx = np.clip(x * self.sx, 0, self.grid.shape[1] - 2.0001)
        gy = np.clip(y * self.sy, 0, self.grid.shape[0] - 2.0001)
        ix, iy = gx.astype(int), gy.astype(int)
        fx, fy = gx - ix, gy - iy
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        g = self.grid
        top = g[iy, ix] * (1 - fx) + g[iy, ix + 1] * fx
        bot = g[iy + 1, ix] * (1 - fx) + g[iy + 1, ix + 1] * fx
        return top * (1 - fy) + bot * fy


class Fbm:
    def __init__(self, rng, cells_x, cells_y, width, height, octaves=5, gain=0.5):
        self.layers = []
        amp = 1.0
        for o in range(octaves):
            self.layers.append((amp, ValueNoise(rng, cells_x << o, cells_y << o, width, height)))
            amp *= gain
        self.norm = sum(a for a, _ in self.layers)

    def __call__(self, x, y):
        return sum(a * n(x, y) for a, n in self.layers) / self.norm


MOON = (457.0, 42.0)


def draw_sky(w, h, rng):
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    t = y / (h - 1)
    stops = [(0.00, rgb("#03060e")), (0.30, rgb("#081430")), (0.60, rgb("#10244a")),
             (0.80, rgb("#183360")), (1.00, rgb("#1f3d6c"))]
    sky = np.zeros((h, w, 3))
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        seg = (t >= t0) & (t <= t1)
        f = ((t - t0) / (t1 - t0))[..., None]
        sky = np.where(seg[..., None], c0 * (1 - f) + c1 * f, sky)
    # darker towards the left where the window puts its text
    sky *= (0.60 + 0.40 * smoothstep(0, w, x))[..., None]
    # moon glow
    d = np.hypot(x - MOON[0], (y - MOON[1]) * 1.15)
    sky += rgb("#2b3d66")[None, None, :] * (np.exp(-(d / 120.0) ** 2) * 0.9)[..., None]
    sky += rgb("#8096c4")[None, None, :] * (np.exp(-(d / 28.0) ** 2) * 0.55)[..., None]

    # stars, thinning out towards the horizon
    n = 170
    sx = rng.random(n) * w
    sy = rng.random(n) ** 1.6 * h * 0.75
    mag = rng.random(n) ** 3
    tint = rng.random(n)
    for px, py, m, tt in zip(sx, sy, mag, tint):
        if math.hypot(px - MOON[0], py - MOON[1]) < 40:
            continue
        c = np.array([0.80 + 0.2 * tt, 0.86 + 0.1 * tt, 1.0])
        ix, iy = int(px), int(py)
        bright = 0.18 + 0.75 * m
        sky[iy, ix] += c * bright
        if m > 0.35:  # a soft halo for the brighter ones
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if 0 <= ix + dx < w and 0 <= iy + dy < h:
                    sky[iy + dy, ix + dx] += c * bright * 0.3

    # the moon itself: a pale disc with a faint darker mare
    cov = coverage(w, h, 4, lambda p: p.circle(MOON[0], MOON[1], 7.5))
    mare = coverage(w, h, 4, lambda p: p.circle(MOON[0] + 2.0, MOON[1] - 1.5, 3.2))
    moon = rgb("#e9eefa") * (1 - 0.08 * mare)[..., None]
    sky = sky * (1 - cov[..., None]) + moon * cov[..., None]
    return sky


def cloud_top(x):
    """Upper edge of the cloud deck: low on the left, rising to the right."""
    return 152.0 - 24.0 * smoothstep(140.0, 560.0, x)


def shade_puff(out, x, y, tex, cx, cy, rx, ry, softness, haze):
    """Paints one sphere-lit cloud puff (an ellipse) into out, in place."""
    h, w, _ = out.shape
    x0, x1 = max(int(cx - rx * 1.4), 0), min(int(cx + rx * 1.4) + 2, w)
    y0, y1 = max(int(cy - ry * 1.4), 0), min(int(cy + ry * 1.4) + 2, h)
    if x0 >= x1 or y0 >= y1:
        return
    sx, sy = x[y0:y1, x0:x1] + 0.5, y[y0:y1, x0:x1] + 0.5
    wobble = 1.0 + 0.5 * tex[y0:y1, x0:x1]
    dx, dy = (sx - cx) / (rx * wobble), (sy - cy) / (ry * wobble)
    d = np.hypot(dx, dy)
    a = smoothstep(1.0, 1.0 - softness, d)
    if not a.any():
        return
    dz = np.sqrt(np.clip(1 - d * d, 0, 1))
    to_light = np.array([0.55, -0.62, 0.56])
    lam = np.clip((dx * to_light[0] + dy * to_light[1] + dz * to_light[2]) / np.linalg.norm(to_light), -1, 1)
    lam = (0.5 + 0.5 * lam) ** 1.8
    moon_side = 0.3 + 0.7 * np.exp(-np.hypot(sx - MOON[0], (sy - MOON[1]) * 0.6) / 230.0)
    shadow, lit = rgb("#0d1631"), rgb("#8a9cc4")
    c = shadow + (lit - shadow) * (lam * moon_side)[..., None]
    c = c * (0.92 + 0.3 * tex[y0:y1, x0:x1, None])
    c = c * (1 - haze) + rgb("#1c3460") * haze
    c = c * (0.74 + 0.26 * smoothstep(0, 430, sx))[..., None]
    c = c * (1.0 - 0.4 * smoothstep(172, 219, sy))[..., None]
    sub = out[y0:y1, x0:x1]
    sub *= (1 - a)[..., None]
    sub += c * a[..., None]


def draw_clouds(sky, rng):
    """A cumulus deck: clumps of soft sphere-lit puffs, painted from the far
    (higher, smaller, hazier) rows to the near ones."""
    h, w, _ = sky.shape
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    tex = Fbm(rng, 14, 6, w, h, octaves=4)(x, y) - 0.5
    undulation = Fbm(rng, 4, 1, w, h, octaves=3)

    # a haze band where the deck meets the sky
    haze = np.exp(-((y - cloud_top(x) + 3) / 10.0) ** 2) * (0.3 + 0.5 * smoothstep(100, 500, x))
    out = sky + rgb("#223a66")[None, None] * (0.5 * haze)[..., None]

    rows = 6
    for k in range(rows):
        t = k / (rows - 1)
        scale = 9.0 + 30.0 * t ** 1.3
        xx = -scale * 2 * rng.random()
        while xx < w + scale:
            # one clump: a dome of several puffs, biggest in the middle
            n = 3 + int(rng.integers(0, 4))
            width = scale * (1.6 + 1.4 * rng.random())
            base_y = (cloud_top(xx) + 6 + 82.0 * t ** 1.2
                      + 14 * (undulation(np.array(xx), np.array(0.0)) - 0.5) * (1 - t))
            for j in range(n):
                u = (j + 0.5) / n - 0.5
                r = scale * (0.75 + 0.5 * rng.random()) * (1 - 0.9 * u * u)
                cx = xx + u * width + rng.normal() * scale * 0.12
                cy = base_y - r * (0.35 + 0.5 * (1 - 2 * abs(u))) + r * 0.8
                shade_puff(out, x, y, tex, cx, cy, r * 1.25, r, 0.55, 0.5 * (1 - t) ** 1.5)
            xx += width * (0.55 + 0.35 * rng.random())
    return out


# -- aircraft ----------------------------------------------------------------

def attitude_matrix(yaw, elevation, pitch, roll):
    """Aircraft axes (x forward, y starboard, z up) -> view axes
    (X right, Y up, D towards the viewer)."""
    r, p, t, e = (math.radians(v) for v in (roll, pitch, yaw, elevation))
    roll_m = np.array([[1, 0, 0], [0, math.cos(r), -math.sin(r)], [0, math.sin(r), math.cos(r)]])
    pitch_m = np.array([[math.cos(p), 0, -math.sin(p)], [0, 1, 0], [math.sin(p), 0, math.cos(p)]])
    yaw_m = np.array([[math.cos(t), -math.sin(t), 0],        # X
                      [0, 0, 1],                             # Y
                      [math.sin(t), math.cos(t), 0]])        # D
    elev_m = np.array([[1, 0, 0], [0, math.cos(e), -math.sin(e)], [0, math.sin(e), math.cos(e)]])
    return elev_m @ yaw_m @ pitch_m @ roll_m


class Mesh:
    def __init__(self):
        self.v = []        # vertices (aircraft axes)
        self.n = []        # vertex normals
        self.tris = []     # (i, j, k, material)

    def add_grid(self, pts, centres, material, closed=True, materials=None):
        """pts: (rows, cols, 3) surface grid; centres: (rows, 3) interior
        point of each row used to orient normals outwards."""
        rows, cols, _ = pts.shape
        base = len(self.v)
        ncols = cols if closed else cols - 1
        face_n = np.zeros((rows - 1, ncols, 3))
        for i in range(rows - 1):
            for j in range(ncols):
                j2 = (j + 1) % cols
                a, b, c, d = pts[i, j], pts[i + 1, j], pts[i + 1, j2], pts[i, j2]
                nrm = np.cross(c - a, d - b)
                ln = np.linalg.norm(nrm)
                if ln < 1e-12:
                    continue
                nrm /= ln
                mid = (a + b + c + d) / 4 - (centres[i] + centres[i + 1]) / 2
                if np.dot(nrm, mid) < 0:
                    nrm = -nrm
                face_n[i, j] = nrm
        vn = np.zeros((rows, cols, 3))
        for i in range(rows - 1):
            for j in range(ncols):
                j2 = (j + 1) % cols
                for (a, b) in ((i, j), (i + 1, j), (i + 1, j2), (i, j2)):
                    vn[a, b] += face_n[i, j]
        ln = np.linalg.norm(vn, axis=2, keepdims=True)
        vn = vn / np.where(ln > 0, ln, 1)
        self.v.extend(pts.reshape(-1, 3).copy())
        self.n.extend(vn.reshape(-1, 3))
        for i in range(rows - 1):
            for j in range(ncols):
                j2 = (j + 1) % cols
                a, b = base + i * cols + j, base + (i + 1) * cols + j
                c, d = base + (i + 1) * cols + j2, base + i * cols + j2
                m = materials(i, j) if materials else material
                self.tris.append((a, b, c, m))
                self.tris.append((a, c, d, m))

    def add_cap(self, ring, normal, material):
        base = len(self.v)
        centre = ring.mean(axis=0)
        self.v.append(centre)
        self.n.append(normal)
        for p in ring:
            self.v.append(p)
            self.n.append(normal)
        k = len(ring)
        for j in range(k):
            self.tris.append((base, base + 1 + j, base + 1 + (j + 1) % k, material))


def body_of_revolution(mesh, xs, profile, material, segments=40, materials=None, caps=(False, True),
                       y_offset=0.0):
    """profile(x) -> (z centre, half width, half height)."""
    ang = np.linspace(0, 2 * math.pi, segments, endpoint=False)
    pts = np.zeros((len(xs), segments, 3))
    centres = np.zeros((len(xs), 3))
    for i, x in enumerate(xs):
        zc, rh, rv = profile(x)
        rh, rv = max(rh, 0.01), max(rv, 0.01)
        pts[i, :, 0] = x
        pts[i, :, 1] = y_offset + rh * np.cos(ang)
        pts[i, :, 2] = zc + rv * np.sin(ang)
        centres[i] = (x, y_offset, zc)
    mesh.add_grid(pts, centres, material,
                  materials=(lambda i, j: materials(xs[i], ang[j])) if materials else None)
    if caps[0]:
        mesh.add_cap(pts[0], np.array([1.0, 0, 0]), material)
    if caps[1]:
        mesh.add_cap(pts[-1], np.array([-1.0, 0, 0]), material)
    return pts


def airfoil_loop(n=10):
    """Closed thin-aerofoil loop as (chord fraction, thickness fraction)."""
    c = (1 - np.cos(np.linspace(0, math.pi, n))) / 2
    yt = 5 * (0.2969 * np.sqrt(c) - 0.1260 * c - 0.3516 * c ** 2 + 0.2843 * c ** 3 - 0.1036 * c ** 4)
    upper = list(zip(c, yt * 1.0))
    lower = list(zip(c[::-1], -yt[::-1] * 0.8))
    return np.array(upper + lower[1:-1])


def lifting_surface(mesh, spans, le, te, thick, height, material, vertical=False, side=1.0):
    """Extrudes an aerofoil along the span. le/te/thick/height are functions of
    the span coordinate s. Horizontal surfaces span along y (side = +1/-1);
    vertical ones along z."""
    loop = airfoil_loop()
    pts = np.zeros((len(spans), len(loop), 3))
    centres = np.zeros((len(spans), 3))
    for i, s in enumerate(spans):
        x0, x1, t = le(s), te(s), thick(s)
        chord = x0 - x1
        xs = x0 - loop[:, 0] * chord
        off = loop[:, 1] * t / 0.6
        if vertical:
            pts[i, :, 0], pts[i, :, 1], pts[i, :, 2] = xs, off, s
            centres[i] = ((x0 + x1) / 2, 0, s)
        else:
            pts[i, :, 0], pts[i, :, 1], pts[i, :, 2] = xs, side * s, height(s) + off
            centres[i] = ((x0 + x1) / 2, side * s, height(s))
    mesh.add_grid(pts, centres, material)
    tip_normal = np.array([0, 0, 1.0]) if vertical else np.array([0, side, 0.0])
    mesh.add_cap(pts[-1], tip_normal, material)


def build_aircraft():
    mesh = Mesh()
    BODY, GLASS, NACELLE, SPINNER = 0, 1, 2, 3

    def fuselage(x):
        if x > 9.5:
            u = min((x - 9.5) / 5.8, 1.0)
            k = max(1 - u ** 2.3, 0) ** 0.5
            return 0.25 - 0.55 * u ** 2, 2.2 * k, 2.3 * k
        if x >= -6.0:
            return 0.25, 2.2, 2.3
        u = min((-6.0 - x) / 9.6, 1.0)
        top = 2.55 + 0.35 * u
        bottom = -2.05 + 4.45 * u ** 1.25
        return (top + bottom) / 2, 2.2 * (1 - 0.84 * u ** 1.15), (top - bottom) / 2

    def windows(x, a):
        a = math.degrees(a) % 360
        side = 38 < a < 56 or 124 < a < 142
        front = 64 < a < 116
        panes = (12.3 < x < 12.8) or (12.95 < x < 13.45)
        if panes and side:
            return GLASS
        if 13.55 < x < 13.95 and front and not 87 < a < 93:
            return GLASS
        return BODY

    nose = 9.5 + 5.8 * np.sin(np.linspace(0, math.pi / 2, 22)) ** 0.8
    xs = np.concatenate([np.linspace(-15.6, -6.0, 18), np.linspace(-5.4, 9.0, 10), nose])
    body_of_revolution(mesh, xs[::-1], fuselage, BODY, segments=48, materials=windows,
                       caps=(False, True))

    # wings: high-mounted, slight taper, a touch of dihedral
    for side in (1.0, -1.0):
        spans = np.linspace(0.0, 20.3, 16)
        lifting_surface(mesh, spans,
                        le=lambda s: 2.3 - 0.05 * s,
                        te=lambda s: -2.5 + 0.09 * s,
                        thick=lambda s: 0.62 - 0.018 * s,
                        height=lambda s: 2.35 + 0.012 * s,
                        material=BODY, side=side)
        # tailplane
        lifting_surface(mesh, np.linspace(0.0, 6.8, 6),
                        le=lambda s: -11.2 - 0.30 * s,
                        te=lambda s: -15.3 + 0.08 * s,
                        thick=lambda s: 0.38 - 0.03 * s,
                        height=lambda s: 2.75,
                        material=BODY, side=side)
    # fin
    lifting_surface(mesh, np.linspace(2.0, 8.9, 8),
                    le=lambda s: -8.4 - 0.66 * (s - 2.0),
                    te=lambda s: -15.5 + 0.03 * (s - 2.0),
                    thick=lambda s: 0.5 - 0.035 * (s - 2.0),
                    height=None, material=BODY, vertical=True)

    # four nacelles with spinners
    props = []
    for y in (-9.9, -5.1, 5.1, 9.9):
        def nacelle(x, y=y):
            if x > 3.4:
                u = min((x - 3.4) / 1.2, 1.0)
                k = math.sqrt(1 - 0.72 * u ** 2)
            elif x > -1.2:
                k = 1.0
            else:
                u = (-1.2 - x) / 2.1
                k = max(1 - 0.85 * u ** 1.5, 0.05)
            return 1.95, 0.68 * k, 0.98 * k

        def spinner(x):
            u = min((x - 4.6) / 0.95, 1.0)
            return 1.95, 0.44 * max(1 - u ** 2, 0) ** 0.6, 0.44 * max(1 - u ** 2, 0) ** 0.6

        body_of_revolution(mesh, np.linspace(4.6, -3.3, 18), nacelle, NACELLE, segments=28,
                           caps=(True, True), y_offset=y)
        body_of_revolution(mesh, np.linspace(5.55, 4.6, 8), spinner, SPINNER, segments=24,
                           caps=(False, False), y_offset=y)
        props.append(np.array([4.72, y, 1.95]))
    return mesh, props


class ZBuffer:
    """Tiny z-buffered triangle rasteriser with per-pixel normals."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.z = np.full((h, w), -np.inf)
        self.nrm = np.zeros((h, w, 3))
        self.mat = np.zeros((h, w), dtype=np.int32)
        self.gx = np.arange(w) + 0.5
        self.gy = np.arange(h) + 0.5

    def _setup(self, p):
        x0, y0, x1, y1, x2, y2 = p[0, 0], p[0, 1], p[1, 0], p[1, 1], p[2, 0], p[2, 1]
        area = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0)
        if abs(area) < 1e-9:
            return None
        bx0 = max(int(math.floor(min(x0, x1, x2))), 0)
        bx1 = min(int(math.ceil(max(x0, x1, x2))) + 1, self.w)
        by0 = max(int(math.floor(min(y0, y1, y2))), 0)
        by1 = min(int(math.ceil(max(y0, y1, y2))) + 1, self.h)
        if bx0 >= bx1 or by0 >= by1:
            return None
        X = self.gx[None, bx0:bx1]
        Y = self.gy[by0:by1, None]
        w0 = ((x1 - X) * (y2 - Y) - (x2 - X) * (y1 - Y)) / area
        w1 = ((x2 - X) * (y0 - Y) - (x0 - X) * (y2 - Y)) / area
        w2 = 1.0 - w0 - w1
        inside = (w0 >= 0) & (w1 >= 0) & (w2 >= 0)
        if not inside.any():
            return None
        return (slice(by0, by1), slice(bx0, bx1)), (w0, w1, w2), inside

    def triangle(self, p, n, material):
        s = self._setup(p)
        if s is None:
            return
        sl, (w0, w1, w2), inside = s
        z = w0 * p[0, 2] + w1 * p[1, 2] + w2 * p[2, 2]
        win = inside & (z > self.z[sl])
        if not win.any():
            return
        self.z[sl][win] = z[win]
        nn = w0[..., None] * n[0] + w1[..., None] * n[1] + w2[..., None] * n[2]
        self.nrm[sl][win] = nn[win]
        self.mat[sl][win] = material

    def attributes(self, p, attrs):
        """Rasterises without writing; returns (slices, visible mask,
        interpolated attributes) for pixels in front of what is drawn."""
        s = self._setup(p)
        if s is None:
            return None
        sl, (w0, w1, w2), inside = s
        z = w0 * p[0, 2] + w1 * p[1, 2] + w2 * p[2, 2]
        vis = inside & (z > self.z[sl])
        val = w0[..., None] * attrs[0] + w1[..., None] * attrs[1] + w2[..., None] * attrs[2]
        return sl, vis, val


def render_aircraft(width, height, box, ss=4):
    """Returns premultiplied RGBA (height, width, 4) with the aircraft, plus the
    screen positions of its navigation lights."""
    bx0, by0, bx1, by1 = box
    W, H = (bx1 - bx0) * ss, (by1 - by0) * ss
    M = attitude_matrix(yaw=31.0, elevation=11.0, pitch=3.5, roll=-4.0)
    scale = 7.2           # pixels per metre
    origin = np.array([272.0, 82.0])

    mesh, props = build_aircraft()
    V = np.array(mesh.v)
    N = np.array(mesh.n)
    cam = V @ M.T
    cn = N @ M.T

    def to_screen(c):
        sx = (origin[0] + c[..., 0] * scale - bx0) * ss
        sy = (origin[1] - c[..., 1] * scale - by0) * ss
        return np.stack([sx, sy, c[..., 2]], axis=-1)

    scr = to_screen(cam)
    zb = ZBuffer(W, H)
    for a, b, c, m in mesh.tris:
        tri_n = cn[[a, b, c]]
        # cull faces pointing away from the viewer (normals are outward)
        if tri_n.sum(axis=0)[2] < -0.3:
            continue
        zb.triangle(scr[[a, b, c]], tri_n, m)

    covered = np.isfinite(zb.z)
    n = zb.nrm / np.maximum(np.linalg.norm(zb.nrm, axis=2, keepdims=True), 1e-9)
    L = np.array([0.80, 0.45, -0.25])        # moonlight from the right, a little behind
    L /= np.linalg.norm(L)
    half = L + np.array([0, 0, 1.0])
    half /= np.linalg.norm(half)
    diff = np.clip(n @ L, 0, None)
    glint = np.clip(n @ half, 0, None) ** 28
    up = n[..., 1]
    rim = (1 - np.clip(n[..., 2], 0, 1)) ** 2.5

    albedo = np.array([rgb("#3a4356"), rgb("#10151f"), rgb("#4b566e"), rgb("#5a6580")])
    alb = albedo[zb.mat]
    moon = rgb("#c4d2f2")
    sky_amb = rgb("#1f2d4c")
    bounce = rgb("#2a3b60")
    col = alb * (sky_amb * (0.35 + 0.65 * np.clip(up, 0, 1))[..., None]
                 + bounce * (0.45 * np.clip(-up, 0, 1))[..., None]
                 + moon * (1.25 * diff)[..., None])
    fill = np.clip(n @ np.array([-0.28, -0.18, 0.94]), 0, None)   # faint cloud-light from below
    col += alb * rgb("#3d5488") * (0.55 * fill)[..., None]
    col += moon * (0.30 * glint)[..., None]
    col += rgb("#5a70a0") * (0.30 * rim * np.clip(n[..., 0] * 0.8 + up * 0.5 + 0.2, 0, 1))[..., None]
    col *= covered[..., None]
    premult = np.dstack([col, covered.astype(np.float64)])

    # propeller discs, drawn translucent in front of whatever they cover
    disc_axes = np.array([[0, 1.0, 0], [0, 0, 1.0]])
    for centre in props:
        R = 2.05
        corners = np.array([[-1, -1], [1, -1], [1, 1], [-1, 1]], dtype=np.float64) * 1.02
        world = centre + corners[:, :1] * R * disc_axes[0] + corners[:, 1:] * R * disc_axes[1]
        sc = to_screen(world @ M.T)
        for tri in ((0, 1, 2), (0, 2, 3)):
            r = zb.attributes(sc[list(tri)], corners[list(tri)])
            if r is None:
                continue
            sl, vis, uv = r
            rr = np.hypot(uv[..., 0], uv[..., 1])
            ang = np.arctan2(uv[..., 1], uv[..., 0])
            a = (0.04 + 0.11 * rr ** 2) * (0.8 + 0.2 * np.cos(4 * ang + 0.6))
            a = a + 0.07 * smoothstep(0.88, 0.97, rr)
            a = np.where(vis & (rr <= 1.0), a, 0.0)
            pc = rgb("#b3c2e0")
            sub = premult[sl]
            sub *= (1 - a)[..., None]
            sub[..., :3] += pc * a[..., None]
            sub[..., 3] += a

    small = premult.reshape(by1 - by0, ss, bx1 - bx0, ss, 4).mean(axis=(1, 3))
    out = np.zeros((height, width, 4))
    out[by0:by1, bx0:bx1] = small

    def light_pos(p):
        s = to_screen((np.array(p) @ M.T)[None])[0]
        return (s[0] / ss + bx0, s[1] / ss + by0)

    lights = {
        "starboard": light_pos((1.05, 20.4, 2.6)),
        "port": light_pos((1.05, -20.4, 2.6)),
        "tail": light_pos((-15.7, 0.0, 2.95)),
        "beacon": light_pos((0.5, 0.0, 2.95)),
    }
    return out, lights


def glow(img, pos, colour, core, radius, strength):
    h, w, _ = img.shape
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    d = np.hypot(x + 0.5 - pos[0], y + 0.5 - pos[1])
    f = strength * np.exp(-(d / radius) ** 2) + core * np.exp(-(d / 0.8) ** 2)
    return img + colour[None, None] * f[..., None]


def make_background():
    w, h = 600, 219
    rng = np.random.default_rng(SEED)
    sky = draw_sky(w, h, rng)
    scene = draw_clouds(sky, rng)
    plane, lights = render_aircraft(w, h, box=(110, 0, 440, 150))
    scene = plane[..., :3] + scene * (1 - plane[..., 3:4])
    scene = glow(scene, lights["port"], rgb("#ff4a3a"), 0.9, 3.0, 0.35)
    scene = glow(scene, lights["starboard"], rgb("#3dff8a"), 0.9, 3.0, 0.35)
    scene = glow(scene, lights["tail"], rgb("#f2f6ff"), 0.7, 2.5, 0.25)
    scene = glow(scene, lights["beacon"], rgb("#ff3b2e"), 0.7, 2.6, 0.3)
    # very light dithering keeps the sky gradient free of bands
    scene += (rng.random((h, w, 1)) - 0.5) / 255.0
    img = Image.fromarray(np.round(np.clip(scene, 0, 1) * 255).astype(np.uint8), "RGB")
    return jpeg_bytes(img, quality=85)


# ---------------------------------------------------------------------------
# QR panel
# ---------------------------------------------------------------------------

QR_VERSION = 9       # the longest link needs version 9 at level H; all three share it
QR_SIZE = 147         # pixels per code, about 2.8 px per module


def qr_matrix(text):
    qr = qrcode.QRCode(version=QR_VERSION, error_correction=qrcode.constants.ERROR_CORRECT_H,
                       box_size=1, border=0)
    qr.add_data(text, optimize=0)
    qr.make(fit=False)
    return np.array(qr.get_matrix(), dtype=bool)


def qr_pixels(matrix, size):
    """Nearest-neighbour scale of the module grid: modules stay crisp, some
    are one pixel wider than others."""
    n = matrix.shape[0]
    idx = (np.arange(size) * n) // size
    return matrix[np.ix_(idx, idx)].astype(np.float64)


def emblem_cloud(p, cx, cy, s):
    p.circle(cx - 5.2 * s, cy + 1.6 * s, 4.6 * s)
    p.circle(cx + 0.2 * s, cy - 2.2 * s, 6.4 * s)
    p.circle(cx + 6.0 * s, cy + 1.4 * s, 4.9 * s)
    p.rounded_rect(cx - 9.8 * s, cy + 1.0 * s, cx + 10.9 * s, cy + 6.3 * s, 2.6 * s)


def emblem_eye(p, cx, cy, s):
    # almond: the lens between two large circles, pupil cut out of it
    half_w, half_h = 11.0 * s, 6.6 * s
    r = (half_w ** 2 + half_h ** 2) / (2 * half_h)
    a = math.asin(half_w / r)
    t = np.linspace(-a, a, 40)
    upper = [(cx + r * math.sin(v), cy + (r - half_h) - r * math.cos(v)) for v in t]
    lower = [(x, 2 * cy - y) for x, y in upper[::-1]]
    p.poly(upper + lower)
    p.circle(cx, cy, 4.0 * s, on=False)
    p.circle(cx + 1.5 * s, cy - 1.5 * s, 1.3 * s)


def emblem_tv(p, cx, cy, s):
    # solid set with antennae and a play mark cut out; nested frames would
    # look like finder patterns to some readers
    p.rounded_rect(cx - 10.5 * s, cy - 6.0 * s, cx + 10.5 * s, cy + 8.5 * s, 3.2 * s)
    p.line((cx - 5.5 * s, cy - 11.0 * s), (cx - 1.5 * s, cy - 6.0 * s), 2.0 * s, round_caps=True)
    p.line((cx + 5.5 * s, cy - 11.0 * s), (cx + 1.5 * s, cy - 6.0 * s), 2.0 * s, round_caps=True)
    p.poly([(cx - 2.4 * s, cy - 2.0 * s), (cx - 2.4 * s, cy + 4.5 * s), (cx + 3.6 * s, cy + 1.25 * s)],
           on=False)


PANEL_EMBLEMS = [(emblem_cloud, "#2f7cf0"), (emblem_eye, "#e5482f"), (emblem_tv, "#f0588c")]


def make_panel():
    w, h = 500, 170
    ss = 4
    canvas = Canvas(w, h)
    canvas.paint(np.ones((h, w)), rgb("#ffffff"))
    size = QR_SIZE
    gap = (w - 3 * size) / 4
    y0 = (h - size) // 2
    ink = rgb("#17202c")
    for i, (text, (emblem, colour)) in enumerate(zip(PANEL_LINKS, PANEL_EMBLEMS)):
        x0 = int(round(gap + i * (size + gap)))
        m = qr_matrix(text)
        cells = qr_pixels(m, size)
        cov = np.zeros((h, w))
        cov[y0:y0 + size, x0:x0 + size] = cells
        canvas.paint(cov, ink)
        cx, cy = x0 + size / 2, y0 + size / 2
        canvas.paint(coverage(w, h, ss, lambda p: p.rounded_rect(cx - 21, cy - 21, cx + 21, cy + 21, 7)),
                     rgb("#ffffff"))
        canvas.paint(coverage(w, h, ss, lambda p: p.rounded_rect(cx - 17.5, cy - 17.5, cx + 17.5, cy + 17.5, 6)),
                     rgb(colour))
        canvas.paint(coverage(w, h, ss, lambda p: emblem(p, cx, cy + 0.5, 1.05)), rgb("#ffffff"))
    return png_bytes(canvas.image("RGBA"))


# ---------------------------------------------------------------------------
# application icon
# ---------------------------------------------------------------------------

ICON_STYLE = {
    # size: tile inset, tile radius, lens radius, ring width, tick width, tick length, sun radius
    256: dict(inset=10.0, radius=50.0, lens=84.0, ring=12.0, tick=8.0, tick_len=26.0, sun=13.0),
    48: dict(inset=1.5, radius=9.5, lens=16.0, ring=3.0, tick=2.0, tick_len=4.5, sun=2.6),
    32: dict(inset=0.5, radius=6.5, lens=11.0, ring=2.2, tick=2.0, tick_len=3.0, sun=2.0),
    16: dict(inset=0.0, radius=3.0, lens=6.0, ring=1.5, tick=1.0, tick_len=1.5, sun=1.3),
}


def draw_icon(size):
    """A telescope's view: a round lens showing a far horizon with the sun
    resting on it, on a rounded dark tile."""
    st = ICON_STYLE[size]
    ss = 4 if size >= 128 else 8
    S = float(size)
    inset, lens = st["inset"], st["lens"]
    c = S / 2 if round(st["tick"]) % 2 == 0 else S / 2 - 0.5
    cx = cy = c
    horizon = cy + (0.5 if size == 16 else S / 96)
    canvas = Canvas(size, size)
    y, x = np.mgrid[0:size, 0:size].astype(np.float64) + 0.5

    tile = coverage(size, size, ss, lambda p: p.rounded_rect(inset, inset, S - inset, S - inset, st["radius"]))
    f = np.clip((y - inset) / (S - 2 * inset), 0, 1)[..., None]
    canvas.paint(tile, rgb("#10243a") * (1 - f) + rgb("#060f1b") * f)

    # the scene inside the lens
    inner = lens - st["ring"] / 2
    disc = coverage(size, size, ss, lambda p: p.circle(cx, cy, inner + 0.3))
    above = y < horizon
    t_sky = np.clip((horizon - y) / inner, 0, 1)[..., None]
    t_sea = np.clip((y - horizon) / inner, 0, 1)[..., None]
    sky = rgb("#3aa6cf") * (1 - t_sky) ** 1.3 + rgb("#0e2f4f") * (1 - (1 - t_sky) ** 1.3)
    sea = rgb("#0f3d55") * (1 - t_sea) + rgb("#061a2a") * t_sea
    canvas.paint(disc, np.where(above[..., None], sky, sea))

    if size >= 32:   # far ridges left and right of the sun
        def ridges(p):
            pts = [(cx - inner - 1, horizon)]
            for k in range(61):
                u = k / 60 * 2 - 1
                xx = cx + u * (inner + 1)
                hgt = inner * abs(u) ** 1.4 * (0.20 + 0.05 * math.sin(u * 6.5 + 0.4)
                                               + 0.02 * math.sin(u * 17.0 + 1.1))
                pts.append((xx, horizon - max(hgt, 0)))
            pts.append((cx + inner + 1, horizon))
            p.poly(pts)
        canvas.paint(disc * coverage(size, size, ss, ridges), rgb("#0c3147"))

    # glow of the sun along the horizon, and the sun itself
    g = np.exp(-((y - horizon) / max(S * 0.035, 0.8)) ** 2) * np.exp(-((x - cx) / (inner * 0.9)) ** 2)
    canvas.paint(disc * np.clip(g, 0, 1), rgb("#bff6ff"), 0.7)
    halo = np.exp(-(np.hypot(x - cx, y - horizon) / (st["sun"] * (2.6 if size > 16 else 1.6))) ** 2)
    canvas.paint(disc * halo, rgb("#8eeaff"), 0.55)
    if size >= 48:   # the sun's glitter on the water
        streak = (np.exp(-((x - cx) / (st["sun"] * 0.45)) ** 2) * (y > horizon)
                  * np.exp(-(y - horizon) / (inner * 0.55)))
        canvas.paint(disc * streak, rgb("#bdf3ff"), 0.5)
    sun = coverage(size, size, ss, lambda p: p.circle(cx, horizon, st["sun"]))
    canvas.paint(disc * sun, rgb("#f4fdff"))
    if size > 16:    # the near half of the sun sinks behind the water line
        canvas.paint(disc * sun * (y > horizon + S / 128), rgb("#9fe3f2"), 0.55)

    # lens ring, azure at the top turning teal at the bottom
    grad = np.clip((y - (cy - lens)) / (2 * lens), 0, 1)[..., None]
    ring_col = rgb("#63d6ff") * (1 - grad) + rgb("#2ee3c2") * grad

    def ring(p):
        p.circle(cx, cy, lens + st["ring"] / 2)
        p.circle(cx, cy, lens - st["ring"] / 2, on=False)
    canvas.paint(coverage(size, size, ss, ring), ring_col)

    def ticks(p):
        tw, tl = st["tick"], st["tick_len"]
        a, b = lens - st["ring"] / 2 - tl, lens
        for d in (-1, 1):
            xa, xb = sorted((cx + d * a, cx + d * b))
            p.rect(xa, cy - tw / 2, xb, cy + tw / 2)
            ya, yb = sorted((cy + d * a, cy + d * b))
            p.rect(cx - tw / 2, ya, cx + tw / 2, yb)
    canvas.paint(coverage(size, size, ss, ticks), ring_col)

    if size >= 48:   # a faint highlight along the top edge of the tile
        edge = tile - coverage(size, size, ss,
                               lambda p: p.rounded_rect(inset, inset + S / 96 + 0.5, S - inset, S - inset,
                                                        st["radius"]))
        canvas.paint(np.clip(edge, 0, 1), rgb("#6a9cc4"), 0.45)
    return canvas.image("RGBA")


def bmp_icon_entry(img):
    """32-bit DIB as stored in an ICO: BITMAPINFOHEADER with doubled height,
    BGRA rows bottom-up, then the 1-bit AND mask."""
    w, h = img.size
    a = np.asarray(img.convert("RGBA"), dtype=np.uint8)
    bgra = a[:, :, [2, 1, 0, 3]][::-1]
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    mask_row = ((w + 31) // 32) * 4
    transparent = (a[::-1, :, 3] == 0)
    bits = np.packbits(transparent, axis=1)
    mask = np.zeros((h, mask_row), dtype=np.uint8)
    mask[:, :bits.shape[1]] = bits
    return header + bgra.tobytes() + mask.tobytes()


def make_icon():
    images = []
    for size in ICON_SIZES:
        img = draw_icon(size)
        images.append((size, png_bytes(img) if size >= 256 else bmp_icon_entry(img)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for size, blob in images:
        dim = 0 if size >= 256 else size
        entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return out + entries + blobs


# ---------------------------------------------------------------------------
# default window icon
# ---------------------------------------------------------------------------

def make_default_icon():
    s = 48
    ss = 8
    canvas = Canvas(s, s)
    y = np.mgrid[0:s, 0:s][0].astype(np.float64) + 0.5
    canvas.paint(np.ones((s, s)), rgb("#eef2f7"))
    canvas.paint(coverage(s, s, ss, lambda p: p.rounded_rect(5, 8, 43, 41, 3.5)), rgb("#8da3bb"))
    body = coverage(s, s, ss, lambda p: p.rounded_rect(6, 9, 42, 40, 2.6))
    canvas.paint(body, rgb("#ffffff"))
    title = coverage(s, s, ss, lambda p: p.rounded_rect(6, 9, 42, 17, 2.6, corners=(True, True, False, False)))
    shade = np.clip((y - 9) / 8, 0, 1)[..., None]
    canvas.paint(title, rgb("#4a95e6") * (1 - shade) + rgb("#2c74cc") * shade)
    for k, col in enumerate(("#ffffff", "#ffffff", "#ffffff")):
        canvas.paint(coverage(s, s, ss, lambda p: p.circle(37.5 - 4.2 * k, 13, 1.25)), rgb(col), 0.9)
    canvas.paint(coverage(s, s, ss, lambda p: p.rounded_rect(10, 21, 20, 31, 1.5)), rgb("#6fb0f2"))
    for k, length in enumerate((15, 12, 14)):
        canvas.paint(coverage(s, s, ss, lambda p: p.rect(23, 22 + 4 * k, 23 + length, 24 + 4 * k)),
                     rgb("#c3cfdc"))
    canvas.paint(coverage(s, s, ss, lambda p: p.rect(10, 34, 38, 36)), rgb("#dde4ec"))
    return png_bytes(canvas.image("RGB"))


# ---------------------------------------------------------------------------
# caption buttons
# ---------------------------------------------------------------------------

def glyph_close(p, w, h, dx, dy):
    cx, cy = w / 2 + dx, 9.5 + dy
    r = 3.9
    p.line((cx - r, cy - r), (cx + r, cy + r), 1.4)
    p.line((cx - r, cy + r), (cx + r, cy - r), 1.4)


def glyph_minimize(p, w, h, dx, dy):
    x0 = round(w / 2 - 4.5) + dx
    p.rect(x0, 10 + dy, x0 + 9, 12 + dy)


def glyph_menu(p, w, h, dx, dy):
    x0, y0 = 6 + dx, 5 + dy
    p.rect(x0, y0, x0 + 11, y0 + 10)                  # window
    p.rect(x0 + 1, y0 + 3, x0 + 10, y0 + 9, on=False)  # client area below the title bar
    for k in range(3):                                 # list rows
        p.rect(x0 + 3, y0 + 4 + 2 * k, x0 + 8, y0 + 5 + 2 * k)
    ax, ay = x0 + 15.5, y0 + 6.0                       # drop-down arrow
    p.poly([(ax - 2.5, ay - 1.3), (ax + 2.5, ay - 1.3), (ax, ay + 1.6)])


def glyph_bubble(p, w, h, dx, dy):
    x0, y0, x1, y1 = 8.0 + dx, 4.0 + dy, 20.0 + dx, 13.0 + dy
    p.rounded_rect(x0, y0, x1, y1, 3.0)
    p.poly([(x0 + 2.2, y1 - 1), (x0 + 1.2, y1 + 3.4), (x0 + 6.0, y1 - 1)])
    for k in range(3):
        p.circle(x0 + 3.0 + 3.0 * k, (y0 + y1) / 2, 1.0, on=False)


GLYPHS = {"close": glyph_close, "minimize": glyph_minimize, "menu": glyph_menu, "bubble": glyph_bubble}
PLATE_ALPHA = {"normal": 26 / 255, "hover": 112 / 255, "pressed": 100 / 255}
WHITE = rgb("#ffffff")


def caption_button(name, state):
    w, h = CAPTION_BUTTONS[name]
    ss = 4
    corners = (False, False, name == "close", name == "bubble")
    canvas = Canvas(w, h)
    plate = coverage(w, h, ss, lambda p: p.rounded_rect(0, 0, w, h, 4.0, corners))
    canvas.paint(plate, WHITE, PLATE_ALPHA[state])
    above = coverage(w, h, ss, lambda p: p.rounded_rect(0, -1, w, h - 1, 4.0, corners))
    canvas.paint(np.clip(plate - above, 0, 1), rgb("#0c1424"), 0.45)
    if name != "bubble":      # hairline separating the button from its left neighbour
        sep = np.zeros((h, w))
        sep[3:h - 4, 0] = 1.0
        canvas.paint(sep, rgb("#0c1424"), 0.12)
    shift = 1 if state == "pressed" else 0
    glyph = coverage(w, h, ss, lambda p: GLYPHS[name](p, w, h, shift, shift))
    canvas.paint(glyph, WHITE)
    return png_bytes(canvas.image("RGBA"))


def single_close_button(state):
    w, h = SINGLE_CLOSE_SIZE
    ss = 4
    canvas = Canvas(w, h)
    plate = coverage(w, h, ss, lambda p: p.rounded_rect(0, 0, w, h, 4.0, (False, False, True, True)))
    if state == "normal":
        canvas.paint(plate, WHITE, 26 / 255)
    elif state == "hover":
        canvas.paint(plate, np.array([244, 55, 11]) / 255.0, 220 / 255)
    else:
        canvas.paint(plate, np.array([178, 36, 6]) / 255.0, 230 / 255)
    shift = 1 if state == "pressed" else 0
    glyph = coverage(w, h, ss, lambda p: glyph_close(p, w, h, shift, shift + 0.5))
    canvas.paint(glyph, WHITE)
    return png_bytes(canvas.image("RGBA"))


# ---------------------------------------------------------------------------

def all_pictures():
    """Relative path -> file bytes, for every picture this script owns."""
    files = {
        BACKGROUND: make_background(),
        PANEL: make_panel(),
        APP_ICON: make_icon(),
        DEFAULT_ICON: make_default_icon(),
    }
    for name in CAPTION_BUTTONS:
        for state in BUTTON_STATES:
            files[f"{SKIN_DIR}/{name}_{state}.png"] = caption_button(name, state)
    for state in BUTTON_STATES:
        files[f"{SKIN_DIR}/single_close_{state}.png"] = single_close_button(state)
    return files


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) > 1 else os.path.dirname(here)
    for rel, data in all_pictures().items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print(f"{rel}: {len(data)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
