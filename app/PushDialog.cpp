#include "app/PushDialog.h"

#include "app/AlertPush.h"
#include "platform/PushSender.h"
#include "platform/core/ProgramName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The same address, kind and token: a test to one holds for the other.
bool sameAddress(const PushSettings &one, const PushSettings &other)
{
    return one.kind == other.kind && pushUrl(one.address) == pushUrl(other.address) && one.token == other.token;
}

} // namespace

PushDialog::PushDialog(AlertPush *push, QWidget *parent)
    : QDialog(parent)
    , m_push(push)
    , m_kind(new QComboBox(this))
    , m_address(new QLineEdit(this))
    , m_token(new QLineEdit(this))
    , m_status(new QLabel(this))
    , m_passed(push->sender()->settings())
{
    setWindowTitle(QStringLiteral("Push to the Phone"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_kind->setObjectName(QStringLiteral("pushKind"));
    m_address->setObjectName(QStringLiteral("pushAddress"));
    m_token->setObjectName(QStringLiteral("pushToken"));
    m_status->setObjectName(QStringLiteral("pushStatus"));
    m_kind->addItem(QStringLiteral("Topic (ntfy and alike)"), int(PushSettings::Kind::Topic));
    m_kind->addItem(QStringLiteral("Webhook (JSON)"), int(PushSettings::Kind::Webhook));
    m_address->setPlaceholderText(QStringLiteral("ntfy.sh/my-secret-topic"));
    m_token->setEchoMode(QLineEdit::Password);
    m_token->setPlaceholderText(QStringLiteral("none"));

    const PushSettings kept = push->sender()->settings();
    if (!kept.tested)
        m_passed = {};
    m_kind->setCurrentIndex(m_kind->findData(int(kept.kind)));
    m_address->setText(kept.address);
    m_token->setText(kept.token);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Kind:"), m_kind);
    form->addRow(QStringLiteral("Address:"), m_address);
    form->addRow(QStringLiteral("Access token:"), m_token);
    auto *events = new QVBoxLayout;
    for (AlertEvent event : alertEvents()) {
        auto *box = new QCheckBox(alertEventLabel(event), this);
        box->setObjectName(alertEventName(event));
        box->setChecked(kept.events.contains(alertEventName(event)));
        events->addWidget(box);
        m_events << box;
    }
    form->addRow(QStringLiteral("Push:"), events);
    auto *test = new QPushButton(QStringLiteral("Send a &Test"), this);
    test->setObjectName(QStringLiteral("sendTest"));
    form->addRow(test, m_status);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_status->setText(kept.tested ? QStringLiteral("A test arrived: pushing.")
                                  : QStringLiteral("Nothing is pushed until a test has arrived."));

    connect(test, &QPushButton::clicked, this, &PushDialog::sendTest);
    connect(push->sender(), &PushSender::tested, this, &PushDialog::testDone);
    connect(buttons, &QDialogButtonBox::accepted, this, &PushDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PushSettings PushDialog::shownSettings() const
{
    PushSettings settings{PushSettings::Kind(m_kind->currentData().toInt()), m_address->text().trimmed(),
                          m_token->text().trimmed()};
    for (int i = 0; i < m_events.size(); ++i) {
        if (m_events[i]->isChecked())
            settings.events << alertEventName(alertEvents()[i]);
    }
    settings.tested = !settings.address.isEmpty() && sameAddress(settings, m_passed);
    return settings;
}

void PushDialog::sendTest()
{
    m_testing = shownSettings();
    m_status->setText(QStringLiteral("Sending a test..."));
    PushMessage test;
    test.title = programName();
    test.event = QStringLiteral("A test from %1: pushes reach you here.").arg(programName());
    m_push->sender()->sendTest(m_testing, test);
}

void PushDialog::testDone(const QString &why)
{
    if (!why.isEmpty()) {
        m_status->setText(QStringLiteral("The test did not arrive: %1").arg(why));
        return;
    }
    m_passed = m_testing;
    m_status->setText(sameAddress(shownSettings(), m_passed)
                          ? QStringLiteral("The test arrived.")
                          : QStringLiteral("The test arrived, at the address before."));
}

void PushDialog::save()
{
    m_push->setSettings(shownSettings());
    accept();
}
