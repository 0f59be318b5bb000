"""An auction that ends while it is watched: pointed at its time left through
the page's context menu, the tab reloads every 10 s near the end, every 5 s in
the last minute, once just after the end and never again."""

import subprocess
import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered

ITEM = "8001"


def ending_page(end_ms):
    """An item page whose time left counts down to end_ms, as a site's script writes it."""
    return ("<!DOCTYPE html><html><head><title>Penny Black 1840 plate 6</title></head><body style='margin:0'>"
            "<span id='price' style='position:absolute;left:10px;top:10px'>US $180.00</span>"
            "<div id='left' style='position:absolute;left:0;top:40px;width:100%%;height:2000px;font-size:30px'></div>"
            "<script>var left = Math.round((%d - Date.now()) / 1000);"
            "document.getElementById('left').textContent = left > 0"
            "  ? 'Time left: ' + Math.floor(left / 60) + 'm ' + (left %% 60) + 's' : 'Bidding has ended';"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));"
            "</script></body></html>" % end_ms)


def gaps(times):
    return [round(later - earlier, 1) for earlier, later in zip(times, times[1:])]


class AuctionEnd(E2ETestCase):
    def test_reloads_speed_up_near_the_end_then_stop(self):
        end = time.time() + 90
        self.server.pages[item_page(ITEM)] = ending_page(int(end * 1000))
        self.app.watch(ITEM)
        self.assertRequested(rendered(item_page(ITEM)))
        time.sleep(1)

        # Right-click in the middle of the page, on the time left, and take the menu's second entry.
        subprocess.run(["xdotool", "mousemove", "--window", self.app.window, "300", "250", "click", "3"], check=True)
        time.sleep(1)
        self.app.key("Down", "Down", "Return")

        time.sleep(max(0, end + 20 - time.time()))
        times = self.server.times(item_page(ITEM))
        ending_soon = [t for t in times if t < end - 62]
        last_minute = [t for t in times if end - 58 < t < end - 4]
        after_end = [t for t in times if t > end]
        self.assertGreaterEqual(len(ending_soon), 2, gaps(times))
        self.assertTrue(all(8 <= gap <= 13 for gap in gaps(ending_soon[1:])), gaps(times))
        self.assertGreaterEqual(len(last_minute), 8, gaps(times))
        self.assertTrue(all(3.5 <= gap <= 7 for gap in gaps(last_minute)), gaps(times))
        self.assertEqual(len(after_end), 1, [round(t - end, 1) for t in times])
        self.assertLess(after_end[0] - end, 8)
        self.assertTrue(self.app.alive())


if __name__ == "__main__":
    unittest.main()
