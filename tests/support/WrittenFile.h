#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// Writes content to a file at path, made executable if asked, and gives the path.
inline QString writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return path;
}
