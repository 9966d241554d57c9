#include "PrintSettingsPanel.h"

#include <algorithm>
#include <utility>

#include "HumanSeam.h"
#include "PaperTables.h"
#include "Printer.h"
#include "SettingsStore.h"
#include "StoredIndex.h"
#include "Text.h"
#include "VbNumber.h"

using namespace PrintPanel;
using BasRuxa::NamedSettings;

namespace PrintPanel {

std::vector<ControlSpec> Controls(const Placement& at) {
    const int page = at.container;
    std::vector<ControlSpec> rows{
        {ControlKind::Label, Label2, L"設定：", at.settingLabel.x, at.settingLabel.y, 0, 0, page},
        {ControlKind::ComboBox, CmbSetting, L"", at.settingList.x, at.settingList.y, 3855, 300, page},
        {ControlKind::Button, BtnSaveSetting, L"保存", at.saveButton.x, at.saveButton.y, 975, 315, page},
        {ControlKind::Button, BtnDelSetting, L"削除", at.deleteButton.x, at.deleteButton.y, 975, 315, page},
        {ControlKind::Frame, Frame1, L"印刷位置", at.positionFrame.x, at.positionFrame.y, 3120, 2130, page},
    };
    constexpr const wchar_t* positions[PosCount] = {L"用紙の左上に合わせる", L"用紙の右上に合わせる", L"用紙の中央に合わせる",
                                                    L"用紙の左下に合わせる", L"用紙の右下に合わせる"};
    for (int i = 0; i < PosCount; ++i)
        rows.push_back({ControlKind::Option, OptPos1 + i, positions[i], 120, 240 + 360 * i, 2130, 405, Frame1});
    // The ratio field and the aspect box are enabled by the size mode chosen.
    const ControlSpec rest[] = {
        {ControlKind::Frame, Frame2, L"印字ｻｲｽﾞ", at.sizeFrame.x, at.sizeFrame.y, 3240, 1770, page},
        {ControlKind::Option, OptSize1, L"実寸", 120, 240, 2130, 405, Frame2},
        {ControlKind::Option, OptSize1 + 1, L"用紙のｻｲｽﾞに合わせる", 120, 600, 2370, 405, Frame2},
        {ControlKind::Option, OptSize1 + 2, L"手動設定", 120, 960, 1050, 405, Frame2},
        {ControlKind::TextBox, TxtSizeP, L"", 1200, 960, 1335, 375, Frame2, WS_DISABLED | ES_NUMBER},
        {ControlKind::Label, Label3, L"％", 2700, 1080, 0, 0, Frame2},
        {ControlKind::CheckBox, ChkHiritsu, L"縦と横の比率を固定", 120, 1395, 2895, 255, Frame2, WS_DISABLED},
        {ControlKind::Frame, Frame3, L"ﾍﾟｰｼﾞ設定", at.pageFrame.x, at.pageFrame.y, 6495, 1305, page},
        {ControlKind::Label, Label6, at.printerLabel, 270, 240, 0, 0, Frame3},
        {ControlKind::ComboBox, CmbPrinterName, L"", 960, 180, 3735, 300, Frame3},
        {ControlKind::Label, Label5, L"用紙：", 525, 585, 0, 0, Frame3},
        {ControlKind::ComboBox, CmbPaperSize, L"", 960, 540, 3735, 300, Frame3},
        {ControlKind::Label, Label4, L"給紙方法：", 165, 960, 0, 0, Frame3},
        {ControlKind::ComboBox, CmbPaperBin, L"", 960, 900, 3735, 300, Frame3},
        {ControlKind::Frame, Frame4, L"用紙の向き", 4800, 180, 1575, 990, Frame3},
        {ControlKind::Option, OptOrientation1, L"縦方向", 120, 240, 855, 255, Frame4},
        {ControlKind::Option, OptOrientation1 + 1, L"横方向", 120, 555, 855, 255, Frame4},
    };
    rows.insert(rows.end(), std::begin(rest), std::end(rest));
    return rows;
}

}  // namespace PrintPanel

