// SPDX-License-Identifier: MIT
#include "FocusMark.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPointer>

namespace FocusMark {
namespace {

// The frame lives beside the control, as a child of the control's parent, and Qt restacks it among its
// siblings: when the window goes, it may be destroyed before the control, whose destructor still sends
// it a last FocusOut. So the watcher reaches the frame only through a guarded pointer, and the frame
// goes with the control it marks.
class Watcher final : public QObject
{
public:
    explicit Watcher(QWidget *control) : QObject(control), m_frame(new QFocusFrame(control->parentWidget()))
    {
        m_frame->hide();
    }
    ~Watcher() override { delete m_frame.data(); }
    Watcher(const Watcher &) = delete;
    Watcher &operator=(const Watcher &) = delete;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_frame)
            return false;
        if (event->type() == QEvent::FocusIn)
            m_frame->setWidget(static_cast<QWidget *>(watched));
        else if (event->type() == QEvent::FocusOut)
            m_frame->setWidget(nullptr);
        return false;
    }

private:
    QPointer<QFocusFrame> m_frame;
};

}  // namespace

void install(QWidget *control) { control->installEventFilter(new Watcher(control)); }

}  // namespace FocusMark
