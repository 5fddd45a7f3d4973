#include "Look.h"

namespace Look {

QFont verdana(qreal points, int style)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(style & Bold);
    font.setUnderline(style & Underlined);
    return font;
}

QFont msSansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    return font;
}

QString shownCaption(const QString &caption)
{
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/wetonara-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace Look