namespace {

// The paper lists offer every code that has a name, in ascending order; each
// entry carries its code.
void AddPaperEntries(Form& form, int list, const BasPrinterConst::CodeList& codes,
                     const std::string& (*nameOf)(int)) {
    form.ClearList(list);
    for (int i = 0; i < codes.Count(); ++i) {
        const int code = *codes.CodeAt(i);
        form.AddItem(list, nameOf(code), code);
    }
}

// The first entry that matches, or -1.
template <typename Matches>
int FindEntry(const Form& form, int list, Matches matches) {
    for (int i = 0, count = form.ListCount(list); i < count; ++i)
        if (matches(i)) return i;
    return -1;
}

struct Route {
    int firstId;
    int count;
    WORD notification;
    void (PrintSettingsPanel::*handler)(int index);
};

using P = PrintSettingsPanel;
// Every control of the panel and the handler its notification runs; an
// option array's handler gets the option's index from 1.
constexpr Route Routes[] = {
    {OptPos1, PosCount, BN_CLICKED, &P::OptPos_Click},
    {OptSize1, SizeCount, BN_CLICKED, &P::OptSize_Click},
    {OptOrientation1, OrientationCount, BN_CLICKED, &P::OptOrientation_Click},
    {ChkHiritsu, 1, BN_CLICKED, &P::ChkHiritsu_Click},
    {TxtSizeP, 1, EN_CHANGE, &P::TxtSizeP_Change},
    {TxtSizeP, 1, EN_SETFOCUS, &P::TxtSizeP_GotFocus},
    {TxtSizeP, 1, EN_KILLFOCUS, &P::TxtSizeP_LostFocus},
    {CmbPrinterName, 1, CBN_SELCHANGE, &P::CmbPrinterName_Click},
    {CmbPaperSize, 1, CBN_SELCHANGE, &P::CmbPaperSize_Click},
    {CmbPaperBin, 1, CBN_SELCHANGE, &P::CmbPaperBin_Click},
    {CmbSetting, 1, CBN_SELCHANGE, &P::CmbSetting_Click},
    {BtnSaveSetting, 1, BN_CLICKED, &P::BtnSaveSetting_Click},
    {BtnDelSetting, 1, BN_CLICKED, &P::BtnDelSetting_Click},
};

bool IsOptionArray(const Route& route) { return route.count > 1; }

}  // namespace

PrintSettingsPanel::PrintSettingsPanel(Form& form, SettingsRecord& workSettings, PrintSettings& workPrint, Hooks hooks)
    : form_(form), work_(workSettings), print_(workPrint), hooks_(std::move(hooks)) {}

void PrintSettingsPanel::Fill() {
    form_.SetBackColour(TxtSizeP, COLOR_BTNFACE);
    form_.ClearList(CmbPrinterName);
    form_.AddItem(CmbPrinterName, "指定なし");
    for (const std::wstring& name : CurrentPrinter::InstalledPrinters().value_or(std::vector<std::wstring>{}))
        form_.AddItem(CmbPrinterName, text::Narrow(name));
    AddPaperEntries(form_, CmbPaperSize, BasPrinterConst::PaperSizeList(), BasPrinterConst::PaperSizeNameOf);
    AddPaperEntries(form_, CmbPaperBin, BasPrinterConst::PaperBinList(), BasPrinterConst::PaperBinNameOf);

    ListNamedSettings();
    // A slot that is not in use names no setting.
    if (work_.LastSet >= 0 && work_.LastSet < stored::NamedSettingCount(work_)) form_.SetListIndex(CmbSetting, work_.LastSet);
    else work_.LastSet = -1;
    if (form_.ListIndex(CmbSetting) == -1) ShowSetting(PrintSettings(print_));
}

