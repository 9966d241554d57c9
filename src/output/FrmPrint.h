// The print confirmation dialog. When the settings ask for confirmation it
// stands between a finished capture and the printer: it shows the print
// settings for this print, lets the user change them and keep them as named
// settings, and then prints the capture, copies the laid-out picture to the
// clipboard or saves it as an image file. It is modeless and stays above
// other windows; when it closes it tells its owner what became of the
// capture.
#pragma once
#include <windows.h>

#include <deque>
#include <optional>

#include "CommandLine.h"
#include "Form.h"
#include "FrmPrinting.h"
#include "PictureSurface.h"
#include "PrintPreview.h"
#include "PrintSettingsPanel.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "WindowTimer.h"

class PrintDialogOwner {
public:
    // The dialog has closed: Printed when a page of its capture went to the
    // printer, Failed when its last print failed, Cancelled when it was
    // closed without printing.
    virtual void PrintDialogClosed(BasRuxa::RunExit outcome) = 0;

protected:
    ~PrintDialogOwner() = default;
};

class FrmPrint {
public:
    // The dialog's own controls; the print settings are PrintPanel's.
    enum ControlId : int {
        BtnOK = IDOK,          // the default button: Enter prints
        BtnCancel = IDCANCEL,  // Esc and the close box press it
        Label1 = 100,
        ChkReverse,
        BtnSaveA,
        BtnClipBoard,
        BtnHelp,
        PicPreview,  // the sheet as it will print, right of the controls
    };

    // The dialog's window: caption, size and every control in tab order.
    static FormSpec Design();

    // `mainWindow` owns what the dialog puts on the clipboard, which outlives
    // the dialog.
    FrmPrint(PrintDialogOwner& owner, HWND mainWindow) : owner_(owner), mainWindow_(mainWindow) {}
    ~FrmPrint();
    FrmPrint(const FrmPrint&) = delete;
    FrmPrint& operator=(const FrmPrint&) = delete;

    // Opens the dialog for the capture with these print settings (and the
    // named setting `lastSet` names), filled and shown with the print button
    // focused. An open dialog takes the new capture and is shown again as it
    // is; while a print is on its way or the save dialog is open, the capture
    // waits until the one the user confirmed has been printed or saved.
    void Load(PictureSurface capture, const PrintSettings& print, std::int16_t lastSet);
    // Closes the dialog without storing anything; the owner hears of it.
    void Unload();
    bool Loaded() const { return form_.Exists(); }

    Form& Window() { return form_; }
    PrintSettingsPanel& Panel() { return *panel_; }
    const PrintPreview& Preview() const { return preview_; }
    // Working copies while the dialog is open. Of the settings record the
    // dialog changes only ReversePrint (the reverse box, for its own prints),
    // PrinterCount and LastSet.
    SettingsRecord WorkSettings;
    PrintSettings WorkPrint;
    // Started by the print button; fires once, a second after the dialog hid.
    WindowTimer& TimPrint() { return timPrint_; }
    // The captures waiting for their turn.
    std::size_t Waiting() const { return waiting_.size(); }

    void BtnOK_Click();
    void TimPrint_Timer();
    void BtnSaveA_Click();
    void BtnClipBoard_Click();
    void BtnHelp_Click();
    void BtnCancel_Click();
    void ChkReverse_Click();

private:
    INT_PTR Handler(UINT message, WPARAM wParam, LPARAM lParam);
    void Fill();
    void TakeStoredChanges(const SettingsModel& after);
    SettingsModel Pending() const;
    void Commit(const SettingsModel& next);
    void StoreSettings();
    void SaveLayoutPicture(const PictureSurface& layout);
    void ShowAgain();
    bool NextCapture();
    void TakeCapture(PictureSurface capture);
    void PreviewChanged();
    void UpdatePreview();

    PrintDialogOwner& owner_;
    HWND mainWindow_;
    Form form_;
    std::optional<PrintSettingsPanel> panel_;
    FrmPrinting printing_;
    WindowTimer timPrint_{1};
    PictureSurface capture_;
    std::deque<PictureSurface> waiting_;
    PrintPreview preview_;
    bool previewPending_ = false;
    // The settings as stored when the working copies were last brought up to
    // date: what another dialog stores since shows here (SettingsEdits.h).
    SettingsModel base_;
    SettingsStore::Subscription listening_;
    bool committing_ = false;
    // Hidden for a print on its way or for the save dialog.
    bool busy_ = false;
    BasRuxa::RunExit outcome_ = BasRuxa::RunExit::Cancelled;
};
