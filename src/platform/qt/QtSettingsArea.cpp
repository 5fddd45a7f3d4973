// SPDX-License-Identifier: MIT
#include "QtSettingsArea.h"

#include <QSettings>

namespace platform {
namespace {

const QString ApplicationName = QStringLiteral("Wetonara");

QString address(const QString &section, const QString &key) { return section + QLatin1Char('/') + key; }

}  // namespace

QString QtSettingsArea::read(const QString &section, const QString &key)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, ApplicationName, ApplicationName);
    if (store.status() != QSettings::NoError)
        return {};
    const QVariant value = store.value(address(section, key));
    return value.canConvert<QString>() ? value.toString() : QString();
}

void QtSettingsArea::write(const QString &section, const QString &key, const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, ApplicationName, ApplicationName);
    store.setValue(address(section, key), value);
    store.sync();  // a store that cannot be written loses the value silently
}

}  // namespace platform
