#pragma once

#include "window/timer.h"

#include <QTimer>

namespace hueprev {

// The core's timer on a single-shot QTimer of the event loop.
class QtTimer final : public Timer
{
public:
    QtTimer()
    {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { elapsed(); });
    }

protected:
    void schedule(int milliseconds) override { timer_.start(milliseconds); }

private:
    QTimer timer_;
};

} // namespace hueprev
