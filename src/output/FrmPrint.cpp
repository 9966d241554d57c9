#include "FrmPrint.h"

#include <vector>

#include "AppIcon.h"
#include "Clipboard.h"
#include "FileIo.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PictureSave.h"
#include "PrintEngine.h"
#include "ProgramHelp.h"
#include "SettingsEdits.h"
#include "StoredIndex.h"
#include "Text.h"
#include "cCommonDlg.h"

using namespace BasRuxa;

namespace {

const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> rows = [] {
        using C = FrmPrint;
        std::vector<ControlSpec> own{
            {ControlKind::Label, C::Label1, L"画面のキャプチャが終了しました。印刷を開始します。", 60, 60, 4455, 0},
            {ControlKind::DefaultButton, C::BtnOK, L"印刷開始(&P)", 6600, 60, 1335, 315},
            {ControlKind::Button, C::BtnSaveA, L"ﾌｧｲﾙ保存(&S)", 6600, 420, 1335, 315},
            {ControlKind::Button, C::BtnClipBoard, L"ｺﾋﾟｰ(&C)", 6600, 780, 1335, 315},
            {ControlKind::Button, C::BtnCancel, L"閉じる(&U)", 6600, 1500, 1335, 315},
            {ControlKind::Button, C::BtnHelp, L"ﾍﾙﾌﾟ(&H)", 6600, 1140, 1335, 315},
            {ControlKind::CheckBox, C::ChkReverse, L"ｷｬﾌﾟﾁｬｲﾒｰｼﾞを反転して印刷する", 3300, 420, 3255, 180},
        };
        const PrintPanel::Placement at{0,          {60, 825},   {555, 780},  {4515, 780},        {5580, 780},
                                       {60, 1140}, {3315, 1140}, {75, 3300}, L"ﾌﾟﾘﾝﾀ名："};
        const std::vector<ControlSpec> shared = PrintPanel::Controls(at);
        own.insert(own.end(), shared.begin(), shared.end());
        // Last, so the controls before it keep their order; it is no tab stop.
        // Its caption is never drawn: it names the picture for screen readers.
        own.push_back({ControlKind::Canvas, C::PicPreview, L"ﾌﾟﾚﾋﾞｭｰ", 8055, 60, 4545, 4545});
        return own;
    }();
    return rows;
}

// Posted when a control has changed: the preview follows once the change,
// and everything it set off, has been handled.
constexpr UINT WM_PREVIEW_UPDATE = WM_APP + 0x140;

void ReportSaveFailure(HWND owner, const std::string& path, const std::string& reason) {
    ShowMessageBox(owner, "画像を保存できませんでした。\n" + (path.empty() ? "" : path + "\n") + reason,
                   "ファイル保存エラー", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

FormSpec FrmPrint::Design() { return {L"印刷確認", 12660, 4665, Controls(), true}; }

FrmPrint::~FrmPrint() {
    // Going with the program: there is no one left to tell.
    timPrint_.SetEnabled(false);
    listening_ = {};
    panel_.reset();
    form_.Destroy();
}

INT_PTR FrmPrint::Handler(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PREVIEW_UPDATE) return UpdatePreview(), TRUE;
    // At a new DPI the canvas has a new size in pixels: the sheet is fitted again.
    if (message == WM_COMMAND || message == WM_DPICHANGED) PreviewChanged();
    INT_PTR result = FALSE;
    if (panel_ && panel_->Handle(message, wParam, lParam, result)) return result;
    if (message == WM_TIMER) return timPrint_.Dispatch(wParam, [this] { TimPrint_Timer(); });
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
    case BtnOK: return BtnOK_Click(), TRUE;
    case BtnSaveA: return BtnSaveA_Click(), TRUE;
    case BtnClipBoard: return BtnClipBoard_Click(), TRUE;
    case BtnHelp: return BtnHelp_Click(), TRUE;
    case BtnCancel: return BtnCancel_Click(), TRUE;
    case ChkReverse: return ChkReverse_Click(), TRUE;
    default: return FALSE;
    }
}

