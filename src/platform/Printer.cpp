#include "Printer.h"

#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>

#include "UniqueHandle.h"

void LoadPrintingSoon() {
    static std::once_flag asked;
    std::call_once(asked, [] { std::thread([] { CurrentPrinter::InstalledPrinters(); }).detach(); });
}

std::wstring DefaultPrinterName() {
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) return {};
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) return {};
    name.resize(length - 1);
    return name;
}

std::vector<BYTE> DriverDefaultMode(const std::wstring& name) {
    HANDLE raw = nullptr;
    std::wstring mutableName = name;
    if (!OpenPrinterW(mutableName.data(), &raw, nullptr)) return {};
    unique_hprinter printer(raw);
    const LONG size = DocumentPropertiesW(nullptr, printer.get(), mutableName.data(), nullptr, nullptr, 0);
    if (size <= 0) return {};
    std::vector<BYTE> mode(size);
    if (DocumentPropertiesW(nullptr, printer.get(), mutableName.data(), reinterpret_cast<DEVMODEW*>(mode.data()),
                            nullptr, DM_OUT_BUFFER) != IDOK)
        return {};
    return mode;
}

bool DrawPicture(HDC dc, const PictureSurface& picture, const RECT& target, int bandRows) {
    const int width = picture.Width(), height = picture.Height();
    const std::uint32_t* pixels = picture.Pixels();
    // Device rows of picture row `row`: each band ends where the next begins,
    // so the bands meet without a gap or an overlap.
    const auto deviceTop = [&](int row) {
        return target.top + static_cast<int>(std::lround(double(target.bottom - target.top) * row / height));
    };
    int rows = std::max(1, std::min(bandRows, height));
    for (int top = 0; top < height;) {
        const int count = std::min(rows, height - top);
        // The band is a top-down bitmap of its own that starts at its first row.
        const BITMAPINFO info = TopDownBitmapInfo(width, count);
        const int drawn = StretchDIBits(dc, target.left, deviceTop(top), target.right - target.left,
                                        deviceTop(top + count) - deviceTop(top), 0, 0, width, count,
                                        pixels + std::size_t(top) * width, &info, DIB_RGB_COLORS, SRCCOPY);
        if (drawn > 0 && drawn != static_cast<int>(GDI_ERROR)) {
            top += count;
        } else if (rows > 1) {
            rows /= 2;
        } else {
            return false;
        }
    }
    return true;
}

namespace {

// The codes a printer lists for one of its capabilities (WORD each).
std::vector<WORD> Capabilities(const std::wstring& name, WORD capability) {
    const int count = DeviceCapabilitiesW(name.c_str(), nullptr, capability, nullptr, nullptr);
    if (count <= 0) return {};
    std::vector<WORD> codes(count);
    DeviceCapabilitiesW(name.c_str(), nullptr, capability, reinterpret_cast<wchar_t*>(codes.data()), nullptr);
    return codes;
}

bool Offers(const std::wstring& name, WORD capability, int code, short defaultCode) {
    if (code == defaultCode) return true;
    const std::vector<WORD> codes = Capabilities(name, capability);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

std::optional<std::vector<std::wstring>> CurrentPrinter::InstalledPrinters() {
    // Level 4 holds the names alone, which the spooler lists without asking
    // each printer for its state.
    DWORD needed = 0, count = 0;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    std::vector<std::wstring> names;
    if (EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count)) return names;  // none installed
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return std::nullopt;
    std::vector<BYTE> buffer(needed);
    if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return std::nullopt;
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) names.emplace_back(info[i].pPrinterName);
    return names;
}

bool CurrentPrinter::EnsurePrinter() {
    if (!mode_.empty()) return true;
    // Until a printer is current, the system's default one is; a printer
    // installed while the program runs is found at the next job.
    const std::wstring name = DefaultPrinterName();
    if (name.empty()) return false;
    Select(name);
    return !mode_.empty();
}

bool CurrentPrinter::Select(const std::wstring& name) {
    if (name == name_ && !mode_.empty()) return true;
    std::vector<BYTE> mode = DriverDefaultMode(name);
    if (mode.empty()) return false;
    name_ = name;
    mode_ = std::move(mode);
    defaultPaperSize_ = Mode()->dmPaperSize;
    defaultPaperBin_ = Mode()->dmDefaultSource;
    return true;
}

