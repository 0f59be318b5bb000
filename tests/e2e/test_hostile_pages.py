# Pages as a real auction site and a hostile page serve them, all in one run: a bid form that
# posts, pages that raise dialogs, a page that spins for ever and a site that answers late. None
# of them may send a bid twice or hold up the other tabs, and the program still closes.

import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered, wait_until

MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"
BID, ALERTS, SPINS, SLOW = item_page("7001"), item_page("7101"), item_page("7201"), item_page("7301")
BID_FORM = "/bid?item=7001"


def page(script="", body=""):
    # A page that reports once it is drawn, then runs script.
    return ("<!DOCTYPE html><html><head><title>Item</title></head><body><h1>Item</h1>%s<script>"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));%s"
            "</script></body></html>" % (body, script))


class HostilePages(E2ETestCase):
    site_keys = ("ItemServer", "LoginHost")

    def drawn(self, path):
        return self.server.seen(rendered(path))

    def test_a_bid_is_posted_once_and_no_page_holds_up_the_others(self):
        # The bid page posts its form once a session, as a user pressing Enter would.
        self.server.pages[BID] = page(
            body="<form id='bid' method='post' action='%s'><input name='amount' value='500'></form>" % BID_FORM,
            script="if (!sessionStorage.sent) { sessionStorage.sent = 1; document.getElementById('bid').submit(); }")
        self.server.pages[ALERTS] = page(script="alert('You have been outbid');")
        self.server.pages[MY_EBAY] = page(script="alert('Sign in'); setInterval(function () { alert('again'); }, 200);")
        # Drawn, then its script never returns.
        self.server.pages[SPINS] = page(script="setTimeout(function () { for (;;) {} }, 300);")
        self.server.delays[SLOW] = 20
        self.app.set_rate_text("15 Seconds")
        for item in (SLOW, SPINS, ALERTS):
            self.app.watch(item.rsplit("=", 1)[1])
            self.app.focus(self.app.window)
        self.assertRequested(rendered(SPINS))
        self.assertRequested(rendered(ALERTS))
        self.app.menu("alt+s", "m")  # My eBay, in the services tab, keeps raising alerts
        self.assertRequested(rendered(MY_EBAY))
        self.app.focus(self.app.window)
        self.app.key("ctrl+l")
        self.app.watch("7001")
        self.assertRequested(rendered(BID_FORM))
        posted_at = time.monotonic()

        # The slow site is drawn from its one request: the ticks of its rate let the load finish.
        self.assertRequested(rendered(SLOW), timeout=30)
        self.assertEqual(self.server.seen(SLOW), 1)
        # The tab with dialogs keeps being reloaded; the spinning page's renderer is ended and the
        # page loaded again.
        self.assertTrue(wait_until(lambda: self.drawn(ALERTS) >= 3 and self.drawn(SPINS) >= 2, timeout=40),
                        self.server.timeline)

        time.sleep(max(0, posted_at + 40 - time.monotonic()))
        self.assertEqual(self.server.posted(BID_FORM), ["amount=500"])
        # The ticks fetched the item page again, by GET.
        self.assertGreaterEqual(self.server.seen(BID), 2)
        self.assertGreaterEqual(self.drawn(BID), 2)
        # Going back onto the answer of the form does not send it again.
        self.app.focus(self.app.window)
        self.app.menu("alt+n", "b")
        time.sleep(3)
        self.assertEqual(len(self.server.posted(BID_FORM)), 1)
        self.assertTrue(self.app.close(), "the program did not end")


if __name__ == "__main__":
    unittest.main()
