import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered, wait_until


class WatchItem(E2ETestCase):
    def test_typed_number_and_enter_open_the_item_page(self):
        self.app.type("314159")
        self.app.key("Return")
        page = item_page("314159")
        self.assertRequested(page)
        # The page's own script asks for /rendered once it is drawn in the view.
        self.assertRequested(rendered(page))
        self.assertTrue(self.app.alive())

    def test_closing_stores_the_window_state_for_the_next_run(self):
        self.app.menu("alt+f", "c")
        self.assertTrue(wait_until(lambda: not self.app.alive(), timeout=15), "the program did not end")
        conf = self.app.home + "/.config/Gavrin/Gavrin.conf"
        with open(conf) as stored:
            self.assertIn("WinState=0", stored.read())


if __name__ == "__main__":
    unittest.main()
