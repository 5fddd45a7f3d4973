// SPDX-License-Identifier: MIT
#include "MonthDocument.h"

#include "CalendarDelegate.h"
#include "CalendarModel.h"
#include "ui/kit/Look.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace MonthDocument {
namespace {

constexpr qreal MarkBorder = 3;
// Sizes in points that fit a month of six weeks, its titles and notes on one landscape page.
constexpr qreal TitleSize = 18;
constexpr qreal SubtitleSize = 12;
constexpr qreal DaySize = 14;
constexpr qreal TextSize = 10;

QTextCharFormat textFormat(qreal points, bool bold)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(Look::Black);
    return format;
}

// A cell on the ground of its marks, framed when it is today, as the window draws it.
void markCell(QTextTableCell cell, int marks)
{
    QTextTableCellFormat format = cell.format().toTableCellFormat();
    if (marks & DayMarks::Birth)
        format.setBackground(CalendarDelegate::BirthGround);
    else if (marks & DayMarks::Wetonan)
        format.setBackground(CalendarDelegate::WetonanGround);
    if (marks & DayMarks::Today) {
        format.setBorder(MarkBorder);
        format.setBorderBrush(CalendarDelegate::TodayFrame);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    }
    cell.setFormat(format);
}

void fillDay(const QTextTableCell &cell, const QModelIndex &day)
{
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.insertText(day.data(Qt::DisplayRole).toString(), textFormat(DaySize, true));
    if (day.data(Qt::DisplayRole).isNull())
        return;
    markCell(cell, day.data(CalendarModel::MarksRole).toInt());
    cursor.insertBlock();
    cursor.insertText(day.data(CalendarModel::MarketDayRole).toString(), textFormat(TextSize, false));
    cursor.insertBlock();
    cursor.insertText(day.data(CalendarModel::JavaneseDayRole).toString(),
                      textFormat(TextSize, day.data(CalendarModel::MonthBeginsRole).toBool()));
    const QString mangsa = day.data(CalendarModel::MangsaBeginsRole).toString();
    if (!mangsa.isEmpty()) {  // beside the Javanese day, as the window draws it
        QTextCharFormat italic = textFormat(TextSize, false);
        italic.setFontItalic(true);
        cursor.insertText(QStringLiteral(" "), textFormat(TextSize, false));
        cursor.insertText(mangsa, italic);
    }
}

// A table across the page whose first column takes the given share of its width, the others sharing the
// rest alike.
QTextTableFormat gridFormat(int columns, qreal border, qreal firstShare)
{
    QTextTableFormat grid;
    grid.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    grid.setBorder(border);
    grid.setCellSpacing(0);
    grid.setCellPadding(3);
    grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QList<QTextLength> widths(columns, QTextLength(QTextLength::PercentageLength, (100 - firstShare) / (columns - 1)));
    widths[0] = QTextLength(QTextLength::PercentageLength, firstShare);
    grid.setColumnWidthConstraints(widths);
    return grid;
}

void insertMonth(QTextCursor &cursor, const CalendarModel &model)
{
    const int columns = model.columnCount() + 1;
    // The wuku column a little wider than the days: room for the longest names in bold.
    QTextTableFormat grid = gridFormat(columns, 1, 14);
    grid.setHeaderRowCount(1);
    QTextTable *table = cursor.insertTable(model.rowCount() + 1, columns, grid);
    table->cellAt(0, 0).firstCursorPosition().insertText(CalendarModel::wukuCaption(), textFormat(TextSize, true));
    for (int column = 1; column < columns; ++column)
        table->cellAt(0, column).firstCursorPosition().insertText(
            model.headerData(column - 1, Qt::Horizontal, Qt::DisplayRole).toString(), textFormat(TextSize, true));
    for (int row = 0; row < model.rowCount(); ++row) {
        table->cellAt(row + 1, 0)
            .firstCursorPosition()
            .insertText(model.headerData(row, Qt::Vertical, Qt::DisplayRole).toString(), textFormat(TextSize, true));
        for (int column = 1; column < columns; ++column)
            fillDay(table->cellAt(row + 1, column), model.index(row, column - 1));
    }
    cursor.movePosition(QTextCursor::End);
}

// What the marks mean, each caption on its mark, in a row under the month; then the chosen day's details.
void insertNotes(QTextCursor &cursor, const CalendarModel &model, const QString &chosenDay)
{
    QList<DayMarks::Mark> marks{DayMarks::Today};
    if (model.birth().isValid())
        marks << DayMarks::Birth << DayMarks::Wetonan;
    QTextTableFormat legendFormat = gridFormat(int(marks.size()) + 1, 0, 0);
    legendFormat.setCellSpacing(3);
    legendFormat.setWidth(QTextLength());
    legendFormat.setColumnWidthConstraints({});
    QTextTable *legend = cursor.insertTable(1, int(marks.size()), legendFormat);
    for (int column = 0; column < marks.size(); ++column) {
        legend->cellAt(0, column).firstCursorPosition().insertText(CalendarModel::markCaption(marks[column]),
                                                                   textFormat(TextSize, false));
        markCell(legend->cellAt(0, column), marks[column]);
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(chosenDay, textFormat(TextSize, false));
}

}  // namespace

void compose(QTextDocument &document, const CalendarModel &model, const Notes &notes)
{
    document.clear();
    document.setDefaultFont(Look::verdana(10));
    QTextCursor cursor(&document);
    cursor.insertText(model.sheet().title(), textFormat(TitleSize, true));
    cursor.insertBlock();
    // The Javanese and the Hijri months on one line, as the window shows them, so the month keeps one page.
    cursor.insertText(model.sheet().javaneseTitle() + QStringLiteral("    ") + model.sheet().hijriTitle(),
                      textFormat(SubtitleSize, false));
    if (!notes.person.isEmpty()) {
        cursor.insertBlock();
        cursor.insertText(notes.person, textFormat(SubtitleSize, true));
    }
    insertMonth(cursor, model);
    insertNotes(cursor, model, notes.chosenDay);
}

}  // namespace MonthDocument
