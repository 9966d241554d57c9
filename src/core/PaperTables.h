// Japanese display names of the printing system's paper size and paper source
// codes. Code 0 is "unspecified": the printer's own value is left alone.
// The tables themselves are private: a stored code may be any number (a
// hand-edited file), so every reader goes through the lookups below.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace BasPrinterConst {

constexpr int PaperSizeMax = 256;
constexpr int PaperBinMax = 100;

void InitPaperTables();

// The name of a code; empty for a code the table leaves unnamed or that lies
// outside it.
const std::string& PaperSizeNameOf(int code);
const std::string& PaperBinNameOf(int code);

// The codes a table names, as the dialogs list them: ascending, so that
// "指定なし" (code 0) comes first.
class CodeList {
public:
    explicit CodeList(std::vector<int> codes) : codes_(std::move(codes)) {}
    int Count() const { return static_cast<int>(codes_.size()); }
    // The code at a list position; nothing outside the list (a list box's
    // "no selection" -1 included).
    std::optional<int> CodeAt(int index) const;
    // A code's list position; nothing for a code the list does not offer.
    std::optional<int> IndexOf(int code) const;

private:
    std::vector<int> codes_;
};

const CodeList& PaperSizeList();
const CodeList& PaperBinList();

}  // namespace BasPrinterConst
