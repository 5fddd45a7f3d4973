// SPDX-License-Identifier: MIT
#include "FocusMark.h"

#include <QEvent>
#include <QFocusFrame>

namespace FocusMark {
namespace {

class Watcher final : public QObject
{
public:
    explicit Watcher(QWidget *control) : QObject(control), m_frame(new QFocusFrame(control->parentWidget()))
    {
        m_frame->hide();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_frame->setWidget(static_cast<QWidget *>(watched));
        else if (event->type() == QEvent::FocusOut)
            m_frame->setWidget(nullptr);
        return false;
    }

private:
    QFocusFrame *m_frame;
};

}  // namespace

void install(QWidget *control) { control->installEventFilter(new Watcher(control)); }

}  // namespace FocusMark
