#include "SystemServices.h"

#include <QCoreApplication>
#include <QDateTime>

namespace platform {

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

qint64 SystemClock::msecsSinceEpoch() const
{
    return QDateTime::currentMSecsSinceEpoch();
}

void MersenneRandom::seed(quint64 seed)
{
    m_engine.seed(seed);
}

double MersenneRandom::next()
{
    return std::generate_canonical<double, 53>(m_engine);
}

void QtProcess::exit(int status)
{
    QCoreApplication::exit(status);
}

} // namespace platform
