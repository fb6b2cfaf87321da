#pragma once

#include "window/timer.h"

#include <QTimer>

#include <utility>

namespace hueprev {

// The core's timer on a single-shot QTimer of the event loop.
class QtTimer final : public Timer
{
public:
    QtTimer()
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { std::exchange(due_, nullptr)(); });
    }
    void start(int milliseconds, std::function<void()> due) override
    {
        due_ = std::move(due);
        timer_.start(milliseconds);
    }

private:
    QTimer timer_;
    std::function<void()> due_;
};

} // namespace hueprev
