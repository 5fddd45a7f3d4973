// SPDX-License-Identifier: MIT
#include "QtMessageBoxes.h"

#include "WindowInFront.h"

#include <QMessageBox>
#include <QPointer>

namespace platform {

namespace {

MessageAnswer answerOf(int button, bool yesNo)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return yesNo ? MessageAnswer::No : MessageAnswer::Ok;  // Esc on a Yes/No box means No
    }
}

}  // namespace

MessageAnswer QtMessageBoxes::show(const Message &message)
{
    const bool yesNo = message.buttons != MessageButtons::Ok;
    // Owned by the window that raised it, the box stays above that, even above the topmost companion screen.
    QWidget *owner = windowInFront();
    // The box dies with its owner if the run ends while it is open; exec() then returns and the box is
    // not deleted twice.
    QPointer<QMessageBox> box = new QMessageBox(
        message.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, message.title,
        message.text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(!yesNo                                              ? QMessageBox::Ok
                          : message.buttons == MessageButtons::YesNoDefaultNo ? QMessageBox::No
                                                                              : QMessageBox::Yes);
    // A topmost owner gets a topmost box, whatever the window manager does with owned windows. With no
    // window of ours in front (a second copy, a question before the first window) the box stays on top
    // itself: it may have to be seen above the topmost companion screen of the copy already running.
    if (!owner || owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const int button = box->exec();
    // Esc and the title bar's close count as a button; a box left without one was ended with the run.
    const bool answered = box && box->clickedButton();
    delete box;
    return answered ? answerOf(button, yesNo) : MessageAnswer::None;
}

}  // namespace platform
