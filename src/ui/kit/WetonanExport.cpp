// SPDX-License-Identifier: MIT
#include "WetonanExport.h"

#include "Messages.h"
#include "files/WetonanEvent.h"
#include "ical/WetonanIcs.h"

#include <QCoreApplication>
#include <QDateTime>

namespace WetonanExport {

QString caption() { return QCoreApplication::translate("WetonanExport", "Export &Wetonan..."); }

void run(const Services &services, const QString &name, QDate birth, bool afterSunset)
{
    const QString path =
        SaveFlow::choosePath({services.messages, services.fileDialogs},
                             {QCoreApplication::translate("WetonanExport", "Export Wetonan"), WetonanEvent::FileFilter},
                             WetonanEvent::Extension);
    if (path.isEmpty())
        return;
    // Only asked where the file can be written: a folder or a device at the path is refused at once.
    const SaveTarget::Kind standing = SaveTarget::kindAt(path);
    const bool reminder = (standing == SaveTarget::Kind::Nothing || standing == SaveTarget::Kind::File)
                          && Messages::show(services.messages,
                                            QCoreApplication::translate(
                                                "WetonanExport", "Add a reminder on the evening before each wetonan?"),
                                            platform::MessageIcon::Information, platform::MessageButtons::YesNo)
                                 == platform::MessageAnswer::Yes;
    const QDateTime stamp = QDateTime::fromMSecsSinceEpoch(services.clock.msecsSinceEpoch(), Qt::UTC);
    const QByteArray bytes = WetonanIcs::compose(WetonanEvent::of(name, birth, afterSunset, reminder), stamp);
    SaveFlow::write(services.messages, path, bytes, SaveTarget::Content::Wetonan);
}

}  // namespace WetonanExport
