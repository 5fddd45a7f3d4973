#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace platform {

MessageAnswer QtMessageBoxes::show(const Message &message)
{
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(message.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    message.title, message.text, yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return yesNo ? MessageAnswer::No : MessageAnswer::Ok;  // Esc on a Yes/No box means No
    }
}

}  // namespace platform
