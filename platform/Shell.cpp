#include "platform/Shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool QtShell::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool QtShell::startOpener(const QString &address)
{
#if defined(Q_OS_WIN)
    // "start" is built into the command interpreter. The quotes keep "&" and
    // the like in the address away from it; the empty title stops "start"
    // taking the address for one.
    QProcess opener;
    opener.setProgram(QStringLiteral("cmd.exe"));
    opener.setNativeArguments(QStringLiteral("/c start \"\" \"%1\"").arg(address));
    opener.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    return opener.startDetached();
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {address});
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
#endif
}

bool QtShell::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}
