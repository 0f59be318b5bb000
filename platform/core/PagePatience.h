#pragma once

#include <QtGlobal>

// How long a view waits on its page before it does something about it.

// A timed reload lets a load still on its way finish, unless it has been on
// its way this long: a slow site is drawn, a stuck load starts over.
qint64 loadPatienceMs(int reloadPeriodMs);

// Typed text that a reload would throw away holds the reload for two minutes
// after the last keystroke unless the reload asks for less, wherever the
// focus is: a forgotten field never stops a view for long.
constexpr qint64 kTypingHoldMs = 120000;
// How much longer the typing holds a reload; 0: it does not. msSinceLastKey
// is negative when there is no typed text.
qint64 typingHoldLeftMs(qint64 msSinceLastKey, qint64 holdMs);

// A page whose renderer does not answer is said to be not responding after
// 15 s; after 30 s its renderer is ended so that the page can come back.
// Its silence counts from when it was asked up to the last answer heard from
// any page: while no page is heard, the program itself is held (its UI thread
// busy, or the engine's work stopped), and that is no page's fault.
enum class Responsiveness {
    Answering,
    NotResponding,
    GiveUp
};
constexpr qint64 kNotRespondingAfterMs = 15000;
constexpr qint64 kGiveUpAfterMs = 30000;
Responsiveness responsiveness(qint64 askedAtMs, qint64 anyPageHeardAtMs);
