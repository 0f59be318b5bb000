#include "platform/web/PageElements.h"

#include "platform/web/PageScripts.h"

#include <QJsonDocument>
#include <QMenu>
#include <QWebEnginePage>
#include <QWebEngineView>

PageElements::PageElements(QWebEngineView *view, quint32 world)
    : QObject(view)
    , m_view(view)
    , m_world(world)
{
}

void PageElements::addMenuEntries(QMenu *menu, const QPoint &position)
{
    QAction *first = menu->actions().value(0);
    QAction *alert = new QAction(QStringLiteral("Alert me when this changes"), menu);
    connect(alert, &QAction::triggered, this, [this, position] {
        chooseAt(position, [this](const QString &selector, const QString &text) {
            if (m_selectors.contains(selector))
                return;
            m_selectors << selector;
            emit followed(text);
        });
    });
    menu->insertAction(first, alert);
    QAction *timeLeft = new QAction(QStringLiteral("This shows the time left"), menu);
    connect(timeLeft, &QAction::triggered, this, [this, position] {
        chooseAt(position, [this](const QString &selector, const QString &text) {
            m_timeLeftSelector = selector;
            emit timeLeftRead(true, text);
        });
    });
    menu->insertAction(first, timeLeft);
    if (!m_selectors.isEmpty()) {
        QAction *stop = new QAction(QStringLiteral("Stop alerting"), menu);
        // The element pointed at, when it is followed, stops alone.
        connect(stop, &QAction::triggered, this, [this, position] {
            chooseAt(position, [this](const QString &selector, const QString &) {
                const int element = int(m_selectors.indexOf(selector));
                if (element >= 0)
                    m_selectors.removeAt(element);
                else
                    stopFollowing();
                emit stopAsked(element);
            });
        });
        menu->insertAction(first, stop);
    }
    menu->insertSeparator(first);
}

void PageElements::stopFollowing()
{
    m_selectors.clear();
}

void PageElements::stopReadingTimeLeft()
{
    m_timeLeftSelector.clear();
}

void PageElements::readAfterLoad(bool loaded)
{
    if (!loaded)
        return;
    // A selector forgotten while the script ran is not reported.
    for (int element = 0; element < m_selectors.size(); ++element) {
        const QString selector = m_selectors[element];
        readElement(selector, [this, element, selector](bool found, const QString &text) {
            if (m_selectors.value(element) == selector)
                emit read(element, found, text);
        });
    }
    if (!m_timeLeftSelector.isEmpty()) {
        const QString selector = m_timeLeftSelector;
        readElement(selector, [this, selector](bool found, const QString &text) {
            if (m_timeLeftSelector == selector)
                emit timeLeftRead(found, text);
        });
    }
}

void PageElements::chooseAt(const QPoint &position,
                            const std::function<void(const QString &, const QString &)> &chosen)
{
    const qreal zoom = m_view->zoomFactor();
    const QString script = QString::fromLatin1(kChooseElementScript)
                               .arg(QString::number(position.x() / zoom), QString::number(position.y() / zoom));
    m_view->page()->runJavaScript(script, m_world, [chosen](const QVariant &answer) {
        const QVariantList found = answer.toList();
        if (found.size() == 2 && !found[0].toString().isEmpty())
            chosen(found[0].toString(), found[1].toString());
    });
}

void PageElements::readElement(const QString &selector, const std::function<void(bool, const QString &)> &read)
{
    const QString selectorLiteral =
        QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{selector}).toJson(QJsonDocument::Compact));
    // The literal is a one-element array; the script wants its element.
    const QString script = QString::fromLatin1(kReadElementScript).arg(selectorLiteral + QStringLiteral("[0]"));
    m_view->page()->runJavaScript(script, m_world, [read](const QVariant &answer) {
        read(answer.typeId() == QMetaType::QString, answer.toString());
    });
}

void PageElements::restore(const QStringList &followed, const QString &timeLeft)
{
    m_selectors = followed;
    m_timeLeftSelector = timeLeft;
}
