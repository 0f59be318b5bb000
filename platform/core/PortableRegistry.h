#pragma once

#include "platform/core/Registry.h"

#include <QHash>
#include <QStringList>

QString portableRegistryFileName();

// A registry for systems that have none. Its values come from an INI file the
// administrator edits: one section a key, named as the system registry names
// it ("[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]"), one
// "name=text" line a text value, read as QSettings reads INI text: quote a
// text with a semicolon, double a backslash. Names compare without regard to case.
//
// When the file gives no path for the system information tool, the first of
// hardinfo2, hardinfo, kinfocenter and cpu-x found in toolFolders (by default
// the PATH) stands in, so the tool can be started out of the box.
class PortableRegistry final : public Registry
{
public:
    explicit PortableRegistry(const QString &iniPath, const QStringList &toolFolders = {});

    long openKey(quint32 root, const QString &path, quint32 access, Key *key) override;
    long queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size) override;
    void closeKey(Key key) override;

private:
    // An open key: the file's text values of it as they were when it was opened.
    using Values = QHash<QString, QString>;

    QString foundSysInfoTool() const;

    QString m_iniPath;
    QStringList m_toolFolders;
    QHash<Key, Values> m_open;
    Key m_nextKey = 1;
};
