"""The installed program and its Debian package, as a desktop finds them.

`cmake --install` into a scratch prefix and `cpack -G DEB` into a scratch folder, the package
unpacked with `dpkg-deb -x`: the menu entry and the AppStream entry pass their validators, the
menu entry's command is the real executable with its pages beside it, the icon is in every size,
and the package declares what it needs."""
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
PAGES = ("Splash.htm", "temp.html", "gavrinhelp.htm")
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        raise AssertionError(f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout + result.stderr


def files_under(root):
    found = set()
    for folder, _, names in os.walk(root):
        found.update(os.path.relpath(os.path.join(folder, name), root) for name in names)
    return found


class Installed:
    """Checks of one installed tree, rooted at `prefix` (the install prefix or the package's usr)."""

    prefix = None

    def desktop_entry(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(os.path.join(self.prefix, "share", "applications", APP_ID + ".desktop"))
        return entry["Desktop Entry"]

    def test_menu_entry_runs_the_real_executable_with_its_pages_beside_it(self):
        command = self.desktop_entry()["Exec"].split()[0]
        self.assertFalse(os.path.isabs(command), "Exec is found on the PATH, whatever the prefix")
        executable = os.path.realpath(os.path.join(self.prefix, "bin", command))
        self.assertTrue(executable.startswith(os.path.realpath(self.prefix) + os.sep), executable)
        with open(executable, "rb") as program:
            self.assertEqual(program.read(4), b"\x7fELF")
        self.assertTrue(os.access(executable, os.X_OK))
        for page in PAGES:
            with open(os.path.join(os.path.dirname(executable), page), "rb") as installed, \
                 open(os.path.join(SOURCE, "pages", page), "rb") as source:
                self.assertEqual(installed.read(), source.read(), page)

    def test_icon_named_by_the_menu_entry_is_in_every_size(self):
        icon = self.desktop_entry()["Icon"]
        hicolor = os.path.join(self.prefix, "share", "icons", "hicolor")
        with open(os.path.join(hicolor, "scalable", "apps", icon + ".svg")) as svg:
            self.assertIn("<svg", svg.read())
        for size in ICON_SIZES:
            with open(os.path.join(hicolor, f"{size}x{size}", "apps", icon + ".png"), "rb") as png:
                header = png.read(24)
            self.assertEqual(header[:8], b"\x89PNG\r\n\x1a\n")
            self.assertEqual(struct.unpack(">II", header[16:24]), (size, size))

    def test_appstream_entry_launches_the_menu_entry(self):
        metainfo = os.path.join(self.prefix, "share", "metainfo", APP_ID + ".metainfo.xml")
        with open(metainfo) as xml:
            text = xml.read()
        self.assertIn(f'<launchable type="desktop-id">{APP_ID}.desktop</launchable>', text)
        self.assertNotIn("@", text, "every configured value is filled in")


class Install(Installed, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp()
        cls.prefix = os.path.join(cls.scratch, "prefix")
        run("cmake", "--install", BUILD, "--prefix", cls.prefix)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch)

    def test_menu_entry_is_valid(self):
        desktop = os.path.join(self.prefix, "share", "applications", APP_ID + ".desktop")
        self.assertEqual(run("desktop-file-validate", desktop).strip(), "")

    def test_appstream_entry_is_valid(self):
        metainfo = os.path.join(self.prefix, "share", "metainfo", APP_ID + ".metainfo.xml")
        run("appstreamcli", "validate", "--no-net", "--strict", metainfo)


class Package(Installed, unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp()
        packages = os.path.join(cls.scratch, "packages")
        run("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"), "-B", packages)
        (cls.deb,) = glob.glob(os.path.join(packages, "*.deb"))
        cls.root = os.path.join(cls.scratch, "root")
        run("dpkg-deb", "-x", cls.deb, cls.root)
        cls.prefix = os.path.join(cls.root, "usr")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.scratch)

    def test_depends_on_the_qt_runtime(self):
        fields = dict(line.strip().split(": ", 1) for line in run("dpkg-deb", "-f", self.deb).splitlines()
                      if ": " in line and not line.startswith(" "))
        depends = [d.strip().split()[0] for d in fields["Depends"].split(",")]
        for package in ("libc6", "libqt6core6", "libqt6widgets6", "libqt6webenginewidgets6",
                        "qt6-qpa-plugins"):
            self.assertIn(package, depends)

    def test_holds_only_what_the_install_rule_installs(self):
        installed = os.path.join(self.scratch, "installed")
        run("cmake", "--install", BUILD, "--prefix", installed)
        self.assertEqual(files_under(self.root), {os.path.join("usr", f) for f in files_under(installed)})


if __name__ == "__main__":
    unittest.main()
