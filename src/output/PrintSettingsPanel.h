// The print settings controls that the print confirmation dialog and the
// options dialog's print page share: the named-setting list with its save
// and delete buttons, and the frames for position, size, page and
// orientation. One table states the controls; one class fills them from the
// working records, writes every edit back into them and keeps the named
// settings. The two dialogs differ only where the hooks say.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Form.h"
#include "Settings.h"

namespace PrintPanel {

// Control ids, the same in both dialogs. Arrays of options count up from
// their first id.
enum ControlId : int {
    Label2 = 200,
    CmbSetting,
    BtnSaveSetting,
    BtnDelSetting,
    Frame1,
    Frame2,
    Frame3,
    Frame4,
    TxtSizeP,
    Label3,
    ChkHiritsu,
    Label6,
    CmbPrinterName,
    Label5,
    CmbPaperSize,
    Label4,
    CmbPaperBin,
    OptPos1 = 220,        // OptPos(1) .. OptPos(5)
    OptSize1 = 230,       // OptSize(1) .. OptSize(3)
    OptOrientation1 = 240,  // OptOrientation(1), OptOrientation(2)
};
constexpr int PosCount = 5;
constexpr int SizeCount = 3;
constexpr int OrientationCount = 2;

// Where the panel's top-level pieces stand (twips, relative to the
// container); everything inside the frames keeps its place in them.
struct Placement {
    int container = 0;  // 0: the form itself
    POINT settingLabel, settingList, saveButton, deleteButton;
    POINT positionFrame, sizeFrame, pageFrame;
    const wchar_t* printerLabel;
};

// The panel's rows in tab order, ready to follow a dialog's own rows.
std::vector<ControlSpec> Controls(const Placement& at);

// Posted to the form when the ratio field lost the focus (with ratioOnLeave).
constexpr UINT WM_PANEL_LEAVE_RATIO = WM_APP + 0x120;

// The ratio field's range message.
inline constexpr const char* RatioMessage = "倍率は1から200の範囲で設定してください";

}  // namespace PrintPanel

class PrintSettingsPanel {
public:
    // A change of the named settings (their slots, count and LastSet), made
    // on the settings a dialog is about to store.
    using NamedChange = std::function<void(SettingsModel& settings)>;

    struct Hooks {
        // Runs first in every edit of a print setting, also while filling
        // (the options page enables its Apply button here).
        std::function<void()> edited;
        // Stores a named setting saved or deleted: the dialog applies the
        // change to the settings with its pending edits and commits them.
        std::function<void(const NamedChange& change)> storeNamed;
        // False: the ratio is checked on every change of the field and reset
        // to "100" when out of range. True: it is checked when the field
        // loses the focus, which then goes back to it with the text kept.
        bool ratioOnLeave = false;
        // With ratioOnLeave: runs when the ratio was refused, before the focus
        // goes back to the field (the options dialog shows its print page,
        // which a tab click may have left).
        std::function<void()> ratioRefused;
    };

    PrintSettingsPanel(Form& form, SettingsRecord& workSettings, PrintSettings& workPrint, Hooks hooks);

    // Fills the lists and shows the named setting LastSet, else the working
    // print settings. Call with Filling at -1; again after the settings
    // changed elsewhere.
    void Fill();

    // Runs the handler of a panel control's message; false for any other.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    // Turns a selected named setting into unsaved working settings before an
    // edit is applied to them.
    void DetachSetting();

    // With ratioOnLeave: what leaving the ratio field does. Takes the ratio,
    // or tells the user and puts the focus back into the field with the text
    // as typed (false).
    bool LeaveRatio();

    std::int16_t Filling = 0;  // -1 while the dialog sets its controls by code
    std::string SettingName;   // the named setting detached from last

    void OptPos_Click(int index);
    void OptSize_Click(int index);
    void OptOrientation_Click(int index);
    void ChkHiritsu_Click(int);
    void TxtSizeP_Change(int);
    void TxtSizeP_GotFocus(int);
    void TxtSizeP_LostFocus(int);
    void CmbPrinterName_Click(int);
    void CmbPaperSize_Click(int);
    void CmbPaperBin_Click(int);
    void CmbSetting_Click(int);
    void BtnSaveSetting_Click(int);
    void BtnDelSetting_Click(int);

private:
    void ShowSetting(const PrintSettings& setting);
    void SizeModeRule(int index);
    // The ratio's value, or nothing when the text holds a ratio out of range.
    std::optional<std::int16_t> Ratio() const;
    int Message(const std::string& text, const std::string& title, UINT buttons = MB_OK) const;
    void StoreNamed(const NamedChange& change);
    void ListNamedSettings();

    Form& form_;
    SettingsRecord& work_;
    PrintSettings& print_;
    Hooks hooks_;
    // Cleared when the panel goes while one of its message boxes is up (the
    // dialog was closed from outside), so nothing after the box touches it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

public:
    ~PrintSettingsPanel() { *alive_ = false; }
    PrintSettingsPanel(const PrintSettingsPanel&) = delete;
    PrintSettingsPanel& operator=(const PrintSettingsPanel&) = delete;
};
