import os
import unittest

from gavrin_e2e import E2ETestCase, item_page, wait_until


class SavedItems(E2ETestCase):
    def prepare_program_folder(self, folder):
        # Written by hand in file order; the dialog shows them sorted.
        with open(os.path.join(folder, "index.dat"), "wb") as index:
            index.write(b"31415     Blue vase\r\n271828     Old clock\r\n")

    def test_a_saved_item_watched_from_the_dialog_opens_its_item_page(self):
        self.app.menu("alt+f", "o")
        dialog = self.app.find_window("^Saved Watch Items$")
        self.assertTrue(dialog, "the saved-items dialog did not appear")
        self.app.focus(dialog)
        # From the description box into the list, then the second entry.
        self.app.key("Tab", "Down", "alt+w")
        self.assertRequested(item_page("31415"))
        self.assertTrue(self.app.alive())

    def test_close_me_writes_a_new_entry_back_to_the_file(self):
        self.app.menu("alt+f", "o")
        dialog = self.app.find_window("^Saved Watch Items$")
        self.assertTrue(dialog, "the saved-items dialog did not appear")
        self.app.focus(dialog)
        self.app.type("Teapot")
        self.app.key("shift+Tab")
        self.app.type("161803")
        self.app.key("Return", "Return")
        expected = b"161803     Teapot\r\n271828     Old clock\r\n31415     Blue vase\r\n"
        self.assertTrue(wait_until(lambda: self.index() == expected, timeout=10), self.index())

    def test_closing_the_main_window_ends_the_program_with_the_dialog_open(self):
        self.app.menu("alt+f", "o")
        dialog = self.app.find_window("^Saved Watch Items$")
        self.assertTrue(dialog, "the saved-items dialog did not appear")
        self.app.focus(dialog)
        self.app.type("Unsaved")
        self.app.key("Return")
        self.app.focus(self.app.window)
        self.app.menu("alt+f", "c")
        self.assertTrue(wait_until(lambda: not self.app.alive(), timeout=15), "the program did not end")
        self.assertEqual(self.index(), b"31415     Blue vase\r\n271828     Old clock\r\n")

    def index(self):
        with open(os.path.join(self.app.folder, "index.dat"), "rb") as index:
            return index.read()


if __name__ == "__main__":
    unittest.main()
