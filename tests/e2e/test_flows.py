# The user's flows through the real program, one test a flow, each in one run of the program.
# ctest runs each class on its own: test_flows.py <class>.

import os
import signal
import subprocess
import sys
import time
import unittest

from gavrin_e2e import E2ETestCase, SiteServer, item_page, page, process_tree, rendered, wait_until

MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"


class Browsing(E2ETestCase):
    site_keys = ("ItemServer", "MainHost", "PageHost", "SecureHost", "LoginHost", "ComplaintHost")

    def test_a_watched_tab_reloads_at_its_rate_while_site_pages_open_in_the_services_tab(self):
        self.app.set_rate_text("15 Seconds")
        self.app.watch("2718")
        self.assertRequested(item_page("2718"))
        self.app.menu("alt+s", "m")
        self.assertRequested(rendered(MY_EBAY))
        # "&Sell an Item" and "Mes&sage Board" share their access key: it selects, Enter opens.
        self.app.menu("alt+s", "s", "Return")
        self.assertRequested(rendered("/sell/index.html"))
        self.app.menu("alt+n", "b")
        # The page is not kept in a cache: going back draws it again.
        self.assertRequested(rendered(MY_EBAY), times=2)
        self.assertRequested(item_page("2718"), times=2, timeout=25)


class SavedItems(E2ETestCase):
    # Written by hand in file order; the dialog shows them sorted.
    OLD = b"31415     Blue vase\r\n271828     Old clock\r\n"
    WRITTEN = b"161803     Teapot\r\n271828     Old clock\r\n31415     Blue vase\r\n"

    def prepare_program_folder(self, folder):
        self.index = os.path.join(folder, "index.dat")
        with open(self.index, "wb") as index:
            index.write(self.OLD)

    def read_index(self):
        with open(self.index, "rb") as index:
            return index.read()

    def open_dialog(self):
        self.assertTrue(self.app.open_window("Saved Watch Items", "alt+f", "o"), "the saved-items dialog did not appear")

    def test_close_me_writes_watch_opens_and_closing_the_program_drops_what_is_unsaved(self):
        self.open_dialog()
        self.app.type("Teapot")
        self.app.key("shift+Tab")
        self.app.type("161803")
        self.app.key("Return", "Return")
        self.assertTrue(wait_until(lambda: self.read_index() == self.WRITTEN, timeout=10), self.read_index())
        # An entry added and not written; then from the description box into the list, the second entry.
        self.open_dialog()
        self.app.type("Unsaved")
        self.app.key("Return", "Tab", "Down", "alt+w")
        self.assertRequested(item_page("161803"))
        self.assertTrue(self.app.close(), "the program did not end")
        self.assertEqual(self.read_index(), self.WRITTEN)


class SearchForItem(E2ETestCase):
    site_keys = ("SearchUS",)
    # Title words "red car", exclusion word "toy", the rest as the form opens.
    REQUEST = ("/search/search.dll?MfcISAPICommand=GetResult&query=red%20car+-%28toy%29&query2=red%20car"
               "&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999"
               "&minPrice=&maxPrice=&SortProperty=MetaEndSort&st=2")

    def test_typed_fields_reach_the_search_server_and_the_results_are_shown(self):
        self.assertTrue(self.app.open_window("Search for Item", "alt+s", "i"), "the search form did not open")
        self.app.type("red car")
        self.app.key("Tab", "Tab")
        self.app.type("toy")
        self.app.key("Return")
        # The results page is drawn in the services tab, and the form closes.
        self.assertRequested(rendered(self.REQUEST))
        self.assertEqual(self.server.seen(self.REQUEST), 1)
        self.assertFalse(self.app.find_window("^Search for Item$", timeout=2), "the search form stayed open")


class RendererCrash(E2ETestCase):
    def test_a_killed_page_comes_back_and_leaves_the_other_tabs_alone(self):
        # Each watch brings a render process of its own, so that one page cannot hold up another.
        items, brought = ("1001", "1002", "1003", "1004", "1005"), {}
        for item in items:
            known = set(process_tree(self.app.process.pid))
            self.app.watch(item)
            self.assertRequested(rendered(item_page(item)))
            brought[item] = set(process_tree(self.app.process.pid)) - known
        self.assertTrue(all(len(processes) == 1 for processes in brought.values()), brought)

        os.kill(brought[items[0]].pop(), signal.SIGKILL)
        self.assertRequested(rendered(item_page(items[0])), times=2, timeout=5)
        # Time for a stray second reload or a lost page to show.
        time.sleep(2)
        self.assertEqual(self.server.seen(item_page(items[0])), 2)
        for item in items[1:]:
            self.assertEqual(self.server.seen(rendered(item_page(item))), 1, item)
        # The killed tab still holds its item.
        self.assertEveryTabTaken("1006")


