// SPDX-License-Identifier: MIT
#include "CalendarPanels.h"

#include "CalendarModel.h"
#include "ui/kit/Controls.h"
#include "ui/kit/FocusMark.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace CalendarPanels {

QLabel *legend(DayMarks::Mark mark, const QColor &ground, const QColor &frame)
{
    auto *label = new QLabel(CalendarModel::markCaption(mark));
    label->setContentsMargins(6, 2, 6, 2);
    Controls::setBackground(label, ground);
    Controls::setTextColour(label, Look::Black);
    if (frame.isValid()) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(2);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, frame);
        label->setPalette(palette);
    }
    return label;
}

QScrollArea *detailsArea(std::initializer_list<QWidget *> texts)
{
    auto *inside = new QWidget;
    auto *column = new QVBoxLayout(inside);
    column->setContentsMargins(0, 0, 0, 0);
    for (QWidget *text : texts)
        column->addWidget(text);
    column->addStretch(1);
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("detailsArea"));
    area->setAccessibleName(QCoreApplication::translate("CalendarWindow", "Details"));
    FocusMark::install(area);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setWidget(inside);
    for (QWidget *ground : {static_cast<QWidget *>(area), area->viewport(), inside})
        ground->setAutoFillBackground(false);
    return area;
}

}  // namespace CalendarPanels
