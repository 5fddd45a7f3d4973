// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace platform {

class QtBrowser final : public Browser
{
public:
    void open(const QString &address) override;
};

}  // namespace platform
