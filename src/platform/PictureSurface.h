// A persistent off-screen picture: a 32-bit top-down DIB section selected into
// its own memory DC, sized in physical pixels. Captures draw into it, the
// clipboard and the printer read from it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "UniqueHandle.h"

// The header of a 32-bit top-down DIB of w x h pixels, the layout of every
// picture here.
BITMAPINFO TopDownBitmapInfo(int width, int height);

class PictureSurface {
public:
    PictureSurface() = default;
    ~PictureSurface();
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;
    // A capture travels from its source to its output without a copy.
    PictureSurface(PictureSurface&& other) noexcept { Swap(other); }
    PictureSurface& operator=(PictureSurface&& other) noexcept {
        PictureSurface gone(std::move(other));
        Swap(gone);
        return *this;
    }

    // Gives the picture a new size and clears it. A size that cannot be held
    // (no memory for it, or more than 2 GB) leaves an empty 0 x 0 picture and
    // returns false.
    bool Resize(int width, int height);

    // Whether a picture of that size is within what a bitmap can hold.
    static bool Holdable(int width, int height);

    // Gives the picture a new size and the pixels that fill() writes into a
    // new bitmap (0x00RRGGBB, rows from the top), all or nothing: when that
    // bitmap cannot be made or fill() answers false, the picture stays
    // exactly as it was.
    bool Replace(int width, int height, const std::function<bool(std::uint32_t* pixels)>& fill);

    // Fills the picture with the system window-background colour.
    void Clear();

    HDC Dc() const { return dc_.get(); }
    HBITMAP Bitmap() const { return bitmap_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixels as 0x00RRGGBB, row after row from the top, with every pending
    // GDI drawing finished.
    std::uint32_t* Pixels() const {
        GdiFlush();
        return pixels_;
    }

private:
    void EnsureDc();
    void Swap(PictureSurface& other) noexcept;

    unique_hdc dc_;
    unique_hbitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
