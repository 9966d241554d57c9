// The options dialog's one control table. The pages are containers inside
// the tab strip's picture box; the dialog moves them onto the tab control's
// display area when it opens, so their own rectangles here only have to be
// near it. Inside a page everything is laid out for the area a page gets
// (about 6800 x 4400 twips).
#include "FrmOption.h"

#include <algorithm>
#include <array>
#include <vector>

#include "PrintSettingsPanel.h"

namespace {

using enum ControlKind;
using F = FrmOption;

constexpr int RowCount = HotKeySlotCount;
// Each hot key row: label, 有効, ALT, SHIFT, CTRL, key list, refusal mark.
constexpr int ControlsPerRow = 7;
constexpr int FixedCount = 35;
constexpr int ControlCount = FixedCount + RowCount * ControlsPerRow;

constexpr const wchar_t* RowLabels[RowCount] = {
    L"ﾃﾞｽｸﾄｯﾌﾟ全体", L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ", L"領域指定", L"ﾌｧｲﾙ指定", L"ﾃﾞｽｸﾄｯﾌﾟ全体",
    L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ", L"領域指定",       L"ﾌｧｲﾙ指定", L"ｵﾌﾟｼｮﾝ設定"};

// One hot key row, its check boxes at `top` in `container`; `left` shifts
// the columns (the row outside the frames lines up with those inside).
template <typename Add>
constexpr void AddRow(Add add, int slot, int container, int left, int top) {
    add(ControlSpec{Label, F::Lbl_Hotkey(slot), RowLabels[slot], left + 120, top + 15, 0, 0, container});
    add(ControlSpec{CheckBox, F::Chk_Enable(slot), L"有効", left + 1560, top, 660, 255, container});
    add(ControlSpec{CheckBox, F::Chk_Alt(slot), L"ALT", left + 2280, top, 660, 255, container});
    add(ControlSpec{CheckBox, F::Chk_Shift(slot), L"SHIFT", left + 3000, top, 780, 255, container});
    add(ControlSpec{CheckBox, F::Chk_CTRL(slot), L"CTRL", left + 3840, top, 780, 255, container});
    add(ControlSpec{ComboBox, F::Cmb_Key(slot), L"", left + 4680, top - 30, 975, 300, container});
    add(ControlSpec{Picture, F::Img_KeyTaken(slot), L"", left + 5760, top, 240, 240, container, SS_NOTIFY});
}

constexpr std::array<ControlSpec, ControlCount> BuildControls() {
    std::array<ControlSpec, ControlCount> rows{};
    int n = 0;
    const auto add = [&](const ControlSpec& row) { rows[n++] = row; };

    add({Container, F::Pic_Tab, L"", 120, 120, 6915, 4815});

    const int page0 = F::Fra_Tab(0);
    add({Container, page0, L"", 60, 360, 6795, 4395, F::Pic_Tab});
    add({Frame, F::Fra_DblClick, L"ﾀｽｸﾄﾚｲｱｲｺﾝのﾀﾞﾌﾞﾙｸﾘｯｸ時の動作", 120, 60, 6480, 1920, page0});
    add({Frame, F::FrmDblClick, L"基本動作", 120, 300, 3000, 1440, F::Fra_DblClick});
    add({Option, F::Opt_HardCopy, L"ﾊｰﾄﾞｺﾋﾟｰを行う", 120, 300, 2760, 255, F::FrmDblClick});
    add({Option, F::Opt_Copy, L"ｸﾘｯﾌﾟﾎﾞｰﾄﾞへ転送する", 120, 660, 2760, 255, F::FrmDblClick});
    add({Frame, F::Fra_CaptureHoho, L"ｷｬﾌﾟﾁｬ方法", 3240, 300, 3120, 1440, F::Fra_DblClick});
    add({Option, F::Opt_DeskTop, L"ﾃﾞｽｸﾄｯﾌﾟ全体", 120, 300, 2880, 255, F::Fra_CaptureHoho});
    add({Option, F::Opt_ActiveWindow, L"ｱｸﾃｨﾌﾞなｳｨﾝﾄﾞｳ", 120, 570, 2880, 255, F::Fra_CaptureHoho});
    add({Option, F::Opt_RS, L"領域指定", 120, 840, 2880, 255, F::Fra_CaptureHoho});
    add({Option, F::Opt_File, L"ﾌｧｲﾙ指定", 120, 1110, 2880, 255, F::Fra_CaptureHoho});
    add({CheckBox, F::Chk_Icon, L"ﾏｳｽｱｲｺﾝも同時にｷｬﾌﾟﾁｬｰする", 240, 2160, 6240, 255, page0});
    add({CheckBox, F::ChkKakure, L"ﾀｽｸﾄﾚｲｱｲｺﾝを一時削除する", 240, 2520, 6240, 255, page0});
    add({CheckBox, F::ChkByo, L"ｾﾙﾌﾀｲﾏｰ", 240, 2880, 1380, 255, page0});
    add({TextBox, F::TxtByo, L"", 1680, 2850, 615, 300, page0, ES_NUMBER});
    add({Label, F::Label2, L"秒", 2370, 2895, 0, 0, page0});
    add({CheckBox, F::ChkDialog, L"印刷前に確認ﾀﾞｲｱﾛｸﾞﾎﾞｯｸｽを表示する", 240, 3240, 6240, 255, page0});
    add({CheckBox, F::ChkReverse, L"ｷｬﾌﾟﾁｬｲﾒｰｼﾞを反転して印刷する", 240, 3600, 6240, 255, page0});
    add({CheckBox, F::Chk_DesktopMonitor, L"ﾃﾞｽｸﾄｯﾌﾟ全体はﾏｳｽﾎﾟｲﾝﾀのあるﾓﾆﾀｰだけｷｬﾌﾟﾁｬｰする", 240, 3960, 6240, 255, page0});

    // The print settings page: the print-settings panel's controls follow it.
    add({Container, F::Fra_Tab(1), L"", 60, 360, 6795, 4395, F::Pic_Tab});

    const int page2 = F::Fra_Tab(2);
    add({Container, page2, L"", 60, 360, 6795, 4395, F::Pic_Tab});
    add({Frame, F::Fra_Hardcopy, L"ﾊｰﾄﾞｺﾋﾟｰ", 120, 60, 6540, 1710, page2});
    for (int slot = 0; slot < 4; ++slot) AddRow(add, slot, F::Fra_Hardcopy, 0, 240 + 360 * slot);
    add({Frame, F::Fra_Copy, L"ｺﾋﾟｰ", 120, 1830, 6540, 1710, page2});
    for (int slot = 4; slot < 8; ++slot) AddRow(add, slot, F::Fra_Copy, 0, 240 + 360 * (slot - 4));
    AddRow(add, 8, page2, 120, 3660);

    const int page3 = F::Fra_Tab(3);
    add({Container, page3, L"", 60, 360, 6795, 4395, F::Pic_Tab});
    add({Label, F::Lbl_AppName, L"ｱﾌﾟﾘｹｰｼｮﾝﾀｲﾄﾙ", 240, 300, 0, 0, page3});
    add({TextBox, F::Txt_AppName, L"", 240, 540, 4800, 300, page3});
    add({Label, F::Lbl_IconPath, L"ｱｲｺﾝﾌｧｲﾙ", 240, 1080, 0, 0, page3});
    add({TextBox, F::Txt_IconPath, L"", 240, 1320, 4800, 300, page3});
    add({Button, F::Btn_IconSansho, L"参照", 5160, 1313, 975, 315, page3});
    add({Picture, F::Picture1, L"", 240, 1980, 480, 480, page3});
    add({Label, F::Label7, L"上記の設定は、再起動後に有効になります。", 840, 2130, 0, 0, page3});

    add({DefaultButton, F::BtnOK, L"OK", 1980, 5040, 1215, 315});
    add({Button, F::BtnCancel, L"ｷｬﾝｾﾙ", 3240, 5040, 1215, 315});
    add({Button, F::BtnTekiyo, L"適用", 4500, 5040, 1215, 315});
    add({Button, F::BtnHelp, L"ﾍﾙﾌﾟ(&H)", 5790, 5040, 1215, 315});
    // A miscount shows as a compile error here.
    if (n != ControlCount) throw "FixedCount does not match the table";
    return rows;
}

// The print page holds the same controls as the print confirmation dialog,
// moved up to the top of the page.
const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> rows = [] {
        constexpr std::array<ControlSpec, ControlCount> own = BuildControls();
        const PrintPanel::Placement at{F::Fra_Tab(1), {60, 165},   {555, 120},   {4515, 120}, {5580, 120},
                                       {60, 480},  {3315, 480}, {75, 2640}, L"ﾌﾟﾘﾝﾀ："};
        const std::vector<ControlSpec> panel = PrintPanel::Controls(at);
        std::vector<ControlSpec> all(own.begin(), own.end());
        const auto page1 = std::find_if(all.begin(), all.end(), [](const ControlSpec& c) { return c.id == F::Fra_Tab(1); });
        all.insert(page1 + 1, panel.begin(), panel.end());
        return all;
    }();
    return rows;
}

}  // namespace

const FormSpec& FrmOption::Design() {
    static const FormSpec design{L"ｵﾌﾟｼｮﾝ設定", 7110, 5400, Controls()};
    return design;
}
