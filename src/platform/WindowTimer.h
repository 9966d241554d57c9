// A timer of a window in the manner of a form's timer control: an interval
// and an enabled switch. Setting either while it runs starts the count again.
// Its ticks arrive as WM_TIMER on the window and are passed to Dispatch.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

class WindowTimer {
public:
    explicit WindowTimer(UINT_PTR id) : id_(id) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // The window the ticks go to; a running timer moves along with it.
    void Attach(HWND window);

    void SetInterval(std::int32_t milliseconds);
    std::int32_t Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    // Runs the handler for this timer's WM_TIMER; a tick after the timer was
    // disabled is dropped. The handler never runs inside itself: a tick that
    // arrives while it runs (a message box inside it pumps messages) runs it
    // again once it has returned, if the timer is still enabled then. A
    // handler that acts once per arming disables its timer first, so such a
    // tick can only come from an arming made meanwhile.
    bool Dispatch(WPARAM timerId, const std::function<void()>& handler);

private:
    void Start();

    UINT_PTR id_;
    HWND window_ = nullptr;
    std::int32_t interval_ = 0;
    bool enabled_ = false;
    bool running_ = false;
    bool tickedWhileRunning_ = false;
};
