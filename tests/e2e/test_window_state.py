import configparser
import os
import subprocess
import time
import unittest

from gavrin_e2e import Gavrin, SiteServer, item_page, wait_until


def net_wm_state(window):
    """The window manager's _NET_WM_STATE of a window, as xprop prints it."""
    return subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"], capture_output=True, text=True).stdout


def maximised(window):
    state = net_wm_state(window)
    return "_NET_WM_STATE_MAXIMIZED_VERT" in state and "_NET_WM_STATE_MAXIMIZED_HORZ" in state


class WindowState(unittest.TestCase):
    """The window state of the last run, restored under a window manager."""

    def setUp(self):
        self.server = SiteServer()
        self.addCleanup(self.server.close)
        self.app = Gavrin({"ItemServer": self.server.host})
        self.addCleanup(self.app.stop)
        self.conf = os.path.join(self.app.home, ".config", "Gavrin", "Gavrin.conf")

    def store(self, value):
        """Stores a window state, keeping whatever else the last run stored."""
        os.makedirs(os.path.dirname(self.conf), exist_ok=True)
        settings = configparser.RawConfigParser()
        settings.optionxform = str
        settings.read(self.conf)
        if not settings.has_section("Presets"):
            settings.add_section("Presets")
        settings.set("Presets", "WinState", value)
        with open(self.conf, "w") as stored:
            settings.write(stored, space_around_delimiters=False)

    def close_and_read_state(self):
        self.app.focus(self.app.window)
        self.app.menu("alt+f", "c")
        self.assertTrue(wait_until(lambda: not self.app.alive(), timeout=15), "the program did not end")
        with open(self.conf) as stored:
            return stored.read()

    def test_first_run_opens_normal_and_a_stored_maximised_opens_maximised_and_each_is_stored_at_closing(self):
        self.app.start()
        self.assertFalse(maximised(self.app.window))
        # A watched item comes back with the next run.
        self.app.watch("9101")
        self.assertTrue(wait_until(lambda: self.server.seen(item_page("9101")) == 1))
        self.assertIn("WinState=0", self.close_and_read_state())
        for stored in ("2", "2.4"):
            with self.subTest(stored=stored):
                self.store(stored)
                self.app.start()
                self.assertTrue(wait_until(lambda: maximised(self.app.window), timeout=10),
                                "not maximised: " + net_wm_state(self.app.window))
                self.assertTrue(wait_until(lambda: self.server.seen(item_page("9101")) >= 2),
                                "the watched item was not reopened")
                # The pages of the start-up have loaded and drawn by now; the state stays.
                time.sleep(2)
                self.assertTrue(maximised(self.app.window), "no longer maximised: " + net_wm_state(self.app.window))
                self.assertIn("WinState=2", self.close_and_read_state())

    def test_stored_minimised_opens_minimised(self):
        self.store("1")
        self.app.launch()
        self.assertTrue(self.app.find_window_of_any_state("^Gavrin$"), "the main window was not made")
        # Long enough for the first web view to have replaced the window.
        deadline = time.monotonic() + 6
        while time.monotonic() < deadline:
            self.assertEqual(self.app.windows("^Gavrin$"), [], "the window is shown: it should be minimised")
            time.sleep(0.2)
        self.assertIn("_NET_WM_STATE_HIDDEN", net_wm_state(self.app.find_window_of_any_state("^Gavrin$")))


if __name__ == "__main__":
    unittest.main()
