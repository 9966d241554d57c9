// The options dialog's controls: their ids (the end-to-end tests name them by
// number) and the one table the form is built from.
#pragma once

#include "Form.h"
#include "Settings.h"

namespace FrmOption {

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

constexpr int PageCount = 4;
constexpr int Fra_Tab(int k) { return Fra_Tab0 + k; }
constexpr int Lbl_Hotkey(int i) { return Lbl_Hotkey0 + i; }
constexpr int Chk_Enable(int i) { return Chk_Enable0 + i; }
constexpr int Chk_Alt(int i) { return Chk_Alt0 + i; }
constexpr int Chk_Shift(int i) { return Chk_Shift0 + i; }
constexpr int Chk_CTRL(int i) { return Chk_CTRL0 + i; }
constexpr int Cmb_Key(int i) { return Cmb_Key0 + i; }
constexpr int Img_KeyTaken(int i) { return Img_KeyTaken0 + i; }

// The form, its controls in tab order.
const FormSpec& Design();

}  // namespace FrmOption
