// SPDX-License-Identifier: MIT
#include "Messages.h"

#include "Identity.h"

namespace Messages {

platform::MessageAnswer show(platform::MessageBoxes &boxes, const QString &text, platform::MessageIcon icon,
                             platform::MessageButtons buttons)
{
    return boxes.show({text, Identity::ApplicationTitle, icon, buttons});
}

}  // namespace Messages
