#include "platform/core/PageDialogs.h"
#include "platform/core/PagePatience.h"

#include <gtest/gtest.h>

TEST(PagePatience, ALoadOnItsWayGetsAMinuteOrTwoPeriods)
{
    EXPECT_EQ(loadPatienceMs(15000), 60000);
    EXPECT_EQ(loadPatienceMs(45000), 90000);
    EXPECT_EQ(loadPatienceMs(300000), 600000);
}

TEST(PagePatience, TypedTextHoldsInFrontAndForTwoMinutesOutOfSight)
{
    EXPECT_TRUE(typingHoldsReload(true, true, 3600000));
    EXPECT_TRUE(typingHoldsReload(true, false, 119999));
    EXPECT_FALSE(typingHoldsReload(true, false, 120000));
    EXPECT_FALSE(typingHoldsReload(false, true, 0));
}

TEST(PagePatience, ASilentRendererIsNotRespondingThenEnded)
{
    EXPECT_EQ(responsiveness(14999), Responsiveness::Answering);
    EXPECT_EQ(responsiveness(15000), Responsiveness::NotResponding);
    EXPECT_EQ(responsiveness(29999), Responsiveness::NotResponding);
    EXPECT_EQ(responsiveness(30000), Responsiveness::GiveUp);
}

TEST(PageDialogs, OnlyTheTabInFrontAsksAndATimedReloadNeverWaits)
{
    using K = PageDialogKind;
    using A = PageDialogAnswer;
    const struct
    {
        K kind;
        bool inFront, timed, throttled;
        A answer;
    } rows[] = {
        {K::Alert, true, false, false, A::ShowNotice},
        {K::Confirm, true, false, false, A::AskUser},
        {K::Prompt, true, false, false, A::AskUser},
        {K::LeavePage, true, false, false, A::AskUser},
        {K::Alert, false, false, false, A::RefuseQuietly},
        {K::Confirm, false, false, false, A::RefuseQuietly},
        {K::LeavePage, false, false, false, A::RefuseQuietly},
        {K::LeavePage, true, true, false, A::LeaveQuietly},
        {K::LeavePage, false, true, true, A::LeaveQuietly},
        // A page's own question during a timed reload is no leave question.
        {K::Confirm, true, true, false, A::AskUser},
        {K::Confirm, true, false, true, A::RefuseQuietly},
        {K::Alert, true, false, true, A::RefuseQuietly},
    };
    for (const auto &row : rows)
        EXPECT_EQ(pageDialogAnswer(row.kind, row.inFront, row.timed, row.throttled), row.answer)
            << int(row.kind) << row.inFront << row.timed << row.throttled;
}

TEST(PageDialogs, AfterThreeInAFewSecondsNoMoreAreShown)
{
    DialogThrottle throttle;
    EXPECT_FALSE(throttle.throttles(0));
    EXPECT_FALSE(throttle.throttles(200));
    EXPECT_FALSE(throttle.throttles(400));
    EXPECT_TRUE(throttle.throttles(600));
    EXPECT_TRUE(throttle.throttles(4000));
    // A page quiet for the burst's length may speak again.
    EXPECT_FALSE(throttle.throttles(20000));
}
