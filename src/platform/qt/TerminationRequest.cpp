// SPDX-License-Identifier: MIT
#include "TerminationRequest.h"

#include <QObject>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

// A signal handler may do almost nothing: it writes one byte, and the event loop reads it.
int requestPipe[2] = {-1, -1};

extern "C" void noteTerminationRequest(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(requestPipe[1], &byte, 1);
}

}  // namespace

void onTerminationRequest(QObject *context, std::function<void()> ending)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, requestPipe) != 0)
        return;  // then the signals keep their default effect
    ::fcntl(requestPipe[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(requestPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [ending = std::move(ending)] {
        char bytes[16];
        [[maybe_unused]] const ssize_t read = ::read(requestPipe[0], bytes, sizeof bytes);
        ending();
    });
    struct sigaction action = {};
    action.sa_handler = noteTerminationRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

#else

void onTerminationRequest(QObject *, std::function<void()>) {}

#endif

}  // namespace platform
