// SPDX-License-Identifier: MIT
#include "FakePlatform.h"

#include <QTextDocument>

namespace fakes {

platform::MessageAnswer FakeMessageBoxes::show(const platform::Message &message)
{
    shown.append(message);
    if (onShow)
        onShow(message);
    if (message.buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    return answers.isEmpty() ? platform::MessageAnswer::No : answers.takeFirst();
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList result;
    for (const platform::Message &message : shown)
        result.append(message.text);
    return result;
}

QString FakeFileDialogs::openFileName(const platform::FileDialogRequest &request)
{
    openRequests.append(request);
    return nextOpenName;
}

QString FakeFileDialogs::saveFileName(const platform::FileDialogRequest &request)
{
    saveRequests.append(request);
    return nextSaveName;
}

platform::PrintOutcome FakePrinter::print(const QTextDocument &document, platform::PageOrientation orientation)
{
    if (outcome == platform::PrintOutcome::Printed) {
        orientations.append(orientation);
        printedPlainTexts.append(document.toPlainText());
        printedHtml.append(document.toHtml());
    }
    return outcome;
}

QString FakeSettings::read(const QString &section, const QString &key)
{
    ++reads;
    return values.value(section + QLatin1Char('/') + key);
}

void FakeSettings::write(const QString &section, const QString &key, const QString &value)
{
    ++writes;
    values.insert(section + QLatin1Char('/') + key, value);
}

double FakeRandom::next()
{
    ++draws;
    return values.isEmpty() ? 0.5 : values.takeFirst();
}

}  // namespace fakes
