#include "app/core/WinState.h"

#include <cmath>

WinState winStateFromText(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return WinState::Normal;
    // Round half to even, as the settings value has always been converted.
    const double rounded = std::nearbyint(value);
    if (rounded == 1)
        return WinState::Minimised;
    if (rounded == 2)
        return WinState::Maximised;
    return WinState::Normal;
}

QString winStateToText(WinState state)
{
    return QString::number(int(state));
}
