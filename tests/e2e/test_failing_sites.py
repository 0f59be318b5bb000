import unittest

from gavrin_e2e import E2ETestCase, SiteServer, closed_port, item_page, rendered, wait_until

HANGS, FAILS, GONE, LATER, LAST = "4040", "5050", "7070", "8080", "9090"


class FailingSites(E2ETestCase):
    # Item pages that never answer or answer 500, and a home page on a port that nobody listens
    # on until the site comes back.

    def site_hosts(self):
        self.gone_port = closed_port()
        return dict(super().site_hosts(), MainHost="127.0.0.1:%d" % self.gone_port)

    def test_failing_tabs_keep_their_place_and_failed_loads_are_asked_again(self):
        self.server.hanging.add(item_page(HANGS))
        self.server.statuses[item_page(FAILS)] = 500
        self.app.set_rate_text("15 Seconds")
        self.app.watch(HANGS)
        self.assertRequested(item_page(HANGS), timeout=5)
        self.app.watch(FAILS)
        self.assertRequested(rendered(item_page(FAILS)), timeout=5)
        self.app.watch(GONE)
        self.assertRequested(rendered(item_page(GONE)), timeout=5)
        self.app.key("alt+n", "e")  # the home page, on the port that is closed
        # While pages fail the window answers at once.
        self.app.watch(LATER)
        self.assertRequested(item_page(LATER), timeout=5)

        back = SiteServer(port=self.gone_port)
        self.addCleanup(back.close)
        self.assertRequested(item_page(FAILS), times=2, timeout=20)
        self.assertTrue(wait_until(lambda: back.seen("/"), timeout=20), "the site that came back was not asked")
        # A load on its way is given time to finish (a minute at this rate), not started over
        # at every tick.
        self.assertEqual(self.server.seen(item_page(HANGS)), 1)
        self.assertEqual(self.server.open_hangs, 1)

        self.app.watch(LAST)
        self.assertRequested(item_page(LAST), timeout=5)
        self.assertEveryTabTaken("9999")


if __name__ == "__main__":
    unittest.main()
