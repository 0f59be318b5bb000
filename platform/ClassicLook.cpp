#include "platform/ClassicLook.h"

#include <QStringList>
#include <QWidget>

QFont classicFont(const QString &family, double pointSize)
{
    QFont font;
    font.setFamilies(QStringList{family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(pointSize);
    return font;
}

void setDarkBlueText(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    widget->setPalette(palette);
}
