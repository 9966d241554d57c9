// A timer of a window in the manner of a form's timer control: an interval
// and an enabled switch. Setting either while it runs starts the count again.
// Its ticks arrive as WM_TIMER on the window and are passed to Dispatch.
#pragma once
#include <windows.h>

#include <cstdint>

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

    // Runs the handler for this timer's WM_TIMER. A tick that arrives while
    // the handler is still running (a message box inside it pumps messages)
    // or after the timer was disabled is dropped.
    bool Dispatch(WPARAM timerId, void (*handler)());

private:
    void Start();

    UINT_PTR id_;
    HWND window_ = nullptr;
    std::int32_t interval_ = 0;
    bool enabled_ = false;
    bool running_ = false;
};
