#include "cTabStrip.h"

#include <commctrl.h>

#include <cmath>

#include "Text.h"
#include "bastabStrip.h"

namespace {

// WS_TABSTOP besides the classic base style: in a dialog the tabs are reached
// with the keyboard like any other control.
constexpr DWORD BaseStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
constexpr DWORD PlacementMask = TCS_VERTICAL | TCS_RIGHT;

DWORD PlacementBits(std::int16_t placement) {
    switch (placement) {
    case 1: return TCS_BOTTOM;
    case 2: return TCS_VERTICAL;
    case 3: return TCS_VERTICAL | TCS_RIGHT;
    default: return 0;
    }
}

DWORD StyleBits(std::int16_t style) {
    switch (style) {
    case 1: return TCS_BUTTONS;
    case 2: return TCS_BUTTONS | TCS_FLATBUTTONS;
    default: return 0;
    }
}

bool InitTabClasses() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
}

int ToPixels(float twips, float twipsPerPixel) { return static_cast<int>(std::lround(twips / twipsPerPixel)); }

}  // namespace

cTabStrip::~cTabStrip() {
    UnhookContainer();
    tabWindow_.reset();
}

void cTabStrip::PictureBox(HWND ctlNewPictureBox) {
    tabWindow_.reset();
    // Only one container can send its notifications here; the one assigned
    // before gets its own window procedure back.
    UnhookContainer();
    mctlPictureBox = ctlNewPictureBox;
    if (!mctlPictureBox) return;
    // The tab control draws the only border.
    SetWindowLongPtrW(mctlPictureBox, GWL_STYLE, GetWindowLongPtrW(mctlPictureBox, GWL_STYLE) & ~WS_BORDER);
    SetWindowLongPtrW(mctlPictureBox, GWL_EXSTYLE,
                      GetWindowLongPtrW(mctlPictureBox, GWL_EXSTYLE) & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    SetWindowPos(mctlPictureBox, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    tabWindow_ = CreateTabWindow();
    if (!tabWindow_) return;
    UpdateClientArea();
    HookContainer(mctlPictureBox);
}

unique_hwnd cTabStrip::CreateTabWindow() {
    if (!InitTabClasses()) return {};
    DWORD style = BaseStyle | StyleBits(style_) | PlacementBits(placement_);
    if (tabWidthStyle_ == 2) style |= TCS_FIXEDWIDTH;
    if (hotTracking_) style |= TCS_HOTTRACK | TCS_FOCUSONBUTTONDOWN;
    if (multiRow_) style |= TCS_MULTILINE;
    if (multiSelect_) style |= TCS_MULTISELECT;
    RECT scale{};
    GetClientRect(mctlPictureBox, &scale);
    unique_hwnd tab(CreateWindowExW(0, WC_TABCONTROLW, L"", style, 0, 0, scale.right, scale.bottom, mctlPictureBox,
                                    nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!tab) return {};
    SendMessageW(tab.get(), WM_SETFONT, static_cast<WPARAM>(SendMessageW(mctlPictureBox, WM_GETFONT, 0, 0)), TRUE);
    if (separators_) {
        const auto extended = static_cast<DWORD>(SendMessageW(tab.get(), TCM_GETEXTENDEDSTYLE, 0, 0));
        SendMessageW(tab.get(), TCM_SETEXTENDEDSTYLE, 0, extended | TCS_EX_FLATSEPARATORS);
    }
    return tab;
}

float cTabStrip::TwipsPerPixel() const {
    const UINT dpi = mctlPictureBox ? GetDpiForWindow(mctlPictureBox) : 0;
    return 1440.0f / static_cast<float>(dpi ? dpi : 96);
}

RECT cTabStrip::ContainerPixels() const {
    RECT box{};
    GetWindowRect(mctlPictureBox, &box);
    MapWindowPoints(HWND_DESKTOP, GetParent(mctlPictureBox), reinterpret_cast<POINT*>(&box), 2);
    return box;
}

void cTabStrip::UpdateClientArea() {
    if (!HasWindow()) return;
    // The control's display area relative to its window: a rectangle of
    // nothing grows by the margins on every side and the tab row at its edge.
    RECT display{0, 0, 0, 0};
    SendMessageW(tabWindow_.get(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const float t = TwipsPerPixel();
    const RECT box = ContainerPixels();
    clientLeft_ = t * static_cast<float>(display.left) + t * static_cast<float>(box.left);
    clientTop_ = t * static_cast<float>(display.top) + t * static_cast<float>(box.top);
    clientWidth_ = t * static_cast<float>(display.right - display.left) + t * static_cast<float>(box.right - box.left);
    clientHeight_ = t * static_cast<float>(display.bottom - display.top) + t * static_cast<float>(box.bottom - box.top);
}

void cTabStrip::HookContainer(HWND container) {
    if (hookedContainer_) return;
    hookedContainer_ = container;
    SetPropW(container, bastabStrip::PropertyName(container).c_str(), this);
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&bastabStrip::TabStripProc)));
}

void cTabStrip::UnhookContainer() {
    if (!hookedContainer_) return;
    SetWindowLongPtrW(hookedContainer_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    RemovePropW(hookedContainer_, bastabStrip::PropertyName(hookedContainer_).c_str());
    hookedContainer_ = nullptr;
    previousProc_ = nullptr;
}

LRESULT cTabStrip::CallBackWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = previousProc_;
    switch (uMsg) {
    case WM_SIZE:
        mctlPictureBox_Resize();
        break;
    case WM_SETFOCUS:
        mctlPictureBox_GotFocus();
        break;
    case WM_NCDESTROY:
        // The container goes with its children, the tab window among them;
        // nothing of this object may stay attached to it.
        tabWindow_.release();
        UnhookContainer();
        return CallWindowProcW(previous, hwnd, uMsg, wParam, lParam);
    default:
        break;
    }
    // An event handler that pumps messages or changes the selection must not
    // raise events from inside itself.
    if (!busy_) {
        busy_ = true;
        if (uMsg == WM_ACTIVATE) {
            ::SetFocus(tabWindow_.get());
        } else if (uMsg == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->hwndFrom == tabWindow_.get()) {
                if (header->code == TCN_SELCHANGING && BeforeClick) {
                    std::int16_t cancel = 0;
                    BeforeClick(cancel);
                } else if (header->code == TCN_SELCHANGE && Click) {
                    Click();
                }
            }
        }
        busy_ = false;
    }
    return CallWindowProcW(previous, hwnd, uMsg, wParam, lParam);
}

void cTabStrip::mctlPictureBox_Resize() {
    if (!HasWindow()) return;
    RECT scale{};
    GetClientRect(mctlPictureBox, &scale);
    MoveWindow(tabWindow_.get(), 0, 0, scale.right, scale.bottom, TRUE);
    UpdateClientArea();
}

void cTabStrip::mctlPictureBox_GotFocus() {
    if (HasWindow()) ::SetFocus(tabWindow_.get());
}

void cTabStrip::MoveContainer(int left, int top, int width, int height) {
    MoveWindow(mctlPictureBox, left, top, width, height, TRUE);
}

void cTabStrip::Move(float sglLeft, float sglTop, float sglWidth, float sglHeight) {
    if (!mctlPictureBox) return;
    const float t = TwipsPerPixel();
    const RECT box = ContainerPixels();
    const int left = ToPixels(sglLeft, t);
    if (sglTop <= 0) return MoveContainer(left, box.top, box.right - box.left, box.bottom - box.top);
    const int top = ToPixels(sglTop, t);
    if (sglWidth <= 0) return MoveContainer(left, top, box.right - box.left, box.bottom - box.top);
    const int width = ToPixels(sglWidth, t);
    if (sglHeight <= 0) return MoveContainer(left, top, width, box.bottom - box.top);
    MoveContainer(left, top, width, ToPixels(sglHeight, t));
}

bool cTabStrip::Visible() const { return mctlPictureBox && IsWindowVisible(mctlPictureBox); }
void cTabStrip::Visible(bool blnNewValue) { ShowWindow(mctlPictureBox, blnNewValue ? SW_SHOW : SW_HIDE); }
bool cTabStrip::Enabled() const { return mctlPictureBox && IsWindowEnabled(mctlPictureBox); }
void cTabStrip::Enabled(bool blnNewValue) { EnableWindow(mctlPictureBox, blnNewValue); }

float cTabStrip::Left() const { return mctlPictureBox ? TwipsPerPixel() * static_cast<float>(ContainerPixels().left) : 0; }
float cTabStrip::Top() const { return mctlPictureBox ? TwipsPerPixel() * static_cast<float>(ContainerPixels().top) : 0; }
float cTabStrip::Width() const {
    if (!mctlPictureBox) return 0;
    const RECT box = ContainerPixels();
    return TwipsPerPixel() * static_cast<float>(box.right - box.left);
}

void cTabStrip::Left(float sglNewValue) {
    if (!mctlPictureBox) return;
    const RECT box = ContainerPixels();
    MoveContainer(ToPixels(sglNewValue, TwipsPerPixel()), box.top, box.right - box.left, box.bottom - box.top);
}

void cTabStrip::Top(float sglNewValue) {
    if (!mctlPictureBox) return;
    const RECT box = ContainerPixels();
    MoveContainer(box.left, ToPixels(sglNewValue, TwipsPerPixel()), box.right - box.left, box.bottom - box.top);
}

void cTabStrip::Width(float sglNewValue) {
    if (!mctlPictureBox) return;
    const RECT box = ContainerPixels();
    MoveContainer(box.left, box.top, ToPixels(sglNewValue, TwipsPerPixel()), box.bottom - box.top);
}

std::int32_t cTabStrip::TabsAdd(std::int32_t lngIndex, std::string_view strCaption) {
    if (!HasWindow()) return -1;
    std::wstring caption = text::Widen(strCaption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    const auto index = static_cast<std::int32_t>(
        SendMessageW(tabWindow_.get(), TCM_INSERTITEMW, static_cast<WPARAM>(lngIndex), reinterpret_cast<LPARAM>(&item)));
    UpdateClientArea();
    return index;
}

std::int16_t cTabStrip::TabsCount() const {
    return HasWindow() ? static_cast<std::int16_t>(SendMessageW(tabWindow_.get(), TCM_GETITEMCOUNT, 0, 0)) : 0;
}

void cTabStrip::TabsClear() {
    if (HasWindow()) SendMessageW(tabWindow_.get(), TCM_DELETEALLITEMS, 0, 0);
}

void cTabStrip::TabsRemove(std::int32_t lngIndex) {
    SendMessageW(tabWindow_.get(), TCM_DELETEITEM, static_cast<WPARAM>(lngIndex), 0);
}

void cTabStrip::DeselectAll() { SendMessageW(tabWindow_.get(), TCM_DESELECTALL, 0, 0); }

void cTabStrip::SetStyleBits(DWORD bits, DWORD mask) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(tabWindow_.get(), GWL_STYLE));
    SetWindowLongPtrW(tabWindow_.get(), GWL_STYLE, static_cast<LONG_PTR>((style & ~mask) | bits));
}

