import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered

MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"
SELL = "/sell/index.html"


class Browsing(E2ETestCase):
    site_keys = ("ItemServer", "MainHost", "PageHost", "SecureHost", "LoginHost", "ComplaintHost")

    def test_a_watched_tab_reloads_at_its_rate_while_site_pages_open_in_the_services_tab(self):
        self.app.set_rate_text("15 Seconds")
        self.app.watch("2718")
        page = item_page("2718")
        self.assertRequested(page)

        self.app.menu("alt+s", "m")
        self.assertRequested(MY_EBAY)
        self.assertRequested(rendered(MY_EBAY))
        # "&Sell an Item" and "Mes&sage Board" share their access key: it selects, Enter opens.
        self.app.menu("alt+s", "s", "Return")
        self.assertRequested(SELL)
        self.assertRequested(rendered(SELL))
        self.app.menu("alt+n", "b")
        # The page is not kept in a cache: going back draws it again.
        self.assertRequested(rendered(MY_EBAY), times=2)

        self.assertRequested(page, times=2, timeout=25)
        self.assertTrue(self.app.alive())


if __name__ == "__main__":
    unittest.main()
