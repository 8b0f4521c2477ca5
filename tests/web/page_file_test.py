"""The page as one file: small enough to open at once on a school's slow network, its size
printed as the build makes it, and the same bytes from the same sources."""

import json
import pathlib
import sys
import time
import unittest

from page_driver import BUILD

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "src/web"))
import make_page  # noqa: E402

FONT_DIR = "/usr/share/fonts/truetype/liberation2"


class PageFileTest(unittest.TestCase):
    def test_the_page_is_under_300_kb(self):
        size = (BUILD / "lumorix.html").stat().st_size
        print(f"lumorix.html: {size:,} bytes", file=sys.stderr)
        self.assertLess(size, 300_000)

    def test_the_fonts_and_the_module_come_out_the_same_whenever_they_are_made(self):
        wasm = (BUILD / "src/web/lumorix_module.wasm").read_bytes()
        faces = json.loads((BUILD / "src/web/design_style.json").read_text())["faces"]
        made = [make_page.font_faces(FONT_DIR, faces), make_page.packed_module(wasm)]
        time.sleep(1.1)  # what carries the time of day carries another second now
        self.assertEqual([make_page.font_faces(FONT_DIR, faces), make_page.packed_module(wasm)],
                         made)


if __name__ == "__main__":
    unittest.main()
