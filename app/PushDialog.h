#pragma once

#include "platform/core/PushMessage.h"

#include <QDialog>
#include <QList>

class AlertPush;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The push to the phone: the address, its kind, an access token, the events
// pushed, and "Send a test", which must arrive before anything else is sent.
// Not modal; saved when the user says so.
class PushDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit PushDialog(AlertPush *push, QWidget *parent = nullptr);

private:
    // The settings as the fields show them; tested when a test to this
    // address, kind and token arrived.
    PushSettings shownSettings() const;
    void sendTest();
    void testDone(const QString &why);
    void save();

    AlertPush *m_push;
    QComboBox *m_kind;
    QLineEdit *m_address;
    QLineEdit *m_token;
    QList<QCheckBox *> m_events; // in the order of alertEvents()
    QLabel *m_status;
    PushSettings m_passed;  // where the last test that arrived went
    PushSettings m_testing; // where the test on its way goes
};
