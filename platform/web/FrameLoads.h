#pragma once

#include <QObject>

class QWebEnginePage;

// Tells when a frame of the page has loaded its document. The page's own load
// ends only with its last frame, so one frame that never answers would hide
// every other. A script in the application world, which the page's scripts
// neither see nor reach, hears the frames' load events and reports them over
// a web channel of that world.
class FrameLoads final : public QObject
{
    Q_OBJECT

public:
    explicit FrameLoads(QWebEnginePage *page);

    // Called by the script in the page.
    Q_INVOKABLE void reportFrameLoaded();

signals:
    void frameLoaded();
};
