"""Pages as a real auction site and a hostile page serve them: a bid form that
posts, dialogs, a page that spins for ever and a site that answers late. None
of them may send a bid twice or hold up the other tabs."""

import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered, wait_until

MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"


def page(script="", body=""):
    """A page that reports once it is drawn, then runs script."""
    return ("<!DOCTYPE html><html><head><title>Item</title></head><body><h1>Item</h1>%s<script>"
            "fetch('/rendered?from=' + encodeURIComponent(location.pathname + location.search));%s"
            "</script></body></html>" % (body, script))


class HostilePages(E2ETestCase):
    site_keys = ("ItemServer", "LoginHost")

    def drawn(self, path):
        return self.server.seen(rendered(path))

    def test_a_bid_is_posted_once_and_the_tab_goes_back_to_its_item(self):
        bid = "/bid?item=7001"
        # The page posts its form once a session, as a user pressing Enter would.
        self.server.pages[item_page("7001")] = page(
            body="<form id='bid' method='post' action='%s'><input name='amount' value='500'></form>" % bid,
            script="if (!sessionStorage.sent) { sessionStorage.sent = 1; document.getElementById('bid').submit(); }")
        self.app.set_rate_text("15 Seconds")
        self.app.watch("7001")
        self.assertRequested(rendered(bid))
        time.sleep(40)
        self.assertEqual(self.server.posted(bid), ["amount=500"])
        # The ticks fetched the item page again, by GET.
        self.assertGreaterEqual(self.server.seen(item_page("7001")), 2)
        self.assertGreaterEqual(self.drawn(item_page("7001")), 2)

        # Going back onto the answer of the form does not send it again.
        self.app.menu("alt+n", "b")
        time.sleep(3)
        self.assertEqual(len(self.server.posted(bid)), 1)
        self.assertTrue(self.app.alive())

    def test_dialogs_hold_up_no_other_tab_and_the_program_still_closes(self):
        self.server.pages[item_page("7101")] = page(script="alert('You have been outbid');")
        self.server.pages[item_page("7102")] = page()
        self.server.pages[MY_EBAY] = page(script="alert('Sign in first'); setInterval(function () { alert('again'); }, 200);")
        self.app.set_rate_text("15 Seconds")
        self.app.watch("7101")
        self.assertRequested(rendered(item_page("7101")))
        self.app.focus(self.app.window)
        self.app.watch("7102")
        self.assertRequested(rendered(item_page("7102")))
        self.app.focus(self.app.window)
        self.app.menu("alt+s", "m")  # My eBay, in the services tab, keeps raising alerts
        self.assertRequested(rendered(MY_EBAY))

        # Both watched tabs keep being reloaded and drawn.
        self.assertTrue(wait_until(lambda: self.drawn(item_page("7102")) >= 3 and self.drawn(item_page("7101")) >= 3,
                                   timeout=40), self.server.requests)

        self.app.focus(self.app.window)
        self.app.menu("alt+f", "c")
        self.assertTrue(wait_until(lambda: not self.app.alive(), timeout=5), "the program did not end")

    def test_a_page_that_spins_holds_up_no_other_tab_and_comes_back(self):
        # The page is drawn, then its script never returns.
        self.server.pages[item_page("7201")] = page(script="setTimeout(function () { for (;;) {} }, 300);")
        self.server.pages[item_page("7202")] = page()
        self.app.set_rate_text("15 Seconds")
        self.app.watch("7201")
        self.assertRequested(rendered(item_page("7201")))
        self.app.watch("7202")
        self.assertRequested(rendered(item_page("7202")))
        self.app.menu("alt+s", "m")
        self.assertRequested(rendered(MY_EBAY))

        self.assertTrue(wait_until(lambda: self.drawn(item_page("7202")) >= 3, timeout=40), self.server.requests)
        # Its renderer is ended and the page loaded again.
        self.assertRequested(rendered(item_page("7201")), times=2, timeout=30)
        self.assertTrue(self.app.alive())

    def test_a_slow_site_is_drawn(self):
        self.server.delays[item_page("7301")] = 20
        self.app.set_rate_text("15 Seconds")
        self.app.watch("7301")
        self.assertRequested(rendered(item_page("7301")), timeout=30)
        self.assertEqual(self.server.seen(item_page("7301")), 1)


if __name__ == "__main__":
    unittest.main()
