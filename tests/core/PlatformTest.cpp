#include "FakeRegistry.h"
#include "WrittenFile.h"
#include "about/core/RegistryText.h"
#include "about/core/SysInfoTool.h"
#include "platform/core/DataLocation.h"
#include "platform/core/EngineStart.h"
#include "platform/core/PortableRegistry.h"
#include "platform/core/PushMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kKey = "SOFTWARE\\Test";

// The value of this type stored and read back, or "(none)" when it could not be read.
QString readBack(quint32 type, const QByteArray &data, const QString &name = "Name", const QString &key = kKey)
{
    FakeRegistry registry;
    registry.setValue(kKey, "Name", type, data);
    const auto value = readRegistryText(registry, Registry::LocalMachine, key, name);
    EXPECT_TRUE(registry.openKeys.isEmpty()) << "a key was left open";
    EXPECT_EQ(registry.accessAsked.last(), 0x20019u) << "more than read access (KEY_READ) asked for";
    return value.value_or("(none)");
}

} // namespace

TEST(RegistryText, MissingValuesAreNotReadTextsFit1024BytesLosingOnlyTheLastZeroAndNumbersAreDecimal)
{
    EXPECT_EQ(readBack(Registry::TextType, "x", "Other"), "(none)");
    EXPECT_EQ(readBack(Registry::TextType, "x", "Name", "SOFTWARE\\Other"), "(none)");
    EXPECT_EQ(readBack(Registry::TextType, QByteArray(1023, 'a') + '\0'), QString(1023, 'a'));
    EXPECT_EQ(readBack(Registry::TextType, QByteArray(1024, 'b') + '\0'), "(none)");
    EXPECT_EQ(readBack(Registry::TextType, QByteArray("ab\0\0", 4)), QString("ab") + QChar(0));
    // Little-endian, unsigned, with high bits in a low byte: 0x8000058A.
    EXPECT_EQ(readBack(Registry::NumberType, QByteArray("\x8a\x05\0\x80", 4)), "2147485066");
    EXPECT_EQ(readBack(3, QByteArray("\x01\x02", 2)), "");
}

