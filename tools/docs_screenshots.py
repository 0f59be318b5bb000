"""Takes the pictures of the README and the help page that show a tab near
its auction's end, the Watched Items overview, a condition being set and the
overview telling a lead from an outbid: the real program under Xvfb and
openbox against a local site on 127.0.0.1.

    cmake --build build && xvfb-run -a -s "-screen 0 1280x1024x24" \
        tests/e2e/under_window_manager.sh python3 tools/docs_screenshots.py build/bin docs
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
os.environ.setdefault("GAVRIN_BIN_DIR", sys.argv[1] if len(sys.argv) > 1 else "build/bin")

from gavrin_e2e import Gavrin, SiteServer, item_page, rendered, wait_until  # noqa: E402

ITEMS = {"8001": ("Penny Black 1840 plate 6", "US $180.00", 4 * 60 + 20, "You're the highest bidder"),
         "8002": ("Blue Delft vase, 18th century", "GBP 95.00", 3 * 3600 + 12 * 60, "High bidder: m***e")}
# What the pages show while the user leads: the first item's page does, the second's does not.
LEADING = "highest bidder"


def page(title, price, seconds_left, bidder):
    end_ms = int((time.time() + seconds_left) * 1000)
    return ("<!DOCTYPE html><html><head><title>%s</title></head><body style='margin:0;font-family:sans-serif'>"
            "<h2 style='margin:8px'>%s</h2>"
            "<div style='position:absolute;left:10px;top:60px;font-size:24px'>Current bid: "
            "<span id='price'>%s</span></div>"
            "<div id='left' style='position:absolute;left:10px;top:110px;font-size:24px'></div>"
            "<div style='position:absolute;left:10px;top:160px;font-size:24px'>%s</div>"
            "<script>var s = Math.round((%d - Date.now()) / 1000);"
            "document.getElementById('left').textContent = 'Time left: ' + (s >= 3600 ? Math.floor(s / 3600) + 'h ' : '')"
            " + Math.floor(s %% 3600 / 60) + 'm ' + (s %% 60) + 's';"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));"
            "</script></body></html>" % (title, title, price, bidder, end_ms))


def context_entry(app, x, y, downs):
    subprocess.run(["xdotool", "mousemove", "--window", app.window, str(x), str(y), "click", "3"], check=True)
    time.sleep(1)
    app.key(*(["Down"] * downs + ["Return"]))
    time.sleep(1)


def point_at_lead(app):
    # The menu's fourth entry marks the part that says who leads; a small dialog asks what it shows while one does.
    context_entry(app, 100, 262, 4)
    app.focus(app.find_window("^Whether I Lead$"))
    app.key("ctrl+a")
    app.type(LEADING)
    app.key("Return")


def shoot(path, over=None):
    # over: a window taken with the dialog that stands on it; else the focused window alone.
    time.sleep(1.5)
    where = ["--focused"]
    if over:
        info = subprocess.run(["xwininfo", "-id", over], capture_output=True, text=True).stdout
        shape = dict(line.strip().split(": ", 1) for line in info.splitlines() if ": " in line)
        where = ["--autoselect", ",".join(shape[key] for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                                  "Width", "Height"))]
    subprocess.run(["scrot"] + where + ["--overwrite", path], check=True)


def main():
    docs = sys.argv[2] if len(sys.argv) > 2 else "docs"
    server = SiteServer()
    for number, (title, price, left, bidder) in ITEMS.items():
        server.pages[item_page(number)] = page(title, price, left, bidder)
    app = Gavrin({"ItemServer": server.host})
    try:
        app.start()
        for number in reversed(list(ITEMS)):
            app.key("ctrl+l")
            app.watch(number)
            wait_until(lambda: server.seen(rendered(item_page(number))), timeout=20)
            time.sleep(1)
            # The menu's first entry follows the price; the second points at the time left.
            context_entry(app, 100, 160, 1)
            context_entry(app, 100, 212, 2)
        app.open_window("Watched Items", "alt+n", "w")
        shoot(os.path.join(docs, "watched-items.png"))
        # Closed, so that the clicks below reach the page.
        app.key("alt+F4")
        # The first item's tab is in front: the user leads there, not on the second's.
        app.focus(app.window)
        point_at_lead(app)
        app.key("ctrl+shift+Tab")
        point_at_lead(app)
        app.key("ctrl+Tab", "ctrl+l")
        time.sleep(2)
        shoot(os.path.join(docs, "ending-soon.png"))
        # The third entry asks when the price alerts: above US $200.
        context_entry(app, 100, 160, 3)
        app.focus(app.find_window("^Alert me when$"))
        app.key("Down", "Tab")
        app.type("200")
        shoot(os.path.join(docs, "condition.png"), app.window)
        app.key("Return")
        app.open_window("Watched Items", "alt+n", "w")
        shoot(os.path.join(docs, "lead.png"))
    finally:
        app.stop()
        server.close()


if __name__ == "__main__":
    main()
