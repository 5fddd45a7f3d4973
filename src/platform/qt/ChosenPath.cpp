// SPDX-License-Identifier: MIT
#include "ChosenPath.h"

#include <QDir>
#include <QFileInfo>

namespace platform {
namespace {

QString withSuffix(const QString &path, const QString &suffix)
{
    if (suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + suffix;
}

}  // namespace

ChosenPath choosePath(const QString &folder, const QString &typed, bool saving, const QString &defaultSuffix)
{
    if (typed.trimmed().isEmpty())
        return {};
    const QString named = QDir::cleanPath(QDir(folder).absoluteFilePath(QDir::fromNativeSeparators(typed)));
    if (QFileInfo(named).isDir())
        return {ChosenPath::Kind::Folder, named};
    if (saving) {
        const QString path = withSuffix(named, defaultSuffix);
        const QFileInfo file(path);
        if (file.isDir())
            return {ChosenPath::Kind::Folder, path};
        if (!file.dir().exists())
            return {ChosenPath::Kind::Missing, path};
        return {file.exists() ? ChosenPath::Kind::Existing : ChosenPath::Kind::File, path};
    }
    if (QFileInfo(named).isFile())
        return {ChosenPath::Kind::File, named};
    const QString suffixed = withSuffix(named, defaultSuffix);
    if (QFileInfo(suffixed).isFile())
        return {ChosenPath::Kind::File, suffixed};
    return {ChosenPath::Kind::Missing, named};
}

}  // namespace platform
