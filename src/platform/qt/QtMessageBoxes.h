// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

namespace platform {

class QtMessageBoxes final : public MessageBoxes
{
public:
    MessageAnswer show(const Message &message) override;
};

}  // namespace platform
