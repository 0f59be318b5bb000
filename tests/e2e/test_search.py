import unittest

from gavrin_e2e import E2ETestCase, rendered

# Title words "red car", exclusion word "toy", the rest as the form opens.
REQUEST = ("/search/search.dll?MfcISAPICommand=GetResult&query=red%20car+-%28toy%29&query2=red%20car"
           "&search_option=1&exclude=toy&category0=&ebaytag1=ebayctry&ebaytag1code=0&ebaycurr=999"
           "&minPrice=&maxPrice=&SortProperty=MetaEndSort&st=2")


class SearchForItem(E2ETestCase):
    site_keys = ("SearchUS",)

    def test_typed_fields_reach_the_search_server_and_the_results_are_shown(self):
        # A busy machine may open the menu after the entry's key has gone by: try again.
        for _ in range(3):
            self.app.focus(self.app.window)
            self.app.menu("alt+s", "i")
            form = self.app.find_window("^Search for Item$", timeout=5)
            if form:
                break
            self.app.key("Escape", "Escape")
        self.assertTrue(form, "the search form did not open")
        self.app.focus(form)
        self.app.type("red car")
        self.app.key("Tab", "Tab")
        self.app.type("toy")
        self.app.key("Return")
        # The results page reports that it was drawn in the services view.
        self.assertRequested(rendered(REQUEST))
        self.assertEqual(self.server.seen(REQUEST), 1)
        self.assertFalse(self.app.find_window("^Search for Item$", timeout=2), "the search form stayed open")


if __name__ == "__main__":
    unittest.main()
