#pragma once

#include <QString>
#include <QStringList>

// Decides where Gavrin's files live.
//
// Portable (a file named "portable" beside the executable, or an executable
// that is not in an installed layout, as when built or unpacked): the pages,
// index.dat, gavrin.ini and registry.ini stay beside the executable.
// Installed (the executable in <prefix>/bin with <prefix>/share/gavrin): the
// pages are read from share/gavrin, index.dat lives in the user's data folder,
// and the two INI files are looked for in the user's config folder first, then
// beside the executable. Nothing is written below the prefix, whoever runs it,
// root included. An index.dat left beside an installed executable is read as
// long as the data folder holds none, and saved to the data folder, so nothing
// is lost.
// The saved items' file.
inline QString savedItemsFileName()
{
    return QStringLiteral("index.dat");
}

// The file beside the executable that asks for a portable program.
inline QString portableMarkFileName()
{
    return QStringLiteral("portable");
}

struct DataFacts
{
    QString programFolder;
    bool portableMark = false;            // a "portable" file beside the executable
    QString installedPagesFolder;         // share/gavrin of the install holding the executable, or empty
    QString dataFolder;                   // QStandardPaths::AppDataLocation
    QString configFolder;                 // QStandardPaths::AppConfigLocation
    bool savedItemsBesideProgram = false; // a readable index.dat beside the executable
    bool savedItemsInDataFolder = false;  // an index.dat in the data folder
};

struct DataLocation
{
    bool portable = true;
    QString pagesFolder;
    QString savedItemsReadPath;
    QString savedItemsSavePath;  // its folder may need making first
    QStringList settingsFolders; // where the INI files are looked for, in order
};

DataLocation decideDataLocation(const DataFacts &facts);

// The facts as the file system tells them now.
DataFacts gatherDataFacts(const QString &programFolder, const QString &dataFolder, const QString &configFolder);

// The first of the settings folders holding fileName, or the last folder's
// path for it when none does.
QString settingsFilePath(const DataLocation &location, const QString &fileName);
