#pragma once

#include <functional>
#include <utility>

namespace hueprev {

// A one-shot timer each front-end lends the core from its own event loop
// (QTimer, SetTimer, setTimeout): it only schedules, and calls elapsed()
// when the time has come. The core decides every delay.
class Timer
{
public:
    virtual ~Timer() = default;
    // `due` runs once, `milliseconds` from now, on the GUI thread; starting
    // again before then replaces what was pending.
    void start(int milliseconds, std::function<void()> due)
    {
        due_ = std::move(due);
        schedule(milliseconds);
    }
    // The platform's timer fired (once more than needed does nothing).
    void elapsed()
    {
        if (std::function<void()> due = std::exchange(due_, nullptr)) {
            due();
        }
    }

protected:
    // Starts, or starts anew, the platform's one timer.
    virtual void schedule(int milliseconds) = 0;

private:
    std::function<void()> due_;
};

} // namespace hueprev
