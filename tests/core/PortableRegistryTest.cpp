#include "about/core/AboutTexts.h"
#include "about/core/GetKeyValue.h"
#include "about/core/SysInfoTool.h"
#include "platform/core/PortableRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &content, bool executable = true)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

} // namespace

TEST(PortableRegistry, AnswersFromTheAdministratorsFileWithoutRegardToCase)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("registry.ini"), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Tool]\n"
                                            "Plain=/opt/a, b\nLong=" + QByteArray(1024, 'x') + "\n");
    PortableRegistry registry(dir.filePath("registry.ini"), {dir.path()});
    QString value;
    EXPECT_TRUE(GetKeyValue(registry, Registry::LocalMachine, "software\\vendor\\TOOL", "plain", value));
    EXPECT_EQ(value, "/opt/a, b");
    EXPECT_FALSE(GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Vendor\\Tool", "Long", value));
    EXPECT_FALSE(GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Vendor", "Plain", value));
}

TEST(PortableRegistry, FindsASystemInformationProgramUnlessTheFileNamesOne)
{
    QTemporaryDir dir;
    PortableRegistry registry(dir.filePath("registry.ini"), {dir.path()});
    EXPECT_EQ(sysInfoToolPath(registry), "");

    writeFile(dir.filePath("kinfocenter"), "#!/bin/sh\n");
    writeFile(dir.filePath("hardinfo"), "not a program", false);
    EXPECT_EQ(sysInfoToolPath(registry), dir.filePath("kinfocenter"));
    writeFile(dir.filePath("hardinfo2"), "#!/bin/sh\n");
    EXPECT_EQ(sysInfoToolPath(registry), dir.filePath("hardinfo2"));

    writeFile(dir.filePath("registry.ini"),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/usr/local/bin/sysinfo\n");
    EXPECT_EQ(sysInfoToolPath(registry), "/usr/local/bin/sysinfo");
}

// Each part in plain decimal and in its place, which "1.0.0" alone cannot show.
TEST(AboutTexts, VersionLineIsPlainDecimal) { EXPECT_EQ(versionLine(10, 2, 30), "Version 10.2.30"); }
