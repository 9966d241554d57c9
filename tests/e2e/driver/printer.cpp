// A printer's page as the print engine sees it: the device metrics for a
// paper size and orientation, so tests can work out where a picture must land.
#include "commands.h"
#include "output.h"

#include "UniqueHandle.h"

#include <string>
#include <vector>

namespace driver {

namespace {

// The driver's default settings with paper size and orientation changed and
// merged by the driver, as the print engine builds each job's settings.
std::vector<BYTE> JobMode(std::wstring name, short paper, short orientation) {
  HANDLE raw = nullptr;
  if (!OpenPrinterW(name.data(), &raw, nullptr))
    return {};
  const unique_hprinter printer(raw);
  const LONG size = DocumentPropertiesW(nullptr, printer.get(), name.data(), nullptr, nullptr, 0);
  if (size <= 0)
    return {};
  std::vector<BYTE> mode(static_cast<size_t>(size));
  auto* devmode = reinterpret_cast<DEVMODEW*>(mode.data());
  if (DocumentPropertiesW(nullptr, printer.get(), name.data(), devmode, nullptr, DM_OUT_BUFFER) != IDOK)
    return {};
  if (paper != 0) {
    devmode->dmPaperSize = paper;
    devmode->dmFields |= DM_PAPERSIZE;
  }
  devmode->dmOrientation = orientation;
  devmode->dmFields |= DM_ORIENTATION;
  if (DocumentPropertiesW(nullptr, printer.get(), name.data(), devmode, devmode, DM_IN_BUFFER | DM_OUT_BUFFER) !=
      IDOK)
    return {};
  return mode;
}

std::string Pair(HDC dc, int first, int second) {
  return std::to_string(GetDeviceCaps(dc, first)) + " " + std::to_string(GetDeviceCaps(dc, second));
}

} // namespace

int PrinterMetrics(const Options& options) {
  const auto name = options.Text(L"printer");
  if (!name)
    return Fail(L"printer-metrics needs --printer NAME");
  const auto paper = static_cast<short>(options.Number(L"paper").value_or(0));
  const auto orientation = static_cast<short>(options.Number(L"orientation").value_or(DMORIENT_PORTRAIT));
  std::vector<BYTE> mode = JobMode(*name, paper, orientation);
  if (mode.empty())
    return Fail(L"cannot read the settings of printer " + *name);
  const unique_hdc dc(CreateDCW(L"WINSPOOL", name->c_str(), nullptr, reinterpret_cast<DEVMODEW*>(mode.data())));
  if (!dc)
    return Fail(L"CreateDCW failed for printer " + *name);
  PrintLine("dpi=" + Pair(dc.get(), LOGPIXELSX, LOGPIXELSY));
  PrintLine("printable=" + Pair(dc.get(), HORZRES, VERTRES));
  PrintLine("physical=" + Pair(dc.get(), PHYSICALWIDTH, PHYSICALHEIGHT));
  PrintLine("offset=" + Pair(dc.get(), PHYSICALOFFSETX, PHYSICALOFFSETY));
  return 0;
}

} // namespace driver
