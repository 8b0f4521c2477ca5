"""The board's fast path against its general path: the shapes that runs draw stamped into the
board's own pixels, against the canvas painting each of them as a path."""

import random
import unittest

from browser import Browser

LINE, CIRCLE, SCATTERED = 0, 1, 6  # the display list's operation codes
PLACES = 16  # the places within a pixel that stamps are learnt at
COLOURS = [0xFFFFFF, 0x000000, 0xFF0000, 0xC0C0C0, 0x00FF00, 0xFFFFC0]
HEAVIEST = ["opdc100", "op0", "opDopad"]

# The picture of a board as another page showed it, against this page's board: the largest
# difference in any channel, and the share of the pixels that differ by more than 16.
COMPARE = """
    const [url, done] = [arguments[0], arguments[arguments.length - 1]];
    const board = document.getElementById("board");
    const image = new Image();
    image.onload = () => {
        const other = document.createElement("canvas");
        [other.width, other.height] = [board.width, board.height];
        other.getContext("2d").drawImage(image, 0, 0);
        const a = other.getContext("2d").getImageData(0, 0, board.width, board.height).data;
        const b = board.getContext("2d").getImageData(0, 0, board.width, board.height).data;
        let [most, over16] = [0, 0];
        for (let k = 0; k < a.length; k += 4) {
            const apart = Math.max(Math.abs(a[k] - b[k]), Math.abs(a[k + 1] - b[k + 1]),
                                   Math.abs(a[k + 2] - b[k + 2]));
            most = Math.max(most, apart);
            over16 += apart > 16;
        }
        done({ most, over16: over16 / (a.length / 4) });
    };
    image.src = url;
"""


def shapes(ratio, at_places, seed):
    """A shape of every kind that runs draw, and beyond, in each cell of 40 × 40 pixels of the
    board, the cells along its top and left edge too: circles of every radius and pen that are
    stamped, and lines along an axis, short and long, drawn either way; at the places within a
    pixel that stamps are learnt at, or anywhere."""
    chance = random.Random(seed)

    def coordinate(value):
        return round(value * ratio * PLACES) / PLACES / ratio if at_places else value

    values = []
    for left in range(0, 800, 40):
        for top in range(0, 600, 40):
            x = coordinate(left + 20 + chance.uniform(-2, 2))
            y = coordinate(top + 20 + chance.uniform(-2, 2))
            pen = chance.randint(1, 4)
            colour = chance.choice(COLOURS)
            if chance.random() < 0.6:
                radius = chance.choice([1, 1, 2, 5, 8, chance.uniform(0.5, 8)])
                fill = chance.choice([-1, colour, chance.choice(COLOURS)])
                values += [chance.choice([CIRCLE, SCATTERED]), x, y, radius, colour, pen, fill]
            else:
                length = chance.choice([0, chance.uniform(0, 3), chance.uniform(3, 30)])
                end = coordinate(x + chance.choice([-1, 1]) * length)
                values += [LINE, x, y, end, y, colour, pen] if chance.random() < 0.5 \
                    else [LINE, y, x, y, end, colour, pen]
    return values


class StampsTest(unittest.TestCase):
    def paint_both_ways(self, browser, ratio, at_places, seed):
        return browser.hook("paintBothWays(arguments[0], arguments[1], 'rgb(40, 90, 160)')",
                            shapes(ratio, at_places, seed), ratio)

    def test_a_stamp_paints_what_the_canvas_paints_and_within_half_a_place_of_it(self):
        browser = Browser()
        self.addCleanup(browser.close)
        browser.open()
        # At a stamp's own place, a shape differs only by the blending's rounding, a few levels
        # in a few pixels: a stamp learnt one place off differs by 20 levels or more.
        for ratio in [1, 2]:
            for seed in range(3):
                with self.subTest(ratio=ratio, seed=seed):
                    apart = self.paint_both_ways(browser, ratio, True, seed)
                    self.assertLessEqual(apart["most"], 8)
                    self.assertLess(apart["differing"] / apart["pixels"], 0.005)
        # Anywhere, a shape moves by at most half a place, 1/32 of a pixel, to its stamp's place:
        # as much as the canvas itself changes a shape's pixels for such a move, by up to a
        # third of the colour range where it rounds an edge to a quarter of a pixel.
        for ratio in [1, 1.6, 2]:
            for seed in range(3):
                with self.subTest(ratio=ratio, seed=seed):
                    apart = self.paint_both_ways(browser, ratio, False, seed)
                    self.assertLess(apart["over16"] / apart["pixels"], 0.0015)

    def test_twenty_of_the_heaviest_runs_look_as_the_canvas_alone_paints_them(self):
        for ratio in [1, 2]:
            with self.subTest(ratio=ratio):
                pages = []
                for alone in [True, False]:
                    browser = Browser(scale=ratio)
                    self.addCleanup(browser.close)
                    browser.open()
                    if alone:
                        browser.hook("paintByCanvasAlone()")
                    browser.hook("setFieldText('nSpomaleni', '0')")
                    for option in HEAVIEST:
                        browser.click(option)
                    for _ in range(20):
                        browser.press_start()
                        browser.wait_until_idle()
                    pages.append(browser)
                apart = pages[1].driver.execute_async_script(COMPARE, pages[0].hook("picture()"))
                print(f"ratio {ratio}: {apart}")
                self.assertLessEqual(apart["most"], 64)
                self.assertLessEqual(apart["over16"], 0.005)


if __name__ == "__main__":
    unittest.main()
