#pragma once

#include <QtGlobal>

// How long a view waits on its page before it does something about it.

// A timed reload lets a load still on its way finish, unless it has been on
// its way this long: a slow site is drawn, a stuck load starts over.
qint64 loadPatienceMs(int reloadPeriodMs);

// Typed text that a reload would throw away holds the reload while its tab is
// in front; once the user has left the tab, for two minutes after the last
// keystroke at most, so a forgotten field cannot stop a tab for good.
constexpr qint64 kTypingHoldOutOfSightMs = 120000;
bool typingHoldsReload(bool typedText, bool inFront, qint64 msSinceLastKey);

// A page whose renderer does not answer is said to be not responding after
// 15 s; after 30 s its renderer is ended so that the page can come back.
// Its silence counts from when it was asked up to the last answer heard from
// any page: while no page is heard, the program itself is held (its UI thread
// busy, or the engine's work stopped), and that is no page's fault.
enum class Responsiveness { Answering, NotResponding, GiveUp };
constexpr qint64 kNotRespondingAfterMs = 15000;
constexpr qint64 kGiveUpAfterMs = 30000;
Responsiveness responsiveness(qint64 askedAtMs, qint64 anyPageHeardAtMs);
