#pragma once

#include "window/timer.h"

#include <windows.h>

#include <utility>

namespace hueprev::win32 {

// The core's timer on SetTimer: its WM_TIMER comes to the window, which
// hands it to elapsed().
class WindowTimer final : public Timer
{
public:
    WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    ~WindowTimer() override { KillTimer(window_, id_); }
    WindowTimer(const WindowTimer &) = delete;
    WindowTimer &operator=(const WindowTimer &) = delete;

    void start(int milliseconds, std::function<void()> due) override
    {
        due_ = std::move(due);
        // Should no timer be had, what was due is done at once.
        if (SetTimer(window_, id_, static_cast<UINT>(milliseconds), nullptr) == 0) {
            elapsed();
        }
    }
    void elapsed()
    {
        KillTimer(window_, id_);
        if (std::function<void()> due = std::exchange(due_, nullptr)) {
            due();
        }
    }
    UINT_PTR id() const { return id_; }

private:
    HWND window_;
    UINT_PTR id_;
    std::function<void()> due_;
};

} // namespace hueprev::win32
