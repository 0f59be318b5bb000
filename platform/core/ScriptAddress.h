#pragma once

#include <QString>

// True for a "javascript:" or "data:" address, however it is written. The
// first would run in the page shown, with that page's rights; the second is a
// page made of the address itself, whose script may make requests. The views
// refuse both.
bool isScriptAddress(const QString &text);
