#pragma once

#include <QObject>
#include <QTimer>

// Stops the text carets of the program blinking once the keyboard and mouse
// have been left alone for a while, as the desktop's own text fields do, and
// makes them blink again at the next key or click. Each blink redraws the
// window, and the window composes the web view it shows anew each time.
class CaretRest : public QObject
{
    Q_OBJECT

public:
    explicit CaretRest(QObject *parent = nullptr);
    ~CaretRest() override;

    const QTimer &restTimer() const { return m_restTimer; }
    // Rests the carets now; the rest timer does this after a quiet while.
    void rest();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wake();

    const int m_flashTimeMs;
    bool m_resting = false;
    QTimer m_restTimer;
};
