"""A local site whose item pages weigh what a real auction page does: two dozen
script files of real work that is parsed and run, a dozen photos, a font and a
style sheet, about 1.8 MB in 39 files; a busy start of about 300 ms, an ad redrawn
every 50 ms, a countdown ticking every second, a bid poll every 5 s and an
animation. Its static files are cacheable for a year, as a real site's are; the
item page and the bids are not. It counts the bytes of every answer.

And the two windows that watch five such pages at a rate: Gavrin, driven as a
user drives it, and the bare window on the same schedule."""

import glob
import json
import os
import random
import struct
import time
import zlib
from urllib.parse import parse_qs, urlsplit

from benchlib import HTML, BareWindow, Gavrin, SiteServer, item_page, page, rendered

ITEMS = [str(51001 + tab) for tab in range(5)]
PAGES = [item_page(item) for item in ITEMS]
RATES = {"15 Seconds": 15000, "1 Minute": 60000}
SERVICES, WATCH_TAB = "services tab", "a watch tab"
A_YEAR = "public, max-age=31536000"
SCRIPT_FILES, FUNCTIONS_A_FILE = 24, 70
PHOTOS = 12


def drawer(seed):
    # Draws whole numbers from low to high, the same ones for a seed, so every run serves the same site.
    rng = random.Random(seed)
    return lambda low, high: rng.randint(low, high)


# Four kinds of work a site's script does, each function with constants of its own.
WORK = [
    """function sortPrices{i}(n) {{
  var seed = {a}, prices = [];
  for (var k = 0; k < n + {b}; k++) {{ seed = (seed * 1103515245 + 12345) % 2147483648; prices.push(seed % {c} / 100); }}
  prices.sort(function (x, y) {{ return x - y; }});
  var total = 0;
  for (k = 0; k < prices.length; k += {d}) total += prices[k];
  return Math.round(total * 100) / 100;
}}
""",
    """function bidderNames{i}(n) {{
  var words = ["{w}", "seller{a}", "buyer{b}", "lot{c}"], out = [];
  for (var k = 0; k < n; k++) out.push(words[(k * {d}) % words.length] + k.toString({e}));
  var joined = out.join("-").toUpperCase().split("-").reverse().join(" ");
  return joined.replace(/[AEIOU]/g, "").length + joined.indexOf("LOT{c}");
}}
""",
    """function shippingTable{i}(n) {{
  var table = {{}}, key;
  for (var k = 0; k < n * 2; k++) {{ key = "zone" + ((k * {a} + {b}) % {c}); table[key] = (table[key] || 0) + k % {d}; }}
  return Object.keys(table).sort().map(function (zone) {{ return zone + ":" + table[zone]; }}).join(",").length;
}}
""",
    """function feeMatrix{i}(n) {{
  var size = {d} + n % 5, a = [], b = [], sum = 0, r, c, k;
  for (r = 0; r < size; r++) {{
    a.push([]); b.push([]);
    for (c = 0; c < size; c++) {{ a[r].push((r + c * {a}) % {c}); b[r].push((r * c + {b}) % {c}); }}
  }}
  for (r = 0; r < size; r++) for (c = 0; c < size; c++) for (k = 0; k < size; k++) sum += a[r][k] * b[k][c];
  return sum;
}}
""",
]
NAMES = ["sortPrices", "bidderNames", "shippingTable", "feeMatrix"]


def script_file(number):
    # Every function is run once as the file loads, so none is left unparsed.
    draw = drawer(number)
    first = number * FUNCTIONS_A_FILE
    functions = [first + k for k in range(FUNCTIONS_A_FILE)]
    code = "".join(WORK[i % 4].format(i=i, a=draw(3, 9999), b=draw(1, 97), c=draw(11, 997), d=draw(2, 9),
                                      e=draw(2, 36), w="".join(chr(draw(97, 122)) for _ in range(8)))
                   for i in functions)
    listed = ", ".join("%s%d" % (NAMES[i % 4], i) for i in functions)
    return code + ("window.siteWork = (window.siteWork || []).concat([%s]);\n"
                   "for (var run = siteWork.length - %d; run < siteWork.length; run++) "
                   "window.siteSum = (window.siteSum || 0) + siteWork[run](40);\n" % (listed, FUNCTIONS_A_FILE))


