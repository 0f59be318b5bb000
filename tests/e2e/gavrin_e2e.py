# Shared base of the end-to-end tests (and of the benches): the real program in a temporary
# program folder, driven with xdotool under Xvfb, against a local HTTP server on 127.0.0.1
# that records what it is asked for.

import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time
import unittest
from urllib.parse import quote

BIN_DIR = os.environ["GAVRIN_BIN_DIR"]
HTML = "text/html; charset=utf-8"


def end_process(process):
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_until(predicate, timeout=20.0, step=0.1):
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() < deadline:
        time.sleep(step)
    return value


def item_page(number):
    return "/aw-cgi/eBayISAPI.dll?ViewItem&item=%s" % number


def rendered(path):
    # What a served page asks for once it is drawn.
    return "/rendered?from=" + quote(path, safe="")


def page(script="", body=""):
    # A page that reports, by a second request to /rendered, that it was drawn, then runs script.
    return ("<!DOCTYPE html><html><head><title>Served</title></head><body><h1>Served page</h1>%s<script>"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));%s"
            "</script></body></html>" % (body, script))


def process_tree(root):
    # root and every process below it.
    listing = subprocess.run(["ps", "-e", "-o", "pid=,ppid="], capture_output=True, text=True).stdout
    pairs = [tuple(map(int, line.split())) for line in listing.splitlines()]
    tree = {root}
    while True:
        below = {pid for pid, parent in pairs if parent in tree} - tree
        if not below:
            return tree
        tree |= below


class SiteServer:
    # Answers every GET with page() unless the path has a page or a delay of its own.
    # What it records is only appended to, which needs no lock in CPython.

    def __init__(self, port=0):
        self.timeline = []  # (time.time(), path) of each GET
        self.arrived = {}  # path: time.monotonic() of its first GET, which the benches time loads by
        self.posts = []  # (path, body)
        self.pages, self.delays = {}, {}
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.timeline.append((time.time(), self.path))
                server.arrived.setdefault(self.path, time.monotonic())
                time.sleep(server.delays.get(self.path, 0))
                self.answer(*server.answer(self.path))

            def do_POST(self):
                body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
                server.posts.append((self.path, body.decode(errors="replace")))
                self.answer(page().encode("utf-8"))

            def answer(self, body, content_type=HTML, cache="no-store"):
                self.send_response(200)
                self.send_header("Content-Type", content_type)
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", cache)
                self.end_headers()
                try:
                    self.wfile.write(body)
                except ConnectionError:
                    pass  # a page reloaded or left before its answer came, as users do

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def answer(self, path):
        # The body and content type of the answer to a GET of path, then its Cache-Control if not no-store.
        body = self.pages.get(path, "ok" if path.startswith("/rendered") else page())
        return body.encode("utf-8"), HTML

    @property
    def host(self):
        return "127.0.0.1:%d" % self.httpd.server_address[1]

    def times(self, path):
        return [when for when, asked in self.timeline if asked == path]

    def seen(self, path):
        return len(self.times(path))

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Gavrin:
    # The real program in a temporary program folder with a home of its own.

    def __init__(self, site_hosts):
        self.root = tempfile.mkdtemp(prefix="gavrin-e2e-")
        self.folder = os.path.join(self.root, "program")
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home)
        os.makedirs(self.folder)
        for name in ("gavrin", "Splash.htm", "temp.html", "gavrinhelp.htm"):
            shutil.copy2(os.path.join(BIN_DIR, name), self.folder)
        with open(os.path.join(self.folder, "gavrin.ini"), "w") as ini:
            ini.write("[Site]\n" + "".join("%s=%s\n" % item for item in site_hosts.items()))
        self.process = self.window = None

    def environment(self, chromium_flags=""):
        return dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                    XDG_DATA_HOME=os.path.join(self.home, ".local", "share"), QTWEBENGINE_DISABLE_SANDBOX="1",
                    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking "
                                               "--disable-component-update " + chromium_flags)

    def launch(self, chromium_flags=""):
        # Started from elsewhere: the program must find its pages beside itself.
        self.process = subprocess.Popen([os.path.join(self.folder, "gavrin")], cwd=self.root,
                                        env=self.environment(chromium_flags),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self, chromium_flags=""):
        self.launch(chromium_flags)
        self.window = wait_until(self._settled_main_window, timeout=30)
        if not self.window:
            raise RuntimeError("the main window did not appear")
        self.focus(self.window)
        return self

    def _settled_main_window(self):
        # The first web view makes the window render through the GPU path, which replaces its
        # X window: wait until the one found stays.
        first = self.find_window("^Gavrin$", timeout=0)
        if first:
            time.sleep(1.0)
            return first if self.find_window("^Gavrin$", timeout=0) == first else None

    def windows(self, name, visible=True):
        return subprocess.run(["xdotool", "search"] + ["--onlyvisible"] * visible + ["--name", name],
                              capture_output=True, text=True).stdout.split()

    def find_window(self, name, timeout=10):
        return wait_until(lambda: (self.windows(name) or [None])[0], timeout=timeout)

    def focus(self, window):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=False)
        time.sleep(0.3)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)

    def key(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--delay", "60", key], check=True)
            time.sleep(0.15)

    def menu(self, opener, *entry_keys):
        # Opens a menu by its access key and, once it is up, presses the entry's keys.
        self.key(opener)
        time.sleep(0.6)
        self.key(*entry_keys)

    def open_window(self, title, *menu_keys):
        # Opens a window from the menu and focuses it. A busy machine may open the menu after the
        # entry's key has gone by: try again.
        for _ in range(3):
            self.focus(self.window)
            self.menu(*menu_keys)
            window = self.find_window("^%s$" % title, timeout=5)
            if window:
                self.focus(window)
                return window
            self.key("Escape", "Escape")

    def watch(self, number):
        # Types an item number over the old one into the item box and presses Enter.
        self.key("ctrl+a")
        self.type(number)
        self.key("Return")

    def set_rate_text(self, text):
        # The rate box, which the next watch reads, is one Tab after the item box.
        self.key("Tab", "ctrl+a")
        self.type(text)
        self.key("shift+Tab")

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def close(self):
        self.focus(self.window)
        self.menu("alt+f", "c")
        return wait_until(lambda: not self.alive(), timeout=15)

    def stop(self):
        if self.alive():
            end_process(self.process)
        shutil.rmtree(self.root, ignore_errors=True)


class E2ETestCase(unittest.TestCase):
    # A server and the program for each test, run as program runs it; site_keys names the
    # gavrin.ini keys that point at the server.
    site_keys = ("ItemServer",)
    program = Gavrin

    def site_hosts(self):
        return {key: self.server.host for key in self.site_keys}

    def setUp(self):
        self.server = SiteServer()
        self.addCleanup(self.server.close)
        self.app = self.program(self.site_hosts())
        self.addCleanup(self.app.stop)
        self.prepare_program_folder(self.app.folder)
        self.app.start()

    def prepare_program_folder(self, folder):
        pass

    def assertRequested(self, path, times=1, timeout=20):
        got = wait_until(lambda: self.server.seen(path) >= times, timeout=timeout)
        self.assertTrue(got, "server was not asked for %s (asked: %s)" % (path, self.server.timeline))

    def assertEveryTabTaken(self, number):
        # With every watch tab holding an item, one more is refused with a message box.
        self.app.watch(number)
        self.assertTrue(wait_until(lambda: len(self.app.windows("^Gavrin$")) == 2, timeout=10),
                        "no message that every watch tab is taken")
        self.assertEqual(self.server.seen(item_page(number)), 0)
