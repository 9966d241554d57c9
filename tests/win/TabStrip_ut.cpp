// The tab strip over the real tab control: its events, the client area it
// reports, the container's moves, the live styles and the container hook.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Form.h"
#include "bastabStrip.h"
#include "cTabStrip.h"

namespace {

enum { IdBox = 100, IdOtherBox };

constexpr std::array Controls{
    ControlSpec{ControlKind::Container, IdBox, L"", 120, 120, 4500, 3000},
    ControlSpec{ControlKind::Container, IdOtherBox, L"", 120, 3300, 4500, 600},
};

class TabStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(form.Create(FormSpec{L"タブ", 4800, 4200, Controls}, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }));
        box = form.Item(IdBox);
        strip.HotTracking(true);
        strip.PictureBox(box);
        for (const char* caption : {"基本設定", "印刷設定", "ホットキー設定", "その他"})
            strip.TabsAdd(strip.TabsCount(), caption);
        strip.BeforeClick = [this](std::int16_t& cancel) { events.push_back("BeforeClick " + std::to_string(cancel)); };
        strip.Click = [this] { events.push_back("Click " + std::to_string(strip.SelectedItem())); };
    }

    // A click on tab `index` as the mouse gives it.
    void ClickTab(int index) {
        RECT item{};
        SendMessageW(strip.hwnd(), TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(strip.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(strip.hwnd(), WM_LBUTTONUP, 0, at);
    }

    float Twips(int pixels) const { return static_cast<float>(pixels) * 1440.0f / static_cast<float>(form.Dpi()); }

    Form form;
    HWND box = nullptr;
    cTabStrip strip;
    std::vector<std::string> events;
};

TEST_F(TabStripTest, SelectionIsOneBasedAndOnlyAUserClickOnAnotherTabRaisesEvents) {
    EXPECT_EQ(strip.TabsCount(), 4);
    strip.SelectedItem(0);
    EXPECT_EQ(strip.SelectedItem(), 0);
    strip.SelectedItem(1);
    EXPECT_EQ(SendMessageW(strip.hwnd(), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(strip.SelectedItem(), 1);
    EXPECT_TRUE(events.empty());  // a selection made by code is no click

    form.Show();
    ClickTab(2);
    ClickTab(2);  // the selected tab again: nothing
    EXPECT_EQ(events, (std::vector<std::string>{"BeforeClick 0", "Click 3"}));
}

TEST_F(TabStripTest, ContainerLinkIsAPropertyNamedByItsHandle) {
    const std::wstring name = bastabStrip::PropertyName(box);
    EXPECT_EQ(name, std::to_wstring(reinterpret_cast<INT_PTR>(box)));
    EXPECT_EQ(GetPropW(box, name.c_str()), &strip);
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&bastabStrip::TabStripProc));

    // A second container takes the link; the first gets its own procedure back.
    const HWND other = form.Item(IdOtherBox);
    const LONG_PTR original = GetWindowLongPtrW(other, GWLP_WNDPROC);
    strip.PictureBox(other);
    EXPECT_EQ(GetPropW(box, name.c_str()), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropW(other, bastabStrip::PropertyName(other).c_str()), &strip);
    EXPECT_EQ(GetParent(strip.hwnd()), other);
    {
        cTabStrip temporary;
        temporary.PictureBox(box);
        EXPECT_EQ(GetPropW(box, name.c_str()), &temporary);
    }
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropW(box, name.c_str()), nullptr);
}

TEST_F(TabStripTest, ResizingTheContainerResizesTheTabsAndTheClientArea) {
    RECT display{0, 0, 0, 0};
    SendMessageW(strip.hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_FLOAT_EQ(strip.ClientLeft(), strip.Left() + Twips(display.left));
    EXPECT_FLOAT_EQ(strip.ClientTop(), strip.Top() + Twips(display.top));
    const float width = strip.ClientWidth(), height = strip.ClientHeight();

    RECT before{};
    GetClientRect(box, &before);
    SetWindowPos(box, nullptr, 0, 0, before.right + 30, before.bottom + 20, SWP_NOMOVE | SWP_NOZORDER);
    RECT tabs{};
    GetWindowRect(strip.hwnd(), &tabs);
    EXPECT_EQ(tabs.right - tabs.left, before.right + 30);
    EXPECT_EQ(tabs.bottom - tabs.top, before.bottom + 20);
    EXPECT_FLOAT_EQ(strip.ClientWidth(), width + Twips(30));
    EXPECT_FLOAT_EQ(strip.ClientHeight(), height + Twips(20));
}

TEST_F(TabStripTest, MoveWithoutTopMovesOnlyTheLeftEdge) {
    const float top = strip.Top(), width = strip.Width();
    strip.Move(Twips(40), 0, Twips(500), Twips(300));
    EXPECT_FLOAT_EQ(strip.Left(), Twips(40));
    EXPECT_FLOAT_EQ(strip.Top(), top);
    EXPECT_FLOAT_EQ(strip.Width(), width);
    strip.Move(Twips(10), Twips(12), Twips(200));
    EXPECT_FLOAT_EQ(strip.Top(), Twips(12));
    EXPECT_FLOAT_EQ(strip.Width(), Twips(200));
}

TEST_F(TabStripTest, CreationTakesTheStyleAndFontThenStylesWorkLive) {
    const LRESULT formFont = SendMessageW(form.Item(IdOtherBox), WM_GETFONT, 0, 0);
    EXPECT_NE(formFont, 0);
    EXPECT_EQ(SendMessageW(strip.hwnd(), WM_GETFONT, 0, 0), formFont);
    const auto style = [this] { return GetWindowLongPtrW(strip.hwnd(), GWL_STYLE); };
    EXPECT_EQ(style() & (TCS_HOTTRACK | TCS_FOCUSONBUTTONDOWN), TCS_HOTTRACK | TCS_FOCUSONBUTTONDOWN);
    for (const bool on : {false, true}) {
        strip.MultiRow(on);
        EXPECT_EQ((style() & TCS_MULTILINE) != 0, on);
        EXPECT_EQ(strip.MultiRow(), on);
    }
    strip.Placement(3);
    EXPECT_EQ(style() & (TCS_VERTICAL | TCS_RIGHT), TCS_VERTICAL | TCS_RIGHT);
    strip.Placement(1);
    EXPECT_EQ(style() & (TCS_VERTICAL | TCS_BOTTOM), TCS_BOTTOM);
    EXPECT_EQ(strip.Placement(), 1);
}

}  // namespace