def png(width, height, seed):
    # A photo-like noise over a gradient, which compresses about as little as a JPEG photo.
    noise = random.Random(seed).randbytes(width * height * 3).translate(bytes(range(0, 256, 16)) * 16)
    rows = b"".join(b"\0" + noise[row * width * 3:(row + 1) * width * 3] for row in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def style_sheet():
    draw = drawer(7)
    rules = "".join(".detail%d { color: #%06x; margin: %dpx %dpx; padding: %dpx; border-bottom: 1px solid #%06x; "
                    "font-size: %dpx; }\n" % (n, draw(0, 0xffffff), draw(0, 9), draw(0, 9), draw(0, 6),
                                             draw(0, 0xffffff), draw(11, 15)) for n in range(720))
    return ("@font-face { font-family: SiteFont; src: url(/static/site.ttf); }\n"
            "body { font-family: SiteFont, sans-serif; }\n"
            ".live { animation: pulse 1.2s ease-in-out infinite alternate; }\n"
            "@keyframes pulse { from { transform: scale(1); opacity: 0.6; } to { transform: scale(1.15); opacity: 1; } }\n"
            + rules)


def site_font():
    # The system font nearest in size to a site's web fonts stands in for them.
    fonts = glob.glob("/usr/share/fonts/**/*.ttf", recursive=True)
    with open(min(fonts, key=lambda path: abs(os.path.getsize(path) - 130000)), "rb") as font:
        return font.read()


STATIC = {"/static/site%02d.js" % n: (script_file(n).encode(), "text/javascript") for n in range(SCRIPT_FILES)}
STATIC.update({"/static/photo%02d.png" % n: (png(280, 180, n), "image/png") for n in range(PHOTOS)})
STATIC["/static/site.css"] = (style_sheet().encode(), "text/css")
STATIC["/static/site.ttf"] = (site_font(), "font/ttf")

# The busy start is a fixed amount of work, as a real page's is, about 300 ms
# on one core of the machine the benches were first run on. Bounding it by the
# clock instead would make pages reloaded together look cheaper than pages
# reloaded apart, as they share the cores during it.
START_ROUNDS = 8400

LIVE_SCRIPT = """
for (var round = 0; round < START_ROUNDS; round++) siteSum += siteWork[round % siteWork.length](60);
var ad = document.getElementById("ad").getContext("2d"), frame = 0;
setInterval(function () {
  frame++;
  ad.fillStyle = "hsl(" + frame * 7 % 360 + ", 70%, 60%)";
  ad.fillRect(0, 0, 300, 250);
  ad.fillStyle = "#fff";
  ad.font = "24px SiteFont";
  ad.fillText("Deal of the day " + frame, 10 + frame % 120, 125);
  document.getElementById("adText").textContent = "Sponsored " + frame % 97;
}, 50);
var ends = Date.now() + 3 * 86400000;
setInterval(function () {
  var left = Math.floor((ends - Date.now()) / 1000);
  document.getElementById("timeLeft").textContent = "Time left: " + Math.floor(left / 86400) + "d " +
      Math.floor(left % 86400 / 3600) + "h " + Math.floor(left % 3600 / 60) + "m " + left % 60 + "s";
}, 1000);
setInterval(function () {
  fetch("/bids" + location.search + "&shown=" + document.visibilityState).then(function (answer) {
    return answer.json();
  }).then(function (bids) {
    document.getElementById("price").textContent = "US $" + bids.price.toFixed(2) + " (" + bids.bids + " bids)";
  });
}, 5000);
""".replace("START_ROUNDS", str(START_ROUNDS))


def item_body():
    draw = drawer(11)
    photos = "".join('<img src="/static/photo%02d.png" width="150" height="100">' % n for n in range(PHOTOS))
    details = "".join('<tr class="detail%d"><td>Detail %d</td><td>%s</td></tr>'
                      % (draw(0, 719), n, " ".join("word%d" % draw(0, 5000) for _ in range(12))) for n in range(400))
    scripts = "".join('<script src="/static/site%02d.js"></script>' % n for n in range(SCRIPT_FILES))
    return ('<link rel="stylesheet" href="/static/site.css"><p id="price">US $10.00</p>'
            '<p id="timeLeft" class="live">Time left:</p><canvas id="ad" width="300" height="250"></canvas>'
            '<p id="adText"></p><div>%s</div><table>%s</table>%s' % (photos, details, scripts))


ITEM_PAGE = page(LIVE_SCRIPT, item_body()).encode()


class HeavySite(SiteServer):
    """The local site with heavy item pages. served holds (time.monotonic(), path, bytes) of each answer."""

    def __init__(self):
        self.served = []
        self.bids = 0
        super().__init__()

    def answer(self, path):
        if path in STATIC:
            answer = STATIC[path] + (A_YEAR,)
        elif path in PAGES:
            answer = ITEM_PAGE, HTML
        elif path.startswith("/bids"):
            self.bids += 1
            answer = json.dumps({"price": 10 + self.bids / 10, "bids": self.bids}).encode(), "application/json"
        else:
            answer = super().answer(path)
        self.served.append((time.monotonic(), path, len(answer[0])))
        return answer

    def address(self, item):
        return "http://%s%s" % (self.host, item_page(item))

    def loads(self):
        """The five pages' loads, each reported once the page is drawn."""
        return sum(self.seen(rendered(page)) for page in PAGES)

    def kb_a_reload(self, since, reloads):
        """KB fetched since then a reload of the five pages, in all and of static files; the bid polls are left out."""
        if not reloads:
            return float("nan"), float("nan")
        fetched = [(path, size) for when, path, size in self.served if when >= since and not path.startswith("/bids")]
        return (sum(size for _, size in fetched) / 1024 / reloads,
                sum(size for path, size in fetched if path in STATIC) / 1024 / reloads)

    def shown_since(self, since):
        """The items whose page said it was in sight in a bid poll since then."""
        return sorted({parse_qs(urlsplit(path).query)["item"][0] for when, path, _ in self.served
                       if when >= since and path.startswith("/bids") and "shown=visible" in path})


def page_weight():
    """(bytes, files) of a heavy item page with everything it loads."""
    return len(ITEM_PAGE) + sum(len(body) for body, _ in STATIC.values()), 1 + len(STATIC)


def watch_in_gavrin(site, rate, front):
    """Gavrin watching the five heavy items at rate, with front in front; (process, stop)."""
    app = Gavrin({"ItemServer": site.host})
    app.start()
    app.set_rate_text(rate)
    for item in ITEMS:
        app.watch(item)
    if front == SERVICES:
        # A watched tab comes to the front; the services tab is the one after the last.
        app.key("ctrl+Next")
    return app.process, app.stop


def watch_in_bare(site, rate, front):
    """The bare window loading the five heavy pages and the local help page, reloading the five at rate."""
    app = Gavrin({})  # for its folder and environment
    addresses = [site.address(item) for item in ITEMS] + [os.path.join(app.folder, "gavrinhelp.htm")]
    shown = len(addresses) if front == SERVICES else len(ITEMS)
    bare = BareWindow(app, ["--reload-every=%d" % RATES[rate], "--show=%d" % shown] + addresses)
    return bare.process, lambda: (bare.stop(), app.stop())