class FailingSites(E2ETestCase):
    # A watched tab sent to a home page on a port that nobody listens on until the site comes back.

    def site_hosts(self):
        gone = SiteServer()
        gone.close()
        self.gone_port = gone.httpd.server_address[1]
        return dict(super().site_hosts(), MainHost=gone.host)

    def test_a_failed_load_is_asked_again_and_the_window_answers_meanwhile(self):
        self.app.set_rate_text("15 Seconds")
        self.app.watch("4040")
        self.assertRequested(rendered(item_page("4040")), timeout=5)
        self.app.key("alt+n", "e")  # the home page, on the port that is closed
        self.app.watch("8080")
        self.assertRequested(rendered(item_page("8080")), timeout=5)
        back = SiteServer(port=self.gone_port)
        self.addCleanup(back.close)
        self.assertTrue(wait_until(lambda: back.seen("/"), timeout=20), "the site that came back was not asked")


class HostilePages(E2ETestCase):
    # Pages as a real auction site and a hostile page serve them, all in one run: a bid form that
    # posts, pages that raise dialogs, a page that spins for ever and a site that answers late.
    # None of them may send a bid twice or hold up the other tabs, and the program still closes.
    site_keys = ("ItemServer", "LoginHost")

    def test_a_bid_is_posted_once_and_no_page_holds_up_the_others(self):
        bid, spins, slow = (item_page(number) for number in ("7001", "7201", "7301"))
        bid_form = "/bid?item=7001"
        # The bid page posts its form once a session, as a user pressing Enter would.
        self.server.pages[bid] = page(
            body="<form id='bid' method='post' action='%s'><input name='amount' value='500'></form>" % bid_form,
            script="if (!sessionStorage.sent) { sessionStorage.sent = 1; document.getElementById('bid').submit(); }")
        self.server.pages[MY_EBAY] = page(script="alert('Sign in'); setInterval(function () { alert('again'); }, 200);")
        self.server.pages[spins] = page(script="setTimeout(function () { for (;;) {} }, 300);")
        self.server.delays[slow] = 20
        self.app.set_rate_text("15 Seconds")
        for number in ("7301", "7201"):
            self.app.watch(number)
            self.app.focus(self.app.window)
        self.assertRequested(rendered(spins))
        self.app.menu("alt+s", "m")
        self.assertRequested(rendered(MY_EBAY))
        self.app.focus(self.app.window)
        self.app.key("ctrl+l")
        self.app.watch("7001")
        self.assertRequested(rendered(bid_form))
        posted_at = time.monotonic()

        # The slow site is drawn from its one request: the ticks of its rate let the load finish.
        self.assertRequested(rendered(slow), timeout=30)
        self.assertEqual(self.server.seen(slow), 1)
        # The spinning page's renderer is ended and the page loaded again.
        self.assertTrue(wait_until(lambda: self.server.seen(rendered(spins)) >= 2, timeout=40), self.server.timeline)

        time.sleep(max(0, posted_at + 40 - time.monotonic()))
        self.assertEqual(self.server.posts, [(bid_form, "amount=500")])
        # The ticks fetched the item page again, by GET.
        self.assertGreaterEqual(self.server.seen(bid), 2)
        self.assertGreaterEqual(self.server.seen(rendered(bid)), 2)
        # Going back onto the answer of the form does not send it again.
        self.app.focus(self.app.window)
        self.app.menu("alt+n", "b")
        time.sleep(3)
        self.assertEqual(len(self.server.posts), 1)
        self.assertTrue(self.app.close(), "the program did not end")


def renderers(root):
    # The render processes below root.
    def command(pid):
        try:
            with open("/proc/%d/cmdline" % pid, "rb") as line:
                return line.read()
        except OSError:
            return b""
    return [pid for pid in process_tree(root) if b"--type=renderer" in command(pid)]


