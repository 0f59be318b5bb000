#include "app/core/RefreshRates.h"

#include <array>

namespace {

struct Row
{
    const char *text;
    RefreshRate rate;
};

const std::array<Row, 6> kRows = {{
    {"1 Minute", {false, false, false, 60000}},
    {"5 Minutes", {true, true, false, 0}},
    {"45 Seconds", {false, false, false, 45000}},
    {"30 Seconds", {false, false, false, 30000}},
    {"15 Seconds", {false, false, false, 15000}},
    {"No Refresh", {false, true, true, 0}},
}};

} // namespace

QStringList refreshRateTexts()
{
    QStringList texts;
    for (const Row &row : kRows)
        texts << QString::fromLatin1(row.text);
    return texts;
}

QString defaultRefreshRateText()
{
    return QString::fromLatin1(kRows.front().text);
}

RefreshRate lookupRefreshRate(const QString &text)
{
    for (const Row &row : kRows) {
        if (text == QLatin1String(row.text))
            return row.rate;
    }
    return {};
}

RateInForce settleRateText(const QString &typed, const QString &inForce)
{
    const QString choose = QStringLiteral("Choose page refresh rate");
    if (refreshRateTexts().contains(typed))
        return {typed, choose};
    return {inForce, QStringLiteral("%1\n'%2' is no rate: the rate stays %3").arg(choose, typed, inForce)};
}
