// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace platform {

// The user's settings area under the application name "Wetonara": an INI file under the user's
// configuration folder on Linux, the registry on Windows.
class QtSettingsArea final : public SettingsArea
{
public:
    QString read(const QString &section, const QString &key) override;
    void write(const QString &section, const QString &key, const QString &value) override;
};

}  // namespace platform
