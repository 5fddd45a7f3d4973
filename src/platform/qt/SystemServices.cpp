// SPDX-License-Identifier: MIT
#include "SystemServices.h"

#include <QCoreApplication>
#include <QDateTime>

namespace platform {

QDate SystemClock::today() const { return QDate::currentDate(); }

qint64 SystemClock::msecsSinceEpoch() const { return QDateTime::currentMSecsSinceEpoch(); }

void MersenneRandom::seed(quint64 seed) { m_engine.seed(seed); }

double MersenneRandom::next()
{
    // The top 53 bits as a fraction: always below 1, which std::generate_canonical does not promise.
    return double(m_engine() >> 11) * 0x1.0p-53;
}

void QtProcess::exit(int status) { QCoreApplication::exit(status); }

}  // namespace platform
