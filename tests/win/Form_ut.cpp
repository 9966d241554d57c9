// Forms built from their control tables: placement at the window's DPI,
// change events raised by code as by the user, option groups, the key
// filter, the keyboard of a dialog, and the table laid out again at a new DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "Form.h"
#include "MessageLoop.h"

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
            if (message == WM_FORM_KEYDOWN) return wParam == VK_F2;  // a key of the form's own
            return FALSE;
        }));
    }

    // What IsDialogMessage does with a key the user presses in the focused control.
    void Press(WPARAM key) {
        MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageW(form.Handle(), &msg);
    }

    Form form;
    std::vector<std::pair<int, int>> commands;
};

TEST_F(FormTest, PlacesControlsInTwipsAtTheWindowsDpi) {
    POINT origin{};
    ClientToScreen(form.Handle(), &origin);
    const auto at = [&](int id) {
        RECT box{};
        GetWindowRect(form.Item(id), &box);
        return std::array<int, 3>{int(box.left - origin.x), int(box.top - origin.y), int(box.right - box.left)};
    };
    EXPECT_EQ(at(IdGo), (std::array<int, 3>{form.Pixels(3000), form.Pixels(60), form.Pixels(1200)}));
    // Inside a frame the position counts from the frame's corner.
    EXPECT_EQ(at(IdA2), (std::array<int, 3>{form.Pixels(60 + 120), form.Pixels(600 + 600), form.Pixels(1500)}));
    EXPECT_GT(at(IdLabel)[2], 0);  // sized to its text
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, form.Pixels(4500));
}

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
}

TEST_F(FormTest, KeyFilterDiscardsWhatTheFormRefuses) {
    for (const wchar_t ch : {L'1', L'x', L'2'}) SendMessageW(form.Item(IdText), WM_CHAR, ch, 1);
    EXPECT_EQ(form.Text(IdText), "12");
}

TEST_F(FormTest, KeyboardWorksAsInADialog) {
    form.SelectOption(IdA2);
    form.Show();
    form.Focus(IdGo);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        order.push_back(GetDlgCtrlID(GetFocus()));
        Press(VK_TAB);
    }
    // Into an option group at its chosen option, as a user expects.
    EXPECT_EQ(order, (std::vector<int>{IdGo, IDCANCEL, IdA2, IdB1, IdCheck, IdText}));
    commands.clear();
    form.Focus(IdText);
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{IdGo, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}));

    // The message loop offers every key to the form first; what it leaves
    // goes to the dialog keyboard.
    MSG f2{GetFocus(), WM_KEYDOWN, VK_F2, 0, 0, {}};
    EXPECT_TRUE(TranslateDialogMessage(f2));
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IdText);
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(TranslateDialogMessage(tab));
    EXPECT_TRUE(IsChild(form.Item(IdCombo), GetFocus()));
}

// Moved to a monitor of another DPI, or with the scaling changed, the form
// lays its table out again at the new DPI: positions and sizes (inside a
// frame too, a label to its text), the form's font and a control's own, and
// the window where the system suggests.
TEST_F(FormTest, LaysItsTableOutAgainAtANewDpi) {
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
    const int labelWidth = at(IdLabel)[2];
    const int dpi = form.Dpi() * 2;
    const RECT suggested{40, 30, 40 + MulDiv(4700, dpi, 1440), 30 + MulDiv(4100, dpi, 1440)};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

    const auto pixels = [&](int twips) { return MulDiv(twips, dpi, 1440); };
    EXPECT_EQ(form.Dpi(), dpi);
    EXPECT_EQ(at(IdGo), (std::array{pixels(3000), pixels(60), pixels(1200), pixels(315)}));
    EXPECT_EQ(at(IdA2), (std::array{pixels(60 + 120), pixels(600 + 600), pixels(1500), pixels(300)}));
    EXPECT_EQ(at(IdFrame), (std::array{pixels(60), pixels(600), pixels(2400), pixels(1500)}));
    EXPECT_EQ(at(IdCanvas), (std::array{pixels(3000), pixels(900), pixels(1200), pixels(900)}));
    EXPECT_GT(at(IdLabel)[2], labelWidth * 3 / 2);  // its text in the larger font
    EXPECT_EQ(fontHeight(IdGo), -MulDiv(9, dpi, 72));
    EXPECT_EQ(fontHeight(IdCheck), -MulDiv(14, dpi, 72));
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    EXPECT_TRUE(EqualRect(&window, &suggested));
}

}  // namespace
