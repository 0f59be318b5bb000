#pragma once

#include <QString>

// True for a "javascript:" address, however it is written. Opened in a view it
// would run in the page shown, with that page's rights, so the views refuse it.
bool isScriptAddress(const QString &text);
