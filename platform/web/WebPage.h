#pragma once

#include "platform/core/PageDialogs.h"

#include <QPointer>
#include <QWebEnginePage>

class QDialog;
class QMessageBox;
class QWebEngineUrlRequestInfo;
class QWidget;

// A page that answers its own dialogs without holding up the other pages, and
// never sends a form a second time unless the user asked for it.
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
    // From a timed reload until its load ends, the page's question before
    // leaving is answered "leave" without being shown.
    void setTimedNavigation(bool timed) { m_timedNavigation = timed; }
    bool isWaitingForUser() const { return m_waitingForUser; }
    // Its tab is in front of a window that is not minimised.
    bool inFront() const;

signals:
    // A dialog the page raised was not shown; the page heard "cancel".
    void dialogRefused(const QString &text);
    void waitingForUserChanged(bool waiting);

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
    // Shows a question beside the window and waits for its answer while
    // everything else goes on; the program may end meanwhile.
    void askUser(QDialog *dialog);
    QString dialogTitle(const QUrl &securityOrigin) const;

    QWidget *m_owner;
    DialogThrottle m_throttle;
    QPointer<QMessageBox> m_notice;
    bool m_formAnswer = false;
    bool m_resendAllowed = false;
    bool m_timedNavigation = false;
    bool m_waitingForUser = false;
};
