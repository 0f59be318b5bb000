import configparser
import os
import subprocess
import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, wait_until


def net_wm_state(window):
    return subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"], capture_output=True, text=True).stdout


def maximised(window):
    return all(state in net_wm_state(window) for state in ("MAXIMIZED_VERT", "MAXIMIZED_HORZ"))


class WindowState(E2ETestCase):
    # The window state of the last run, restored under a window manager.

    def prepare_program_folder(self, folder):
        self.conf = os.path.join(self.app.home, ".config", "Gavrin", "Gavrin.conf")
        os.makedirs(os.path.dirname(self.conf))
        self.store("2")

    def store(self, value):
        # Keeps whatever else the last run stored.
        settings = configparser.RawConfigParser()
        settings.optionxform = str
        settings.read(self.conf)
        settings.read_dict({"Presets": {"WinState": value}})
        with open(self.conf, "w") as stored:
            settings.write(stored, space_around_delimiters=False)

    def assertStaysMaximisedAndIsStoredSo(self):
        self.assertTrue(wait_until(lambda: maximised(self.app.window), timeout=10), net_wm_state(self.app.window))
        # The pages of the start-up have loaded and drawn by now; the state stays.
        time.sleep(2)
        self.assertTrue(maximised(self.app.window), "no longer maximised: " + net_wm_state(self.app.window))
        self.assertTrue(self.app.close(), "the program did not end")
        with open(self.conf) as stored:
            self.assertIn("WinState=2\n", stored.read())

    def test_stored_maximised_opens_maximised_and_minimised_opens_hidden(self):
        self.app.watch("9101")
        self.assertRequested(item_page("9101"))
        self.assertStaysMaximisedAndIsStoredSo()

        # The next run reopens the watched item.
        self.store("2.4")
        self.app.start()
        self.assertRequested(item_page("9101"), times=2)
        self.assertStaysMaximisedAndIsStoredSo()

        self.store("1")
        self.app.launch()
        self.assertTrue(wait_until(lambda: self.app.windows("^Gavrin$", visible=False), timeout=30))
        # Long enough for the first web view to have replaced the window.
        deadline = time.monotonic() + 6
        while time.monotonic() < deadline:
            self.assertEqual(self.app.windows("^Gavrin$"), [], "the window is shown: it should be minimised")
            time.sleep(0.2)
        self.assertIn("_NET_WM_STATE_HIDDEN", net_wm_state(self.app.windows("^Gavrin$", visible=False)[-1]))


if __name__ == "__main__":
    unittest.main()