class PageBoxes(E2ETestCase):
    # Beside two calm pages, a page that asks for a bid in the tab in front, one that asks again and
    # again out of sight, and one that starts a download by itself at every load: no box holds up a
    # tab or gets its renderer ended.

    def test_no_question_or_download_of_a_page_holds_up_the_other_tabs(self):
        calm = [item_page(number) for number in ("9101", "9102")]
        downloads, asks, bids = (item_page(number) for number in ("9103", "9104", "9105"))
        self.server.pages[downloads] = page(
            script="var a = document.createElement('a'); a.href = '/auto.txt'; a.download = 'auto.txt'; a.click();")
        self.server.pages[asks] = page(script="(function ask() { confirm('Still bidding?'); setTimeout(ask, 300); })();")
        # The whole page is a link to a report, which the user clicks.
        self.server.pages[bids] = page(
            body="<a href='/report.txt' download style='position:absolute;left:0;top:0;width:100%;height:3000px'>"
                 "Report</a>", script="setTimeout(function () { prompt('your max bid?', '10'); }, 1500);")
        self.app.set_rate_text("15 Seconds")
        for number in ("9101", "9102", "9103", "9104", "9105"):
            self.app.watch(number)
        self.assertRequested(rendered(bids))
        self.assertTrue(self.app.find_window("^127.0.0.1 says$"), "the page's question was not shown")

        alive = len(renderers(self.app.process.pid))
        self.assertFalse(wait_until(lambda: len(renderers(self.app.process.pid)) < alive, timeout=40, step=0.5),
                         "a renderer was ended")
        self.assertTrue(self.app.windows("^127.0.0.1 says$"), "the page's question is gone")
        for path in calm:
            drawn = self.server.times(rendered(path))
            gaps = [later - earlier for earlier, later in zip(drawn, drawn[1:] + [time.time()])]
            self.assertTrue(len(drawn) >= 3 and max(gaps) < 25, (path, drawn))
        self.assertGreaterEqual(self.server.seen(rendered(downloads)), 3)
        self.assertGreaterEqual(self.server.seen(rendered(asks)), 3)

        # Nothing was asked where to save; only the user's click saves, into the Downloads folder.
        folder = os.path.join(self.app.home, "Downloads")
        self.assertFalse(self.app.windows("Save"))
        subprocess.run(["xdotool", "mousemove", "--window", self.app.window, "15", "250", "click", "1"], check=True)
        self.assertTrue(wait_until(lambda: os.path.exists(os.path.join(folder, "report.txt")), timeout=10),
                        self.server.timeline)
        self.assertEqual(os.listdir(folder), ["report.txt"])


def net_wm_state(window):
    return subprocess.run(["xprop", "-id", window, "_NET_WM_STATE"], capture_output=True, text=True).stdout


def maximised(window):
    return all(state in net_wm_state(window) for state in ("MAXIMIZED_VERT", "MAXIMIZED_HORZ"))


class WindowState(E2ETestCase):
    # The window state of the last run, restored under a window manager.

    def prepare_program_folder(self, folder):
        self.conf = os.path.join(self.app.home, ".config", "Gavrin", "Gavrin.conf")
        os.makedirs(os.path.dirname(self.conf))
        with open(self.conf, "w") as stored:
            stored.write("[Presets]\nWinState=2\n")

    def store(self, value):
        # In place of the maximised state of the last run, keeping whatever else it stored.
        with open(self.conf) as stored:
            text = stored.read()
        with open(self.conf, "w") as stored:
            stored.write(text.replace("WinState=2\n", "WinState=%s\n" % value))

    def assertStaysMaximisedAndIsStoredSo(self):
        self.assertTrue(wait_until(lambda: maximised(self.app.window), timeout=10), net_wm_state(self.app.window))
        # The pages of the start-up have loaded and drawn by now; the state stays.
        time.sleep(2)
        self.assertTrue(maximised(self.app.window), "no longer maximised: " + net_wm_state(self.app.window))
        self.assertTrue(self.app.close(), "the program did not end")
        with open(self.conf) as stored:
            self.assertIn("WinState=2\n", stored.read())

    def test_stored_maximised_opens_maximised_and_minimised_opens_hidden(self):
        self.app.watch("9101")
        self.assertRequested(item_page("9101"))
        self.assertStaysMaximisedAndIsStoredSo()
        # The next run reopens the watched item.
        self.store("2.4")
        self.app.start()
        self.assertRequested(item_page("9101"), times=2)
        self.assertStaysMaximisedAndIsStoredSo()

        self.store("1")
        self.app.launch()
        self.assertTrue(wait_until(lambda: self.app.windows("^Gavrin$", visible=False), timeout=30))
        # Long enough for the first web view to have replaced the window.
        self.assertFalse(wait_until(lambda: self.app.windows("^Gavrin$"), timeout=6, step=0.2),
                         "the window is shown: it should be minimised")
        self.assertIn("_NET_WM_STATE_HIDDEN", net_wm_state(self.app.windows("^Gavrin$", visible=False)[-1]))


def page_tabs(node=None):
    # (text, tooltip) of the tabs below an accessible node, by default the desktop of the test's own
    # accessibility bus, where the program is the one application.
    from gi.repository import Atspi
    node = node or Atspi.get_desktop(0)
    own = [(node.get_name(), node.get_description())] if node.get_role() == Atspi.Role.PAGE_TAB else []
    children = filter(None, map(node.get_child_at_index, range(node.get_child_count())))
    return own + [tab for child in children for tab in page_tabs(child)]


