#pragma once

#include <QtGlobal>
#include <optional>

// What decides whether a watch tab's page may be frozen until its next reload.
struct TabFreezeFacts
{
    bool inFront = false;
    int periodMs = 0;            // the tab's own reload period; 0: none, the page may update itself
    qint64 nextReloadMs = -1;    // until its own timer's next reload; negative: none planned
    std::optional<qint64> endMs; // until its auction's end, where known
};

// A frozen page is woken this long before its next reload, so that the reload
// finds a page that answers at once.
constexpr qint64 kThawBeforeReloadMs = 3000;

// How long from now a watch tab's page may stay frozen; none: it stays awake.
// The page in front, one the tab does not reload itself, and one in its
// auction's last minutes stay awake, the last two because their own scripts
// are what updates them.
std::optional<qint64> freezeForMs(const TabFreezeFacts &facts);
