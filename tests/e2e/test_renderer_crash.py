import os
import signal
import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered

ITEMS = ("1001", "1002", "1003", "1004", "1005")


class RendererCrash(E2ETestCase):
    def test_a_killed_page_comes_back_and_leaves_the_other_tabs_alone(self):
        # Each watch brings a render process of its own, so that one page cannot hold up another.
        brought = {}
        for item in ITEMS:
            known = self.app.renderers()
            self.app.watch(item)
            self.assertRequested(rendered(item_page(item)))
            brought[item] = self.app.renderers() - known
        self.assertTrue(all(len(renderers) == 1 for renderers in brought.values()), brought)

        os.kill(brought[ITEMS[0]].pop(), signal.SIGKILL)
        self.assertRequested(rendered(item_page(ITEMS[0])), times=2, timeout=5)
        # Time for a stray second reload or a lost page to show.
        time.sleep(2)
        self.assertEqual(self.server.seen(item_page(ITEMS[0])), 2)
        for item in ITEMS[1:]:
            self.assertEqual(self.server.seen(rendered(item_page(item))), 1, item)
        # The killed tab still holds its item.
        self.assertEveryTabTaken("1006")


if __name__ == "__main__":
    unittest.main()
