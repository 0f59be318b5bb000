"""What the benches share: the real program and the bare six-view window in
a temporary program folder, the local site of the end-to-end tests, and the
memory of a process tree. Benches print figures; they never fail on them."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from gavrin_e2e import Gavrin, end_process, SiteServer, item_page, process_tree, rendered, wait_until  # noqa: E402,F401

BENCH_DIR = os.environ["GAVRIN_BENCH_DIR"]
PER_SITE = "--process-per-site"
# The process model Gavrin runs with: the engine's default, a render process
# a view; the bare window and the soak get the same.
SHIPPED_FLAGS = ""


def tree_memory(root):
    """(summed VmRSS in MB, live processes) of root and everything below it."""
    total_kb, count = 0, 0
    for pid in process_tree(root):
        try:
            with open("/proc/%d/status" % pid) as status:
                for line in status:
                    if line.startswith("VmRSS:"):
                        total_kb += int(line.split()[1])
                        count += 1
        except OSError:
            pass
    return total_kb / 1024.0, count


class BareWindow:
    """The bare window run from a program folder's environment."""

    def __init__(self, app, addresses, chromium_flags=""):
        executable = os.path.join(BENCH_DIR, "bare_window")
        self.process = subprocess.Popen([executable] + list(addresses), cwd=app.root,
                                        env=app.environment(chromium_flags),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def stop(self):
        end_process(self.process)


def all_drawn(server, pages, timeout=30):
    return wait_until(lambda: all(server.seen(rendered(page)) for page in pages), timeout=timeout)


def median(values):
    return statistics.median(values) if values else float("nan")


def spread(values, unit="", digits=0):
    """median (min-max) of the figures of several runs."""
    form = "%%.%df" % digits
    return (form + "%s (" + form + "-" + form + ")") % (median(values), unit, min(values), max(values))


def settle(seconds=5):
    time.sleep(seconds)
