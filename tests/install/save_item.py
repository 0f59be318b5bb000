# The installed program, run by the install test under xvfb-run as root or as another user, in a
# home of its own, watches an item of a local site and saves it. A normal user keeps the web
# engine's sandbox; root without the sandbox variable is told why in a box.
import os
import subprocess
import tempfile
import unittest

from gavrin_e2e import BIN_DIR, E2ETestCase, Gavrin, item_page, process_tree, rendered, wait_until

USER_FOLDER = os.path.join("Gavrin", "Gavrin")


class InstalledGavrin(Gavrin):
    def __init__(self, site_hosts):
        self.root = tempfile.mkdtemp(prefix="gavrin-installed-")
        self.home = os.path.join(self.root, "home")
        self.folder = BIN_DIR
        config = os.path.join(self.home, ".config", USER_FOLDER)
        os.makedirs(config)
        with open(os.path.join(config, "gavrin.ini"), "w") as ini:
            ini.write("[Site]\n" + "".join("%s=%s\n" % item for item in site_hosts.items()))
        self.process = self.window = None

    def environment(self, chromium_flags=""):
        environment = super().environment(chromium_flags)
        if os.geteuid() != 0:
            del environment["QTWEBENGINE_DISABLE_SANDBOX"]
        return environment


class SaveItem(E2ETestCase):
    program = InstalledGavrin

    def test_a_watched_item_is_saved_in_the_data_folder(self):
        self.app.watch("161803")
        self.assertRequested(rendered(item_page("161803")))
        dialog = self.app.open_window("Saved Watch Items", "alt+f", "o")
        self.assertTrue(dialog, "the saved-items dialog did not appear")
        # A first run has no list to read, which the dialog says in a box.
        box = self.app.find_window("^Error$", timeout=5)
        self.assertTrue(box, "no word of the missing list")
        self.app.focus(box)
        self.app.key("Return")
        self.app.focus(dialog)
        self.app.type("Teapot")
        self.app.key("shift+Tab")
        self.app.type("161803")
        self.app.key("Return", "Return")
        saved = os.path.join(self.app.home, ".local", "share", USER_FOLDER, "index.dat")
        self.assertTrue(wait_until(lambda: os.path.isfile(saved), timeout=10), "nothing saved in the data folder")
        with open(saved, "rb") as index:
            self.assertEqual(index.read(), b"161803     Teapot\r\n")
        self.assertTrue(self.app.close(), "the program did not end")


@unittest.skipUnless(os.geteuid() == 0, "only root cannot have the sandbox")
class RootWithTheSandbox(unittest.TestCase):
    def test_root_is_told_why_and_how_in_a_box_before_the_engine_starts(self):
        app = InstalledGavrin({})
        self.addCleanup(app.stop)
        environment = app.environment()
        del environment["QTWEBENGINE_DISABLE_SANDBOX"]
        app.process = subprocess.Popen([os.path.join(app.folder, "gavrin")], env=environment,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        box = app.find_window("^Gavrin$", timeout=20)
        self.assertTrue(box, "no box")
        self.assertEqual(process_tree(app.process.pid), {app.process.pid}, "the web engine started")
        app.focus(box)
        app.key("Return")
        self.assertTrue(wait_until(lambda: not app.alive(), timeout=10), "the program did not end")
        self.assertEqual(app.process.returncode, 1)


if __name__ == "__main__":
    unittest.main()
