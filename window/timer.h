#pragma once

#include <functional>

namespace hueprev {

// A one-shot timer each front-end lends the core from its own event loop
// (QTimer, SetTimer, setTimeout). The core decides every delay.
class Timer
{
public:
    virtual ~Timer() = default;
    // `due` runs once, `milliseconds` from now, on the GUI thread; starting
    // again before then replaces what was pending.
    virtual void start(int milliseconds, std::function<void()> due) = 0;
};

} // namespace hueprev
