#include "app/core/TimeLeft.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);

QDateTime utc(int day, int hour, int minute)
{
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute), Qt::UTC);
}

} // namespace

TEST(TimeLeft, ReadsTimesLeftAndEndDates)
{
    // In a zone away from UTC, so that a local time read as UTC would show.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Asia/Kolkata");
    const qint64 s = 1000, m = 60 * s, h = 60 * m, d = 24 * h;
    const std::pair<const char *, QDateTime> rows[] = {
        {"3d 4h", kNow.addMSecs(3 * d + 4 * h)},
        {"4h 20m 5s", kNow.addMSecs(4 * h + 20 * m + 5 * s)},
        {"20m 5s", kNow.addMSecs(20 * m + 5 * s)},
        {"5 mins", kNow.addMSecs(5 * m)},
        {"1 day 2 hours", kNow.addMSecs(d + 2 * h)},
        {"Ends in 4m 10s", kNow.addMSecs(4 * m + 10 * s)},
        {"45 seconds", kNow.addMSecs(45 * s)},
        {" TIME REMAINING\n1 hr, 5 min left ", kNow.addMSecs(h + 5 * m)},
        {"Dec 08, 2026 14:30:00 PST", utc(8, 22, 30)},
        {"Ends: December 8, 2026 2:30 PM EST", utc(8, 19, 30)},
        {"Dec 8 2026 12:05 am gmt", utc(8, 0, 5)},
        {"2026-12-08 14:30", utc(8, 9, 0)}, // local time, 5:30 ahead of UTC there
        {"2026-12-08T14:30:00Z", utc(8, 14, 30)},
        {"2026-12-08 14:30 -05:30", utc(8, 20, 0)},
    };
    for (const auto &[text, end] : rows) {
        const AuctionEnd read = auctionEnd(QString::fromLatin1(text), kNow);
        EXPECT_EQ(read.end, end) << text << ": " << read.problem.toStdString();
        EXPECT_TRUE(read.problem.isEmpty()) << text;
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
}

TEST(TimeLeft, RefusesWhatItCannotReadAndSaysWhy)
{
    const std::pair<const char *, const char *> rows[] = {
        {"Time left:", "no time left"}, {"soon", "\"soon\" is neither"}, {"12 bids", "neither"},
        {"4h 3d", "neither"}, {"45", "neither"}, {"04:10", "neither"}, {"Dec 08, 2026", "neither"},
        {"Dec 08, 2026 14:30 XYZ", "\"XYZ\" is no time zone"}, {"2026-12-08 14:30 +1500", "no time zone"},
        {"Feb 30, 2026 10:00", "no date and time"}, {"Dec 08, 2026 14:30 PM", "no date and time"},
        {"Ma 08, 2026 14:30", "no date and time"},
    };
    for (const auto &[text, problem] : rows) {
        const AuctionEnd read = auctionEnd(QString::fromLatin1(text), kNow);
        EXPECT_EQ(read.end, std::nullopt) << text;
        EXPECT_TRUE(read.problem.contains(QLatin1String(problem))) << text << ": " << read.problem.toStdString();
    }
}

TEST(TimeLeft, WritesTheTwoLargestUnitsRoundedUpAndReadsThemBack)
{
    const std::pair<qint64, const char *> rows[] = {
        {(3 * 86400 + 4 * 3600 + 59) * 1000, "3d 4h"}, {60000, "1m 0s"}, {44001, "45s"}, {-5000, "0s"}};
    for (const auto &[ms, text] : rows)
        EXPECT_EQ(timeLeftText(kNow, kNow.addMSecs(ms)), text) << ms;
    EXPECT_EQ(auctionEnd(timeLeftText(kNow, kNow.addSecs(250)), kNow).end, kNow.addSecs(250));
}
