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

struct FileTraits {
    using pointer = HANDLE;
    static pointer invalid() { return INVALID_HANDLE_VALUE; }
    static void close(pointer h) { CloseHandle(h); }
};

struct IconTraits {
    using pointer = HICON;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DestroyIcon(h); }
};

struct CursorTraits {
    using pointer = HCURSOR;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DestroyCursor(h); }
};

struct MenuTraits {
    using pointer = HMENU;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DestroyMenu(h); }  // its submenus go with it
};

struct WindowTraits {
    using pointer = HWND;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DestroyWindow(h); }
};

struct PrinterTraits {
    using pointer = HANDLE;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { ClosePrinter(h); }
};

struct DcTraits {
    using pointer = HDC;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DeleteDC(h); }
};

template <typename T>
struct GdiObjectTraits {
    using pointer = T;
    static pointer invalid() { return nullptr; }
    static void close(pointer h) { DeleteObject(h); }
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

using unique_hdc = handles::unique_any<handles::DcTraits>;
using unique_window_dc = handles::unique_any<handles::WindowDcTraits>;
using unique_hbitmap = handles::unique_any<handles::GdiObjectTraits<HBITMAP>>;
using unique_hbrush = handles::unique_any<handles::GdiObjectTraits<HBRUSH>>;
using unique_hpen = handles::unique_any<handles::GdiObjectTraits<HPEN>>;
using unique_hfile = handles::unique_any<handles::FileTraits>;
using unique_hicon = handles::unique_any<handles::IconTraits>;
using unique_hcursor = handles::unique_any<handles::CursorTraits>;
using unique_hmenu = handles::unique_any<handles::MenuTraits>;
using unique_hwnd = handles::unique_any<handles::WindowTraits>;
using unique_hprinter = handles::unique_any<handles::PrinterTraits>;

inline unique_window_dc GetWindowDcOf(HWND window) {
    const HDC dc = GetWindowDC(window);
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
