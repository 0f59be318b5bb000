"""Soak: Gavrin's main window with five watched items on a local site, its
per-tab reload ticks called every 0.5 s, 2,000 reloads or more. Prints the
memory of the process tree at the start, every 20 s and at the end."""

import argparse
import os
import queue
import subprocess
import threading
import time

from benchlib import BENCH_DIR, SHIPPED_FLAGS, Gavrin, SiteServer, item_page, settle, tree_memory

ITEMS = [str(41001 + tab) for tab in range(5)]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--rounds", type=int, default=410, help="rounds of five reloads, one every 0.5 s")
    parser.add_argument("--flags", default=SHIPPED_FLAGS, help="web engine switches (the program's own by default)")
    args = parser.parse_args()

    server = SiteServer()
    app = Gavrin({})  # for its folder and environment
    soak = subprocess.Popen([os.path.join(BENCH_DIR, "soak"), app.folder, server.host, str(args.rounds)],
                            cwd=app.root, env=app.environment(args.flags), text=True,
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    said = queue.Queue()
    threading.Thread(target=lambda: [said.put(line.strip()) for line in soak.stdout], daemon=True).start()

    def loads():
        return sum(server.seen(item_page(item)) for item in ITEMS)

    try:
        if said.get(timeout=60) != "start":
            raise RuntimeError("the soak did not start")
        began = time.monotonic()
        first_loads = loads()
        start_rss, processes = tree_memory(soak.pid)
        print("start: %.0f MB in %d processes" % (start_rss, processes), flush=True)
        while True:
            try:
                if said.get(timeout=20) == "end":
                    break
            except queue.Empty:
                rss, processes = tree_memory(soak.pid)
                print("%4.0f s: %.0f MB in %d processes, %d reloads" % (
                    time.monotonic() - began, rss, processes, loads() - first_loads), flush=True)
        settle()
        end_rss, processes = tree_memory(soak.pid)
        reloads = loads() - first_loads
        print("end:   %.0f MB in %d processes after %d reloads in %.0f s" % (
            end_rss, processes, reloads, time.monotonic() - began))
        print("growth: %+.1f %% (goal: under 5 %%)" % (100.0 * (end_rss - start_rss) / start_rss))
    finally:
        soak.terminate()
        soak.wait(timeout=10)
        app.stop()
        server.close()


if __name__ == "__main__":
    main()
