#pragma once

#include "platform/core/PageDialogs.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWebEnginePage>

class QDialog;
class QMessageBox;
class QWebEngineUrlRequestInfo;
class QWidget;

// A page that answers its own dialogs at once, so that no page waits on the
// user, and never sends a form a second time unless the user asked for it.
class WebPage final : public QWebEnginePage
{
    Q_OBJECT

public:
    // owner: the widget the page is shown in; its dialogs open over it.
    WebPage(QWebEngineProfile *profile, QWidget *owner);

    // The page shown, or on its way, answers a form post: loading it again
    // would send the form again.
    bool showsFormAnswer() const { return m_formAnswer; }
    // The next load may send the page's form again: the user said so.
    void allowFormResend() { m_resendAllowed = true; }
    // From a navigation of the program (a timed reload, or a page the user
    // asked the program for) until its load ends, the page's question before
    // leaving is answered "leave" without being shown.
    void setProgramNavigation(bool navigating) { m_programNavigation = navigating; }
    // Its tab is in front of a window that is not minimised.
    bool inFront() const;
    // The user clicked or typed into the page just now.
    void noteUserInput() { m_userInput.start(); }
    // A file the page asks to save now comes from the user's doing.
    bool mayDownload() const;

signals:
    // A dialog the page raised was not shown; the page heard "cancel".
    void dialogRefused(const QString &text);

protected:
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;

private:
    class FormPostGuard;

    void mainFrameRequest(QWebEngineUrlRequestInfo &info);
    PageDialogAnswer answerFor(PageDialogKind kind, const QString &msg);
    void showNotice(const QUrl &securityOrigin, const QString &msg);
    // Answers the page's question at once with an answer the user kept for
    // it, else "cancel"; the question is then shown in a box that holds
    // nothing up, whose answer is kept for the page's next asking.
    std::optional<QString> answerQuestion(PageDialogKind kind, const QUrl &securityOrigin, const QString &msg,
                                          const QString &defaultValue);
    QDialog *questionBox(PageDialogKind kind, const QString &msg, const QString &defaultValue);
    QString dialogTitle(const QUrl &securityOrigin) const;

    QWidget *m_owner;
    DialogThrottle m_throttle;
    KeptAnswer m_kept;
    QPointer<QMessageBox> m_notice;
    QPointer<QDialog> m_question;
    QElapsedTimer m_userInput;
    bool m_formAnswer = false;
    bool m_resendAllowed = false;
    bool m_programNavigation = false;
};
