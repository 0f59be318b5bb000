# The Debian package as a desktop finds it: built with `cpack -G DEB` into a scratch folder and
# unpacked with `dpkg-deb -x`. The menu entry and the AppStream entry pass their validators, the
# menu entry's command is the real executable with its pages in share/gavrin, the icon is there
# in every size, the manual page, the copyright and the changelog are there, and the package
# declares what it needs. As root, the package is also installed: the installed program, run as
# root and as another user, saves an item without writing below /usr (and root without the
# sandbox variable is told why in a box), and purging the package leaves nothing of it there.
import configparser
import glob
import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv.pop(1))
HERE = os.path.dirname(os.path.abspath(__file__))
APP_ID = "com.belvax.gavrin"
OTHER_USER = "gavrin-test"


def run(*command, timeout=120):
    result = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


def setUpModule():
    global scratch, deb
    scratch = tempfile.mkdtemp()
    run("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", scratch)
    (deb,) = glob.glob(os.path.join(scratch, "*.deb"))


def tearDownModule():
    shutil.rmtree(scratch)


def listing(top):
    # Every path below top; Python's own byte code, which the test's helpers may leave in the
    # system's folders, is not the program's.
    paths = set()
    for folder, folders, files in os.walk(top):
        paths.update(os.path.join(folder, name) for name in folders + files if name != "__pycache__")
        folders[:] = [name for name in folders if name != "__pycache__"]
    return paths


class Package(unittest.TestCase):
    def setUp(self):
        run("dpkg-deb", "-x", deb, os.path.join(scratch, "root"))
        self.usr = os.path.join(scratch, "root", "usr")
        self.desktop = os.path.join(self.usr, "share", "applications", APP_ID + ".desktop")
        self.metainfo = os.path.join(self.usr, "share", "metainfo", APP_ID + ".metainfo.xml")

    def test_entries_are_valid_launch_the_real_executable_and_the_package_depends_on_qt(self):
        self.assertEqual(run("desktop-file-validate", self.desktop).strip(), "")
        # Not even a pedantic hint, such as an id in upper case.
        self.assertNotRegex(run("appstreamcli", "validate", "--no-net", "--strict", "--pedantic", self.metainfo),
                            r"(?m)^[EWIP]:")
        with open(self.metainfo) as xml:
            text = xml.read()
        self.assertIn(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>', text)
        self.assertIn("<project_license>GPL-3.0-or-later</project_license>", text)
        self.assertIn('<release version="1.0.0" date="', text)
        self.assertRegex(text, r"<image>https://\S+/docs/main-window.png</image>")
        self.assertNotIn("@", text, "every configured value is filled in")

        entry = configparser.ConfigParser(interpolation=None)
        entry.read(self.desktop)
        # Gavrin is not a general web browser, to be offered for every link.
        self.assertNotIn("WebBrowser", entry["Desktop Entry"]["Categories"])
        # Exec is found on the PATH as the executable itself; the pages are in share/gavrin.
        executable = os.path.join(self.usr, "bin", entry["Desktop Entry"]["Exec"].split()[0])
        self.assertFalse(os.path.islink(executable))
        with open(executable, "rb") as program:
            self.assertEqual(program.read(4), b"\x7fELF")
        self.assertTrue(os.access(executable, os.X_OK))
        for page in ("Splash.htm", "temp.html", "gavrinhelp.htm"):
            self.assertTrue(os.path.isfile(os.path.join(self.usr, "share", "gavrin", page)), page)
        self.assertFalse(os.path.exists(os.path.join(self.usr, "lib")))

        icons = os.path.join(self.usr, "share", "icons", "hicolor")
        icon = entry["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps", icon + ".svg")))
        for size in (16, 32, 48, 64, 128, 256):
            self.assertTrue(os.path.isfile(os.path.join(icons, f"{size}x{size}", "apps", icon + ".png")), size)

        with gzip.open(os.path.join(self.usr, "share", "man", "man1", "gavrin.1.gz"), "rt") as page:
            self.assertIn(".SH ENVIRONMENT", page.read())
        docs = os.path.join(self.usr, "share", "doc", "gavrin")
        with open(os.path.join(docs, "copyright")) as copyright:
            self.assertIn("/usr/share/common-licenses/GPL-3", copyright.read())
        with gzip.open(os.path.join(docs, "changelog.Debian.gz"), "rt") as changelog:
            version = run("dpkg-deb", "-f", deb, "Version").strip()
            self.assertTrue(changelog.read().startswith(f"gavrin ({version}) "))

        # The package needs the Qt runtime and a platform plugin.
        depends = run("dpkg-deb", "-f", deb, "Depends")
        for package in ("libc6", "libqt6core6", "libqt6widgets6", "libqt6webenginewidgets6", "qt6-qpa-plugins"):
            self.assertRegex(depends, rf"(^|, ){package}\b")


@unittest.skipUnless(os.geteuid() == 0, "only root installs the package")
class Installed(unittest.TestCase):
    def save_item(self, *user):
        # The saving flow under Xvfb and a window manager, as the user given, with the system's
        # Python, which any user may run.
        environment = {"PATH": "/usr/bin:/bin", "GAVRIN_BIN_DIR": "/usr/bin",
                       "PYTHONPATH": os.path.join(HERE, "..", "e2e"), "PYTHONDONTWRITEBYTECODE": "1"}
        run(*user, "env", "-i", *[f"{name}={value}" for name, value in environment.items()],
            "xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", os.path.join(HERE, "..", "e2e", "under_window_manager.sh"),
            "python3", os.path.join(HERE, "save_item.py"))

    def test_the_installed_program_writes_nothing_below_usr_as_any_user_and_leaves_nothing_when_purged(self):
        if subprocess.run(["id", OTHER_USER], capture_output=True).returncode != 0:
            run("useradd", "--no-create-home", OTHER_USER)
        before = listing("/usr")
        self.addCleanup(subprocess.run, ["dpkg", "--purge", "gavrin"], capture_output=True)
        run("dpkg", "-i", deb)
        installed = listing("/usr")

        self.save_item()
        self.save_item("runuser", "-u", OTHER_USER, "--")
        self.assertEqual(listing("/usr") - installed, set())

        self.assertNotIn("not empty", run("apt-get", "remove", "-y", "gavrin"))
        run("dpkg", "--purge", "gavrin")
        self.assertEqual(listing("/usr") - before, set())
        self.assertEqual([path for path in listing("/usr") if "gavrin" in path.lower()], [])


if __name__ == "__main__":
    unittest.main()
