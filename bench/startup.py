"""Start-up: from process start to the window shown with its six start pages
loaded, Gavrin next to the bare six-view window loading the same six local
pages under the same process model; runs taken in turns, median of 5.

Local pages may not reach a web server, so each start page, once loaded, asks
for a local file; the bench sees it opened through inotify. The file is picked
at random from many, since inotify merges two like events that follow each
other unread."""

import argparse
import ctypes
import os
import select
import threading
import time

from benchlib import SHIPPED_FLAGS, BareWindow, Gavrin, median, spread, wait_until

START_PAGES = ["Splash.htm"] + ["temp.html"] * 4 + ["gavrinhelp.htm"]
MARKS = 4096
BEACON = ("<script>addEventListener('load', function () {"
          " new Image().src = 'drawn/' + Math.floor(Math.random() * %d); });</script>\n" % MARKS)
IN_OPEN = 0x20


class OpenWatch:
    """The times at which files of one folder are opened."""

    def __init__(self, folder):
        self.opened = []
        libc = ctypes.CDLL(None, use_errno=True)
        self.fd = libc.inotify_init1(os.O_NONBLOCK)
        if self.fd < 0 or libc.inotify_add_watch(self.fd, folder.encode(), IN_OPEN) < 0:
            raise OSError(ctypes.get_errno(), "inotify")
        self.running = True
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()

    def _read(self):
        while self.running:
            if not select.select([self.fd], [], [], 0.2)[0]:
                continue
            at = time.monotonic()
            data = os.read(self.fd, 65536)
            while data:
                length = int.from_bytes(data[12:16], "little")
                name = data[16:16 + length].rstrip(b"\0").decode()
                self.opened.append((at, name))
                data = data[16 + length:]

    def times(self):
        return sorted(at for at, _ in list(self.opened))

    def close(self):
        self.running = False
        self.thread.join()
        os.close(self.fd)


def program_folder():
    app = Gavrin({})
    for page in set(START_PAGES):
        with open(os.path.join(app.folder, page), "a") as copy:
            copy.write(BEACON)
    os.makedirs(os.path.join(app.folder, "drawn"))
    for mark in range(MARKS):
        open(os.path.join(app.folder, "drawn", str(mark)), "w").close()
    return app


def timed(start):
    """Seconds from start() to the sixth start page loaded."""
    app = program_folder()
    watch = OpenWatch(os.path.join(app.folder, "drawn"))
    try:
        started = time.monotonic()
        stop = start(app)
        try:
            if not wait_until(lambda: len(watch.times()) >= len(START_PAGES), timeout=30):
                return None
            return watch.times()[len(START_PAGES) - 1] - started
        finally:
            stop()
    finally:
        watch.close()
        app.stop()


def start_gavrin(app):
    app.launch()
    return lambda: None  # app.stop() ends it


def start_bare(app):
    bare = BareWindow(app, [os.path.join(app.folder, page) for page in START_PAGES], SHIPPED_FLAGS)
    return bare.stop


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    times = {"bare window": [], "Gavrin": []}
    for run in range(args.runs):
        for window, start in (("bare window", start_bare), ("Gavrin", start_gavrin)):
            seconds = timed(start)
            if seconds is None:
                print("run %d, %s: the start pages did not all load" % (run + 1, window), flush=True)
                continue
            times[window].append(seconds)
            print("run %d, %-12s %.2f s" % (run + 1, window + ":", seconds), flush=True)

    print("\nProcess start to window shown with six start pages loaded; median (min-max) of %d runs" % args.runs)
    for window, seconds in times.items():
        if seconds:
            print("%-12s %s" % (window, spread(seconds, " s", 2)))
    if times["bare window"] and times["Gavrin"]:
        print("ratio Gavrin / bare window: %.2f (goal: within 1.10)"
              % (median(times["Gavrin"]) / median(times["bare window"])))


if __name__ == "__main__":
    main()
