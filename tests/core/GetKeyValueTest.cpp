#include "FakeRegistry.h"
#include "about/core/GetKeyValue.h"
#include "about/core/SysInfoTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKey = "SOFTWARE\\Test";
const QString kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// The value read, or "(false)" when GetKeyValue said it could not read it.
QString read(FakeRegistry &registry, const QString &name, const QString &before = "old")
{
    QString value = before;
    const bool ok = GetKeyValue(registry, Registry::LocalMachine, kKey, name, value);
    EXPECT_TRUE(registry.openKeys.isEmpty()) << "a key was left open";
    EXPECT_EQ(registry.accessAsked.last(), 0x20019u) << "more than read access asked for";
    if (!ok)
        EXPECT_EQ(value, "");
    return ok ? value : "(false)";
}

} // namespace

TEST(GetKeyValue, MissingKeyOrValueIsNotRead)
{
    FakeRegistry registry;
    EXPECT_EQ(read(registry, "Name"), "(false)");
    registry.setText(kKey, "Other", "x");
    EXPECT_EQ(read(registry, "Name"), "(false)");
}

TEST(GetKeyValue, ValuesFit1024BytesAndLoseOnlyTheirLastZero)
{
    FakeRegistry registry;
    registry.setText(kKey, "1023", QString(1023, 'a'));
    registry.setText(kKey, "1024", QString(1024, 'b'));
    registry.setValue(kKey, "1024 bare", Registry::TextType, QByteArray(1024, 'c'));
    registry.setValue(kKey, "two zeros", Registry::TextType, QByteArray("ab\0\0", 4));
    registry.setValue(kKey, "empty", Registry::TextType, QByteArray());
    EXPECT_EQ(read(registry, "1023"), QString(1023, 'a'));
    EXPECT_EQ(read(registry, "1024"), "(false)");
    EXPECT_EQ(read(registry, "1024 bare"), QString(1024, 'c'));
    EXPECT_EQ(read(registry, "two zeros"), QString("ab") + QChar(0));
    EXPECT_EQ(read(registry, "empty"), "");
}

TEST(GetKeyValue, NumbersAreDecimalAndOtherTypesLeaveTheValue)
{
    FakeRegistry registry;
    registry.setValue(kKey, "five", Registry::NumberType, QByteArray("\x05\0\0\0", 4));
    registry.setValue(kKey, "two bytes", Registry::NumberType, QByteArray("\x0a\x05\0\0", 4));
    registry.setValue(kKey, "all ones", Registry::NumberType, QByteArray("\xff\xff\xff\xff", 4));
    registry.setValue(kKey, "binary", 3, QByteArray("\x01\x02", 2));
    EXPECT_EQ(read(registry, "five"), "5");
    EXPECT_EQ(read(registry, "two bytes"), "1290");
    EXPECT_EQ(read(registry, "all ones"), "4294967295");
    EXPECT_EQ(read(registry, "binary", "as it came"), "as it came");
}

TEST(SysInfoTool, RegisteredPathIsTakenWithoutAskingTheLocation)
{
    FakeRegistry registry;
    registry.setText(sysInfoToolKey(), "PATH", "/no/such/msinfo32");
    registry.setText(kLocationKey, "MSINFO", "/elsewhere");
    EXPECT_EQ(sysInfoToolPath(registry), "/no/such/msinfo32");
    EXPECT_EQ(registry.opened, QStringList{sysInfoToolKey()});
}

TEST(SysInfoTool, LocationFolderCountsOnlyWithTheProgramInIt)
{
    QTemporaryDir folder;
    const QString native = QDir::toNativeSeparators(folder.path());
    FakeRegistry registry;
    EXPECT_EQ(sysInfoToolPath(registry), "");
    registry.setText(kLocationKey, "MSINFO", native);
    EXPECT_EQ(sysInfoToolPath(registry), "");

    QFile tool(folder.filePath("MSINFO32.EXE"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(sysInfoToolPath(registry), native + QDir::separator() + "MSINFO32.EXE");
}
