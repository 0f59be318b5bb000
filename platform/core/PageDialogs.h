#pragma once

#include <QtGlobal>
#include <deque>

// What becomes of a dialog a page raises (alert, confirm, prompt, or the
// question before leaving a page). A dialog answered by the user holds its
// page's renderer until then, so only the tab in front may ask, and a timed
// reload never waits for one.
enum class PageDialogKind { Alert, Confirm, Prompt, LeavePage };
enum class PageDialogAnswer {
    ShowNotice,     // an alert in front: shown without holding the page
    AskUser,        // a question in front: the page waits for the answer
    RefuseQuietly,  // not shown; the page hears "cancel"; its tab says what it was
    LeaveQuietly,   // the question a timed reload raised: answered "leave"
};
PageDialogAnswer pageDialogAnswer(PageDialogKind kind, bool inFront, bool duringTimedReload, bool throttled);

// A page that keeps raising dialogs gets no more shown after the third within
// a few seconds, as browsers do.
class DialogThrottle
{
public:
    static constexpr int kShownInBurst = 3;
    static constexpr qint64 kBurstMs = 5000;

    // Records a dialog raised at nowMs; true when it is one too many.
    bool throttles(qint64 nowMs);

private:
    std::deque<qint64> m_raised;
};
