#pragma once

#include "window/timer.h"

#include <windows.h>

namespace hueprev::win32 {

// The core's timer on SetTimer: its WM_TIMER comes to the window, which
// hands it to fired().
class WindowTimer final : public Timer
{
public:
    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    ~WindowTimer() override { KillTimer(window_, id_); }
    WindowTimer(const WindowTimer &) = delete;
    WindowTimer &operator=(const WindowTimer &) = delete;

    // The window's WM_TIMER for it.
    void fired()
    {
        KillTimer(window_, id_);
        elapsed();
    }
    UINT_PTR id() const { return id_; }

protected:
    void schedule(int milliseconds) override
    {
        // Should no timer be had, what was due is done at once.
        if (SetTimer(window_, id_, static_cast<UINT>(milliseconds), nullptr) == 0) {
            elapsed();
        }
    }

private:
    HWND window_;
    UINT_PTR id_;
};

} // namespace hueprev::win32
