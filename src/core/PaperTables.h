// Japanese display names of the printing system's paper size and paper source
// codes. Code 0 is "unspecified": the printer's own value is left alone.
#pragma once
#include <array>
#include <string>

namespace BasPrinterConst {

constexpr int PaperSizeMax = 256;
constexpr int PaperBinMax = 100;

extern std::array<std::string, PaperSizeMax + 1> PaperSizeName;
extern std::array<std::string, PaperBinMax + 1> PaperBinName;

void InitPaperTables();

// Safe lookups for codes that may come from a hand-edited file: a code outside
// the table has no name.
const std::string& PaperSizeNameOf(int code);
const std::string& PaperBinNameOf(int code);

}  // namespace BasPrinterConst
