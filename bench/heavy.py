"""Heavy pages: Gavrin watching five heavy item pages at "15 Seconds" and at
"1 Minute", next to the bare window reloading the same pages on the same
schedule, each with the services tab in front and with a watch tab in front,
taken in turns. For each: the CPU of the whole process tree as a share of one
core over a window after a warm-up, its memory (summed resident and
proportional set sizes, median of samples every 10 s) and the bytes fetched a
reload, which the HTTP cache keeps to the item page itself."""

import argparse
import time

from benchlib import all_drawn, cpu_share, median, tree_cpu_seconds, tree_memory, tree_pss
from heavy_site import (PAGES, RATES, SERVICES, WATCH_TAB, HeavySite, page_weight, watch_in_bare,
                        watch_in_gavrin)

WINDOWS = {"bare window": watch_in_bare, "Gavrin": watch_in_gavrin}
# At most this share of the bare window's CPU with the watch tabs hidden, by rate; memory at most 1.05x.
CPU_GOALS = {"15 Seconds": 0.7, "1 Minute": 0.5}


def measure(window, rate, front, warm_up_s, span_s):
    site = HeavySite()
    process, stop = WINDOWS[window](site, rate, front)
    try:
        if not all_drawn(site, PAGES, timeout=90):
            return None
        time.sleep(warm_up_s)
        began, cpu_before, loads_before = time.monotonic(), tree_cpu_seconds(process.pid), site.loads()
        rss, pss = [], []
        while time.monotonic() - began < span_s:
            time.sleep(min(10, span_s - (time.monotonic() - began)))
            rss.append(tree_memory(process.pid)[0])
            pss.append(tree_pss(process.pid) or float("nan"))
        seconds = time.monotonic() - began
        reloads = site.loads() - loads_before
        kb, static_kb = site.kb_a_reload(began, reloads)
        return {"cpu": cpu_share(cpu_before, tree_cpu_seconds(process.pid), seconds), "rss": median(rss),
                "pss": median(pss), "processes": tree_memory(process.pid)[1], "reloads": reloads, "kb": kb,
                "static_kb": static_kb, "shown": ", ".join(site.shown_since(began)) or "none"}
    finally:
        stop()
        site.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--minutes", type=float, default=2, help="measuring window of each case")
    parser.add_argument("--warm-up", type=float, default=60, help="seconds from the pages drawn to the window")
    args = parser.parse_args()

    weight, files = page_weight()
    print("A heavy item page: %.2f MB in %d files" % (weight / 1024 ** 2, files), flush=True)
    results = {}
    for rate in RATES:
        for front in (SERVICES, WATCH_TAB):
            for window in WINDOWS:
                figures = measure(window, rate, front, args.warm_up, 60 * args.minutes)
                results[(rate, front, window)] = figures
                if figures is None:
                    print("%s, %s, %s in front: the five pages did not load" % (rate, window, front), flush=True)
                    continue
                print("%-10s %-11s %-12s in front: CPU %5.1f %% of a core, RSS %4.0f MB, PSS %4.0f MB, "
                      "%2d processes, %3d reloads, %6.1f KB a reload (static files %.1f KB), in sight: %s" % (
                          rate, window, front, 100 * figures["cpu"], figures["rss"], figures["pss"],
                          figures["processes"], figures["reloads"], figures["kb"], figures["static_kb"],
                          figures["shown"]), flush=True)

    print("\nFive heavy pages, %.1f min after %.0f s of warm-up; Gavrin / bare window" % (args.minutes, args.warm_up))
    print("%-10s %-12s %8s %8s %8s  goal" % ("rate", "in front", "CPU", "RSS", "PSS"))
    for (rate, front, window), gavrin in results.items():
        bare = results[(rate, front, "bare window")]
        if window != "Gavrin" or not gavrin or not bare:
            continue
        goal = "CPU <= %.2f, memory <= 1.05" % CPU_GOALS[rate] if front == SERVICES else "memory <= 1.05"
        print("%-10s %-12s %7.2fx %7.2fx %7.2fx  %s" % (rate, front, gavrin["cpu"] / bare["cpu"],
                                                       gavrin["rss"] / bare["rss"], gavrin["pss"] / bare["pss"], goal))


if __name__ == "__main__":
    main()
