#pragma once

#include <QString>

class Registry;

// The full path of the system information tool, or empty when the registry
// does not lead to it. A registered "PATH" is taken as it stands (starting
// it may still fail); only then is the shared-tools folder asked, and its
// "MSINFO32.EXE" taken only when that file exists.
QString sysInfoToolPath(Registry &registry);
