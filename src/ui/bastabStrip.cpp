#include "bastabStrip.h"

#include <cstdint>

#include "cTabStrip.h"

namespace bastabStrip {

std::wstring PropertyName(HWND container) {
    // Window handles are 32-bit values, sign-extended on 64-bit Windows.
    return std::to_wstring(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(container)));
}

LRESULT CALLBACK TabStripProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    // The property holds the object without owning it; the object takes the
    // hook away before it goes.
    auto* owner = static_cast<cTabStrip*>(GetPropW(hwnd, PropertyName(hwnd).c_str()));
    if (!owner) return DefWindowProcW(hwnd, uMsg, wParam, lParam);
    return owner->CallBackWindowProc(hwnd, uMsg, wParam, lParam);
}

}  // namespace bastabStrip
