#include "about/core/SysInfoTool.h"

#include "about/core/GetKeyValue.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Registry.h"

#include <QFileInfo>

QString sysInfoToolPath(Registry &registry)
{
    QString path;
    if (GetKeyValue(registry, Registry::LocalMachine, sysInfoToolKey(), sysInfoToolValue(), path))
        return path;

    QString folder;
    if (!GetKeyValue(registry, Registry::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                     QStringLiteral("MSINFO"), folder))
        return {};
    const QString tool = programFilePath(folder, QStringLiteral("MSINFO32.EXE"));
    return QFileInfo(tool).isFile() ? tool : QString();
}
