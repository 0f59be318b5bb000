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

struct Read
{
    bool ok;
    QString value;
};

Read read(FakeRegistry &registry, const QString &name, const QString &before = "old")
{
    QString value = before;
    const bool ok = GetKeyValue(registry, Registry::LocalMachine, kKey, name, value);
    EXPECT_TRUE(registry.openKeys.isEmpty()) << "a key was left open";
    return {ok, value};
}

} // namespace

TEST(GetKeyValue, MissingKeyOrValueReadsAsEmptyAndFalse)
{
    FakeRegistry registry;
    Read got = read(registry, "Name");
    EXPECT_FALSE(got.ok);
    EXPECT_EQ(got.value, "");

    registry.setText(kKey, "Other", "x");
    got = read(registry, "Name");
    EXPECT_FALSE(got.ok);
    EXPECT_EQ(got.value, "");
}

TEST(GetKeyValue, AsksForReadingOnly)
{
    FakeRegistry registry;
    registry.setText(kKey, "Name", "x");
    read(registry, "Name");
    ASSERT_EQ(registry.accessAsked.size(), 1);
    EXPECT_EQ(registry.accessAsked[0], 0x20019u);
}

TEST(GetKeyValue, TextsFitIn1024BytesWithTheirZero)
{
    FakeRegistry registry;
    registry.setText(kKey, "1023", QString(1023, 'a'));
    registry.setText(kKey, "1024", QString(1024, 'b'));
    registry.setValue(kKey, "1024 bare", Registry::TextType, QByteArray(1024, 'c'));

    Read got = read(registry, "1023");
    EXPECT_TRUE(got.ok);
    EXPECT_EQ(got.value, QString(1023, 'a'));
    got = read(registry, "1024");
    EXPECT_FALSE(got.ok);
    EXPECT_EQ(got.value, "");
    got = read(registry, "1024 bare");
    EXPECT_TRUE(got.ok);
    EXPECT_EQ(got.value, QString(1024, 'c'));
}

TEST(GetKeyValue, OnlyTheLastZeroIsDropped)
{
    FakeRegistry registry;
    registry.setValue(kKey, "bare", Registry::TextType, "abc");
    registry.setValue(kKey, "zero", Registry::TextType, QByteArray("abc\0", 4));
    registry.setValue(kKey, "two zeros", Registry::TextType, QByteArray("ab\0\0", 4));
    registry.setValue(kKey, "empty", Registry::TextType, QByteArray());
    EXPECT_EQ(read(registry, "bare").value, "abc");
    EXPECT_EQ(read(registry, "zero").value, "abc");
    EXPECT_EQ(read(registry, "two zeros").value, QString("ab") + QChar(0));
    const Read empty = read(registry, "empty");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.value, "");
}

TEST(GetKeyValue, NumbersAreDecimalAndOtherTypesLeaveTheValue)
{
    FakeRegistry registry;
    registry.setValue(kKey, "five", Registry::NumberType, QByteArray("\x05\0\0\0", 4));
    registry.setValue(kKey, "two bytes", Registry::NumberType, QByteArray("\x0a\x05\0\0", 4));
    registry.setValue(kKey, "all ones", Registry::NumberType, QByteArray("\xff\xff\xff\xff", 4));
    registry.setValue(kKey, "binary", 3, QByteArray("\x01\x02", 2));
    EXPECT_EQ(read(registry, "five").value, "5");
    EXPECT_EQ(read(registry, "two bytes").value, "1290");
    EXPECT_EQ(read(registry, "all ones").value, "4294967295");
    const Read binary = read(registry, "binary", "as it came");
    EXPECT_TRUE(binary.ok);
    EXPECT_EQ(binary.value, "as it came");
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
    registry.setText(kLocationKey, "MSINFO", native);
    EXPECT_EQ(sysInfoToolPath(registry), "");

    QFile tool(folder.filePath("MSINFO32.EXE"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(sysInfoToolPath(registry), native + QDir::separator() + "MSINFO32.EXE");
}

TEST(SysInfoTool, NothingRegisteredGivesNoPath)
{
    FakeRegistry registry;
    EXPECT_EQ(sysInfoToolPath(registry), "");
    EXPECT_EQ(registry.opened, QStringList({sysInfoToolKey(), kLocationKey}));
}
