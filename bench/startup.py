"""Start-up: from process start to the window shown with its six start pages
loaded, Gavrin next to the bare six-view window loading the same six local
pages under the same process model; runs taken in turns, median of 5.

Local pages may read no other local file and reach no server, so each start
page, once loaded, writes a line to the page's console, which the engine
passes on to the program's standard error."""

import argparse
import os
import subprocess
import threading
import time

from benchlib import BENCH_DIR, SHIPPED_FLAGS, Gavrin, end_process, median, spread, wait_until

START_PAGES = ["Splash.htm"] + ["temp.html"] * 4 + ["gavrinhelp.htm"]
MARK = "start page drawn"
BEACON = "<script>addEventListener('load', function () { console.error('%s'); });</script>\n" % MARK


class DrawnPages:
    """The times at which a process reports a start page drawn on its standard error."""

    def __init__(self, process):
        self.times = []
        threading.Thread(target=self._read, args=(process.stderr,), daemon=True).start()

    def _read(self, stream):
        for line in stream:
            if MARK in line:
                self.times.append(time.monotonic())


def program_folder():
    app = Gavrin({})
    for page in set(START_PAGES):
        with open(os.path.join(app.folder, page), "a") as copy:
            copy.write(BEACON)
    return app


def timed(command):
    """Seconds from the process start to the sixth start page drawn."""
    app = program_folder()
    try:
        started = time.monotonic()
        process = subprocess.Popen(command(app), cwd=app.root, env=app.environment(SHIPPED_FLAGS),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        drawn = DrawnPages(process)
        try:
            if not wait_until(lambda: len(drawn.times) >= len(START_PAGES), timeout=30):
                return None
            return drawn.times[len(START_PAGES) - 1] - started
        finally:
            end_process(process)
    finally:
        app.stop()


def gavrin_command(app):
    return [os.path.join(app.folder, "gavrin")]


def bare_command(app):
    return [os.path.join(BENCH_DIR, "bare_window")] + [os.path.join(app.folder, page) for page in START_PAGES]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    times = {"bare window": [], "Gavrin": []}
    for run in range(args.runs):
        for window, command in (("bare window", bare_command), ("Gavrin", gavrin_command)):
            seconds = timed(command)
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
