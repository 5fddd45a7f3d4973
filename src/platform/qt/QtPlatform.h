// SPDX-License-Identifier: MIT
#pragma once

#include "QtBrowser.h"
#include "QtFileDialogs.h"
#include "QtHandOver.h"
#include "QtInstanceLock.h"
#include "QtMessageBoxes.h"
#include "QtPrinter.h"
#include "QtSettingsArea.h"
#include "SystemServices.h"

namespace platform {

// The real services, owned in one place for the program's composition root.
class QtPlatform
{
public:
    Platform &platform() { return m_platform; }

private:
    QtMessageBoxes m_messages;
    QtFileDialogs m_fileDialogs;
    QtBrowser m_browser;
    QtPrinter m_printer;
    QtSettingsArea m_settings;
    QtInstanceLock m_lock;
    QtHandOver m_handOver;
    SystemClock m_clock;
    MersenneRandom m_random;
    QtProcess m_process;
    Platform m_platform{m_messages, m_fileDialogs, m_browser, m_printer, m_settings,
                        m_lock,     m_clock,       m_random,  m_process, m_handOver};
};

}  // namespace platform
