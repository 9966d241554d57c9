// One move-only owner for every kind of Windows handle. Each kind is a small
// traits struct saying what "no handle" is and how to let one go. A live
// count per process lets tests prove that nothing leaks across many captures.
#pragma once
#include <windows.h>
#include <winspool.h>

#include <atomic>
#include <utility>

namespace handles {

inline std::atomic<long> liveCount{0};

// Handles owned right now, of every kind together.
inline long LiveCount() { return liveCount.load(); }

template <typename Traits>
class unique_any {
public:
    using pointer = typename Traits::pointer;

    unique_any() = default;
    explicit unique_any(pointer value) : value_(value) {
        if (valid()) ++liveCount;
    }
    unique_any(unique_any&& other) noexcept : value_(other.release()) {
        if (valid()) ++liveCount;
    }
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    ~unique_any() { reset(); }

    pointer get() const { return value_; }
    bool valid() const { return value_ != Traits::invalid(); }
    explicit operator bool() const { return valid(); }

    // Gives up ownership, for example once the system has taken the handle.
    pointer release() {
        if (valid()) --liveCount;
        return std::exchange(value_, Traits::invalid());
    }

    void reset(pointer value = Traits::invalid()) {
        if (valid()) {
            Traits::close(value_);
            --liveCount;
        }
        value_ = value;
        if (valid()) ++liveCount;
    }

private:
    pointer value_ = Traits::invalid();
};

// Offers the handle to a taker (the clipboard, a window) that owns it only if
// it says so: released when taken, still ours to close when refused.
template <typename Traits, typename Take>
bool HandOver(unique_any<Traits>& handle, Take take) {
    if (!take(handle.get())) return false;
    handle.release();
    return true;
}

// Most kinds use null for "no handle" and one function to let it go.
template <typename T, auto Close>
struct NullTraits {
    using pointer = T;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { Close(h); }
};

struct FileTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) { CloseHandle(h); }
};

struct FindTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) { FindClose(h); }
};

// A window's device context goes back to its window.
struct WindowDc {
    HWND window = nullptr;
    HDC dc = nullptr;
    bool operator==(const WindowDc&) const = default;
};
struct WindowDcTraits {
    using pointer = WindowDc;
    static pointer invalid() { return {}; }
    static void close(pointer h) { ReleaseDC(h.window, h.dc); }
};

}  // namespace handles

using unique_hfile = handles::unique_any<handles::FileTraits>;
using unique_hfind = handles::unique_any<handles::FindTraits>;
using unique_hdc = handles::unique_any<handles::NullTraits<HDC, DeleteDC>>;
using unique_hbitmap = handles::unique_any<handles::NullTraits<HBITMAP, DeleteObject>>;
using unique_hicon = handles::unique_any<handles::NullTraits<HICON, DestroyIcon>>;
using unique_hcursor = handles::unique_any<handles::NullTraits<HCURSOR, DestroyCursor>>;
using unique_hpen = handles::unique_any<handles::NullTraits<HPEN, DeleteObject>>;
using unique_hfont = handles::unique_any<handles::NullTraits<HFONT, DeleteObject>>;
// Destroying a menu destroys its submenus with it.
using unique_hmenu = handles::unique_any<handles::NullTraits<HMENU, DestroyMenu>>;
using unique_hwnd = handles::unique_any<handles::NullTraits<HWND, DestroyWindow>>;
using unique_hprinter = handles::unique_any<handles::NullTraits<HANDLE, ClosePrinter>>;
using unique_hhook = handles::unique_any<handles::NullTraits<HHOOK, UnhookWindowsHookEx>>;
using unique_window_dc = handles::unique_any<handles::WindowDcTraits>;

// The whole window's DC (frame included), or the client area's; null window:
// the screen.
inline unique_window_dc GetWindowDcOf(HWND window) {
    const HDC dc = GetWindowDC(window);
    return unique_window_dc(dc ? handles::WindowDc{window, dc} : handles::WindowDc{});
}
inline unique_window_dc GetDcOf(HWND window) {
    const HDC dc = GetDC(window);
    return unique_window_dc(dc ? handles::WindowDc{window, dc} : handles::WindowDc{});
}

// Selects a GDI object into a device context for the scope and puts the
// previous one back, so no DC is ever deleted with our object still in it.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
