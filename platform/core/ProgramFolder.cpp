#include "platform/core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString programFilePath(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}
