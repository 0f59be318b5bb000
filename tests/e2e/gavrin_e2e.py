"""Shared base of the end-to-end tests: the real program in a temporary
program folder, driven with xdotool under Xvfb, against a local HTTP server
on 127.0.0.1 that records what it is asked for."""

import http.server
import os
import shutil
import socket
import subprocess
import tempfile
import threading
import time
import unittest

BIN_DIR = os.environ["GAVRIN_BIN_DIR"]
PAGES = ("Splash.htm", "temp.html", "gavrinhelp.htm")


def end_process(process):
    """Asks a process to end, and ends it when it does not within 10 s."""
    process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def wait_until(predicate, timeout=20.0, step=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def item_page(number):
    return "/aw-cgi/eBayISAPI.dll?ViewItem&item=%s" % number


def rendered(path):
    """What a served page asks for once it is drawn."""
    from urllib.parse import quote
    return "/rendered?from=" + quote(path, safe="")


def closed_port():
    """A port on 127.0.0.1 that nothing listens on (until a server takes it)."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def process_tree(root):
    """root and every process below it, each with its parent, by /proc."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as stat:
                parent = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    tree, todo = {root: None}, [root]
    while todo:
        pid = todo.pop()
        for child in children.get(pid, []):
            tree[child] = pid
            todo.append(child)
    return tree


def command_line(pid):
    """The arguments as one text (the web engine's helpers rewrite their own)."""
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as cmdline:
            return cmdline.read().replace(b"\0", b" ").decode(errors="replace")
    except OSError:
        return ""


class SiteServer:
    """Answers every GET with a small page that reports, by a second request
    to /rendered, that it was drawn; records the paths asked for."""

    def __init__(self, port=0):
        self.requests = []
        self.lock = threading.Lock()
        self.pages = {}
        # Paths answered with a status of their own, and paths never answered.
        self.statuses = {}
        self.hanging = set()
        # When each request came, by time.time(), as (time, path).
        self.timeline = []
        self.open_hangs = 0
        # When each path was first asked for, by time.monotonic(): the benches time page loads by it.
        self.arrived = {}
        # Form posts as (path, body); paths answered only after some seconds.
        self.posts = []
        self.delays = {}
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                with server.lock:
                    server.requests.append(self.path)
                    server.arrived.setdefault(self.path, time.monotonic())
                    server.timeline.append((time.time(), self.path))
                if self.path in server.hanging:
                    return self.hang()
                time.sleep(server.delays.get(self.path, 0))
                self.answer(server.pages.get(self.path, server.pages.get(self.path.split("?")[0],
                                                                         server.default_page(self.path))))

            def do_POST(self):
                body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
                with server.lock:
                    server.posts.append((self.path, body.decode(errors="replace")))
                self.answer(server.default_page(self.path))

            def answer(self, body):
                if isinstance(body, str):
                    body = body.encode("utf-8")
                self.send_response(server.statuses.get(self.path, 200))
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(body)

            def hang(self):
                # Holds the connection until the browser gives up on it.
                with server.lock:
                    server.open_hangs += 1
                self.connection.settimeout(120)
                try:
                    self.connection.recv(1)
                except OSError:
                    pass
                with server.lock:
                    server.open_hangs -= 1
                self.close_connection = True

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def host(self):
        return "127.0.0.1:%d" % self.httpd.server_address[1]

    @staticmethod
    def default_page(path):
        if path.startswith("/rendered"):
            return "ok"
        return ("<!DOCTYPE html><html><head><title>Served</title></head><body><h1>Served page</h1>"
                "<script>fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search))"
                "</script></body></html>")

    def seen(self, path):
        with self.lock:
            return self.requests.count(path)

    def times(self, path):
        """When path was asked for, by time.time(), oldest first."""
        with self.lock:
            return [when for when, asked in self.timeline if asked == path]

    def posted(self, path):
        with self.lock:
            return [body for posted_path, body in self.posts if posted_path == path]

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Gavrin:
    """The real program in a temporary program folder with its own home."""

    def __init__(self, site_hosts):
        self.root = tempfile.mkdtemp(prefix="gavrin-e2e-")
        self.folder = os.path.join(self.root, "program")
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.folder)
        os.makedirs(self.home)
        shutil.copy2(os.path.join(BIN_DIR, "gavrin"), self.folder)
        for page in PAGES:
            shutil.copy2(os.path.join(BIN_DIR, page), self.folder)
        with open(os.path.join(self.folder, "gavrin.ini"), "w") as ini:
            ini.write("[Site]\n")
            for key, value in site_hosts.items():
                ini.write("%s=%s\n" % (key, value))
        self.process = None
        self.window = None

    def environment(self, chromium_flags=""):
        """The environment of a web engine program run from this folder, with a home of its own."""
        return dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                    XDG_DATA_HOME=os.path.join(self.home, ".local", "share"), QTWEBENGINE_DISABLE_SANDBOX="1",
                    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking "
                                               "--disable-component-update " + chromium_flags)

    def launch(self, chromium_flags=""):
        """Starts the program without waiting for its window."""
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
        # The first web view makes the window render through the GPU path,
        # which replaces its X window: wait until the one found stays.
        first = self._find_window("^Gavrin$")
        if not first:
            return None
        time.sleep(1.0)
        return first if self._find_window("^Gavrin$") == first else None

    def windows(self, name, visible=True):
        return subprocess.run(["xdotool", "search"] + ["--onlyvisible"] * visible + ["--name", name],
                              capture_output=True, text=True).stdout.split()

    def _find_window(self, name):
        return (self.windows(name) or [None])[0]

    def find_window_of_any_state(self, name, timeout=30):
        """A window by name, also one that is minimised or not yet mapped."""
        return wait_until(lambda: (self.windows(name, visible=False) or [None])[-1], timeout=timeout)

    def find_window(self, name, timeout=10):
        return wait_until(lambda: self._find_window(name), timeout=timeout)

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
        """Opens a menu by its access key and, once it is up, presses the entry's keys."""
        self.key(opener)
        time.sleep(0.6)
        self.key(*entry_keys)

    def renderers(self):
        """The render processes of the program's web views: the live children
        of the web engine's zygote, which keep the zygote's arguments."""
        tree = process_tree(self.process.pid)
        return {pid for pid, parent in tree.items()
                if parent and "--type=zygote" in command_line(parent) and command_line(pid)}

    def watch(self, number):
        """Types an item number over the old one into the item box and presses Enter."""
        self.key("ctrl+a")
        self.type(number)
        self.key("Return")

    def set_rate_text(self, text):
        """Types a rate into the rate box, which the next watch reads, and goes back to the item box."""
        self.key("Tab", "ctrl+a")
        self.type(text)
        self.key("shift+Tab")

    def alive(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if self.alive():
            end_process(self.process)
        shutil.rmtree(self.root, ignore_errors=True)


class E2ETestCase(unittest.TestCase):
    """Starts a server and the program for each test; site_keys names the
    gavrin.ini keys that point at the server."""

    site_keys = ("ItemServer",)

    def site_hosts(self):
        return {key: self.server.host for key in self.site_keys}

    def setUp(self):
        self.server = SiteServer()
        self.addCleanup(self.server.close)
        self.app = Gavrin(self.site_hosts())
        self.addCleanup(self.app.stop)
        self.prepare_program_folder(self.app.folder)
        self.app.start()

    def prepare_program_folder(self, folder):
        """Puts files into the program folder before the program starts."""

    def assertRequested(self, path, times=1, timeout=20):
        got = wait_until(lambda: self.server.seen(path) >= times, timeout=timeout)
        self.assertTrue(got, "server was not asked for %s (asked: %s)" % (path, self.server.requests))
