#include "about/core/SysInfoTool.h"

#include "about/core/RegistryText.h"
#include "platform/core/ProgramFolder.h"
#include "platform/core/Registry.h"

#include <QFileInfo>

QString sysInfoToolPath(Registry &registry)
{
    if (const auto path = readRegistryText(registry, Registry::LocalMachine, sysInfoToolKey(), sysInfoToolValue()))
        return *path;

    const auto folder =
        readRegistryText(registry, Registry::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                         QStringLiteral("MSINFO"));
    if (!folder)
        return {};
    const QString tool = programFilePath(*folder, QStringLiteral("MSINFO32.EXE"));
    return QFileInfo(tool).isFile() ? tool : QString();
}
