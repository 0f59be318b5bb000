#include "platform/ClassicLook.h"

#include "platform/core/Contrast.h"

#include <QEvent>
#include <QStringList>
#include <QWidget>

namespace {

void applyLabelColour(QWidget *widget)
{
    const QColor window = widget->palette().color(QPalette::Window);
    const Rgb colour = labelColourOn({window.red(), window.green(), window.blue()});
    const QColor wanted(colour.red, colour.green, colour.blue);
    // Setting the palette raises another palette change; the same colour ends it.
    if (widget->palette().color(QPalette::WindowText) == wanted)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, wanted);
    widget->setPalette(palette);
}

// Keeps a label readable when the palette changes under it, as on a switch to a dark theme.
class LabelColourKeeper final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
            applyLabelColour(static_cast<QWidget *>(watched));
        return false;
    }
};

} // namespace

QFont classicFont(const QString &family, double pointSize)
{
    QFont font;
    font.setFamilies(QStringList{family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(pointSize);
    return font;
}

void setDarkBlueText(QWidget *widget)
{
    applyLabelColour(widget);
    widget->installEventFilter(new LabelColourKeeper(widget));
}
