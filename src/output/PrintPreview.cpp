#include "PrintPreview.h"

#include "Screen.h"
#include "Text.h"

namespace {

// Space around the paper, in twips.
constexpr int MarginTwips = 120;
// What the printer cannot reach on the paper.
constexpr COLORREF Unprintable = RGB(208, 208, 208);

std::string WhyNoPage(BasRuxa::PageRefusal refusal, const CurrentPrinter& printer) {
    using BasRuxa::PageRefusal;
    if (printer.Name().empty()) return "プリンタがないため、用紙を表示できません";
    switch (refusal) {
    case PageRefusal::PrinterName: return "プリンタを開けないため、用紙を表示できません";
    case PageRefusal::PaperSize: return "この用紙サイズはプリンタで使えません";
    case PageRefusal::PaperBin: return "この給紙方法はプリンタで使えません";
    case PageRefusal::Page: break;
    }
    return "プリンタから用紙の大きさを得られません";
}

void Fill(HDC dc, const layout::PixelRect& area, COLORREF colour) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

const PrintPreview::Page& PrintPreview::PageFor(const PrintSettings& settings) {
    const CurrentPrinter& run = BasRuxa::Printer();
    for (const Asked& asked : asked_)
        if (asked.deviceName == settings.DeviceName && asked.paperSize == settings.PaperSize &&
            asked.paperBin == settings.PaperBin && asked.orientation == settings.Orientation && asked.runPrinter == run)
            return asked.page;
    CurrentPrinter looking = run.LookingCopy();
    const auto page = BasRuxa::SetUpPage(looking, settings);
    Page found;
    if (const auto* refusal = std::get_if<BasRuxa::PageRefusal>(&page)) found = WhyNoPage(*refusal, looking);
    else found = std::get<layout::PageMetrics>(page);
    asked_.push_back({settings.DeviceName, settings.PaperSize, settings.PaperBin, settings.Orientation, run, found});
    return asked_.back().page;
}

bool PrintPreview::Update(const PictureSurface& capture, const PrintSettings& settings, bool reverse, SIZE box,
                          int dpi) {
    const Page& page = PageFor(settings);
    View view;
    if (const auto* why = std::get_if<std::string>(&page)) {
        view = *why;
    } else {
        const auto& metrics = std::get<layout::PageMetrics>(page);
        const layout::SheetLayout sheet = layout::LayOutSheet(capture.Width(), capture.Height(), metrics,
                                                              screen::TwipsPerPixelX(), screen::TwipsPerPixelY(), settings);
        view = layout::FitSheet(metrics, sheet, box.cx, box.cy, MulDiv(MarginTwips, dpi, 1440));
    }
    if (view == view_ && reverse == reverse_) return false;
    view_ = std::move(view);
    reverse_ = reverse;
    return true;
}

void PrintPreview::Paint(HDC dc, SIZE box, const PictureSurface& capture) const {
    const layout::PixelRect all{0, 0, box.cx, box.cy};
    if (const auto* why = std::get_if<std::string>(&view_)) {
        Fill(dc, all, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        RECT line{0, 0, box.cx, box.cy};
        DrawTextW(dc, text::Widen(*why).c_str(), -1, &line,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        return;
    }
    const layout::SheetInBox& sheet = std::get<layout::SheetInBox>(view_);
    Fill(dc, all, GetSysColor(COLOR_APPWORKSPACE));
    Fill(dc, sheet.paper, Unprintable);
    // Paper is white, whatever the colours of the screen.
    Fill(dc, sheet.printable, RGB(255, 255, 255));
    const layout::PixelRect shown = layout::Intersection(sheet.picture, sheet.printable);
    if (shown.Empty() || capture.Width() <= 0 || capture.Height() <= 0) return;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, shown.left, shown.top, shown.right, shown.bottom);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    // Reversed as the print reverses: on the window-background colour.
    if (reverse_) Fill(dc, shown, GetSysColor(COLOR_WINDOW));
    const layout::PixelRect& at = sheet.picture;
    StretchBlt(dc, at.left, at.top, at.right - at.left, at.bottom - at.top, capture.Dc(), 0, 0, capture.Width(),
               capture.Height(), reverse_ ? SRCINVERT : SRCCOPY);
    RestoreDC(dc, saved);
}