class ReadsTabs(E2ETestCase):
    # Reads the tabs' texts and tooltips over the accessibility bus, on a session bus that the
    # test's command gives.

    def setUp(self):
        sys.path.append("/usr/lib/python3/dist-packages")  # Debian's python3-gi, whichever python3 runs this
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        # The accessibility bus is up before the program starts, which then joins it.
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        Atspi.get_desktop(0)
        super().setUp()


class AuctionEnd(ReadsTabs):
    # An auction that ends while it is watched: pointed at its time left through the page's
    # context menu, the tab reloads 10 s later, keeps reloading up to the end, once just after it and
    # never again, and its tab says that the auction has ended.

    def ending_page(self, end):
        # The time left to end (by time.time()) as a countdown clock, as a site's script writes it.
        left_box = "<div id='left' style='position:absolute;top:40px;width:100%;height:2000px;font-size:30px'></div>"
        script = ("var left = Math.floor((%d - Date.now()) / 1000);"
                  " var two = function (n) { return ('0' + n).slice(-2); };"
                  " document.getElementById('left').textContent = left > 0 ? 'Time remaining: ' +"
                  " [Math.floor(left / 3600), Math.floor(left / 60) %% 60, left %% 60].map(two).join(':') : 'Bidding has ended';")
        return page(body=left_box, script=script % (end * 1000))

    def test_reloads_speed_up_near_the_end_then_stop_and_the_tab_says_ended(self):
        page_path = item_page("8001")
        self.server.pages[page_path] = self.ending_page(time.time() + 80)
        self.app.watch("8001")
        self.assertRequested(rendered(page_path))
        time.sleep(1)
        # Right-click in the middle of the page, on the time left, and take the menu's second entry.
        subprocess.run(["xdotool", "mousemove", "--window", self.app.window, "300", "250", "click", "3"], check=True)
        time.sleep(1)
        self.app.key("Down", "Down", "Return")
        # From the next reload on, 10 s later, the page shows an end about a minute away.
        pointed = time.time()
        end = pointed + 62
        self.server.pages[page_path] = self.ending_page(end)

        ended = wait_until(lambda: [text for text, _ in page_tabs() if text.startswith("Item 8001 \u00b7 Ended")],
                           timeout=end + 10 - time.time())
        self.assertTrue(ended, page_tabs())
        time.sleep(max(0, end + 10 - time.time()))
        # The steps of the last minute come from the real timers (their lengths are the
        # schedule's, checked without a program).
        times = [round(t - end, 1) for t in self.server.times(page_path)]
        self.assertTrue(8 <= min(t for t in self.server.times(page_path) if t > pointed) - pointed <= 13, times)
        self.assertGreaterEqual(len([t for t in times if -55 < t < 0]), 10, times)
        self.assertTrue(len([t for t in times if t > 0]) == 1 and 0 < times[-1] < 3, times)


class DayOfWatching(ReadsTabs):
    # A site that goes down and comes back, and a program stopped as a sleeping machine stops it:
    # each tab says the truth and comes back.

    def watch_all(self, rate, items):
        self.app.set_rate_text(rate)
        for item in items:
            self.app.watch(item)
            self.assertRequested(rendered(item_page(item)))

    def test_a_site_down_turns_every_tab_red_and_each_comes_back_within_a_period(self):
        items = ("6101", "6102")
        self.watch_all("15 Seconds", items)
        port = self.server.httpd.server_address[1]
        self.server.close()
        down = lambda: len([tip for _, tip in page_tabs() if "Not updated since" in tip and "(connection refused)" in tip])
        self.assertTrue(wait_until(lambda: down() == 2, timeout=20), page_tabs())
        time.sleep(10)
        back = SiteServer(port=port)
        self.addCleanup(back.close)
        self.assertTrue(wait_until(lambda: all(back.seen(rendered(item_page(item))) for item in items), timeout=20),
                        back.timeline)
        self.assertTrue(wait_until(lambda: down() == 0, timeout=5), page_tabs())

    def test_after_a_stop_every_watched_tab_reloads_within_seconds(self):
        items = ("6301", "6302")
        self.watch_all("1 Minute", items)
        # kill goes on past a helper process that has ended since.
        tree = [str(pid) for pid in process_tree(self.app.process.pid)]
        subprocess.run(["kill", "-STOP"] + tree)
        time.sleep(20)
        subprocess.run(["kill", "-CONT"] + tree)
        # The tabs' next reloads were half a minute away and more.
        self.assertTrue(wait_until(lambda: all(self.server.seen(rendered(item_page(item))) >= 2 for item in items),
                                   timeout=8),
                        self.server.timeline)


if __name__ == "__main__":
    unittest.main()
