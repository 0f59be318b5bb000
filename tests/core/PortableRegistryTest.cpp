#include "about/core/AboutTexts.h"
#include "about/core/GetKeyValue.h"
#include "about/core/SysInfoTool.h"
#include "platform/core/PortableRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &content, bool executable = false)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

class PortableRegistryTest : public ::testing::Test
{
protected:
    QString ini() const { return dir.filePath("registry.ini"); }
    QString tools() const { return dir.filePath("bin"); }
    void SetUp() override { ASSERT_TRUE(QDir(dir.path()).mkdir("bin")); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PortableRegistryTest, AnswersFromTheAdministratorsFileWithoutRegardToCase)
{
    writeFile(ini(), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Tool]\nInstallDir=\"/opt/vendor, inc\"\n"
                     "Plain=/opt/a, b\nLong=" + QByteArray(1024, 'x') + "\n");
    PortableRegistry registry(ini(), {tools()});
    QString value;
    EXPECT_TRUE(GetKeyValue(registry, Registry::LocalMachine, "software\\vendor\\TOOL", "installdir", value));
    EXPECT_EQ(value, "/opt/vendor, inc");
    EXPECT_TRUE(GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Vendor\\Tool", "Plain", value));
    EXPECT_EQ(value, "/opt/a, b");
    EXPECT_FALSE(GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Vendor\\Tool", "Long", value));
    EXPECT_FALSE(GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Vendor", "InstallDir", value));
    EXPECT_FALSE(GetKeyValue(registry, 0x80000001, "SOFTWARE\\Vendor\\Tool", "InstallDir", value));
}

TEST_F(PortableRegistryTest, FindsASystemInformationProgramWhenTheFileGivesNone)
{
    PortableRegistry registry(ini(), {tools()});
    EXPECT_EQ(sysInfoToolPath(registry), "");

    writeFile(tools() + "/kinfocenter", "#!/bin/sh\n", true);
    writeFile(tools() + "/hardinfo", "not executable");
    EXPECT_EQ(sysInfoToolPath(registry), tools() + "/kinfocenter");
    writeFile(tools() + "/hardinfo2", "#!/bin/sh\n", true);
    EXPECT_EQ(sysInfoToolPath(registry), tools() + "/hardinfo2");
}

TEST_F(PortableRegistryTest, TheFilesPathComesFirst)
{
    writeFile(tools() + "/hardinfo", "#!/bin/sh\n", true);
    writeFile(ini(), "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/usr/local/bin/sysinfo\n");
    PortableRegistry registry(ini(), {tools()});
    EXPECT_EQ(sysInfoToolPath(registry), "/usr/local/bin/sysinfo");
}

TEST(AboutTexts, VersionLineIsPlainDecimal)
{
    EXPECT_EQ(versionLine(1, 0, 0), "Version 1.0.0");
    EXPECT_EQ(versionLine(10, 2, 30), "Version 10.2.30");
    EXPECT_EQ(mailingListAddress("http://maker.test"), "http://maker.test/Pages/ListBot.html");
}
