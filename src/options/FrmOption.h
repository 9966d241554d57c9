// The options dialog, shown modeless from the tray menu and hot key slot 8.
// It edits working copies of the settings and stores them on Apply and OK;
// the named settings of its print page are stored the moment they change.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "Form.h"
#include "PrintSettingsPanel.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "UniqueHandle.h"

class cTabStrip;

// What the dialog asks of whoever opened it.
class OptionsDialogOwner {
public:
    virtual void OptionsClosed() = 0;
    // Whether the system refused the slot's registration: its combination is
    // held by another program or by an earlier slot.
    virtual bool HotKeyRefused(int slot) const = 0;

protected:
    ~OptionsDialogOwner() = default;
};

class FrmOption {
public:
    enum ControlId : int {
        BtnOK = IDOK,
        BtnCancel = IDCANCEL,
        BtnTekiyo = 10,
        BtnHelp = 11,
        Pic_Tab = 20,
        Fra_Tab0 = 30,  // Fra_Tab(k) = Fra_Tab0 + k, pages 0 to 3

        // Page 0: the tray double-click and capture options.
        Fra_DblClick = 100,
        FrmDblClick,
        Opt_HardCopy,
        Opt_Copy,
        Fra_CaptureHoho,
        Opt_DeskTop,
        Opt_ActiveWindow,
        Opt_RS,
        Opt_File,
        Chk_Icon,
        ChkKakure,
        ChkByo,
        TxtByo,
        Label2,
        ChkDialog,
        ChkReverse,
        Chk_DesktopMonitor,

        // Page 1 holds the print-settings panel, whose ids are 200 to 249.

        // Page 2: one row per hot key slot i, each id below + i.
        Fra_Hardcopy = 400,
        Fra_Copy,
        Lbl_Hotkey0 = 410,
        Chk_Enable0 = 420,
        Chk_Alt0 = 430,
        Chk_Shift0 = 440,
        Chk_CTRL0 = 450,
        Cmb_Key0 = 460,
        Img_KeyTaken0 = 470,  // shown when the system refused the slot's key

        // Page 3: title and icon.
        Lbl_AppName = 300,
        Txt_AppName,
        Lbl_IconPath,
        Txt_IconPath,
        Btn_IconSansho,
        Label7,
        Picture1,
    };
    static constexpr int PageCount = 4;
    static constexpr int Fra_Tab(int k) { return Fra_Tab0 + k; }
    static constexpr int Lbl_Hotkey(int i) { return Lbl_Hotkey0 + i; }
    static constexpr int Chk_Enable(int i) { return Chk_Enable0 + i; }
    static constexpr int Chk_Alt(int i) { return Chk_Alt0 + i; }
    static constexpr int Chk_Shift(int i) { return Chk_Shift0 + i; }
    static constexpr int Chk_CTRL(int i) { return Chk_CTRL0 + i; }
    static constexpr int Cmb_Key(int i) { return Cmb_Key0 + i; }
    static constexpr int Img_KeyTaken(int i) { return Img_KeyTaken0 + i; }

    // The form, its controls in tab order (FrmOptionControls.cpp).
    static const FormSpec& Design();

    explicit FrmOption(OptionsDialogOwner& owner);
    ~FrmOption();
    FrmOption(const FrmOption&) = delete;
    FrmOption& operator=(const FrmOption&) = delete;

    // Loads the dialog unseen, running its opening steps; Show loads it when
    // needed and brings it to the front (an open dialog is shown again).
    void Load();
    void Show();
    // Closes it without storing; the owner hears of it.
    void Unload();

    // The open dialog, nullptr when it is not loaded.
    Form* Window() { return form_.Exists() ? &form_ : nullptr; }
    cTabStrip* TabStrip() { return clsTabStrip_.get(); }

    SettingsRecord WorkSettings;
    PrintSettings WorkPrint;

private:
    INT_PTR Form_Message(UINT message, WPARAM wParam, LPARAM lParam);
    bool Form_Command(int id, int code);
    bool Form_KeyDown(WPARAM key);
    void Form_Load();
    void ShowWork();
    void TakeStoredChanges(const SettingsModel& after);
    void TakeWork(SettingsModel& next) const;
    void Commit(const SettingsModel& next);
    bool Store();
    void EnableApply();
    void EnableRow(int slot, bool enabled);
    void ShowPage(int k);
    void PlacePages();
    void ShowRefusedKeys();

    void clsTabStrip_Click();
    void ChkByo_Click();
    void TxtByo_GotFocus();
    void TxtByo_LostFocus();
    bool CheckSeconds();
    void DoubleClickOption(int id);
    void SwitchCheck(std::int16_t& field, int id);
    void Chk_Enable_Click(int Index);
    void Cmb_Key_Click(int Index);
    void Cmb_Key_Change(int Index);
    void Cmb_Key_CloseUp(int Index);
    void Btn_IconSansho_Click();
    void BtnTekiyo_Click();
    void BtnOK_Click();
    void BtnHelp_Click();

    OptionsDialogOwner& owner_;
    Form form_;
    std::unique_ptr<cTabStrip> clsTabStrip_;
    std::optional<PrintSettingsPanel> panel_;
    unique_hicon picture1Icon_;
    // The settings as stored when the working copies were last brought up to
    // date: what another dialog stores since shows here (SettingsEdits.h).
    SettingsModel base_;
    SettingsStore::Subscription listening_;
    bool committing_ = false;
    // Cleared when the dialog goes, so that code after a message box that
    // was up meanwhile touches nothing of it.
    std::shared_ptr<bool> alive_;
};
