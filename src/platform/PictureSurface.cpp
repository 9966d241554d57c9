#include "PictureSurface.h"

#include <utility>

bool PictureSurface::Holdable(int width, int height) {
    // A bitmap's size in bytes is a signed 32-bit number throughout GDI: one
    // past it may even be made, and then break the drawing that follows.
    return std::int64_t(width) * height * 4 <= 0x7FFFFFFF;
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

PictureSurface::~PictureSurface() {
    if (dc_) SelectObject(dc_.get(), originalBitmap_);
}

void PictureSurface::Swap(PictureSurface& other) noexcept {
    std::swap(dc_, other.dc_);
    std::swap(bitmap_, other.bitmap_);
    std::swap(originalBitmap_, other.originalBitmap_);
    std::swap(pixels_, other.pixels_);
    std::swap(width_, other.width_);
    std::swap(height_, other.height_);
}

void PictureSurface::EnsureDc() {
    if (dc_) return;
    dc_.reset(CreateCompatibleDC(nullptr));
    // A DC starts with a 1 x 1 stock bitmap; it goes back before ours is freed.
    originalBitmap_ = GetCurrentObject(dc_.get(), OBJ_BITMAP);
}

bool PictureSurface::Resize(int width, int height) {
    EnsureDc();
    if (width == width_ && height == height_ && (bitmap_ || width == 0 || height == 0)) {
        Clear();
        return true;
    }
    SelectObject(dc_.get(), originalBitmap_);
    bitmap_.reset();
    pixels_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return width == 0 || height == 0;
    if (!Holdable(width, height)) return false;

    const BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) return false;
    SelectObject(dc_.get(), bitmap_.get());
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    Clear();
    return true;
}

bool PictureSurface::Replace(int width, int height, const std::function<bool(std::uint32_t*)>& fill) {
    if (width <= 0 || height <= 0 || !Holdable(width, height)) return false;
    EnsureDc();
    const BITMAPINFO info = TopDownBitmapInfo(width, height);
    void* bits = nullptr;
    unique_hbitmap bitmap(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !fill(static_cast<std::uint32_t*>(bits))) return false;
    // The old bitmap leaves the DC before it is freed.
    SelectObject(dc_.get(), bitmap.get());
    bitmap_ = std::move(bitmap);
    pixels_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

void PictureSurface::Clear() {
    if (!bitmap_) return;
    const RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, GetSysColorBrush(COLOR_WINDOW));
}
