#include "FrmPrint.h"

#include <optional>
#include <vector>

#include "Clipboard.h"
#include "FileIo.h"
#include "FrmPrinting.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "MainWindow.h"
#include "ProgramHelp.h"
#include "PictureSave.h"
#include "PrintEngine.h"
#include "ShellState.h"
#include "StoredIndex.h"
#include "Text.h"
#include "cCommonDlg.h"

namespace FrmPrint {
namespace {

using namespace BasRuxa;

Form form;
std::optional<PrintSettingsPanel> panel;
// Hidden for a print on its way or for the save dialog: a capture arriving
// meanwhile does not bring it back before that is over.
bool busy = false;

const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> rows = [] {
        std::vector<ControlSpec> own{
            {ControlKind::Label, Label1, L"画面のキャプチャが終了しました。印刷を開始します。", 60, 60, 4455, 0},
            {ControlKind::DefaultButton, BtnOK, L"印刷開始(&P)", 6600, 60, 1335, 315},
            {ControlKind::Button, BtnSaveA, L"ﾌｧｲﾙ保存(&S)", 6600, 420, 1335, 315},
            {ControlKind::Button, BtnClipBoard, L"ｺﾋﾟｰ(&C)", 6600, 780, 1335, 315},
            {ControlKind::Button, BtnCancel, L"閉じる(&U)", 6600, 1500, 1335, 315},
            {ControlKind::Button, BtnHelp, L"ﾍﾙﾌﾟ(&H)", 6600, 1140, 1335, 315},
            {ControlKind::CheckBox, ChkReverse, L"ｷｬﾌﾟﾁｬｲﾒｰｼﾞを反転して印刷する", 3300, 420, 3255, 180},
        };
        const PrintPanel::Placement at{0,          {60, 825},   {555, 780},  {4515, 780},        {5580, 780},
                                       {60, 1140}, {3315, 1140}, {75, 3300}, L"ﾌﾟﾘﾝﾀ名："};
        const std::vector<ControlSpec> shared = PrintPanel::Controls(at);
        own.insert(own.end(), shared.begin(), shared.end());
        return own;
    }();
    return rows;
}

constexpr struct {
    int id;
    void (*click)();
} Clicks[] = {
    {BtnOK, BtnOK_Click},         {BtnSaveA, BtnSaveA_Click},   {BtnClipBoard, BtnClipBoard_Click},
    {BtnHelp, BtnHelp_Click},     {BtnCancel, BtnCancel_Click}, {ChkReverse, ChkReverse_Click},
};

INT_PTR Handler(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    if (panel && panel->Handle(message, wParam, lParam, result)) return result;
    if (message == WM_TIMER) return TimPrint().Dispatch(wParam, TimPrint_Timer);
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    for (const auto& each : Clicks) {
        if (LOWORD(wParam) != each.id) continue;
        each.click();
        return TRUE;
    }
    return FALSE;
}

// What the dialog changed goes back into the settings: the print settings
// and the named setting chosen. Nothing else of the settings record is the
// dialog's to write (the named settings' count is kept up to date by the
// panel), so a change made meanwhile elsewhere (the options dialog) is not
// undone.
void TakeWork() {
    CurrentPrint = WorkPrint;
    Settings.LastSet = stored::NamedSettingAt(Model, WorkSettings.LastSet) ? WorkSettings.LastSet : std::int16_t(-1);
}

void StoreSettings() {
    TakeWork();
    SaveSettings();
}

// The reverse box applies to the picture made now and is never stored.
template <typename Work>
void WithReverseBox(Work work) {
    const std::int16_t kept = Settings.ReversePrint;
    Settings.ReversePrint = WorkSettings.ReversePrint;
    work();
    Settings.ReversePrint = kept;
}

void Closed() {
    if (AppState == StateCommandLine) MainWindow::EndRun();
    else ReturnToIdle(StatePrintDialog);
}

void SaveLayoutPicture() {
    cCommonDlg dialog;
    dialog.Form(form.Handle());
    dialog.FileName("");
    dialog.DialogTitle("ピクチャ画像の保存");
    dialog.Filter("ビットマップファイル(*.BMP)|*.bmp|PNGファイル(*.PNG)|*.png|");
    dialog.FilterIndex(0);
    dialog.InitDir(LastPicturePath);
    dialog.Flags(OFN_OVERWRITEPROMPT);
    dialog.CancelError(true);
    dialog.ShowSave();
    if (dialog.CancelButton()) return;
    // The name decides the format: a user who picked the PNG entry and typed
    // "x.bmp" wants a bitmap, one who typed "x.png" with the bitmap entry a PNG.
    const std::wstring path = text::Widen(dialog.FileName());
    if (const DWORD error = SavePicture(MainWindow::PicPrint2(), path, PictureFormatOf(path)); error != ERROR_SUCCESS) {
        ShowMessageBox(form.Handle(),
                       "画像を保存できませんでした。\n" + dialog.FileName() + "\n" + fileio::ErrorText(error),
                       "ファイル保存エラー", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    LastPicturePath = dialog.FileName();
}

}  // namespace

FormSpec Design() { return {L"印刷確認", 7995, 4665, Controls(), true}; }

Form& Window() { return form; }
PrintSettingsPanel& Panel() { return *panel; }

WindowTimer& TimPrint() {
    static WindowTimer timer(1);
    return timer;
}

bool Loaded() { return form.Exists(); }

void Load() {
    if (form.Exists()) {
        if (!busy) {
            form.Show();
            form.Focus(BtnOK);
        }
        return;
    }
    if (!form.Create(Design(), Handler)) return Closed();
    if (Settings.UsesDefaultIcon != -1) form.SetIcon(MainWindow::Icon());
    TimPrint().Attach(form.Handle());
    WorkSettings = Settings;
    WorkPrint = CurrentPrint;
    panel.emplace(form, WorkSettings, WorkPrint, PrintSettingsPanel::Hooks{nullptr, StoreSettings, false, nullptr});
    panel->Filling = -1;
    panel->Fill();
    panel->Filling = 0;
    form.SetCheck(ChkReverse, Settings.ReversePrint);
    form.Show();
    form.Focus(BtnOK);
}

void Unload() {
    if (!form.Exists()) return;
    TimPrint().SetEnabled(false);
    FrmPrinting::Unload();
    busy = false;
    form.Destroy();
    panel.reset();
    Closed();
}

void BtnOK_Click() {
    busy = true;
    form.Hide();
    FrmPrinting::Load();
    StoreSettings();
    TimPrint().SetInterval(1000);
    TimPrint().SetEnabled(true);
}

void TimPrint_Timer() {
    TimPrint().SetEnabled(false);
    WithReverseBox(PrintCapture);
    FrmPrinting::Unload();
    busy = false;
    if (PrintError != -1) return Unload();
    // The printer refused the settings and said why: the user can mend them
    // and print again.
    form.Show();
    form.Focus(BtnOK);
}

void BtnClipBoard_Click() {
    TakeWork();
    WithReverseBox([] {
        PreparePrint();
        // After a printer error the picture is blank; the clipboard keeps what it had.
        if (PrintError != -1) CopyPictureToClipboard(MainWindow::Handle(), MainWindow::PicPrint2());
    });
    SaveSettings();
}

void BtnSaveA_Click() {
    TakeWork();
    WithReverseBox(PreparePrint);
    if (PrintError != -1) {
        busy = true;
        form.Hide();
        SaveLayoutPicture();
        form.Show();
        busy = false;
    }
    SaveSettings();
}

void BtnHelp_Click() { ShowProgramHelp(form.Handle(), HelpPage::PrintDialog); }

void BtnCancel_Click() { Unload(); }

void ChkReverse_Click() { WorkSettings.ReversePrint = static_cast<std::int16_t>(form.Check(ChkReverse)); }

}  // namespace FrmPrint
