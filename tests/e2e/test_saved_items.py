import os
import unittest

from gavrin_e2e import E2ETestCase, item_page, wait_until

# Written by hand in file order; the dialog shows them sorted.
OLD = b"31415     Blue vase\r\n271828     Old clock\r\n"
WRITTEN = b"161803     Teapot\r\n271828     Old clock\r\n31415     Blue vase\r\n"


class SavedItems(E2ETestCase):
    def prepare_program_folder(self, folder):
        self.index = os.path.join(folder, "index.dat")
        with open(self.index, "wb") as index:
            index.write(OLD)

    def read_index(self):
        with open(self.index, "rb") as index:
            return index.read()

    def open_dialog(self):
        self.app.focus(self.app.window)
        self.app.menu("alt+f", "o")
        dialog = self.app.find_window("^Saved Watch Items$")
        self.assertTrue(dialog, "the saved-items dialog did not appear")
        self.app.focus(dialog)

    def test_close_me_writes_watch_opens_and_closing_the_program_drops_what_is_unsaved(self):
        self.open_dialog()
        self.app.type("Teapot")
        self.app.key("shift+Tab")
        self.app.type("161803")
        self.app.key("Return", "Return")
        self.assertTrue(wait_until(lambda: self.read_index() == WRITTEN, timeout=10), self.read_index())

        # An entry added and not written; then from the description box into the list, the second entry.
        self.open_dialog()
        self.app.type("Unsaved")
        self.app.key("Return", "Tab", "Down", "alt+w")
        self.assertRequested(item_page("161803"))
        self.assertTrue(self.app.close(), "the program did not end")
        self.assertEqual(self.read_index(), WRITTEN)


if __name__ == "__main__":
    unittest.main()
