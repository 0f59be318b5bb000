import unittest

from gavrin_e2e import E2ETestCase, wait_until

MY_EBAY = "/aw-cgi/eBayISAPI.dll?MyEbayLogin"
SELL = "/sell/index.html"


def rendered(path):
    from urllib.parse import quote
    return "/rendered?from=" + quote(path, safe="")


class Browsing(E2ETestCase):
    site_keys = ("ItemServer", "MainHost", "PageHost", "SecureHost", "LoginHost", "ComplaintHost")

    def test_site_pages_open_in_the_services_tab_and_back_shows_the_first(self):
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

    def test_a_watched_tab_reloads_its_page_at_the_rate(self):
        self.app.key("Tab", "ctrl+a")
        self.app.type("15 Seconds")
        self.app.key("shift+Tab")
        self.app.type("2718")
        self.app.key("Return")
        page = "/aw-cgi/eBayISAPI.dll?ViewItem&item=2718"
        self.assertRequested(page)
        self.assertRequested(page, times=2, timeout=25)
        self.assertTrue(self.app.alive())


if __name__ == "__main__":
    unittest.main()
