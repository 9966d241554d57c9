// Forms built from their control tables: placement at the window's DPI and at
// a new one, change events raised by code, option groups, the key filter, the
// tab strip's hook. A dialog's keyboard and what the options dialog uses of the
// strip: tests/e2e/shell_options.sh, OptionsTest.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Form.h"
#include "bastabStrip.h"
#include "cTabStrip.h"

namespace {

enum { IdLabel = 100, IdFrame, IdA1, IdA2, IdB1, IdB2, IdCheck, IdText, IdCombo, IdGo, IdCanvas };

constexpr std::array Controls{
    ControlSpec{ControlKind::Label, IdLabel, L"ラベル", 60, 60, 0, 0},
    ControlSpec{ControlKind::DefaultButton, IdGo, L"実行(&G)", 3000, 60, 1200, 315},
    ControlSpec{ControlKind::Button, IDCANCEL, L"閉じる", 3000, 420, 1200, 315},
    ControlSpec{ControlKind::Canvas, IdCanvas, L"", 3000, 900, 1200, 900},
    ControlSpec{ControlKind::Frame, IdFrame, L"枠", 60, 600, 2400, 1500},
    ControlSpec{ControlKind::Option, IdA1, L"A1", 120, 240, 1500, 300, IdFrame},
    ControlSpec{ControlKind::Option, IdA2, L"A2", 120, 600, 1500, 300, IdFrame},
    ControlSpec{ControlKind::Option, IdB1, L"B1", 120, 960, 1500, 300},
    ControlSpec{ControlKind::Option, IdB2, L"B2", 120, 1320, 1500, 300},
    ControlSpec{ControlKind::CheckBox, IdCheck, L"チェック", 60, 2200, 1500, 300},
    ControlSpec{ControlKind::TextBox, IdText, L"", 60, 2600, 1500, 330},
    ControlSpec{ControlKind::ComboBox, IdCombo, L"", 60, 3000, 1500, 300},
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        const FormSpec design{L"テスト", 4500, 3600, Controls};
        ASSERT_TRUE(form.Create(design, [this](UINT message, WPARAM wParam, LPARAM lParam) -> INT_PTR {
            const int code = HIWORD(wParam);
            if (message == WM_COMMAND && (code == BN_CLICKED || code == CBN_SELCHANGE || code == EN_CHANGE)) {
                commands.push_back({LOWORD(wParam), code});
                return TRUE;
            }
            if (message == WM_FORM_KEYPRESS) return lParam < L'0' || lParam > L'9';  // digits only
            return FALSE;
        }));
    }

    Form form;
    std::vector<std::pair<int, int>> commands;
};

TEST_F(FormTest, ValuesSetByCodeRaiseTheirHandlersAndOptionsGroupByContainer) {
    form.SetCheck(IdCheck, 1);
    form.SelectOption(IdA2);
    form.AddItem(IdCombo, "一");
    form.AddItem(IdCombo, "二");
    form.SetListIndex(IdCombo, 1);
    form.SetText(IdText, "42");
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{
                            {IdCheck, BN_CLICKED}, {IdA2, BN_CLICKED}, {IdCombo, CBN_SELCHANGE}, {IdText, EN_CHANGE}}));
    EXPECT_EQ(form.Check(IdCheck), 1);
    EXPECT_EQ(form.ListText(IdCombo, form.ListIndex(IdCombo)), "二");

    form.SelectOption(IdB2);
    form.SelectOption(IdA1);
    EXPECT_EQ(form.Check(IdA2), 0);
    EXPECT_EQ(form.Check(IdA1), 1);
    EXPECT_EQ(form.Check(IdB2), 1);  // another container, another group

    // What the form refuses of the typed characters is discarded.
    form.SetText(IdText, "");
    for (const wchar_t ch : {L'1', L'x', L'2'}) SendMessageW(form.Item(IdText), WM_CHAR, ch, 1);
    EXPECT_EQ(form.Text(IdText), "12");
}

// Controls are placed in twips at the window's DPI, inside a frame from its
// corner; at a new DPI the table is laid out again: positions and sizes (a
// label to its text), the fonts, and the window where the system suggests.
TEST_F(FormTest, PlacesItsTableInTwipsAndAgainAtANewDpi) {
    form.SetControlFont(IdCheck, L"Times New Roman", 14);
    const auto at = [&](int id) {
        RECT box{};
        GetWindowRect(form.Item(id), &box);
        MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&box), 2);
        return std::array<int, 4>{int(box.left), int(box.top), int(box.right - box.left), int(box.bottom - box.top)};
    };
    const auto fontHeight = [&](int id) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.Item(id), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    };
    const auto expectTable = [&](int dpi) {
        const auto pixels = [&](int twips) { return MulDiv(twips, dpi, 1440); };
        EXPECT_EQ(form.Dpi(), dpi);
        EXPECT_EQ(at(IdGo), (std::array{pixels(3000), pixels(60), pixels(1200), pixels(315)}));
        EXPECT_EQ(at(IdA2), (std::array{pixels(60 + 120), pixels(600 + 600), pixels(1500), pixels(300)}));
        EXPECT_EQ(at(IdFrame), (std::array{pixels(60), pixels(600), pixels(2400), pixels(1500)}));
        EXPECT_EQ(at(IdCanvas), (std::array{pixels(3000), pixels(900), pixels(1200), pixels(900)}));
        EXPECT_EQ(fontHeight(IdGo), -MulDiv(9, dpi, 72));
        EXPECT_EQ(fontHeight(IdCheck), -MulDiv(14, dpi, 72));
    };
    expectTable(form.Dpi());
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, form.Pixels(4500));
    const int labelWidth = at(IdLabel)[2];
    EXPECT_GT(labelWidth, 0);  // sized to its text

    const int dpi = form.Dpi() * 2;
    const RECT suggested{40, 30, 40 + MulDiv(4700, dpi, 1440), 30 + MulDiv(4100, dpi, 1440)};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    expectTable(dpi);
    EXPECT_GT(at(IdLabel)[2], labelWidth * 3 / 2);  // its text in the larger font
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    EXPECT_TRUE(EqualRect(&window, &suggested));
}

// The strip finds its object through a property of the container named by the
// container's handle; going, it gives the container its own procedure back.
TEST(TabStrip, ContainerLinkIsAPropertyNamedByItsHandleAndGoesWithTheStrip) {
    const std::array box{ControlSpec{ControlKind::Container, 100, L"", 120, 120, 4500, 3000}};
    Form form;
    ASSERT_TRUE(form.Create(FormSpec{L"タブ", 4800, 4200, box}, [](UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }));
    const HWND container = form.Item(100);
    const std::wstring name = bastabStrip::PropertyName(container);
    EXPECT_EQ(name, std::to_wstring(reinterpret_cast<INT_PTR>(container)));
    const LONG_PTR original = GetWindowLongPtrW(container, GWLP_WNDPROC);
    {
        cTabStrip strip;
        strip.PictureBox(container);
        EXPECT_EQ(GetPropW(container, name.c_str()), &strip);
        EXPECT_EQ(GetWindowLongPtrW(container, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&bastabStrip::TabStripProc));
        EXPECT_EQ(GetParent(strip.hwnd()), container);
    }
    EXPECT_EQ(GetWindowLongPtrW(container, GWLP_WNDPROC), original);
    EXPECT_EQ(GetPropW(container, name.c_str()), nullptr);
}

}  // namespace
