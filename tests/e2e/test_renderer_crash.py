import os
import signal
import time
import unittest

from gavrin_e2e import E2ETestCase, item_page, rendered, wait_until

ITEMS = ("1001", "1002", "1003", "1004", "1005")


class RendererCrash(E2ETestCase):
    def test_a_killed_page_comes_back_and_leaves_the_other_tabs_alone(self):
        # Which render processes each watch brought: one each, so that one
        # page cannot hold up another.
        brought = {}
        for item in ITEMS:
            known = self.app.renderers()
            self.app.watch(item)
            self.assertRequested(rendered(item_page(item)))
            brought[item] = self.app.renderers() - known
        self.assertTrue(all(len(renderers) == 1 for renderers in brought.values()), brought)
        victim = next(iter(brought[ITEMS[0]]))

        os.kill(victim, signal.SIGKILL)
        self.assertRequested(rendered(item_page(ITEMS[0])), times=2, timeout=5)
        # Time for a stray second reload or a lost page to show.
        time.sleep(2)
        self.assertTrue(self.app.alive())
        self.assertEqual(self.server.seen(item_page(ITEMS[0])), 2)
        for item in ITEMS[1:]:
            self.assertEqual(self.server.seen(rendered(item_page(item))), 1, item)

        # All five tabs still hold their items: a sixth has nowhere to go.
        self.assertEqual(len(self.app.windows("^Gavrin$")), 1)
        self.app.watch("1006")
        self.assertTrue(wait_until(lambda: len(self.app.windows("^Gavrin$")) == 2, timeout=10),
                        "no message that every watch tab is taken")
        self.assertEqual(self.server.seen(item_page("1006")), 0)


if __name__ == "__main__":
    unittest.main()
