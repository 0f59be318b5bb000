#include "platform/core/EngineStart.h"

bool engineRefusesToStart(bool runAsRoot, bool sandboxVariableSet, const QStringList &engineArguments)
{
    return runAsRoot && !sandboxVariableSet && !engineArguments.contains(QStringLiteral("--no-sandbox"));
}

QString rootWithSandboxMessage()
{
    return QStringLiteral("Gavrin cannot start as root: its web pages run in a sandbox, which root "
                          "cannot have.\n\nRun it as a normal user, or start it as root with "
                          "QTWEBENGINE_DISABLE_SANDBOX=1 set, for instance:\n\n"
                          "QTWEBENGINE_DISABLE_SANDBOX=1 gavrin");
}

QString quietLoggingRules()
{
    return QStringLiteral("*.info=false");
}
