"""Takes the pictures of the README and the help page that show a tab near
its auction's end and the Watched Items overview: the real program under
Xvfb and openbox against a local site on 127.0.0.1.

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

ITEMS = {"8001": ("Penny Black 1840 plate 6", "US $180.00", 4 * 60 + 20),
         "8002": ("Blue Delft vase, 18th century", "GBP 95.00", 3 * 3600 + 12 * 60)}


def page(title, price, seconds_left):
    end_ms = int((time.time() + seconds_left) * 1000)
    return ("<!DOCTYPE html><html><head><title>%s</title></head><body style='margin:0;font-family:sans-serif'>"
            "<h2 style='margin:8px'>%s</h2>"
            "<div style='position:absolute;left:10px;top:60px;font-size:24px'>Current bid: "
            "<span id='price'>%s</span></div>"
            "<div id='left' style='position:absolute;left:10px;top:110px;font-size:24px'></div>"
            "<script>var s = Math.round((%d - Date.now()) / 1000);"
            "document.getElementById('left').textContent = 'Time left: ' + (s >= 3600 ? Math.floor(s / 3600) + 'h ' : '')"
            " + Math.floor(s %% 3600 / 60) + 'm ' + (s %% 60) + 's';"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));"
            "</script></body></html>" % (title, title, price, end_ms))


def context_entry(app, x, y, downs):
    subprocess.run(["xdotool", "mousemove", "--window", app.window, str(x), str(y), "click", "3"], check=True)
    time.sleep(1)
    app.key(*(["Down"] * downs + ["Return"]))
    time.sleep(1)


def shoot(path):
    time.sleep(1.5)
    subprocess.run(["scrot", "--focused", "--overwrite", path], check=True)


def main():
    docs = sys.argv[2] if len(sys.argv) > 2 else "docs"
    server = SiteServer()
    for number, (title, price, left) in ITEMS.items():
        server.pages[item_page(number)] = page(title, price, left)
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
        app.focus(app.window)
        app.key("ctrl+l")
        time.sleep(2)
        shoot(os.path.join(docs, "ending-soon.png"))
        app.menu("alt+n", "w")
        overview = app.find_window("^Watched Items$")
        app.focus(overview)
        shoot(os.path.join(docs, "watched-items.png"))
    finally:
        app.stop()
        server.close()


if __name__ == "__main__":
    main()
