#include "FakeRegistry.h"
#include "about/core/GetKeyValue.h"
#include "about/core/SysInfoTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKey = "SOFTWARE\\Test";

// The value read, or "(false)" when GetKeyValue said it could not read it.
QString read(FakeRegistry &registry, const QString &name)
{
    QString value = "as it came";
    const bool ok = GetKeyValue(registry, Registry::LocalMachine, kKey, name, value);
    EXPECT_TRUE(registry.openKeys.isEmpty()) << "a key was left open";
    EXPECT_EQ(registry.accessAsked.last(), 0x20019u) << "more than read access (KEY_READ) asked for";
    if (!ok)
        EXPECT_EQ(value, "");
    return ok ? value : "(false)";
}

// A value of this type stored and read back as above.
QString readBack(quint32 type, const QByteArray &data)
{
    FakeRegistry registry;
    registry.setValue(kKey, "Name", type, data);
    return read(registry, "Name");
}

} // namespace

TEST(GetKeyValue, MissingKeyOrValueIsNotRead)
{
    FakeRegistry registry;
    EXPECT_EQ(read(registry, "Name"), "(false)");
    registry.setText(kKey, "Other", "x");
    EXPECT_EQ(read(registry, "Name"), "(false)");
}

TEST(GetKeyValue, TextsFit1024BytesLosingOnlyTheLastZeroAndNumbersAreDecimal)
{
    EXPECT_EQ(readBack(Registry::TextType, QByteArray(1023, 'a') + '\0'), QString(1023, 'a'));
    EXPECT_EQ(readBack(Registry::TextType, QByteArray(1024, 'b') + '\0'), "(false)");
    EXPECT_EQ(readBack(Registry::TextType, QByteArray(1024, 'c')), QString(1024, 'c'));
    EXPECT_EQ(readBack(Registry::TextType, QByteArray("ab\0\0", 4)), QString("ab") + QChar(0));
    EXPECT_EQ(readBack(Registry::TextType, QByteArray()), "");
    // Little-endian, unsigned, with high bits in a low byte: 0x8000058A.
    EXPECT_EQ(readBack(Registry::NumberType, QByteArray("\x8a\x05\0\x80", 4)), "2147485066");
    EXPECT_EQ(readBack(3, QByteArray("\x01\x02", 2)), "as it came");
}

TEST(SysInfoTool, ARegisteredPathWinsOverTheLocationFolderThatCountsOnlyWithTheProgramInIt)
{
    QTemporaryDir folder;
    const QString native = QDir::toNativeSeparators(folder.path());
    FakeRegistry registry;
    EXPECT_EQ(sysInfoToolPath(registry), "");
    registry.setText("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", native);
    EXPECT_EQ(sysInfoToolPath(registry), "");

    QFile tool(folder.filePath("MSINFO32.EXE"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(sysInfoToolPath(registry), native + QDir::separator() + "MSINFO32.EXE");
    registry.setText(sysInfoToolKey(), "PATH", "/no/such/msinfo32");
    EXPECT_EQ(sysInfoToolPath(registry), "/no/such/msinfo32");
}
