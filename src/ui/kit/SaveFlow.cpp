// SPDX-License-Identifier: MIT
#include "SaveFlow.h"

#include "Messages.h"

namespace SaveFlow {

QString choosePath(const Services &services, const platform::FileDialogRequest &request, QStringView extension)
{
    const QString chosen = services.fileDialogs.saveFileName(request);
    if (chosen.isEmpty())
        return {};
    QString path = SaveTarget::pathFor(chosen, extension);
    if (SaveTarget::kindAt(path) != SaveTarget::Kind::File)
        return path;
    const platform::MessageAnswer answer =
        Messages::show(services.messages, SaveTarget::replaceQuestion(path), platform::MessageIcon::Information,
                       platform::MessageButtons::YesNoDefaultNo);
    return answer == platform::MessageAnswer::Yes ? path : QString();
}

void write(platform::MessageBoxes &messages, const QString &path, const QByteArray &bytes, SaveTarget::Content content)
{
    const SaveTarget::Result result = SaveTarget::write(path, bytes);
    if (result.outcome != SaveTarget::Outcome::Saved)
        Messages::show(messages, SaveTarget::failureMessage(result, path, content), platform::MessageIcon::Critical);
}

}  // namespace SaveFlow
