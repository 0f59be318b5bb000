#include "platform/web/WebPageElements.h"

#include "platform/web/PageScripts.h"

#include <QJsonDocument>
#include <QMenu>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

WebPageElements::WebPageElements(QWebEngineView *view, quint32 world, QObject *owner)
    : PageElements(owner)
    , m_view(view)
    , m_world(world)
{
    connect(m_view, &QWebEngineView::loadFinished, this, &WebPageElements::readAfterLoad);
}

void WebPageElements::setMenuEntries(const QStringList &labels)
{
    m_labels = labels;
}

void WebPageElements::read(int key, const QString &selector)
{
    m_selectors[key] = selector;
}

void WebPageElements::stopReading(int key)
{
    m_selectors.remove(key);
}

void WebPageElements::addMenuEntries(QMenu *menu, const QPoint &position)
{
    if (m_labels.isEmpty())
        return;
    QAction *first = menu->actions().value(0);
    for (int entry = 0; entry < m_labels.size(); ++entry) {
        QAction *action = new QAction(m_labels[entry], menu);
        connect(action, &QAction::triggered, this, [this, entry, position] {
            chooseAt(position, [this, entry](const QString &selector, const QString &text) {
                emit picked(entry, selector, text);
            });
        });
        menu->insertAction(first, action);
    }
    menu->insertSeparator(first);
}

void WebPageElements::readAfterLoad(bool loaded)
{
    if (!loaded || m_selectors.isEmpty())
        return;
    // A selector forgotten or pointed elsewhere while the script ran is not
    // told, but its answer still counts towards the load's end.
    auto left = std::make_shared<int>(int(m_selectors.size()));
    for (auto it = m_selectors.cbegin(); it != m_selectors.cend(); ++it) {
        const int key = it.key();
        const QString selector = it.value();
        readElement(selector, [this, key, selector, left](bool found, const QString &text) {
            if (m_selectors.value(key) == selector)
                emit elementRead(key, found, text);
            if (--*left == 0)
                emit loadRead();
        });
    }
}

void WebPageElements::chooseAt(const QPoint &position,
                               const std::function<void(const QString &, const QString &)> &chosen)
{
    const qreal zoom = m_view->zoomFactor();
    const QString script = QString::fromLatin1(kChooseElementScript)
                               .arg(QString::number(position.x() / zoom), QString::number(position.y() / zoom));
    // The owner may be gone by the time the page answers.
    m_view->page()->runJavaScript(script, m_world, [self = QPointer(this), chosen](const QVariant &answer) {
        const QVariantList found = answer.toList();
        if (self && found.size() == 2 && !found[0].toString().isEmpty())
            chosen(found[0].toString(), found[1].toString());
    });
}

void WebPageElements::readElement(const QString &selector, const std::function<void(bool, const QString &)> &read)
{
    const QString selectorLiteral =
        QString::fromUtf8(QJsonDocument::fromVariant(QVariantList{selector}).toJson(QJsonDocument::Compact));
    // The literal is a one-element array; the script wants its element.
    const QString script = QString::fromLatin1(kReadElementScript).arg(selectorLiteral + QStringLiteral("[0]"));
    m_view->page()->runJavaScript(script, m_world, [self = QPointer(this), read](const QVariant &answer) {
        if (self)
            read(answer.typeId() == QMetaType::QString, answer.toString());
    });
}
