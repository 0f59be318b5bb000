#pragma once

#include <QString>
#include <QtGlobal>
#include <deque>
#include <optional>

// What becomes of a dialog a page raises (alert, confirm, prompt, or the
// question before leaving a page). The engine waits for the answer with every
// page of the program, so every question is answered at once: only the tab in
// front shows it, in a box beside the window that holds nothing up.
enum class PageDialogKind {
    Alert,
    Confirm,
    Prompt,
    LeavePage
};
enum class PageDialogAnswer {
    ShowNotice,    // an alert in front: shown without holding the page
    ShowQuestion,  // a question in front: the page hears the answer kept for
                   // it, else "cancel"; the box shown keeps the user's answer
    RefuseQuietly, // not shown; the page hears "cancel"; its tab says what it was
    LeaveQuietly,  // the question before leaving a page the program navigates: "leave"
};
// duringProgramNavigation: a timed reload, or a page the user asked the
// program for (an address, a release, back), is on its way.
PageDialogAnswer pageDialogAnswer(PageDialogKind kind, bool inFront, bool duringProgramNavigation, bool throttled);

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

// The user's answer to a page's question, given in the box after the page
// heard "cancel": the page hears it when it asks the same question again, once,
// within a minute, so that doing again what made the page ask gets it through.
// A confirmation's answer is "OK" (an empty value), a prompt's the text given.
class KeptAnswer
{
public:
    static constexpr qint64 kKeptMs = 60000;

    void keep(PageDialogKind kind, const QString &question, const QString &value, qint64 nowMs);
    std::optional<QString> take(PageDialogKind kind, const QString &question, qint64 nowMs);

private:
    struct Answer
    {
        PageDialogKind kind;
        QString question;
        QString value;
        qint64 keptMs;
    };
    std::optional<Answer> m_answer;
};

// A page may save a file only from its tab in front, within a few seconds of
// the user's click or key in it: a page cannot fill the disk by itself.
constexpr qint64 kDownloadAfterInputMs = 10000;
bool pageMayDownload(bool inFront, qint64 msSinceUserInput);