void FrmPrint::Load(PictureSurface capture, const PrintSettings& print, std::int16_t lastSet) {
    if (form_.Exists()) {
        // The capture the user confirmed is printed or saved first.
        if (busy_) return waiting_.push_back(std::move(capture));
        TakeCapture(std::move(capture));
        return ShowAgain();
    }
    if (!form_.Create(Design(), [this](UINT m, WPARAM w, LPARAM l) { return Handler(m, w, l); })) {
        outcome_ = RunExit::Failed;
        return owner_.PrintDialogClosed(outcome_);
    }
    if (Settings.UsesDefaultIcon != -1) form_.SetIcon(AppIcon::Main());
    timPrint_.Attach(form_.Handle());
    form_.SetPainter(PicPreview, [this](HDC dc, SIZE size) { preview_.Paint(dc, size, capture_); });
    TakeCapture(std::move(capture));
    outcome_ = RunExit::Cancelled;
    WorkSettings = Settings;
    WorkSettings.LastSet = lastSet;
    WorkPrint = print;
    base_ = Store().Model();
    listening_ = Store().Listen([this](const SettingsModel&, const SettingsModel& after) {
        if (committing_) base_ = after;
        else TakeStoredChanges(after);
    });
    panel_.emplace(form_, WorkSettings, WorkPrint,
                   PrintSettingsPanel::Hooks{nullptr,
                                             [this](const PrintSettingsPanel::NamedChange& change) {
                                                 SettingsModel next = Pending();
                                                 change(next);
                                                 Commit(next);
                                             },
                                             false, nullptr});
    Fill();
    form_.Show();
    form_.Focus(BtnOK);
}

void FrmPrint::Fill() {
    panel_->Filling = -1;
    panel_->Fill();
    panel_->Filling = 0;
    form_.SetCheck(ChkReverse, WorkSettings.ReversePrint);
}

// Another dialog stored settings while this one was open: what it changed
// shows here before this dialog stores anything.
void FrmPrint::TakeStoredChanges(const SettingsModel& after) {
    settings::TakeStoredChanges(base_, after, WorkSettings, WorkPrint);
    base_ = after;
    Fill();
}

// What the dialog changes goes into the settings: the print settings and the
// named setting chosen. Nothing else of the settings record is the dialog's
// to write; the reverse box applies to one print, copy or file only.
SettingsModel FrmPrint::Pending() const {
    SettingsModel next = Store().Model();
    next.CurrentPrint = WorkPrint;
    next.Settings.LastSet = stored::NamedSettingAt(next, WorkSettings.LastSet) ? WorkSettings.LastSet : std::int16_t(-1);
    return next;
}

void FrmPrint::Commit(const SettingsModel& next) {
    committing_ = true;
    Store().Commit(next);
    committing_ = false;
}

void FrmPrint::StoreSettings() { Commit(Pending()); }

void FrmPrint::ShowAgain() {
    if (busy_) return;
    form_.Show();
    form_.Focus(BtnOK);
}

// The next capture that waited while this one was printed or saved.
bool FrmPrint::NextCapture() {
    if (waiting_.empty()) return false;
    TakeCapture(std::move(waiting_.front()));
    waiting_.pop_front();
    ShowAgain();
    return true;
}

void FrmPrint::TakeCapture(PictureSurface capture) {
    capture_ = std::move(capture);
    form_.Redraw(PicPreview);
    PreviewChanged();
}

void FrmPrint::PreviewChanged() {
    if (previewPending_ || !form_.Exists()) return;
    previewPending_ = PostMessageW(form_.Handle(), WM_PREVIEW_UPDATE, 0, 0);
}

void FrmPrint::UpdatePreview() {
    previewPending_ = false;
    RECT box{};
    GetClientRect(form_.Item(PicPreview), &box);
    if (preview_.Update(capture_, WorkPrint, WorkSettings.ReversePrint == 1, {box.right, box.bottom}, form_.Dpi()))
        form_.Redraw(PicPreview);
}

void FrmPrint::Unload() {
    if (!form_.Exists()) return;
    timPrint_.SetEnabled(false);
    printing_.Unload();
    busy_ = false;
    listening_ = {};
    form_.Destroy();
    panel_.reset();
    capture_ = PictureSurface();
    waiting_.clear();
    preview_.Forget();
    previewPending_ = false;
    owner_.PrintDialogClosed(outcome_);
}

