"""What the benches share: the real program and the bare six-view window in
a temporary program folder, the local site of the end-to-end tests, and the
memory of a process tree. Benches print figures; they never fail on them."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

from gavrin_e2e import (HTML, Gavrin, SiteServer, end_process, item_page, page, process_tree,  # noqa: E402,F401
                        rendered, wait_until)

BENCH_DIR = os.environ["GAVRIN_BENCH_DIR"]
PER_SITE = "--process-per-site"
# The process model Gavrin runs with: the engine's default, a render process
# a view; the bare window and the soak get the same.
SHIPPED_FLAGS = ""
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def summed(root, proc_file, field):
    """(sum in MB of a kB field of a /proc/<pid> file, processes that had it) over root and everything below it."""
    total_kb, count = 0, 0
    for pid in process_tree(root):
        try:
            with open("/proc/%d/%s" % (pid, proc_file)) as lines:
                for line in lines:
                    if line.startswith(field):
                        total_kb += int(line.split()[1])
                        count += 1
        except OSError:
            pass
    return total_kb / 1024.0, count


def tree_memory(root):
    """(summed VmRSS in MB, live processes) of root and everything below it."""
    return summed(root, "status", "VmRSS:")


def tree_pss(root):
    """Summed proportional set size in MB of root and everything below it; None where unreadable."""
    pss, count = summed(root, "smaps_rollup", "Pss:")
    return pss if count else None


def tree_cpu_seconds(root):
    """{pid: CPU seconds} of root and everything below it, each with the children it has reaped."""
    seconds = {}
    for pid in process_tree(root):
        try:
            with open("/proc/%d/stat" % pid) as stat:
                # After the command's closing parenthesis: utime, stime, cutime and cstime are the 12th to 15th.
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        seconds[pid] = sum(int(ticks) for ticks in fields[11:15]) / CLOCK_TICKS
    return seconds


def cpu_share(before, after, seconds):
    """Share of one core the tree used between two tree_cpu_seconds readings seconds apart."""
    return sum(used - before.get(pid, 0.0) for pid, used in after.items()) / seconds


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
