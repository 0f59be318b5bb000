# The Debian package as a desktop finds it: built with `cpack -G DEB` into a scratch folder and
# unpacked with `dpkg-deb -x`. The menu entry and the AppStream entry pass their validators, the
# menu entry's command is the real executable with its pages beside it, the icon is there in
# every size, and the package declares what it needs.
import configparser
import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv.pop(1))
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
APP_ID = "com.belvax.Gavrin"


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


class Package(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, cls.scratch)
        run("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", cls.scratch)
        (cls.deb,) = glob.glob(os.path.join(cls.scratch, "*.deb"))
        run("dpkg-deb", "-x", cls.deb, os.path.join(cls.scratch, "root"))
        cls.usr = os.path.join(cls.scratch, "root", "usr")
        cls.desktop = os.path.join(cls.usr, "share", "applications", APP_ID + ".desktop")
        cls.metainfo = os.path.join(cls.usr, "share", "metainfo", APP_ID + ".metainfo.xml")

    def test_menu_and_appstream_entries_are_valid_and_launch_the_real_executable(self):
        self.assertEqual(run("desktop-file-validate", self.desktop).strip(), "")
        run("appstreamcli", "validate", "--no-net", "--strict", self.metainfo)
        with open(self.metainfo) as xml:
            text = xml.read()
        self.assertIn(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>', text)
        self.assertNotIn("@", text, "every configured value is filled in")

        entry = configparser.ConfigParser(interpolation=None)
        entry.read(self.desktop)
        # Exec is found on the PATH, whatever the prefix; the pages are beside the real executable.
        command = entry["Desktop Entry"]["Exec"].split()[0]
        executable = os.path.realpath(os.path.join(self.usr, "bin", command))
        self.assertTrue(executable.startswith(os.path.realpath(self.usr) + os.sep), executable)
        with open(executable, "rb") as program:
            self.assertEqual(program.read(4), b"\x7fELF")
        self.assertTrue(os.access(executable, os.X_OK))
        for page in ("Splash.htm", "temp.html", "gavrinhelp.htm"):
            with open(os.path.join(os.path.dirname(executable), page), "rb") as installed, \
                 open(os.path.join(SOURCE, "pages", page), "rb") as source:
                self.assertEqual(installed.read(), source.read(), page)

        icons = os.path.join(self.usr, "share", "icons", "hicolor")
        icon = entry["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps", icon + ".svg")))
        for size in (16, 32, 48, 64, 128, 256):
            with open(os.path.join(icons, f"{size}x{size}", "apps", icon + ".png"), "rb") as png:
                self.assertEqual(struct.unpack(">II", png.read(24)[16:24]), (size, size))

    def test_depends_on_the_qt_runtime(self):
        depends = run("dpkg-deb", "-f", self.deb, "Depends")
        for package in ("libc6", "libqt6core6", "libqt6widgets6", "libqt6webenginewidgets6", "qt6-qpa-plugins"):
            self.assertRegex(depends, rf"(^|, ){package}\b")


if __name__ == "__main__":
    unittest.main()
