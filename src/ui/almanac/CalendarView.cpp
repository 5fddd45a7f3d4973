// SPDX-License-Identifier: MIT
#include "CalendarView.h"

#include "CalendarDelegate.h"
#include "CalendarModel.h"
#include "weton/Wuku.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionHeader>

namespace {

// The corner above the wuku names is their column's header, with the caption the printed month gives it.
class CornerCaption final : public QLabel
{
public:
    CornerCaption(const QString &caption, QWidget *parent) : QLabel(caption, parent)
    {
        setObjectName(QStringLiteral("wukuCaption"));
        setAlignment(Qt::AlignCenter);
        setForegroundRole(QPalette::ButtonText);  // as the headers beside it draw their captions
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QStyleOptionHeader section;
        section.initFrom(this);
        section.rect = rect();
        section.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(this);
        style()->drawControl(QStyle::CE_HeaderSection, &section, &painter, this);
        painter.end();
        QLabel::paintEvent(event);
    }
};

}  // namespace

CalendarView::CalendarView(CalendarModel *model, QWidget *parent)
    : QTableView(parent), m_model(model), m_corner(new CornerCaption(CalendarModel::wukuCaption(), this))
{
    setObjectName(QStringLiteral("calendarGrid"));
    setModel(model);
    setItemDelegate(new CalendarDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);  // Tab leaves the table, as it leaves any other control
    setCornerButtonEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->setSectionsClickable(false);
        header->setTextElideMode(Qt::ElideRight);  // a weekday cut short is whole in its tooltip
        header->setMinimumSectionSize(1);
    }
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    fitWukuNames();
}

void CalendarView::fitWukuNames()
{
    // Wide enough for the longest of the thirty names from the start, so the column keeps its width
    // from month to month. Measured as the header measures a section, in the bold it may draw.
    QHeaderView *header = verticalHeader();
    QStyleOptionHeader section;
    section.initFrom(header);
    section.orientation = Qt::Vertical;
    QFont bold = header->font();
    bold.setBold(true);
    section.fontMetrics = QFontMetrics(bold);
    int width = 0;
    for (int number = 1; number <= Wuku::Count; ++number) {
        section.text = Wuku::name(number).toString();
        width = std::max(width, style()->sizeFromContents(QStyle::CT_HeaderSection, &section, {}, header).width());
    }
    header->setMinimumWidth(width);
}

QSize CalendarView::cellsSize(const QSize &cell) const
{
    const int frame = 2 * frameWidth();
    return {verticalHeader()->minimumWidth() + MonthSheet::Columns * cell.width() + frame,
            horizontalHeader()->sizeHint().height() + MonthSheet::MostRows * cell.height() + frame};
}

QSize CalendarView::sizeHint() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return cellsSize(itemDelegate()->sizeHint(option, {}));
}

QSize CalendarView::minimumSizeHint() const { return cellsSize(CalendarDelegate::minimumCellSize(font())); }

void CalendarView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWukuNames();
}

void CalendarView::updateGeometries()
{
    QTableView::updateGeometries();
    m_corner->setGeometry(verticalHeader()->x(), horizontalHeader()->y(), verticalHeader()->width(),
                          horizontalHeader()->height());
    m_corner->raise();
}

QModelIndex CalendarView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QDate from = m_model->dateAt(currentIndex());
    if (!from.isValid())
        return QTableView::moveCursor(action, modifiers);
    const bool byYear = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
    QDate to;
    switch (action) {
    case MoveLeft: to = from.addDays(-1); break;
    case MoveRight: to = from.addDays(1); break;
    case MoveUp: to = from.addDays(-7); break;
    case MoveDown: to = from.addDays(7); break;
    case MoveHome: to = QDate(from.year(), from.month(), 1); break;
    case MoveEnd: to = QDate(from.year(), from.month(), from.daysInMonth()); break;
    case MovePageUp: to = byYear ? from.addYears(-1) : from.addMonths(-1); break;
    case MovePageDown: to = byYear ? from.addYears(1) : from.addMonths(1); break;
    default: return currentIndex();
    }
    const QModelIndex inMonth = m_model->indexOf(to);
    if (inMonth.isValid())
        return inMonth;
    emit leavingMonth(to);
    return currentIndex();
}
