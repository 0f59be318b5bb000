#pragma once

#include <QObject>
#include <QTimer>

class QWebEngineView;

// Watches a web view for the user's clicks and keystrokes. The engine draws
// the page, and takes its input, in a child widget of the view that it may
// replace; each is watched.
class PageInputWatch final : public QObject
{
    Q_OBJECT

public:
    explicit PageInputWatch(QWebEngineView *view);

signals:
    void userInput();
    // A moment after the last keystroke in the page, long enough for the page to have taken it.
    void typed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineView *m_view;
    QTimer m_afterKey;
};
