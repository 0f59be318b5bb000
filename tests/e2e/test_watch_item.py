import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered


class WatchItem(E2ETestCase):
    def test_typed_number_and_enter_open_the_item_page(self):
        self.app.type("314159")
        self.app.key("Return")
        page = item_page("314159")
        self.assertRequested(page)
        # The page's own script asks for /rendered once it is drawn in the view.
        self.assertRequested(rendered(page))
        self.assertTrue(self.app.alive())


if __name__ == "__main__":
    unittest.main()
