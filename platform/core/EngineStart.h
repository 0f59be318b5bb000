#pragma once

#include <QString>
#include <QStringList>

// What the web engine needs to hear before it starts.

// Chromium ends a process run as root unless its sandbox was turned off, with
// a line on a console a menu start does not show. Turned off means Qt's
// QTWEBENGINE_DISABLE_SANDBOX set, or --no-sandbox among the arguments the
// engine reads (the program's own and QTWEBENGINE_CHROMIUM_FLAGS).
bool engineRefusesToStart(bool runAsRoot, bool sandboxVariableSet, const QStringList &engineArguments);

// Why, and how to start the program as root after all.
QString rootWithSandboxMessage();

// Qt's logging rules the program starts with, which the user's
// QT_LOGGING_RULES overrides: information lines, such as the engine's report
// of its set-up, are off; warnings stay.
QString quietLoggingRules();
