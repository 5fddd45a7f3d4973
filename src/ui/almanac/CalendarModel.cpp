// SPDX-License-Identifier: MIT
#include "CalendarModel.h"

#include "weton/DaySignCatalogue.h"

CalendarModel::CalendarModel(QObject *parent) : QAbstractTableModel(parent) {}

void CalendarModel::setMonth(int year, int month)
{
    beginResetModel();
    m_sheet = MonthSheet(year, month);
    endResetModel();
}

void CalendarModel::setMarks(QDate today, QDate birth, bool afterSunset)
{
    m_today = today;
    m_birth = birth;
    m_afterSunset = afterSunset;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {MarksRole, Qt::AccessibleTextRole, Qt::ToolTipRole});
}

QModelIndex CalendarModel::indexOf(QDate date) const
{
    const std::optional<MonthSheet::Cell> cell = m_sheet.cellOf(date);
    return cell ? index(cell->row, cell->column) : QModelIndex();
}

QDate CalendarModel::dateAt(const QModelIndex &index) const
{
    const DayFacts::Facts *day = m_sheet.dayAt(index.row(), index.column());
    return day ? day->date : QDate();
}

int CalendarModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_sheet.rows(); }

int CalendarModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : MonthSheet::Columns; }

QVariant CalendarModel::data(const QModelIndex &index, int role) const
{
    const DayFacts::Facts *day = m_sheet.dayAt(index.row(), index.column());
    if (!day)
        return {};
    switch (role) {
    case Qt::DisplayRole: return QString::number(day->date.day());
    case MarketDayRole: return DaySignCatalogue::marketDayInLookupOrder(day->neptu.marketDay);
    case JavaneseDayRole:
        if (!day->javanese)
            return {};
        return day->javanese->day == 1 ? monthBeginText(day->javanese->month) : QString::number(day->javanese->day);
    case MonthBeginsRole: return day->javanese && day->javanese->day == 1;
    case MarksRole: return DayMarks::of(day->date, m_today, m_birth, m_afterSunset);
    case MangsaBeginsRole: return day->mangsa.day == 1 ? day->mangsa.name.toString() : QString();
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole: return spokenWithMarks(*day);
    default: return {};
    }
}

QString CalendarModel::wukuCaption() { return tr("Wuku"); }

QString CalendarModel::markCaption(DayMarks::Mark mark)
{
    switch (mark) {
    case DayMarks::Today: return tr("Today");
    case DayMarks::Birth: return tr("Date of Birth");
    case DayMarks::Wetonan: return tr("Wetonan: the same weton, every 35 days");
    case DayMarks::None: break;
    }
    return {};
}

QString CalendarModel::monthBeginText(int month)
{
    // The day a Javanese month begins carries the month's name, as almanacs print it.
    return QStringLiteral("1 %1").arg(JavaneseCalendar::monthName(month));
}

QString CalendarModel::spokenWithMarks(const DayFacts::Facts &day) const
{
    QString text = DayFacts::spoken(day);
    if (day.mangsa.day == 1)
        text += tr(", mangsa %1 begins").arg(day.mangsa.name);
    const int marks = DayMarks::of(day.date, m_today, m_birth, m_afterSunset);
    if (marks & DayMarks::Today)
        text += tr(", today");
    if (marks & DayMarks::Birth)
        text += tr(", date of birth");
    if (marks & DayMarks::Wetonan)
        text += tr(", wetonan of the date of birth");
    return text;
}

QVariant CalendarModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // A name cut short in a narrow header is whole in its tooltip.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (orientation == Qt::Horizontal)
        return DayFacts::shownWeekday(section);
    return m_sheet.wukuOfRow(section).name.toString();
}

Qt::ItemFlags CalendarModel::flags(const QModelIndex &index) const
{
    // The cells of the neighbouring months stay empty and cannot be chosen.
    return m_sheet.dayAt(index.row(), index.column()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                      : Qt::ItemFlags(Qt::NoItemFlags);
}
