// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace platform {

class QtFileDialogs final : public FileDialogs
{
public:
    QString openFileName(const FileDialogRequest &request) override;
    QString saveFileName(const FileDialogRequest &request) override;
};

}  // namespace platform
