#include "platform/core/DataLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

DataFacts facts(bool writable, bool oldSavedItems, bool savedItemsInDataFolder)
{
    return {"/opt/gavrin", writable, "/home/u/.local/share/gavrin", "/home/u/.config/gavrin", oldSavedItems,
            savedItemsInDataFolder};
}

} // namespace

TEST(DataLocation, DecidesWhereEachFileIsReadAndSaved)
{
    const QString beside = "/opt/gavrin/index.dat";
    const QString data = "/home/u/.local/share/gavrin/index.dat";
    const QStringList installedSettings = {"/home/u/.config/gavrin", "/opt/gavrin"};
    const struct
    {
        const char *name;
        DataFacts facts;
        DataLocation expected;
    } rows[] = {
        {"portable", facts(true, true, false), {true, beside, beside, {"/opt/gavrin"}}},
        {"installed, first run", facts(false, false, false), {false, data, data, installedSettings}},
        {"installed, first run, old items", facts(false, true, false), {false, beside, data, installedSettings}},
        {"installed, later run", facts(false, true, true), {false, data, data, installedSettings}},
    };
    for (const auto &row : rows) {
        const DataLocation location = decideDataLocation(row.facts);
        EXPECT_EQ(location.portable, row.expected.portable) << row.name;
        EXPECT_EQ(location.savedItemsReadPath, row.expected.savedItemsReadPath) << row.name;
        EXPECT_EQ(location.savedItemsSavePath, row.expected.savedItemsSavePath) << row.name;
        EXPECT_EQ(location.settingsFolders, row.expected.settingsFolders) << row.name;
    }
}

TEST(DataLocation, GathersTheFactsAndFindsTheFirstSettingsFile)
{
    QTemporaryDir root;
    QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("program") && dir.mkpath("config"));
    QFile(dir.filePath("program/index.dat")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("program/gavrin.ini")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("config/registry.ini")).open(QIODevice::WriteOnly);

    const DataFacts gathered = gatherDataFacts(dir.filePath("program"), dir.filePath("data"), dir.filePath("config"));
    EXPECT_TRUE(gathered.programFolderWritable);
    EXPECT_TRUE(gathered.savedItemsBesideProgram);
    EXPECT_FALSE(gathered.savedItemsInDataFolder);

    DataLocation installed = decideDataLocation({gathered.programFolder, false, gathered.dataFolder,
                                                 gathered.configFolder, false, false});
    EXPECT_EQ(settingsFilePath(installed, "registry.ini"), dir.filePath("config/registry.ini"));
    EXPECT_EQ(settingsFilePath(installed, "gavrin.ini"), dir.filePath("program/gavrin.ini"));
    installed.settingsFolders.removeFirst();
    EXPECT_EQ(settingsFilePath(installed, "registry.ini"), dir.filePath("program/registry.ini"));
}
