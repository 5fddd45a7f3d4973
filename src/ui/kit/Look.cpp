// SPDX-License-Identifier: MIT
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

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            ++i;  // "&x" says x, "&&" says one "&"; a last lone "&" says nothing
            if (i == caption.size())
                break;
        }
        spoken.append(caption[i]);
    }
    return spoken;
}

QIcon programIcon()
{
    // Window icons need the small sizes only; the large images are for the desktop's icon theme.
    // QIcon decodes each file as it is added, so the set is made once.
    static const QIcon icon = [] {
        QIcon sizes;
        for (int size : {16, 32, 48})
            sizes.addFile(QStringLiteral(":/icons/wetonara-%1.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

}  // namespace Look
