// SPDX-License-Identifier: MIT
#include "MonthDocument.h"

#include "CalendarModel.h"
#include "Look.h"

#include <QCoreApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace MonthDocument {
namespace {

QTextCharFormat textFormat(qreal points, bool bold)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(Look::Black);
    return format;
}

void fillDay(const QTextTableCell &cell, const QModelIndex &day)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.insertText(day.data(Qt::DisplayRole).toString(), textFormat(14, true));
    if (day.data(Qt::DisplayRole).isNull())
        return;
    cursor.insertBlock();
    cursor.insertText(day.data(CalendarModel::MarketDayRole).toString(), textFormat(10, false));
    cursor.insertBlock();
    cursor.insertText(day.data(CalendarModel::JavaneseDayRole).toString(),
                      textFormat(10, day.data(CalendarModel::MonthBeginsRole).toBool()));
}

}  // namespace

void compose(QTextDocument &document, const CalendarModel &model)
{
    document.clear();
    document.setDefaultFont(Look::verdana(10));
    QTextCursor cursor(&document);
    cursor.insertText(model.sheet().title(), textFormat(18, true));
    cursor.insertBlock();
    cursor.insertText(model.sheet().javaneseTitle(), textFormat(12, false));
    cursor.insertBlock();

    QTextTableFormat grid;
    grid.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    grid.setBorder(1);
    grid.setCellSpacing(0);
    grid.setCellPadding(4);
    grid.setHeaderRowCount(1);
    grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    const int columns = model.columnCount() + 1;
    grid.setColumnWidthConstraints(
        QList<QTextLength>(columns, QTextLength(QTextLength::PercentageLength, 100.0 / columns)));
    QTextTable *table = cursor.insertTable(model.rowCount() + 1, columns, grid);
    table->cellAt(0, 0).firstCursorPosition().insertText(QCoreApplication::translate("MonthDocument", "Wuku"),
                                                         textFormat(10, true));
    for (int column = 1; column < columns; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(
            model.headerData(column - 1, Qt::Horizontal, Qt::DisplayRole).toString(), textFormat(10, true));
    for (int row = 0; row < model.rowCount(); ++row) {
        table->cellAt(row + 1, 0)
            .firstCursorPosition()
            .insertText(model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), textFormat(10, true));
        for (int column = 1; column < columns; ++column)
            fillDay(table->cellAt(row + 1, column), model.index(row, column - 1));
    }
}

}  // namespace MonthDocument
