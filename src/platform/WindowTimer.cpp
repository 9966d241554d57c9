#include "WindowTimer.h"

void WindowTimer::Attach(HWND window) {
    if (window_ && enabled_) KillTimer(window_, id_);
    window_ = window;
    if (enabled_) Start();
}

void WindowTimer::SetInterval(std::int32_t milliseconds) {
    interval_ = milliseconds;
    if (enabled_) Start();
}

void WindowTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled) {
        Start();
    } else if (window_) {
        KillTimer(window_, id_);
    }
}

void WindowTimer::Start() {
    // SetTimer on a running id starts its count again, as a new interval does.
    if (window_) SetTimer(window_, id_, static_cast<UINT>(interval_ < 0 ? 0 : interval_), nullptr);
}

bool WindowTimer::Dispatch(WPARAM timerId, const std::function<void()>& handler) {
    if (timerId != id_) return false;
    if (!enabled_) return true;
    if (running_) {
        tickedWhileRunning_ = true;
        return true;
    }
    running_ = true;
    do {
        tickedWhileRunning_ = false;
        handler();
    } while (tickedWhileRunning_ && enabled_);
    running_ = false;
    return true;
}
