#include "PrintEngine.h"

#include "Globals.h"
#include "MainWindow.h"
#include "HumanSeam.h"
#include "PageLayout.h"
#include "Screen.h"
#include "Text.h"

namespace BasRuxa {
namespace {

PageMetrics metrics;

void ReportError(const char* title, const std::string& text) {
    ShowMessageBox(MainWindow::Handle(), text, title, MB_OK);
    PrintError = -1;
}

void PrinterNameError() {
    ReportError("プリンタ名エラー", "プリンタのデバイス名が不正です。もう一度確認してください。");
}

void PaperSizeError() {
    ReportError("用紙サイズエラー",
                "用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\r\n"
                "それでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。");
}

void PaperBinError() {
    ReportError("給紙方法エラー",
                "給紙方法が不正です。もう一度給紙方法を確認してください。\r\n"
                "それでもうまくいかない場合は、給紙方法を「指定なし」にしてみてください。");
}

// The spooler did not take the job (stopped, or the printer refuses jobs).
void PrintJobError() {
    ReportError("印刷エラー", "プリンタ「" + text::Narrow(Printer().Name()) +
                                  "」で印刷できませんでした。\r\n"
                                  "プリンタの電源や接続、印刷の一時停止や中止の状態を確認してから、もう一度印刷してください。");
}

// A name that matches no printer keeps the current one; a spooler that cannot
// list its printers, or a matching printer that cannot be opened, is an error.
bool SelectPrinter() {
    const auto installed = CurrentPrinter::InstalledPrinters();
    if (!installed) return false;
    const std::wstring wanted = text::Widen(CurrentPrint.DeviceName);
    for (const std::wstring& name : *installed)
        if (name == wanted) return Printer().Select(name);
    return true;
}

}  // namespace

CurrentPrinter& Printer() {
    static CurrentPrinter printer;
    return printer;
}

void PreparePrint() {
    PictureSurface& layoutPicture = MainWindow::PicPrint2();
    layoutPicture.Clear();
    PrintError = 0;

    if (!SelectPrinter()) return PrinterNameError();
    if (CurrentPrint.PaperSize != 0 && !Printer().SetPaperSize(CurrentPrint.PaperSize)) return PaperSizeError();
    if (CurrentPrint.PaperBin != 0 && !Printer().SetPaperBin(CurrentPrint.PaperBin)) return PaperBinError();
    if (!Printer().SetOrientation(CurrentPrint.Orientation) || !Printer().ReadMetrics(metrics)) return PaperBinError();

    const double tx = screen::TwipsPerPixelX(), ty = screen::TwipsPerPixelY();
    PageWidthPx = layout::TwipsToPixels(metrics.printableWidth, tx);
    PageHeightPx = layout::TwipsToPixels(metrics.printableHeight, ty);

    const PictureSurface& capture = MainWindow::PicPrint();
    const layout::LayoutSize size = layout::ComputeLayoutSize(CurrentPrint.Size, CurrentPrint.SizeP, CurrentPrint.Hiritsu,
                                                              capture.Width(), capture.Height(), PageWidthPx, PageHeightPx);
    if (!size.rendered) return;
    if (CurrentPrint.Size == 2 && CurrentPrint.Hiritsu == 1) {
        ImageWidthPx = size.width;
        ImageHeightPx = size.height;
    }
    // A size no memory can hold leaves the picture empty and the page blank.
    if (!layoutPicture.Resize(size.width, size.height)) return;
    // On the window-background white, SRCINVERT gives every channel 255 - c.
    const DWORD rop = Settings.ReversePrint == 1 ? SRCINVERT : SRCCOPY;
    StretchBlt(layoutPicture.Dc(), 0, 0, size.width, size.height, capture.Dc(), 0, 0, capture.Width(), capture.Height(),
               rop);
}

void PrintCapture() {
    PreparePrint();
    if (PrintError == -1) return;
    const PictureSurface& layoutPicture = MainWindow::PicPrint2();
    const double tx = screen::TwipsPerPixelX(), ty = screen::TwipsPerPixelY();
    const layout::Placement at = layout::PlacePicture(CurrentPrint.Pos, layoutPicture.Width(), layoutPicture.Height(), tx,
                                                      ty, metrics.printableWidth, metrics.printableHeight);
    if (!Printer().PrintPage(at.draw ? &layoutPicture : nullptr, at.x, at.y, tx, ty)) PrintJobError();
}

}  // namespace BasRuxa
