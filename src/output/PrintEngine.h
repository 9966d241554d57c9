// The print engine: one capture on one page as one job, laid out by the
// current print settings.
#pragma once
#include <cstdint>

#include "Printer.h"

namespace BasRuxa {

inline std::int16_t PrintError = 0;  // -1 once this job reported a printer or paper error
inline std::int32_t PageWidthPx = 0;  // printable area in screen pixels
inline std::int32_t PageHeightPx = 0;
inline std::int32_t ImageWidthPx = 0;  // layout size in fit mode
inline std::int32_t ImageHeightPx = 0;

// The printer all jobs of this run go to.
CurrentPrinter& Printer();

// Selects the printer, applies paper size, source and orientation and renders
// the layout picture. A printer or paper problem is shown and sets PrintError.
void PreparePrint();

// PreparePrint, then one page at the chosen position, unless PrintError. A
// job the spooler does not take is shown and sets PrintError as well.
void PrintCapture();

}  // namespace BasRuxa
