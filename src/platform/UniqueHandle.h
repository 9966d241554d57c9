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

}  // namespace handles

using unique_hfile = handles::unique_any<handles::FileTraits>;
using unique_hicon = handles::unique_any<handles::IconTraits>;
using unique_hwnd = handles::unique_any<handles::WindowTraits>;
using unique_hprinter = handles::unique_any<handles::PrinterTraits>;
