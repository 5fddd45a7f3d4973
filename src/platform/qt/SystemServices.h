// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Platform.h"

#include <random>

namespace platform {

class SystemClock final : public Clock
{
public:
    QDate today() const override;
    qint64 msecsSinceEpoch() const override;
};

class MersenneRandom final : public RandomSource
{
public:
    void seed(quint64 seed) override;
    double next() override;

private:
    std::mt19937_64 m_engine{0};
};

class QtProcess final : public Process
{
public:
    void exit(int status) override;
};

}  // namespace platform