// Sets the controls to the setting; their handlers write it into the working
// print settings. A value that no control offers selects nothing: the control
// keeps what it showed.
void PrintSettingsPanel::ShowSetting(const PrintSettings& setting) {
    const auto option = [&](int firstId, stored::OptionGroup group, int value) {
        if (const auto chosen = stored::ChosenOption(group, value)) form_.SelectOption(firstId + *chosen);
    };
    option(OptPos1, stored::OptionGroup::Pos, setting.Pos);
    option(OptSize1, stored::OptionGroup::Size, setting.Size);
    option(OptOrientation1, stored::OptionGroup::Orientation, setting.Orientation);
    form_.SetCheck(ChkHiritsu, setting.Hiritsu);
    form_.SetText(TxtSizeP, std::to_string(setting.SizeP));
    const auto select = [&](int list, auto matches) {
        if (const int index = FindEntry(form_, list, matches); index >= 0) form_.SetListIndex(list, index);
    };
    select(CmbPrinterName, [&](int i) { return form_.ListText(CmbPrinterName, i) == setting.DeviceName; });
    select(CmbPaperSize, [&](int i) { return form_.ItemData(CmbPaperSize, i) == setting.PaperSize; });
    select(CmbPaperBin, [&](int i) { return form_.ItemData(CmbPaperBin, i) == setting.PaperBin; });
}

// The named settings are the program's, stored the moment they change: the
// list shows them as they are now, whichever dialog changed them.
void PrintSettingsPanel::ListNamedSettings() {
    work_.PrinterCount = static_cast<std::int16_t>(stored::NamedSettingCount(BasRuxa::Settings));
    form_.ClearList(CmbSetting);
    for (int n = 0; n < work_.PrinterCount; ++n) form_.AddItem(CmbSetting, NamedSettings[n].Title);
}

bool PrintSettingsPanel::Handle(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_FORM_KEYPRESS && wParam == TxtSizeP) {
        // Digits and backspace only; anything else is dropped with a beep.
        const bool kept = (lParam >= L'0' && lParam <= L'9') || lParam == 8;
        if (!kept) MessageBeep(MB_OK);
        result = kept ? FALSE : TRUE;
        return true;
    }
    if (message == WM_PANEL_LEAVE_RATIO) {
        if (form_.FocusMovedOnFrom(TxtSizeP)) LeaveRatio();
        result = TRUE;
        return true;
    }
    if (message != WM_COMMAND) return false;
    const int id = LOWORD(wParam);
    for (const Route& route : Routes) {
        if (HIWORD(wParam) != route.notification || id < route.firstId || id >= route.firstId + route.count) continue;
        // An option reports being chosen; the one losing the choice says nothing.
        if (!IsOptionArray(route) || form_.Check(id)) (this->*route.handler)(id - route.firstId + 1);
        result = TRUE;
        return true;
    }
    return false;
}

void PrintSettingsPanel::DetachSetting() {
    if (hooks_.edited) hooks_.edited();
    if (work_.LastSet == -1 || Filling == -1) return;
    // LastSet names the setting the list showed, also when the user has typed
    // over the list's text since choosing it.
    if (work_.LastSet >= 0 && work_.LastSet < stored::NamedSettingCount(work_)) {
        print_ = NamedSettings[work_.LastSet];
        SettingName = print_.Title;
    }
    work_.LastSet = -1;
    form_.SetListIndex(CmbSetting, -1);
}

void PrintSettingsPanel::SizeModeRule(int index) {
    const bool manual = index == 3;
    form_.Enable(TxtSizeP, manual);
    form_.SetBackColour(TxtSizeP, manual ? COLOR_WINDOW : COLOR_BTNFACE);
    form_.Enable(ChkHiritsu, index == 2);
}

void PrintSettingsPanel::OptPos_Click(int index) {
    DetachSetting();
    print_.Pos = static_cast<std::int16_t>(index);
}

void PrintSettingsPanel::OptSize_Click(int index) {
    SizeModeRule(index);
    DetachSetting();
    print_.Size = static_cast<std::int16_t>(index);
}

