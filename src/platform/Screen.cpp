#include "Screen.h"

#include <windows.h>

#include "UniqueHandle.h"

namespace screen {
namespace {

double TwipsPerPixel(int axis) {
    const unique_window_dc dc = GetDcOf(nullptr);
    const int dpi = GetDeviceCaps(dc.get().dc, axis);
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
double TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace screen
