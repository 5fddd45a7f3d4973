// SPDX-License-Identifier: MIT
#pragma once

#include "weton/DayMarks.h"

#include <QColor>
#include <initializer_list>

class QLabel;
class QScrollArea;
class QWidget;

// The calendar window's parts beside the month: the legend of its marks and the chosen day's details.
namespace CalendarPanels {

// What a mark means, on the mark's ground, framed in its colour where it is a frame.
[[nodiscard]] QLabel *legend(DayMarks::Mark mark, const QColor &ground, const QColor &frame);

// The chosen day's lines and the notes under them scroll when the window is made smaller than they need,
// so that the month keeps its room on a small screen or at a large scale.
[[nodiscard]] QScrollArea *detailsArea(std::initializer_list<QWidget *> texts);

}  // namespace CalendarPanels
