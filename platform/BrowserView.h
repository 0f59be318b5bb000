#pragma once

#include "platform/core/PageHealth.h"
#include "platform/core/PagePatience.h"

#include <QUrl>
#include <QWidget>

// A reload that a timer asks for, rather than the user.
struct TimedReload
{
    // Loaded with a plain GET instead of a page that answers a form post;
    // empty: such a page is left as it is.
    QString formAnswerReplacement;
    // How often the timer asks; a load on its way is given time by it.
    int periodMs = 0;
    // How long after the last keystroke typed text holds the reload.
    qint64 typingHoldMs = kTypingHoldMs;
};

// An embedded web view as the windows use it. Every call returns at once; the
// page loads in the background and documentComplete() follows on the UI thread.
class BrowserView : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // An http/https address or a full local file path, taken as a browser's
    // address bar would take it.
    virtual void open(const QString &text) = 0;
    // Fetches the shown page again; a page still loading starts over. A page
    // that answers a form is never sent again by it: see resendForm().
    virtual void reload() = 0;
    // The page shown answers a form post; the user is asked before it is sent again.
    virtual bool showsFormAnswer() const = 0;
    virtual void resendForm() = 0;
    // False when the history holds no page in that direction.
    virtual bool back() = 0;
    virtual bool forward() = 0;

    // Never sends a form again, waits for a load on its way, holds while the
    // user is typing into the page (then reloads when the hold ends, and puts
    // the typed text back), and waits as long as the site asked; health()
    // says when it held.
    virtual void reloadOnTimer(const TimedReload &reload) = 0;
    virtual PageHealth health() const = 0;
    // The page shown: its title and where it really is.
    virtual QString title() const = 0;
    virtual QUrl address() const = 0;
    // From now on, frameComplete() tells of each frame that loads; off until
    // asked, since hearing the frames costs every page load some work.
    virtual void reportFrameLoads() = 0;

    // Offers "Alert me when this changes" and "This shows the time left" on the page's context menu.
    virtual void setElementAlertsEnabled(bool enabled) = 0;
    // Follows none of the chosen elements any more.
    virtual void stopWatchingElement() = 0;
    virtual void stopReadingTimeLeft() = 0;
    // What the page's followed elements and time left are found by, to be
    // kept between runs and pointed at again.
    virtual QStringList followedElements() const = 0;
    virtual QString timeLeftElement() const = 0;
    virtual void restoreElements(const QStringList &followed, const QString &timeLeft) = 0;

signals:
    // A page finished loading, whether it loaded or failed, or it was lost
    // with its renderer (it comes back by itself).
    void documentComplete();
    void healthChanged();
    void titleOrAddressChanged();
    // The page raised a dialog out of sight; it was not shown.
    void dialogRefused(const QString &text);
    // A frame of the page finished loading its document; the page may still be loading.
    void frameComplete();
    // The user asked for a page in a new window (a link or form aimed at one,
    // a middle click, the context menu); the view opens none itself.
    void newPageRequested(const QString &address);
    // The user chose one more element to follow; text is what it shows now.
    void elementChosen(const QString &text);
    // The chosen element's text after a page finished loading; found is false
    // when the element is not on the page.
    // element counts the followed elements in the order chosen, from 0.
    void elementRead(int element, bool found, const QString &text);
    // The text of the element the user said shows the time left: when chosen,
    // then after each page load; found is false when it is not on the page.
    void timeLeftRead(bool found, const QString &text);
    // The user chose "Stop alerting" on a followed element, counted as in
    // elementRead(), which is followed no more; -1: chosen elsewhere on the
    // page, which stops every one.
    void elementWatchStopped(int element);
};
