#include "platform/SettingsStore.h"

#include <QSettings>

namespace {

const QString kOrganisation = QStringLiteral("Gavrin");
const QString kApplication = QStringLiteral("Gavrin");
const QString kWinStateKey = QStringLiteral("Presets/WinState");

} // namespace

QString QtSettingsStore::winState() const
{
    return QSettings(kOrganisation, kApplication).value(kWinStateKey, QStringLiteral("0")).toString();
}

void QtSettingsStore::setWinState(const QString &value)
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kWinStateKey, value);
    settings.sync();
}
