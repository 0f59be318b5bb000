#include "platform/core/PortableRegistry.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

// The file names the local-machine root; no other root is kept.
const QString kRootName = QStringLiteral("hkey_local_machine");

// QSettings reads the backslashes of a section name as group separators.
QString settingsPath(const QString &keyPath)
{
    return kRootName + QLatin1Char('/') + QString(keyPath).replace(QLatin1Char('\\'), QLatin1Char('/')).toLower();
}

} // namespace

QString portableRegistryFileName()
{
    return QStringLiteral("registry.ini");
}

PortableRegistry::PortableRegistry(const QString &iniPath, const QStringList &toolFolders)
    : m_iniPath(iniPath)
    , m_toolFolders(toolFolders)
{
}

QString PortableRegistry::foundSysInfoTool() const
{
    for (const char *name : {"hardinfo2", "hardinfo", "kinfocenter", "cpu-x"}) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name), m_toolFolders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

long PortableRegistry::openKey(quint32 root, const QString &path, quint32, Key *key)
{
    if (root != LocalMachine)
        return InvalidHandle;

    const QString wanted = settingsPath(path);
    const QString prefix = wanted + QLatin1Char('/');
    bool exists = false;
    Values values;
    const QSettings ini(m_iniPath, QSettings::IniFormat);
    for (const QString &entry : ini.allKeys()) {
        const QString lower = entry.toLower();
        if (!lower.startsWith(prefix))
            continue;
        exists = true;
        const QString name = lower.mid(prefix.size());
        // An unquoted text with commas reads as a list; the usual ", " puts it back.
        if (!name.contains(QLatin1Char('/')))
            values.insert(name, ini.value(entry).toStringList().join(QStringLiteral(", ")));
    }

    const QString toolValue = sysInfoToolValue().toLower();
    if (wanted == settingsPath(sysInfoToolKey()) && !values.contains(toolValue)) {
        const QString tool = foundSysInfoTool();
        if (!tool.isEmpty()) {
            values.insert(toolValue, tool);
            exists = true;
        }
    }
    if (!exists)
        return NotFound;

    *key = m_nextKey++;
    m_open.insert(*key, values);
    return Success;
}

long PortableRegistry::queryValue(Key key, const QString &name, quint32 *type, char *buffer, quint32 *size)
{
    const auto open = m_open.constFind(key);
    if (open == m_open.constEnd())
        return InvalidHandle;
    const auto value = open->constFind(name.toLower());
    if (value == open->constEnd())
        return NotFound;
    *type = TextType;
    // Stored as the system stores a text: with its terminating zero.
    return copyValue(value->toLocal8Bit().append('\0'), buffer, size);
}

void PortableRegistry::closeKey(Key key)
{
    m_open.remove(key);
}