TEST(PortableRegistry, AnswersFromTheAdministratorsFileWithoutRegardToCaseAndFindsASystemInformationProgram)
{
    QTemporaryDir dir;
    PortableRegistry registry(dir.filePath("registry.ini"), {dir.path()});
    writeFile(dir.filePath("hardinfo"), "not a program");
    EXPECT_EQ(sysInfoToolPath(registry), "");
    writeFile(dir.filePath("kinfocenter"), "#!/bin/sh\n", true);
    EXPECT_EQ(sysInfoToolPath(registry), dir.filePath("kinfocenter"));

    // The key and the value named in another case than the program asks for them.
    writeFile(dir.filePath("registry.ini"),
              "[hkey_local_machine\\software\\microsoft\\shared tools\\msinfo]\n"
              "Path=/opt/a, b\nLong="
                  + QByteArray(1024, 'x') + "\n");
    EXPECT_EQ(sysInfoToolPath(registry), "/opt/a, b");
    EXPECT_FALSE(readRegistryText(registry, Registry::LocalMachine, sysInfoToolKey(), "Long"));
    EXPECT_FALSE(readRegistryText(registry, Registry::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools", "PATH"));
}

TEST(DataLocation, DecidesWhereEachFileIsReadAndSaved)
{
    const QString bin = "/usr/bin", share = "/usr/share/gavrin";
    const QString beside = "/usr/bin/index.dat";
    const QString data = "/home/u/.local/share/gavrin/index.dat";
    // "portable" beside the program, its install's pages, old saved items beside the program, saved items in the
    // data folder: portable, pages, read, saved
    const std::tuple<bool, QString, bool, bool, bool, QString, QString, QString> rows[] = {
        {false, "", true, false, true, bin, beside, beside},     // built or unpacked
        {true, share, true, false, true, bin, beside, beside},   // asked for
        {false, share, false, false, false, share, data, data},  // installed, first run
        {false, share, true, false, false, share, beside, data}, // installed, first run with old saved items
        {false, share, true, true, false, share, data, data},    // installed, later run
    };
    for (const auto &[mark, installedPages, oldSavedItems, savedItemsInDataFolder, portable, pages, read, saved] :
         rows) {
        const DataLocation location =
            decideDataLocation({bin, mark, installedPages, "/home/u/.local/share/gavrin", "/home/u/.config/gavrin",
                                oldSavedItems, savedItemsInDataFolder});
        EXPECT_EQ(location.portable, portable);
        EXPECT_EQ(location.pagesFolder, pages);
        EXPECT_EQ(location.savedItemsReadPath, read);
        EXPECT_EQ(location.savedItemsSavePath, saved);
        EXPECT_EQ(location.settingsFolders,
                  portable ? QStringList({bin}) : QStringList({"/home/u/.config/gavrin", bin}));
    }
}

TEST(DataLocation, AnInstalledProgramStaysInstalledInAFolderItMayWriteUnlessAPortableFileSaysOtherwise)
{
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("usr/bin") && dir.mkpath("usr/share/gavrin") && dir.mkpath("config"));
    for (const char *file : {"usr/bin/index.dat", "usr/bin/gavrin.ini", "config/registry.ini"})
        writeFile(dir.filePath(file), "");
    const QString bin = dir.filePath("usr/bin");
    const DataFacts gathered = gatherDataFacts(bin, dir.filePath("data"), dir.filePath("config"));
    EXPECT_EQ(gathered.installedPagesFolder, QFileInfo(dir.filePath("usr/share/gavrin")).canonicalFilePath());
    EXPECT_TRUE(gathered.savedItemsBesideProgram);
    EXPECT_FALSE(gathered.savedItemsInDataFolder);

    const DataLocation installed = decideDataLocation(gathered);
    EXPECT_FALSE(installed.portable);
    EXPECT_EQ(settingsFilePath(installed, "registry.ini"), dir.filePath("config/registry.ini"));
    EXPECT_EQ(settingsFilePath(installed, "gavrin.ini"), dir.filePath("usr/bin/gavrin.ini"));
    EXPECT_EQ(settingsFilePath(installed, "none.ini"), dir.filePath("usr/bin/none.ini"));

    // A folder of no install is portable, and so is an installed one with a "portable" file.
    EXPECT_TRUE(decideDataLocation(gatherDataFacts(dir.filePath("config"), dir.filePath("data"), bin)).portable);
    writeFile(dir.filePath("usr/bin/portable"), "");
    EXPECT_TRUE(decideDataLocation(gatherDataFacts(bin, dir.filePath("data"), dir.filePath("config"))).portable);
}

TEST(EngineStart, RootIsRefusedOnlyWithTheSandboxOnWhichTheVariableOrTheEnginesSwitchTurnsOff)
{
    const QStringList plain = {"gavrin"};
    EXPECT_FALSE(engineRefusesToStart(false, false, plain));
    EXPECT_TRUE(engineRefusesToStart(true, false, plain));
    EXPECT_TRUE(engineRefusesToStart(true, false, {"gavrin", "--disable-gpu", "--no-sandboxes"}));
    EXPECT_FALSE(engineRefusesToStart(true, true, plain));
    EXPECT_FALSE(engineRefusesToStart(true, false, {"gavrin", "--disable-gpu", "--no-sandbox"}));
}

TEST(EngineStart, TheEnginesReportIsOffAndWarningsStay)
{
    QLoggingCategory::setFilterRules(quietLoggingRules());
    const QLoggingCategory engine("qt.webenginecontext");
    EXPECT_FALSE(engine.isInfoEnabled());
    EXPECT_TRUE(engine.isWarningEnabled());
    EXPECT_FALSE(QLoggingCategory::defaultCategory()->isInfoEnabled());
    QLoggingCategory::setFilterRules({});
}

TEST(PushMessage, AnAddressIsReachedOverHttpsUnlessTypedWithHttp)
{
    const std::pair<const char *, const char *> rows[] = {
        {"ntfy.sh/penny-black", "https://ntfy.sh/penny-black"},
        {" https://hooks.test/a?b=1 ", "https://hooks.test/a?b=1"},
        {"HTTP://192.168.1.5:8080/t", "http://192.168.1.5:8080/t"},
        {"", ""},
        {"http://", ""},
    };
    for (const auto &[typed, url] : rows)
        EXPECT_EQ(pushUrl(typed).toString(), url) << typed;
}