bool cTabStrip::MultiRow() {
    if (HasWindow()) multiRow_ = (GetWindowLongPtrW(tabWindow_.get(), GWL_STYLE) & TCS_MULTILINE) != 0;
    return multiRow_;
}

void cTabStrip::MultiRow(bool blnNewValue) {
    if (HasWindow()) SetStyleBits(blnNewValue ? TCS_MULTILINE : 0, TCS_MULTILINE);
    multiRow_ = blnNewValue;
}

bool cTabStrip::MultiSelect() {
    if (HasWindow()) multiSelect_ = (GetWindowLongPtrW(tabWindow_.get(), GWL_STYLE) & TCS_MULTISELECT) != 0;
    return multiSelect_;
}

void cTabStrip::MultiSelect(bool blnNewValue) {
    if (HasWindow()) SetStyleBits(blnNewValue ? TCS_MULTISELECT : 0, TCS_MULTISELECT);
    multiSelect_ = blnNewValue;
}

std::int16_t cTabStrip::Placement() {
    if (HasWindow()) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(tabWindow_.get(), GWL_STYLE));
        if (style & TCS_VERTICAL) placement_ = (style & TCS_RIGHT) ? 3 : 2;
        else placement_ = (style & TCS_BOTTOM) ? 1 : 0;
    }
    return placement_;
}

void cTabStrip::Placement(std::int16_t intNewPlacement) {
    if (HasWindow()) SetStyleBits(PlacementBits(intNewPlacement), PlacementMask);
    placement_ = intNewPlacement;
}

std::int16_t cTabStrip::SelectedItem() const {
    if (!HasWindow()) return 0;
    return static_cast<std::int16_t>(SendMessageW(tabWindow_.get(), TCM_GETCURSEL, 0, 0) + 1);
}

void cTabStrip::SelectedItem(std::int16_t intNewValue) {
    SendMessageW(tabWindow_.get(), TCM_SETCURSEL, static_cast<WPARAM>(intNewValue - 1), 0);
}

void cTabStrip::SetFocus() {
    if (mctlPictureBox) ::SetFocus(mctlPictureBox);
}

HFONT cTabStrip::Font() const {
    return mctlPictureBox ? reinterpret_cast<HFONT>(SendMessageW(mctlPictureBox, WM_GETFONT, 0, 0)) : nullptr;
}
