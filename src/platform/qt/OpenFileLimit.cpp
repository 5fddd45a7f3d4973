// SPDX-License-Identifier: MIT
#include "OpenFileLimit.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX

std::optional<long> tooFewOpenFiles()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY
        || limit.rlim_cur >= rlim_t(NeededOpenFiles))
        return std::nullopt;
    // Only the soft limit, and only as far as needed: the hard one is the administrator's.
    if (limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= rlim_t(NeededOpenFiles)) {
        const rlim_t soft = limit.rlim_cur;
        limit.rlim_cur = rlim_t(NeededOpenFiles);
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0)
            return std::nullopt;
        limit.rlim_cur = soft;
    }
    return long(limit.rlim_cur);
}

#else

// Windows has no such limit for a program of this size.
std::optional<long> tooFewOpenFiles() { return std::nullopt; }

#endif

}  // namespace platform
