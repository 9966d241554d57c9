#include "DefaultPrinter.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "Text.h"
#include "UniqueHandle.h"

DefaultPrinterInfo QueryDefaultPrinter() {
    DefaultPrinterInfo info;
    DWORD length = 0;
    GetDefaultPrinterW(nullptr, &length);
    if (length == 0) return info;
    std::wstring name(length, L'\0');
    if (!GetDefaultPrinterW(name.data(), &length)) return info;
    name.resize(length - 1);

    HANDLE raw = nullptr;
    if (!OpenPrinterW(name.data(), &raw, nullptr)) return info;
    unique_hprinter printer(raw);
    const LONG size = DocumentPropertiesW(nullptr, printer.get(), name.data(), nullptr, nullptr, 0);
    if (size <= 0) return info;
    std::vector<BYTE> buffer(size);
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (DocumentPropertiesW(nullptr, printer.get(), name.data(), mode, nullptr, DM_OUT_BUFFER) != IDOK) return info;

    info.DeviceName = text::Narrow(name);  // dmDeviceName stops at 31 characters
    info.Orientation = mode->dmOrientation;
    info.PaperBin = mode->dmDefaultSource;
    info.PaperSize = mode->dmPaperSize;
    return info;
}
