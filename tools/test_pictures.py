"""Checks the committed pictures: file formats the program's loaders rely on,
decodable QR codes in the right order, caption-button states, and that the
generator reproduces every file byte for byte.

    /usr/bin/python3 -m unittest discover -s tools -p 'test_*.py'
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
import gen_pictures as gen  # noqa: E402

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read(rel):
    with open(os.path.join(ROOT, rel), "rb") as f:
        return f.read()


def png_chunks(data):
    assert data[:8] == PNG_SIGNATURE, "not a PNG"
    pos, chunks = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        chunks.append((kind.decode("ascii"), data[pos + 8:pos + 8 + length]))
        pos += 12 + length
    return chunks


def png_header(data):
    kind, body = png_chunks(data)[0]
    assert kind == "IHDR"
    width, height, depth, colour_type = struct.unpack(">IIBB", body[:10])
    return width, height, depth, colour_type


def skin(name):
    return f"{gen.SKIN_DIR}/{name}.png"


class PngFormat(unittest.TestCase):
    def expected(self):
        want = {gen.PANEL: (500, 170, 6), gen.DEFAULT_ICON: (48, 48, 2)}
        sizes = {"close": (39, 19), "minimize": (27, 19), "menu": (27, 19), "bubble": (28, 19)}
        for name, (w, h) in sizes.items():
            for state in ("normal", "hover", "pressed"):
                want[skin(f"{name}_{state}")] = (w, h, 6)
        for state in ("normal", "hover", "pressed"):
            want[skin(f"single_close_{state}")] = (39, 20, 6)
        return want

    def test_size_depth_and_colour_type(self):
        for rel, (w, h, colour_type) in self.expected().items():
            with self.subTest(rel):
                self.assertEqual(png_header(read(rel)), (w, h, 8, colour_type))

    def test_no_metadata_chunks(self):
        # a tIME or text chunk would make the files differ from build to build
        for rel in self.expected():
            with self.subTest(rel):
                kinds = {k for k, _ in png_chunks(read(rel))}
                self.assertEqual(kinds, {"IHDR", "IDAT", "IEND"})


class Background(unittest.TestCase):
    def test_baseline_jpeg_with_three_components(self):
        data = read(gen.BACKGROUND)
        self.assertEqual(data[:2], b"\xff\xd8")
        pos, frames = 2, []
        while pos < len(data):
            self.assertEqual(data[pos], 0xFF, f"lost marker sync at {pos}")
            marker = data[pos + 1]
            length = struct.unpack(">H", data[pos + 2:pos + 4])[0]
            if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
                frames.append((marker, data[pos + 4:pos + 2 + length]))
            if marker == 0xDA:      # start of scan: the headers are over
                break
            pos += 2 + length
        self.assertEqual(len(frames), 1)
        marker, body = frames[0]
        self.assertEqual(marker, 0xC0, "expected a baseline (SOF0) frame")
        precision, height, width, components = struct.unpack(">BHHB", body[:6])
        self.assertEqual((precision, width, height, components), (8, 600, 219, 3))

    def test_left_side_stays_dark_for_text(self):
        px = np.asarray(Image.open(os.path.join(ROOT, gen.BACKGROUND)).convert("L"), dtype=float)
        self.assertLess(px[55:150, 10:140].mean(), 60)


class AppIcon(unittest.TestCase):
    def setUp(self):
        self.data = read(gen.APP_ICON)
        reserved, kind, count = struct.unpack("<HHH", self.data[:6])
        self.assertEqual((reserved, kind, count), (0, 1, 4))
        self.entries = [struct.unpack("<BBBBHHII", self.data[6 + 16 * i:22 + 16 * i]) for i in range(count)]

    def test_directory(self):
        sizes = [(w or 256, h or 256) for w, h, *_ in self.entries]
        self.assertEqual(sizes, [(256, 256), (48, 48), (32, 32), (16, 16)])
        end = 6 + 16 * len(self.entries)
        for w, h, colours, reserved, planes, bits, length, offset in self.entries:
            self.assertEqual((colours, reserved, planes, bits), (0, 0, 1, 32))
            self.assertEqual(offset, end, "images should follow each other without gaps")
            end = offset + length
        self.assertEqual(end, len(self.data))

    def test_256_is_png(self):
        *_, length, offset = self.entries[0]
        blob = self.data[offset:offset + length]
        self.assertEqual(png_header(blob), (256, 256, 8, 6))

    def test_small_sizes_are_32bit_dibs_with_matching_mask(self):
        for w, h, *_, length, offset in self.entries[1:]:
            with self.subTest(size=w):
                blob = self.data[offset:offset + length]
                hdr = struct.unpack("<IiiHHI", blob[:20])
                self.assertEqual(hdr, (40, w, 2 * h, 1, 32, 0))
                mask_row = ((w + 31) // 32) * 4
                self.assertEqual(length, 40 + w * h * 4 + mask_row * h)
                bgra = np.frombuffer(blob[40:40 + w * h * 4], dtype=np.uint8).reshape(h, w, 4)
                mask = np.frombuffer(blob[40 + w * h * 4:], dtype=np.uint8).reshape(h, mask_row)
                bits = np.unpackbits(mask, axis=1)[:, :w].astype(bool)
                np.testing.assert_array_equal(bits, bgra[:, :, 3] == 0)
                self.assertGreater((bgra[:, :, 3] == 255).mean(), 0.8, "icon tile should be mostly opaque")


class Panel(unittest.TestCase):
    def test_codes_decode_left_to_right(self):
        self.assertIsNotNone(shutil.which("zbarimg"), "zbarimg (zbar-tools) is needed")
        img = Image.open(os.path.join(ROOT, gen.PANEL)).convert("RGB")
        third = img.width // 3
        with tempfile.TemporaryDirectory() as tmp:
            for i, link in enumerate(gen.PANEL_LINKS):
                path = os.path.join(tmp, f"code{i}.png")
                img.crop((i * third, 0, (i + 1) * third, img.height)).save(path)
                out = subprocess.run(["zbarimg", "--raw", "-q", path], capture_output=True, text=True)
                self.assertEqual(out.stdout.strip().splitlines(), [link], f"code {i}")


class CaptionButtons(unittest.TestCase):
    def alpha(self, name):
        return np.asarray(Image.open(os.path.join(ROOT, skin(name))))[:, :, 3].astype(int)

    def test_plate_strength(self):
        names = list(gen.CAPTION_BUTTONS) + ["single_close"]
        for name in names:
            with self.subTest(name):
                self.assertTrue(20 <= self.alpha(f"{name}_normal")[2, 2] <= 30)
        for name in gen.CAPTION_BUTTONS:
            for state in ("hover", "pressed"):
                with self.subTest(f"{name}_{state}"):
                    self.assertTrue(95 <= self.alpha(f"{name}_{state}")[2, 2] <= 130)

    def test_pressed_glyph_moves_one_pixel_down_right(self):
        for name in list(gen.CAPTION_BUTTONS) + ["single_close"]:
            with self.subTest(name):
                hover = self.alpha(f"{name}_hover") == 255
                pressed = self.alpha(f"{name}_pressed") == 255
                self.assertTrue(hover.any())
                h, w = hover.shape
                moved = np.zeros_like(hover)
                moved[1:, 1:] = hover[:-1, :-1]
                np.testing.assert_array_equal(pressed[:h - 1, :w - 1], moved[:h - 1, :w - 1])

    def test_strip_ends_are_rounded(self):
        close, bubble = self.alpha("close_normal"), self.alpha("bubble_normal")
        self.assertLess(close[-1, -1], 5)
        self.assertGreater(close[-1, 0], 20)
        self.assertLess(bubble[-1, 0], 5)
        self.assertGreater(bubble[-1, -1], 20)

    def test_single_close_hover_is_red(self):
        px = np.asarray(Image.open(os.path.join(ROOT, skin("single_close_hover"))))[2, 2]
        self.assertTrue(np.all(np.abs(px[:3].astype(int) - (244, 55, 11)) <= 2), px)


class Toolkit(unittest.TestCase):
    """The drawing helpers the pictures are built from."""

    def test_coverage_is_exact_on_pixel_edges_and_halves_on_half_pixels(self):
        cov = gen.coverage(4, 2, 4, lambda p: p.rect(1, 0, 2.5, 1))
        np.testing.assert_allclose(cov, [[0, 1, 0.5, 0], [0, 0, 0, 0]])

    def test_canvas_composites_premultiplied(self):
        c = gen.Canvas(1, 1)
        c.paint(np.ones((1, 1)), (1.0, 0.0, 0.0), 0.5)
        c.paint(np.ones((1, 1)), (0.0, 0.0, 1.0), 0.5)
        r, g, b, a = np.asarray(c.image("RGBA"))[0, 0]
        self.assertEqual(a, round(0.75 * 255))
        self.assertEqual((r, g, b), (85, 0, 170))   # 1/3 red, 2/3 blue once un-premultiplied

    def test_zbuffer_keeps_the_nearer_triangle_whatever_the_order(self):
        near = np.array([[0, 0, 2.0], [8, 0, 2.0], [0, 8, 2.0]])
        far = np.array([[0, 0, 1.0], [8, 0, 1.0], [0, 8, 1.0]])
        n = np.tile([0, 0, 1.0], (3, 1))
        for order in ((near, 1), (far, 2)), ((far, 2), (near, 1)):
            zb = gen.ZBuffer(8, 8)
            for tri, material in order:
                zb.triangle(tri, n, material)
            self.assertEqual(zb.mat[1, 1], 1)
            self.assertFalse(np.isfinite(zb.z[7, 7]))

    def test_dib_rows_are_bottom_up_with_mask_bits_for_clear_pixels(self):
        img = Image.new("RGBA", (2, 2))
        img.putpixel((0, 0), (10, 20, 30, 255))     # top-left opaque, the rest clear
        blob = gen.bmp_icon_entry(img)
        pixels = np.frombuffer(blob[40:56], dtype=np.uint8).reshape(2, 2, 4)
        self.assertEqual(tuple(pixels[1, 0]), (30, 20, 10, 255))   # last stored row is the top one
        mask = blob[56:]
        self.assertEqual(len(mask), 8)
        self.assertEqual((mask[0], mask[4]), (0b11000000, 0b01000000))

    def test_qr_modules_scale_to_two_or_three_pixels(self):
        m = gen.qr_matrix(gen.PANEL_LINKS[0])
        self.assertEqual(m.shape, (53, 53))
        idx = (np.arange(gen.QR_SIZE) * 53) // gen.QR_SIZE
        self.assertEqual(set(np.bincount(idx)), {2, 3})
        centres = ((np.arange(53) + 0.5) * gen.QR_SIZE / 53).astype(int)
        px = gen.qr_pixels(m, gen.QR_SIZE)
        np.testing.assert_array_equal(px[np.ix_(centres, centres)], m)

    def test_aircraft_stays_clear_of_text_and_buttons(self):
        plane, _ = gen.render_aircraft(600, 219, box=(110, 0, 440, 150))
        ys, xs = np.nonzero(plane[..., 3] > 0.05)
        self.assertGreaterEqual(xs.min(), 145)      # text column on the left
        self.assertLessEqual(xs.max(), 380)         # buttons start at x 380, y 53
        self.assertGreaterEqual(ys.min(), 5)
        self.assertLessEqual(ys.max(), 115)


class Reproducible(unittest.TestCase):
    def test_generator_rewrites_identical_bytes(self):
        with tempfile.TemporaryDirectory() as tmp:
            subprocess.run([sys.executable, os.path.join(HERE, "gen_pictures.py"), tmp],
                           check=True, capture_output=True)
            made = sorted(os.path.relpath(os.path.join(d, f), tmp)
                          for d, _, files in os.walk(tmp) for f in files)
            self.assertEqual(len(made), 19)
            for rel in made:
                with self.subTest(rel):
                    with open(os.path.join(tmp, rel), "rb") as f:
                        self.assertEqual(f.read(), read(rel), f"{rel} differs from the committed file")


if __name__ == "__main__":
    unittest.main()
