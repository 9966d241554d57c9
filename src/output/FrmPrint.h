// The print confirmation dialog. When the settings ask for confirmation it
// stands between a finished capture and the printer: it shows the print
// settings for this print, lets the user change them and keep them as named
// settings, and then prints the capture, copies the laid-out picture to the
// clipboard or saves it as an image file. It is modeless and stays above
// other windows; closing it returns the shell to idle or ends a command-line
// run.
#pragma once
#include <windows.h>

#include "Form.h"
#include "PrintSettingsPanel.h"
#include "Settings.h"
#include "WindowTimer.h"

namespace FrmPrint {

// The dialog's own controls; the print settings are PrintPanel's.
enum ControlId : int {
    BtnOK = IDOK,  // the default button: Enter prints
    BtnCancel = IDCANCEL,  // Esc and the close box press it
    Label1 = 100,
    ChkReverse,
    BtnSaveA,
    BtnClipBoard,
    BtnHelp,
};

// The dialog's window: caption, size and every control in tab order.
FormSpec Design();

// Opens the dialog, which fills itself from the settings and shows itself
// with the print button focused. An open dialog is shown again as it is.
void Load();
// Closes the dialog without storing anything.
void Unload();
bool Loaded();

Form& Window();
PrintSettingsPanel& Panel();
// Working copies of Settings and CurrentPrint while the dialog is open. Of
// the settings record the dialog changes only ReversePrint (the reverse box,
// for its own prints), PrinterCount and LastSet.
inline SettingsRecord WorkSettings;
inline PrintSettings WorkPrint;
// Started by the print button; fires once, a second after the dialog hid.
WindowTimer& TimPrint();

void BtnOK_Click();
void TimPrint_Timer();
void BtnSaveA_Click();
void BtnClipBoard_Click();
void BtnHelp_Click();
void BtnCancel_Click();
void ChkReverse_Click();

}  // namespace FrmPrint
