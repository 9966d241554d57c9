#include "DefaultPrinter.h"

#include "Printer.h"
#include "Text.h"

DefaultPrinterInfo QueryDefaultPrinter() {
    DefaultPrinterInfo info;
    const std::wstring name = DefaultPrinterName();
    std::vector<BYTE> buffer = name.empty() ? std::vector<BYTE>{} : DriverDefaultMode(name);
    if (buffer.empty()) return info;
    const auto* mode = reinterpret_cast<const DEVMODEW*>(buffer.data());
    info.DeviceName = text::Narrow(name);  // dmDeviceName stops at 31 characters
    info.Orientation = mode->dmOrientation;
    info.PaperBin = mode->dmDefaultSource;
    info.PaperSize = mode->dmPaperSize;
    return info;
}
