#pragma once

#include "platform/core/PageHealth.h"
#include "platform/core/PagePatience.h"

#include <QUrl>
#include <QWidget>

class PageElements;

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
    // Makes what reads the elements of this view's pages the user points at,
    // kept by owner; the page's context menu offers its entries.
    virtual PageElements *createPageElements(QObject *owner) = 0;
    // Lets a hidden page rest: its scripts and timers stop for up to ms, or
    // until it is shown or anything is done with it. Refused while it is
    // shown, loads, or holds text the user typed into it.
    virtual void freeze(qint64 ms) = 0;

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
};