bool CurrentPrinter::Merge() {
    if (!merges_) return true;
    HANDLE raw = nullptr;
    if (!OpenPrinterW(name_.data(), &raw, nullptr)) return false;
    unique_hprinter printer(raw);
    return DocumentPropertiesW(nullptr, printer.get(), name_.data(), Mode(), Mode(), DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
}

bool CurrentPrinter::SetPaperSize(int code) {
    if (!EnsurePrinter() || !Offers(name_, DC_PAPERS, code, defaultPaperSize_)) return false;
    Mode()->dmPaperSize = static_cast<short>(code);
    Mode()->dmFields |= DM_PAPERSIZE;
    return Merge();
}

bool CurrentPrinter::SetPaperBin(int code) {
    if (!EnsurePrinter() || !Offers(name_, DC_BINS, code, defaultPaperBin_)) return false;
    Mode()->dmDefaultSource = static_cast<short>(code);
    Mode()->dmFields |= DM_DEFAULTSOURCE;
    return Merge();
}

bool CurrentPrinter::SetOrientation(int code) {
    if (!EnsurePrinter() || (code != DMORIENT_PORTRAIT && code != DMORIENT_LANDSCAPE)) return false;
    Mode()->dmOrientation = static_cast<short>(code);
    Mode()->dmFields |= DM_ORIENTATION;
    return Merge();
}

bool CurrentPrinter::ReadMetrics(layout::PageMetrics& metrics) {
    if (!EnsurePrinter()) return false;
    unique_hdc dc(CreateDCW(L"WINSPOOL", name_.c_str(), nullptr, Mode()));
    if (!dc) return false;
    const int dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX), dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY);
    if (dpiX <= 0 || dpiY <= 0) return false;
    const auto twipsX = [&](int index) { return GetDeviceCaps(dc.get(), index) * 1440.0 / dpiX; };
    const auto twipsY = [&](int index) { return GetDeviceCaps(dc.get(), index) * 1440.0 / dpiY; };
    metrics.paperWidth = twipsX(PHYSICALWIDTH);
    metrics.paperHeight = twipsY(PHYSICALHEIGHT);
    metrics.printableLeft = twipsX(PHYSICALOFFSETX);
    metrics.printableTop = twipsY(PHYSICALOFFSETY);
    metrics.printableWidth = twipsX(HORZRES);
    metrics.printableHeight = twipsY(VERTRES);
    return true;
}

bool CurrentPrinter::PrintPage(const PictureSurface* picture, const layout::TwipsRect& at) {
    if (!EnsurePrinter()) return false;
    unique_hdc dc(CreateDCW(L"WINSPOOL", name_.c_str(), nullptr, Mode()));
    if (!dc) return false;
    const int dpiX = GetDeviceCaps(dc.get(), LOGPIXELSX), dpiY = GetDeviceCaps(dc.get(), LOGPIXELSY);
    const auto deviceX = [&](double twips) { return static_cast<int>(std::lround(twips * dpiX / 1440.0)); };
    const auto deviceY = [&](double twips) { return static_cast<int>(std::lround(twips * dpiY / 1440.0)); };

    DOCINFOW doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"ruxa";
    if (StartDocW(dc.get(), &doc) <= 0) return false;
    if (StartPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return false;
    }
    const RECT paper{0, 0, GetDeviceCaps(dc.get(), PHYSICALWIDTH), GetDeviceCaps(dc.get(), PHYSICALHEIGHT)};
    FillRect(dc.get(), &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (picture && picture->Width() > 0 && picture->Height() > 0) {
        const RECT target{deviceX(at.left), deviceY(at.top), deviceX(at.right), deviceY(at.bottom)};
        // A page without its picture is no print.
        if (!DrawPicture(dc.get(), *picture, target, picture->Height())) {
            AbortDoc(dc.get());
            return false;
        }
    }
    if (EndPage(dc.get()) <= 0) {
        AbortDoc(dc.get());
        return false;
    }
    return EndDoc(dc.get()) > 0;
}