void FrmPrint::BtnOK_Click() {
    busy_ = true;
    form_.Hide();
    printing_.Load();
    StoreSettings();
    timPrint_.SetInterval(1000);
    timPrint_.SetEnabled(true);
}

void FrmPrint::TimPrint_Timer() {
    timPrint_.SetEnabled(false);
    const PrintResult result = PrintCapture(Printer(), capture_, WorkPrint, WorkSettings.ReversePrint == 1);
    printing_.Unload();
    busy_ = false;
    if (result.status == PrintStatus::Printed) {
        outcome_ = RunExit::Done;
        if (!NextCapture()) Unload();
        return;
    }
    if (outcome_ != RunExit::Done) outcome_ = RunExit::Failed;
    // The printer refused the settings and said why: the user can mend them
    // and print again.
    if (result.status == PrintStatus::Failed) ReportPrintFailure(form_.Handle(), result.failure);
    ShowAgain();
}

void FrmPrint::BtnClipBoard_Click() {
    const auto prepared = PreparePrint(Printer(), capture_, WorkPrint, WorkSettings.ReversePrint == 1);
    if (const auto* failure = std::get_if<PrintFailure>(&prepared)) {
        // The clipboard keeps what it had.
        ReportPrintFailure(form_.Handle(), *failure);
    } else if (const auto refused = CopyPictureToClipboard(mainWindow_, std::get<PreparedPage>(prepared).picture)) {
        ShowMessageBox(form_.Handle(), *refused, "ルクサさん", MB_OK | MB_ICONEXCLAMATION);
    }
    if (form_.Exists()) StoreSettings();
}

void FrmPrint::BtnSaveA_Click() {
    const auto prepared = PreparePrint(Printer(), capture_, WorkPrint, WorkSettings.ReversePrint == 1);
    if (const auto* failure = std::get_if<PrintFailure>(&prepared)) {
        // No save dialog for a picture that could not be made.
        ReportPrintFailure(form_.Handle(), *failure);
    } else {
        busy_ = true;
        form_.Hide();
        SaveLayoutPicture(std::get<PreparedPage>(prepared).picture);
        busy_ = false;
        // The dialog may have been closed from outside meanwhile.
        if (!form_.Exists()) return;
        ShowAgain();
    }
    if (form_.Exists()) StoreSettings();
}

void FrmPrint::SaveLayoutPicture(const PictureSurface& layout) {
    cCommonDlg dialog;
    dialog.Form(form_.Handle());
    dialog.FileName("");
    dialog.DialogTitle("ピクチャ画像の保存");
    dialog.Filter("ビットマップファイル(*.BMP)|*.bmp|PNGファイル(*.PNG)|*.png|");
    dialog.FilterIndex(0);
    dialog.InitDir(LastPicturePath);
    dialog.Flags(OFN_OVERWRITEPROMPT);
    dialog.CancelError(true);
    dialog.ShowSave();
    // A dialog that failed (a name longer than it can take) is no cancel.
    if (dialog.ErrNumber() != 0)
        return ReportSaveFailure(form_.Handle(), "",
                                 dialog.ErrDescription() + "（エラー番号 " + std::to_string(dialog.ErrNumber()) + "）");
    if (dialog.CancelButton()) return;
    // The name decides the format: a user who picked the PNG entry and typed
    // "x.bmp" wants a bitmap, one who typed "x.png" with the bitmap entry a PNG;
    // a name without an extension has the chosen entry's.
    const std::wstring path = text::Widen(dialog.FileName());
    if (const DWORD error = SavePicture(layout, path, PictureFormatOf(path)); error != ERROR_SUCCESS)
        return ReportSaveFailure(form_.Handle(), dialog.FileName(), fileio::ErrorText(error));
    LastPicturePath = dialog.FileName();
}

void FrmPrint::BtnHelp_Click() { ShowProgramHelp(form_.Handle(), HelpPage::PrintDialog); }

void FrmPrint::BtnCancel_Click() {
    if (!NextCapture()) Unload();
}

void FrmPrint::ChkReverse_Click() { WorkSettings.ReversePrint = static_cast<std::int16_t>(form_.Check(ChkReverse)); }
