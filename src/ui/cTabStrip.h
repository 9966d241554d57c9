// A native tab control inside a container window that the form supplies (a
// picture box of its control table). The tab control tells its parent, the
// container, about selection changes; the container's window procedure is
// replaced (bastabStrip) so that those notifications come back to this object
// as BeforeClick and Click.
//
// Positions and sizes are twips in the container's parent; the container's
// own scale is pixels.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "UniqueHandle.h"

class cTabStrip {
public:
    cTabStrip() = default;
    ~cTabStrip();  // Class_Terminate
    cTabStrip(const cTabStrip&) = delete;
    cTabStrip& operator=(const cTabStrip&) = delete;

    // Raised when the user picks another tab: BeforeClick before the change
    // (its argument starts at 0; the change goes ahead whatever it holds),
    // Click after it. Picking the selected tab raises neither.
    std::function<void(std::int16_t& Cancel)> BeforeClick;
    std::function<void()> Click;

    // The container. Assigning (re)creates the tab window in it with the
    // style properties as they stand; a container assigned before is given
    // back its own window procedure.
    HWND PictureBox() const { return mctlPictureBox; }
    void PictureBox(HWND ctlNewPictureBox);

    // Moves the container. A value counts when it is above 0: without a top
    // only the left edge moves; without a width the left and top; without a
    // height the left, top and width.
    void Move(float sglLeft, float sglTop = 0, float sglWidth = 0, float sglHeight = 0);

    HWND hwnd() const { return tabWindow_.get(); }
    bool Visible() const;
    void Visible(bool blnNewValue);
    bool Enabled() const;
    void Enabled(bool blnNewValue);
    float Left() const;
    void Left(float sglNewValue);
    float Top() const;
    void Top(float sglNewValue);
    float Width() const;
    void Width(float sglNewValue);

    // Inserts a tab before lngIndex; its index, or -1.
    std::int32_t TabsAdd(std::int32_t lngIndex, std::string_view strCaption);
    std::int16_t TabsCount() const;
    void TabsClear();
    void TabsRemove(std::int32_t lngIndex);
    // Declared for the tab items; they keep nothing.
    std::string TabsTabCaption(std::int32_t) const { return {}; }
    void TabsTabCaption(std::int32_t, std::string_view) {}
    std::int32_t TabsTabImage(std::int32_t) const { return 0; }
    void TabsTabImage(std::int32_t, std::int32_t) {}
    bool TabsTabSelected(std::int32_t) const { return false; }
    void TabsTabSelected(std::int32_t, bool) {}

    // Where page content goes inside the tab control, in the same twips as
    // Left and Top; recomputed on creation, on every TabsAdd and on every
    // resize of the container.
    float ClientLeft() const { return clientLeft_; }
    float ClientTop() const { return clientTop_; }
    float ClientWidth() const { return clientWidth_; }
    float ClientHeight() const { return clientHeight_; }

    HWND Container() const { return mctlPictureBox ? GetParent(mctlPictureBox) : nullptr; }
    HWND Parent() const { return nullptr; }

    void DeselectAll();
    // Live on the tab window once it exists, stored before.
    bool MultiRow();
    void MultiRow(bool blnNewValue);
    bool MultiSelect();
    void MultiSelect(bool blnNewValue);
    // 0 top, 1 bottom, 2 left, 3 right.
    std::int16_t Placement();
    void Placement(std::int16_t intNewPlacement);
    // 1-based; 0 while no tab is selected.
    std::int16_t SelectedItem() const;
    void SelectedItem(std::int16_t intNewValue);
    void SetFocus();

    // Take effect when the tab window is created.
    std::int16_t Style() const { return style_; }
    void Style(std::int16_t intNewStyle) { style_ = intNewStyle; }
    std::int16_t TabWidthStyle() const { return tabWidthStyle_; }
    void TabWidthStyle(std::int16_t intNewTabWidthStyle) { tabWidthStyle_ = intNewTabWidthStyle; }
    bool HotTracking() const { return hotTracking_; }
    void HotTracking(bool blnNewValue) { hotTracking_ = blnNewValue; }
    bool Separators() const { return separators_; }
    void Separators(bool blnNewValue) { separators_ = blnNewValue; }

    // Declared; they keep nothing.
    std::int32_t TabFixedWidth() const { return 0; }
    void TabFixedWidth(std::int32_t) {}
    std::int32_t TabFixedHeight() const { return 0; }
    void TabFixedHeight(std::int32_t) {}
    std::int32_t TabMinWidth() const { return 0; }
    void TabMinWidth(std::int32_t) {}
    std::int32_t TabStyle() const { return 0; }
    void TabStyle(std::int32_t) {}
    HIMAGELIST ImageListHandle() const { return nullptr; }
    void ImageListHandle(HIMAGELIST) {}
    HFONT Font() const;
    void Font(HFONT) {}

    // The hooked container's messages (bastabStrip sends them here).
    LRESULT CallBackWindowProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

private:
    unique_hwnd CreateTabWindow();
    void UpdateClientArea();
    void HookContainer(HWND container);
    void UnhookContainer();
    void mctlPictureBox_Resize();
    void mctlPictureBox_GotFocus();
    bool HasWindow() const { return IsWindow(tabWindow_.get()) != FALSE; }
    float TwipsPerPixel() const;
    RECT ContainerPixels() const;  // in its parent's client area
    void MoveContainer(int left, int top, int width, int height);
    void SetStyleBits(DWORD bits, DWORD mask);

    HWND mctlPictureBox = nullptr;
    unique_hwnd tabWindow_;
    HWND hookedContainer_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    float clientLeft_ = 0, clientTop_ = 0, clientWidth_ = 0, clientHeight_ = 0;
    bool hotTracking_ = false;
    bool multiRow_ = false;
    bool multiSelect_ = false;
    bool separators_ = false;
    std::int16_t style_ = 0;
    std::int16_t tabWidthStyle_ = 0;
    std::int16_t placement_ = 0;
    bool busy_ = false;
};
