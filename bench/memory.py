"""Memory of Gavrin with five watched items and the services tab on a local
site, next to the bare six-view window loading the same six pages, under the
engine's default process model (a renderer a view, which Gavrin runs with)
and under one renderer per site (the cheaper model, which lets one page hold
up every other page of its site)."""

import argparse
import time

from benchlib import (PER_SITE, BareWindow, Gavrin, SiteServer, all_drawn, item_page, rendered, settle,
                      spread, tree_memory)

ITEMS = ("31001", "31002", "31003", "31004", "31005")
MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"
PAGES = [item_page(item) for item in ITEMS] + [MY_EBAY]
HOST_KEYS = ("ItemServer", "MainHost", "PageHost", "SecureHost", "LoginHost", "ComplaintHost")


def page_loads_ms(server):
    """Each page from its request to its script's report that it was drawn."""
    return [1000 * (server.arrived[rendered(page)] - server.arrived[page]) for page in PAGES]


def measure_gavrin(flags):
    server = SiteServer()
    app = Gavrin({key: server.host for key in HOST_KEYS})
    try:
        app.start(flags)
        for item in ITEMS:
            app.watch(item)
        app.menu("alt+s", "m")
        if not all_drawn(server, PAGES):
            return None
        settle()
        rss, processes = tree_memory(app.process.pid)
        return {"rss": rss, "processes": processes, "page": max(page_loads_ms(server))}
    finally:
        app.stop()
        server.close()


def measure_bare(flags):
    server = SiteServer()
    app = Gavrin({})  # for its folder and environment only
    started = time.monotonic()
    bare = BareWindow(app, ["http://%s%s" % (server.host, page) for page in PAGES], flags)
    try:
        if not all_drawn(server, PAGES):
            return None
        all_drawn_s = max(server.arrived[rendered(page)] for page in PAGES) - started
        settle()
        rss, processes = tree_memory(bare.process.pid)
        return {"rss": rss, "processes": processes, "page": max(page_loads_ms(server)), "all": all_drawn_s}
    finally:
        bare.stop()
        app.stop()
        server.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    cases = [("bare window", "default", lambda: measure_bare("")),
             ("bare window", "one renderer per site", lambda: measure_bare(PER_SITE)),
             ("Gavrin", "default, as it runs", lambda: measure_gavrin("")),
             ("Gavrin", "one renderer per site", lambda: measure_gavrin(PER_SITE))]
    results = {case[:2]: [] for case in cases}
    for run in range(args.runs):
        for window, model, measure in cases:
            figures = measure()
            if figures is None:
                print("run %d, %s, %s: the six pages did not all load" % (run + 1, window, model), flush=True)
                continue
            results[(window, model)].append(figures)
            print("run %d, %-11s %-28s %6.0f MB in %2d processes, slowest page %4.0f ms%s" % (
                run + 1, window + ",", model + ":", figures["rss"], figures["processes"], figures["page"],
                ", all six drawn %.2f s after start" % figures["all"] if "all" in figures else ""), flush=True)

    print("\nSummed VmRSS of the process tree with six pages loaded; median (min-max) of %d runs" % args.runs)
    for (window, model), runs in results.items():
        if not runs:
            continue
        line = "%-12s %-30s %s, %s processes, slowest page %s" % (
            window, model, spread([r["rss"] for r in runs], " MB"), spread([r["processes"] for r in runs]),
            spread([r["page"] for r in runs], " ms"))
        if "all" in runs[0]:
            line += ", all drawn %s after start" % spread([r["all"] for r in runs], " s", 2)
        print(line)


if __name__ == "__main__":
    main()
