"""The window's own skinned controls under real mouse input: a slider's thumb turns hot under the
pointer, cross-fading through the frames between, and back when it leaves, and a drag still moves
the slider and the sound; no slider, button or radio button is drawn by the platform, and the
radio buttons' captions show."""

import os
import subprocess
import time
import unittest
from pathlib import Path

from test_main_window import LEFT, RIGHT, first_sound
from velmora_harness import Harness
from window_controls import control_at, start_main_window

OUTPUT = os.environ["VELMORA_OUTPUT_DIR"]
# Design places of the fourteen sliders (the harness runs at the design resolution).
SLIDERS = [(140, 25), (260, 25), (381, 26), (140, 65), (260, 65), (381, 65), (140, 105),
           (140, 145), (140, 184), (140, 225), (140, 265), (140, 305), (140, 392), (192, 485)]


class Shot:
    """A screenshot's pixels as (r, g, b) rows."""

    def __init__(self, path):
        size = subprocess.run(["identify", "-format", "%w %h", str(path)], capture_output=True,
                              text=True, check=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.data = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"],
                                   capture_output=True, check=True).stdout

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def crop(self, rect):
        left, top, right, bottom = rect
        return [[self.at(x, y) for x in range(left, right)] for y in range(top, bottom)]


def changed_columns(before, after):
    """The columns (relative to the crop) where the two crops differ."""
    return sorted({x for row_a, row_b in zip(before, after)
                   for x, (a, b) in enumerate(zip(row_a, row_b)) if a != b})


class SkinnedControlsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.harness = Harness.attach(os.environ["VELMORA_HARNESS_STATE"])

    def shot(self, name):
        return Shot(self.harness.screenshot(Path(self.harness.dir) / name))

    def move(self, x, y, settle=0.6):
        self.harness.xdotool("mousemove", "--sync", x, y)
        time.sleep(settle)  # the hover notices come on a 100 ms timer

    def test_a_thumb_turns_hot_under_the_mouse_and_a_drag_moves_it_and_the_sound(self):
        _, _, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "skinned-slider")
        balance = control_at(controls, origin, 260, 25)
        brook = next(c for c in controls if c["caption"] == "Ручей")
        left, top, right, bottom = balance["rect"]
        centre = ((left + right) // 2, (top + bottom) // 2)  # the thumb of the design value 0
        away = (origin[0] + 600, origin[1] + 450)

        self.move(*away)
        normal = self.shot("slider-normal.png").crop(balance["rect"])
        self.move(*centre)
        hot = self.shot("slider-hot.png").crop(balance["rect"])
        columns = changed_columns(normal, hot)
        # The thumb takes its hot frame (and the channel its hot state).
        middle = (right - left) // 2
        self.assertTrue(set(range(middle - 4, middle + 5)) <= set(columns),
                        "the thumb changes its look under the pointer")
        self.move(*away)
        self.assertEqual(self.shot("slider-left.png").crop(balance["rect"]), normal,
                         "leaving restores the normal look")

        self.harness.click_control(brook)
        recording = self.harness.record(Path(self.harness.dir) / "slider-drag.wav")
        recording.wait_for(1.0)
        self.move(*centre)
        # The pressed look itself is read back in the slider's desktop test: a screenshot cannot
        # be taken here while the button is held.
        self.harness.xdotool("mousedown", 1)
        for x in range(centre[0], right - 2, 8):
            self.harness.xdotool("mousemove", x, centre[1])
            time.sleep(0.05)
        self.harness.xdotool("mouseup", 1)
        time.sleep(0.4)
        after = self.shot("slider-dragged.png").crop(balance["rect"])
        moved = changed_columns(hot, after)
        self.assertGreater(max(moved), (right - left) * 3 // 4, "the thumb went to the right end")
        time.sleep(4)
        audio = recording.stop()
        first_sound(audio)
        end = audio.seconds
        self.assertGreater(audio.rms(RIGHT, end - 2.5, end - 0.5),
                           2 * audio.rms(LEFT, end - 2.5, end - 0.5) + 1e-4,
                           "balance at the right end moves the brook to the right channel")

    def test_hovering_a_thumb_cross_fades_it_from_normal_to_hot(self):
        _, _, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "slider-fade")
        left, top, right, bottom = control_at(controls, origin, 260, 25)["rect"]
        centre = ((left + right) // 2, (top + bottom) // 2)
        away = (origin[0] + 600, origin[1] + 450)
        self.move(*away)
        normal = self.shot("fade-normal.png")
        self.move(*centre)
        hot = self.shot("fade-hot.png")
        self.move(*away)
        # The pixel of the control that changes most between its two looks.
        x, y = max(((x, y) for x in range(left, right) for y in range(top, bottom)),
                   key=lambda p: sum(abs(a - b) for a, b in zip(normal.at(*p), hot.at(*p))))
        samples = self.harness.watch_pixel(
            x, y, 1500, lambda: self.harness.xdotool("mousemove", "--sync", *centre))
        colours = [colour for _, colour in samples]
        self.assertEqual(colours[0], normal.at(x, y))
        self.assertEqual(colours[-1], hot.at(x, y), "the fade ends in the hot look")
        # Every frame between lies between the two looks, each channel moving one way only.
        for channel in range(3):
            values = [colour[channel] for colour in colours]
            falling = hot.at(x, y)[channel] < normal.at(x, y)[channel]
            self.assertEqual(values, sorted(values, reverse=falling), f"channel {channel}")
        print(f"{len(colours) - 2} frames between normal and hot over "
              f"{samples[-1][0] - samples[1][0] if len(samples) > 1 else 0} ms", flush=True)

    def test_no_slider_button_or_radio_button_is_drawn_by_the_platform(self):
        _, _, window, controls, origin = start_main_window(
            self, self.harness, OUTPUT, "skinned-look")
        self.move(origin[0] + 600, origin[1] + 450)
        shot = self.shot("skinned-look.png")
        for x, y in SLIDERS:
            slider = control_at(controls, origin, x, y)
            pixels = [p for row in shot.crop(slider["rect"]) for p in row]
            # The platform's slider has a white channel; the skin's is a dark recessed groove.
            self.assertNotIn((255, 255, 255), pixels, f"slider at {x}, {y}")
            dark = sum(1 for r, g, b in pixels if r + g + b < 120)
            self.assertGreater(dark, 40, f"the skin's channel and thumb at {x}, {y}")
        # The defaults button and the wind radio buttons (inside their panel at 260, 105): no
        # platform face or white box, the skin's dark face and radio marks.
        for x, y, least in ((581, 485, 2000), (267, 106, 20), (371, 106, 20)):
            control = control_at(controls, origin, x, y)
            pixels = [p for row in shot.crop(control["rect"]) for p in row]
            self.assertNotIn((255, 255, 255), pixels, f"control at {x}, {y}")
            dark = sum(1 for r, g, b in pixels if r + g + b < 200 and g > r)
            self.assertGreater(dark, least, f"the skin's face or mark at {x}, {y}")
        # Their captions stand out from what lies behind them: right of the 13-pixel mark, the
        # text's pixels differ from the commonest (background) colour.
        for x, y in ((267, 106), (371, 106)):
            left, top, right, bottom = control_at(controls, origin, x, y)["rect"]
            pixels = [p for row in shot.crop((left + 19, top, right, bottom)) for p in row]
            background = max(set(pixels), key=pixels.count)
            text = sum(1 for p in pixels if sum(abs(a - b) for a, b in zip(p, background)) > 90)
            self.assertGreater(text, 30, f"the caption of the radio button at {x}, {y}")


if __name__ == "__main__":
    unittest.main()
