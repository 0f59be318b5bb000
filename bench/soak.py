"""Soak: Gavrin's main window with five watched items on a local site, its
per-tab reload ticks called every 0.5 s, next to the bare window reloading the
same five pages every 0.5 s, each for 2,000 reloads or more. Prints the memory
of the process tree once the five pages are drawn, every 20 s and at the end,
and the growth from the start and from the first 20 s, which hold the engine's
warming up.

With --heavy, a long day in an hour: Gavrin, driven as a user drives it, and
the bare window side by side, each watching five heavy item pages at
"15 Seconds" on their own timers (about 240 reloads a tab an hour) with the
services tab in front; the memory of each process tree sampled every minute,
and its slope after the warm-up in % an hour. Side by side, both meet the same
load of the machine, and their proportional set sizes split what they share."""

import argparse
import os
import statistics
import subprocess
import time

from benchlib import (BENCH_DIR, SHIPPED_FLAGS, BareWindow, Gavrin, SiteServer, all_drawn, item_page, rendered,
                      tree_memory, tree_pss)
from heavy_site import PAGES as HEAVY_PAGES, SERVICES, HeavySite, watch_in_bare, watch_in_gavrin

ITEMS = [str(41001 + tab) for tab in range(5)]
PAGES = [item_page(item) for item in ITEMS]


def start_gavrin(app, server, flags):
    soak = subprocess.Popen([os.path.join(BENCH_DIR, "soak"), app.folder, server.host], cwd=app.root,
                            env=app.environment(flags), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return soak, lambda: (soak.terminate(), soak.wait(timeout=10))


def start_bare(app, server, flags):
    # The services tab of the soak shows the local help page and is not reloaded.
    addresses = ["http://%s%s" % (server.host, page) for page in PAGES]
    addresses.append(os.path.join(app.folder, "gavrinhelp.htm"))
    bare = BareWindow(app, ["--reload-every=500"] + addresses, flags)
    return bare.process, bare.stop


def soak(window, start, reloads, flags):
    server = SiteServer()
    app = Gavrin({})  # for its folder and environment
    process, stop = start(app, server, flags)

    def loads():
        return sum(server.seen(rendered(page)) for page in PAGES)

    try:
        if not all_drawn(server, PAGES, timeout=60):
            print("%s: the five pages did not load" % window)
            return None
        began, first = time.monotonic(), loads()
        start_rss, processes = tree_memory(process.pid)
        print("%s, start: %.0f MB in %d processes" % (window, start_rss, processes), flush=True)
        next_report, warm_rss = began + 20, None
        while loads() - first < reloads:
            time.sleep(0.5)
            if time.monotonic() >= next_report:
                next_report += 20
                rss, processes = tree_memory(process.pid)
                warm_rss = warm_rss or rss
                print("%s, %4.0f s: %.0f MB, %d reloads" % (window, time.monotonic() - began, rss, loads() - first),
                      flush=True)
        end_rss, processes = tree_memory(process.pid)
        print("%s, end: %.0f MB in %d processes after %d reloads in %.0f s: %+.1f %%" % (
            window, end_rss, processes, loads() - first, time.monotonic() - began,
            100.0 * (end_rss - start_rss) / start_rss), flush=True)
        return start_rss, warm_rss or start_rss, end_rss
    finally:
        stop()
        app.stop()
        server.close()


def percent_an_hour(samples, warm_up):
    """The least-squares slope of (minute, MB) samples from warm_up on, in % an hour of its value there."""
    late = [(minute, mb) for minute, mb in samples if minute >= warm_up]
    if len(late) < 2:
        return float("nan")
    slope, intercept = statistics.linear_regression(*zip(*late))
    return 100.0 * 60 * slope / (intercept + slope * warm_up)


def heavy_soak(minutes, warm_up):
    # Gavrin first: it is driven by keys, which go to the window in focus.
    watchers = {"Gavrin": watch_in_gavrin, "bare window": watch_in_bare}
    sites, running = {window: HeavySite() for window in watchers}, {}
    samples = {window: {"RSS": [], "PSS": []} for window in watchers}
    try:
        for window, watch in watchers.items():
            running[window] = watch(sites[window], "15 Seconds", SERVICES)
        if not all(all_drawn(site, HEAVY_PAGES, timeout=90) for site in sites.values()):
            print("the heavy pages did not all load")
            return
        began = time.monotonic()
        for minute in range(int(minutes) + 1):
            time.sleep(max(0.0, began + 60 * minute - time.monotonic()))
            for window, (process, _) in running.items():
                rss, processes = tree_memory(process.pid)
                pss = tree_pss(process.pid) or float("nan")
                samples[window]["RSS"].append((minute, rss))
                samples[window]["PSS"].append((minute, pss))
                print("%-12s %3d min: RSS %5.0f MB, PSS %5.0f MB in %d processes, %5d reloads" % (
                    window, minute, rss, pss, processes, sites[window].loads()), flush=True)
    finally:
        for _, stop in running.values():
            stop()
        for site in sites.values():
            site.close()

    print("\nFive heavy pages at \"15 Seconds\" for %d min: memory slope from minute %d on, in %% an hour "
          "(goal for Gavrin: at most +2 %%)" % (minutes, warm_up))
    for window, kinds in samples.items():
        print("%-12s %s" % (window, ", ".join("%s %.0f -> %.0f MB, %+.1f %% an hour" % (
            kind, values[0][1], values[-1][1], percent_an_hour(values, warm_up)) for kind, values in kinds.items())))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--reloads", type=int, default=2050)
    parser.add_argument("--flags", default=SHIPPED_FLAGS, help="web engine switches (Gavrin's own by default)")
    parser.add_argument("--heavy", action="store_true", help="five heavy pages at Gavrin's own rate")
    parser.add_argument("--minutes", type=int, default=60, help="length of the heavy soak")
    parser.add_argument("--warm-up", type=int, default=10, help="minutes of the heavy soak left out of its slope")
    args = parser.parse_args()
    if args.heavy:
        heavy_soak(args.minutes, args.warm_up)
        return

    results = {window: soak(window, start, args.reloads, args.flags)
               for window, start in (("Gavrin", start_gavrin), ("bare window", start_bare))}
    print("\nProcess tree memory from the five pages drawn to %d reloads later (goal for Gavrin: under 5 %%)"
          % args.reloads)
    for window, figures in results.items():
        if figures:
            start, warm, end = figures
            print("%-12s %.0f MB -> %.0f MB, %+.1f %%; from 20 s on (%.0f MB): %+.1f %%" % (
                window, start, end, 100.0 * (end - start) / start, warm, 100.0 * (end - warm) / warm))


if __name__ == "__main__":
    main()
