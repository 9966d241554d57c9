#include "PrintEngine.h"

#include "HumanSeam.h"
#include "Screen.h"
#include "Text.h"

namespace BasRuxa {
namespace {

PrintFailure PrinterNameError() {
    return {"プリンタ名エラー", "プリンタのデバイス名が不正です。もう一度確認してください。"};
}

PrintFailure PaperSizeError() {
    return {"用紙サイズエラー",
            "用紙のサイズが不正です。もう一度用紙がプリンタで使用可能か確認してください。\r\n"
            "それでもうまくいかない場合は、用紙サイズを「指定なし」にしてみてください。"};
}

PrintFailure PaperBinError() {
    return {"給紙方法エラー",
            "給紙方法が不正です。もう一度給紙方法を確認してください。\r\n"
            "それでもうまくいかない場合は、給紙方法を「指定なし」にしてみてください。"};
}

PrintFailure RefusalError(PageRefusal refusal) {
    switch (refusal) {
    case PageRefusal::PrinterName: return PrinterNameError();
    case PageRefusal::PaperSize: return PaperSizeError();
    case PageRefusal::PaperBin:
    case PageRefusal::Page: break;
    }
    // An orientation the printer refuses and a page it cannot measure are
    // told as a paper source problem, as they always were.
    return PaperBinError();
}

// The layout picture could not be made: a blank sheet would pass for a print.
PrintFailure NoMemoryError() {
    return {"印刷エラー",
            "印刷する画像を用意できませんでした。画像が大きすぎるか、メモリが足りません。\r\n"
            "倍率を小さくするか、用紙のサイズに合わせて印刷してみてください。"};
}

// The spooler did not take the job (stopped, or the printer refuses jobs).
PrintFailure PrintJobError(const CurrentPrinter& printer) {
    return {"印刷エラー", "プリンタ「" + text::Narrow(printer.Name()) +
                              "」で印刷できませんでした。\r\n"
                              "プリンタの電源や接続、印刷の一時停止や中止の状態を確認してから、もう一度印刷してください。"};
}

// A name that matches no printer keeps the current one; a spooler that cannot
// list its printers, or a matching printer that cannot be opened, is an error.
bool SelectPrinter(CurrentPrinter& printer, const std::string& deviceName) {
    const auto installed = CurrentPrinter::InstalledPrinters();
    if (!installed) return false;
    const std::wstring wanted = text::Widen(deviceName);
    for (const std::wstring& name : *installed)
        if (name == wanted) return printer.Select(name);
    return true;
}

}  // namespace

CurrentPrinter& Printer() {
    static CurrentPrinter printer;
    return printer;
}

std::variant<layout::PageMetrics, PageRefusal> SetUpPage(CurrentPrinter& printer, const PrintSettings& settings) {
    if (!SelectPrinter(printer, settings.DeviceName)) return PageRefusal::PrinterName;
    if (settings.PaperSize != 0 && !printer.SetPaperSize(settings.PaperSize)) return PageRefusal::PaperSize;
    if (settings.PaperBin != 0 && !printer.SetPaperBin(settings.PaperBin)) return PageRefusal::PaperBin;
    layout::PageMetrics page;
    if (!printer.SetOrientation(settings.Orientation) || !printer.ReadMetrics(page)) return PageRefusal::Page;
    return page;
}

std::variant<PreparedPage, PrintFailure> LayOutPage(const PictureSurface& capture, const layout::PageMetrics& page,
                                                    const PrintSettings& settings, bool reverse) {
    PreparedPage prepared;
    prepared.page = page;
    prepared.sheet = layout::LayOutSheet(capture.Width(), capture.Height(), page, screen::TwipsPerPixelX(),
                                         screen::TwipsPerPixelY(), settings);
    const layout::LayoutSize& size = prepared.sheet.size;
    PictureSurface& picture = prepared.picture;
    if (size.rendered) {
        if (!picture.Resize(size.width, size.height)) return NoMemoryError();
        // On the window-background white, SRCINVERT gives every channel 255 - c.
        StretchBlt(picture.Dc(), 0, 0, size.width, size.height, capture.Dc(), 0, 0, capture.Width(), capture.Height(),
                   reverse ? SRCINVERT : SRCCOPY);
    }
    return prepared;
}

std::variant<PreparedPage, PrintFailure> PreparePrint(CurrentPrinter& printer, const PictureSurface& capture,
                                                      const PrintSettings& settings, bool reverse) {
    const auto page = SetUpPage(printer, settings);
    if (const auto* refusal = std::get_if<PageRefusal>(&page)) return RefusalError(*refusal);
    return LayOutPage(capture, std::get<layout::PageMetrics>(page), settings, reverse);
}

PrintResult PrintCapture(CurrentPrinter& printer, const PictureSurface& capture, const PrintSettings& settings,
                         bool reverse) {
    if (capture.Width() <= 0 || capture.Height() <= 0) return {PrintStatus::NothingToPrint, {}};
    auto prepared = PreparePrint(printer, capture, settings, reverse);
    if (const auto* failure = std::get_if<PrintFailure>(&prepared)) return {PrintStatus::Failed, *failure};
    const PreparedPage& page = std::get<PreparedPage>(prepared);
    if (!printer.PrintPage(page.sheet.draws ? &page.picture : nullptr, page.sheet.picture))
        return {PrintStatus::Failed, PrintJobError(printer)};
    return {PrintStatus::Printed, {}};
}

void ReportPrintFailure(HWND owner, const PrintFailure& failure) {
    ShowMessageBox(owner, failure.text, failure.title, MB_OK);
}

}  // namespace BasRuxa
