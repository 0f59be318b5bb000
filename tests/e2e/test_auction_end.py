# An auction that ends while it is watched: pointed at its time left through the page's context
# menu, the tab reloads every 10 s near the end, every 5 s in the last minute, once just after the
# end and never again, and its tab says that the auction has ended. The tab's text is read over
# the accessibility bus (a session bus of its own, given by the test's command).

import os
import subprocess
import sys
import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered, wait_until

sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-gi, whichever python3 runs this
import gi  # noqa: E402

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

ITEM = "8001"


def ending_page(end):
    # An item page whose time left counts down to end (by time.time()), as a site's script writes it.
    return ("<!DOCTYPE html><html><head><title>Penny Black 1840 plate 6</title></head><body style='margin:0'>"
            "<div id='left' style='position:absolute;left:0;top:40px;width:100%%;height:2000px;font-size:30px'></div>"
            "<script>var left = Math.floor((%d - Date.now()) / 1000);"
            "document.getElementById('left').textContent = left > 0"
            "  ? 'Time left: ' + Math.floor(left / 60) + 'm ' + (left %% 60) + 's' : 'Bidding has ended';"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));"
            "</script></body></html>" % (end * 1000))


def gaps(times):
    return [round(later - earlier, 1) for earlier, later in zip(times, times[1:])]


def tab_texts(pid):
    desktop = Atspi.get_desktop(0)
    todo = [app for app in map(desktop.get_child_at_index, range(desktop.get_child_count()))
            if app and app.get_process_id() == pid]
    texts = []
    while todo:
        node = todo.pop()
        if node.get_role() == Atspi.Role.PAGE_TAB:
            texts.append(node.get_name())
        todo.extend(filter(None, map(node.get_child_at_index, range(node.get_child_count()))))
    return texts


class AuctionEnd(E2ETestCase):
    def setUp(self):
        # The accessibility bus is up before the program starts, which then joins it.
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        Atspi.get_desktop(0)
        super().setUp()

    def test_reloads_speed_up_near_the_end_then_stop_and_the_tab_says_ended(self):
        self.server.pages[item_page(ITEM)] = ending_page(time.time() + 80)
        self.app.watch(ITEM)
        self.assertRequested(rendered(item_page(ITEM)))
        time.sleep(1)
        # Right-click in the middle of the page, on the time left, and take the menu's second entry.
        subprocess.run(["xdotool", "mousemove", "--window", self.app.window, "300", "250", "click", "3"], check=True)
        time.sleep(1)
        self.app.key("Down", "Down", "Return")
        pointed = time.time()
        # From the next reload on, 10 s later, the page shows an end that its 5 s reloads reach 1 to
        # 4 s before it: the one that comes next is the one 2 s after the end.
        end = pointed + 63.5
        self.server.pages[item_page(ITEM)] = ending_page(end)

        ended = wait_until(lambda: [text for text in tab_texts(self.app.process.pid)
                                    if text.startswith("Item %s \u00b7 Ended" % ITEM)], timeout=end + 10 - time.time())
        self.assertTrue(ended, tab_texts(self.app.process.pid))
        time.sleep(max(0, end + 10 - time.time()))
        times = self.server.times(item_page(ITEM))
        last_minute = [t for t in times if end - 55 < t < end]
        after_end = [t for t in times if t > end]
        self.assertTrue(8 <= min(t for t in times if t > pointed) - pointed <= 13, gaps(times))
        self.assertGreaterEqual(len(last_minute), 10, gaps(times))
        self.assertTrue(all(3.5 <= gap <= 7 for gap in gaps(last_minute)), gaps(times))
        self.assertEqual(len(after_end), 1, [round(t - end, 1) for t in times])
        self.assertLess(after_end[0] - end, 3)


if __name__ == "__main__":
    unittest.main()