void PrintSettingsPanel::OptOrientation_Click(int index) {
    DetachSetting();
    print_.Orientation = static_cast<std::int16_t>(index);
}

void PrintSettingsPanel::ChkHiritsu_Click(int) {
    DetachSetting();
    print_.Hiritsu = static_cast<std::int16_t>(form_.Check(ChkHiritsu));
}

std::optional<std::int16_t> PrintSettingsPanel::Ratio() const {
    // An empty field reads as 0, so the user can clear it while typing. Text
    // that is not digits only (pasted, or full-width) is out of range rather
    // than read as the number it starts with, or as 0.
    const std::string text = form_.Text(TxtSizeP);
    if (text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::optional<double> value = vbnum::LeadingNumber(text);
    if (!value || *value < 0 || *value > 200) return std::nullopt;
    return static_cast<std::int16_t>(vbnum::RoundToInt32(*value).value_or(0));
}

void PrintSettingsPanel::TxtSizeP_Change(int) {
    if (hooks_.ratioOnLeave) {
        // Typing is checked when the field is left; a ratio the dialog fills
        // in (a named setting chosen) is taken at once, or the check on
        // storing would take it for an edit and detach the setting.
        if (Filling == -1)
            if (const auto ratio = Ratio()) print_.SizeP = *ratio;
        return;
    }
    DetachSetting();
    if (const auto ratio = Ratio()) {
        print_.SizeP = *ratio;
        return;
    }
    Message(RatioMessage, "設定エラー");
    form_.SetText(TxtSizeP, "100");
}

void PrintSettingsPanel::TxtSizeP_GotFocus(int) { form_.SelectAllText(TxtSizeP); }

void PrintSettingsPanel::TxtSizeP_LostFocus(int) {
    // Checked once the click or key that took the focus away has been
    // handled, so the message never stands inside a focus change.
    if (hooks_.ratioOnLeave) PostMessageW(form_.Handle(), WM_PANEL_LEAVE_RATIO, 0, 0);
}

bool PrintSettingsPanel::LeaveRatio() {
    DetachSetting();
    if (const auto ratio = Ratio()) {
        print_.SizeP = *ratio;
        return true;
    }
    const std::shared_ptr<bool> alive = alive_;
    Message(RatioMessage, "設定エラー");
    // The dialog may have been closed from outside while the box was up.
    if (!*alive) return false;
    if (hooks_.ratioRefused) hooks_.ratioRefused();
    // After the box has closed and given the focus back to where it went.
    PostMessageW(form_.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(form_.Item(TxtSizeP)), TRUE);
    return false;
}

void PrintSettingsPanel::CmbPrinterName_Click(int) {
    const int index = form_.ListIndex(CmbPrinterName);
    // Nothing chosen stands for the first entry; choosing it raises this again.
    if (index < 0) return form_.SetListIndex(CmbPrinterName, 0);
    DetachSetting();
    print_.DeviceName = form_.ListText(CmbPrinterName, index);
}

void PrintSettingsPanel::CmbPaperSize_Click(int) {
    const int index = form_.ListIndex(CmbPaperSize);
    if (index < 0) return form_.SetListIndex(CmbPaperSize, 0);
    DetachSetting();
    print_.PaperSize = static_cast<std::int16_t>(form_.ItemData(CmbPaperSize, index));
}

void PrintSettingsPanel::CmbPaperBin_Click(int) {
    const int index = form_.ListIndex(CmbPaperBin);
    if (index < 0) return;
    DetachSetting();
    print_.PaperBin = static_cast<std::int16_t>(form_.ItemData(CmbPaperBin, index));
}

void PrintSettingsPanel::CmbSetting_Click(int) {
    const int k = form_.ListIndex(CmbSetting);
    if (k < 0 || k >= stored::NamedSettingCount(work_)) return;
    const std::int16_t filling = Filling;
    Filling = -1;
    ShowSetting(PrintSettings(NamedSettings[k]));
    Filling = filling == -1 ? -1 : 0;
    work_.LastSet = static_cast<std::int16_t>(k);
}

void PrintSettingsPanel::BtnSaveSetting_Click(int) {
    // A named setting always names a real printer.
    if (form_.ListIndex(CmbPrinterName) <= 0) {
        Message("プリンタ名を正しく設定してください", "設定エラー");
        return;
    }
    const std::shared_ptr<bool> alive = alive_;
    const std::string name = ShowInputBox(form_.Handle(), "設定名を入力してください", "設定の保存", SettingName);
    if (!*alive || name.empty()) return;
    print_.Title = name;
    // Counted now: the other dialog may have changed the named settings while
    // the name was asked for.
    const int count = stored::NamedSettingCount(BasRuxa::Settings);
    int slot = count + 1;  // from 1
    bool overwrite = false;
    for (int i = 1; i <= count; ++i) {
        if (NamedSettings[i - 1].Title != name) continue;
        const int answer = Message(name + "は既に存在します。上書きしますか？", "上書き確認", MB_YESNO);
        if (!*alive || answer != IDYES) return;
        overwrite = true;
        slot = i;
        break;
    }
    if (!overwrite && count >= NamedSettingsCapacity) {
        Message("保存できる設定は" + std::to_string(NamedSettingsCapacity) +
                    "個までです。不要な設定を削除するか、既存の設定に上書きしてください。",
                "設定エラー");
        return;
    }
    const PrintSettings setting = print_;
    const int newCount = overwrite ? count : count + 1;
    work_.LastSet = static_cast<std::int16_t>(slot - 1);
    StoreNamed([&](SettingsModel& settings) {
        settings.NamedSettings[slot - 1] = setting;
        settings.Settings.PrinterCount = static_cast<std::int16_t>(newCount);
        settings.Settings.LastSet = static_cast<std::int16_t>(slot - 1);
    });
    if (!overwrite) form_.AddItem(CmbSetting, name);
    form_.SetListIndex(CmbSetting, slot - 1);
}

void PrintSettingsPanel::BtnDelSetting_Click(int) {
    const int k = form_.ListIndex(CmbSetting);
    if (k < 0 || k >= stored::NamedSettingCount(BasRuxa::Settings)) {
        Message("削除できません", "エラー");
        return;
    }
    const std::shared_ptr<bool> alive = alive_;
    const std::string name = form_.ListText(CmbSetting, k);
    const int answer = Message(name + "を削除しますか？", "削除確認", MB_YESNOCANCEL);
    // The list may have changed while the question was up: the setting goes
    // by its name, not by a position that may now be another's.
    if (!*alive || answer != IDYES || k >= stored::NamedSettingCount(BasRuxa::Settings) || NamedSettings[k].Title != name)
        return;
    work_.LastSet = -1;
    StoreNamed([&](SettingsModel& settings) {
        const int count = stored::NamedSettingCount(settings.Settings);
        std::move(settings.NamedSettings.begin() + k + 1, settings.NamedSettings.begin() + count,
                  settings.NamedSettings.begin() + k);
        settings.Settings.PrinterCount = static_cast<std::int16_t>(count - 1);
        settings.Settings.LastSet = -1;
    });
    form_.RemoveItem(CmbSetting, k);
    form_.SetListIndex(CmbSetting, -1);
}

// The named settings are stored the moment they change, so their count is
// the program's, never a pending edit.
void PrintSettingsPanel::StoreNamed(const NamedChange& change) {
    if (hooks_.storeNamed) hooks_.storeNamed(change);
    work_.PrinterCount = static_cast<std::int16_t>(stored::NamedSettingCount(BasRuxa::Settings));
}

int PrintSettingsPanel::Message(const std::string& text, const std::string& title, UINT buttons) const {
    return ShowMessageBox(form_.Handle(), text, title, buttons);
}
