# The Debian package as a desktop finds it: built with `cpack -G DEB` into a scratch folder and
# unpacked with `dpkg-deb -x`. The menu entry and the AppStream entry pass their validators, the
# menu entry's command is the real executable with its pages beside it, the icon is there in
# every size, and the package declares what it needs.
import configparser
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

BUILD = os.path.abspath(sys.argv.pop(1))
APP_ID = "com.belvax.Gavrin"


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


class Package(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.scratch)
        run("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", self.scratch)
        (self.deb,) = glob.glob(os.path.join(self.scratch, "*.deb"))
        run("dpkg-deb", "-x", self.deb, os.path.join(self.scratch, "root"))
        self.usr = os.path.join(self.scratch, "root", "usr")
        self.desktop = os.path.join(self.usr, "share", "applications", APP_ID + ".desktop")
        self.metainfo = os.path.join(self.usr, "share", "metainfo", APP_ID + ".metainfo.xml")

    def test_entries_are_valid_launch_the_real_executable_and_the_package_depends_on_qt(self):
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
            self.assertTrue(os.path.isfile(os.path.join(os.path.dirname(executable), page)), page)

        icons = os.path.join(self.usr, "share", "icons", "hicolor")
        icon = entry["Desktop Entry"]["Icon"]
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps", icon + ".svg")))
        for size in (16, 32, 48, 64, 128, 256):
            self.assertTrue(os.path.isfile(os.path.join(icons, f"{size}x{size}", "apps", icon + ".png")), size)

        # The package needs the Qt runtime and a platform plugin.
        depends = run("dpkg-deb", "-f", self.deb, "Depends")
        for package in ("libc6", "libqt6core6", "libqt6widgets6", "libqt6webenginewidgets6", "qt6-qpa-plugins"):
            self.assertRegex(depends, rf"(^|, ){package}\b")


if __name__ == "__main__":
    unittest.main()
