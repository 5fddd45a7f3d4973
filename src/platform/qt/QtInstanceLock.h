#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <memory>

namespace platform {

class QtInstanceLock final : public InstanceLock
{
public:
    bool acquire() override;

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace platform
