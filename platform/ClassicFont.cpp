#include "platform/ClassicFont.h"

#include <QStringList>

QFont classicFont(const QString &family, double pointSize)
{
    QFont font;
    font.setFamilies(QStringList{family, QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSizeF(pointSize);
    return font;
}
