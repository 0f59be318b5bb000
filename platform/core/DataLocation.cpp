#include "platform/core/DataLocation.h"

#include "platform/core/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

DataLocation decideDataLocation(const DataFacts &facts)
{
    const QString besideProgram = programFilePath(facts.programFolder, savedItemsFileName());
    if (facts.portableMark || facts.installedPagesFolder.isEmpty())
        return {true, facts.programFolder, besideProgram, besideProgram, {facts.programFolder}};

    const QString inDataFolder = programFilePath(facts.dataFolder, savedItemsFileName());
    const bool readOld = facts.savedItemsBesideProgram && !facts.savedItemsInDataFolder;
    return {false,
            facts.installedPagesFolder,
            readOld ? besideProgram : inDataFolder,
            inDataFolder,
            {facts.configFolder, facts.programFolder}};
}

DataFacts gatherDataFacts(const QString &programFolder, const QString &dataFolder, const QString &configFolder)
{
    const QFileInfo besideProgram(programFilePath(programFolder, savedItemsFileName()));
    // The install rule puts the pages this far from the executable.
    const QFileInfo installedPages(programFilePath(programFolder, QStringLiteral(GAVRIN_PAGES_FROM_PROGRAM)));
    return {programFolder,
            QFileInfo::exists(programFilePath(programFolder, portableMarkFileName())),
            installedPages.isDir() ? QDir::toNativeSeparators(installedPages.canonicalFilePath()) : QString(),
            dataFolder,
            configFolder,
            besideProgram.isFile() && besideProgram.isReadable(),
            QFileInfo::exists(programFilePath(dataFolder, savedItemsFileName()))};
}

QString settingsFilePath(const DataLocation &location, const QString &fileName)
{
    for (const QString &folder : location.settingsFolders) {
        const QString path = programFilePath(folder, fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return programFilePath(location.settingsFolders.last(), fileName);
}
