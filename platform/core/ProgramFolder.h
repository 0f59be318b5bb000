#pragma once

#include <QString>

// The folder of the executable: local pages, the saved items and the site
// configuration live there, whatever the working directory.
QString programFolder();

// folder + the platform's separator + name.
QString programFilePath(const QString &folder, const QString &name);
