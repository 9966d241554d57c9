#include "PaperTables.h"

#include <algorithm>
#include <array>
#include <utility>

namespace BasPrinterConst {
namespace {

std::array<std::string, PaperSizeMax + 1> PaperSizeName;
std::array<std::string, PaperBinMax + 1> PaperBinName;

constexpr std::pair<int, const char*> PaperSizes[] = {
    {0, "指定なし"},
    {1, "ﾚﾀｰ、8 1/2 x 11 ｲﾝﾁ"},
    {2, "ﾚﾀｰ ｽﾓｰﾙ、8 1/2 x 11 ｲﾝﾁ"},
    {3, "ﾀﾌﾞﾛｲﾄﾞ、11 x 17 ｲﾝﾁ"},
    {4, "ﾚｼﾞｬｰ、17 x 11 ｲﾝﾁ"},
    {5, "ﾘｰｶﾞﾙ、8 1/2 x 14 ｲﾝﾁ"},
    {6, "ｽﾃｰﾄﾒﾝﾄ、5 1/2 x 8 1/2 ｲﾝﾁ"},
    {7, "ｴｸﾞｾﾞｸﾃｨﾌﾞ、7 1/2 x 10 1/2 ｲﾝﾁ"},
    {8, "A3、297 x 420 mm"},
    {9, "A4、210 x 297 mm"},
    {10, "A4 Small、210 x 297 mm"},
    {11, "A5、148 x 210 mm"},
    {12, "B4、250 x 354 mm"},
    {13, "B5、182 x 257 mm"},
    {14, "ﾌｫﾘｵ、8 1/2 x 13 ｲﾝﾁ"},
    {15, "ｸｫｰﾄ、215 x 275 mm"},
    {16, "10 x 14 ｲﾝﾁ"},
    {17, "11 x 17 ｲﾝﾁ"},
    {18, "ﾉｰﾄ、8 1/2 x 11 ｲﾝﾁ"},
    {19, "封筒 #9、3 7/8 x 8 7/8 ｲﾝﾁ"},
    {20, "封筒 #10、4 1/8 x 9 1/2 ｲﾝﾁ"},
    {21, "封筒 #11、4 1/2 x 10 3/8 ｲﾝﾁ"},
    {22, "封筒 #12、4 1/2 x 11 ｲﾝﾁ"},
    {23, "封筒 #14、5 x 11 1/2 ｲﾝﾁ"},
    {24, "C ｻｲｽﾞ ｼｰﾄ"},
    {25, "D ｻｲｽﾞ ｼｰﾄ"},
    {26, "E ｻｲｽﾞ ｼｰﾄ"},
    {27, "封筒 DL、110 x 220 mm"},
    {28, "封筒 C5、162 x 229 mm"},
    {29, "封筒 C3、324 x 458 mm"},
    {30, "封筒 C4、229 x 324 mm"},
    {31, "封筒 C6、114 x 162 mm"},
    {32, "封筒 C65、114 x 229 mm"},
    {33, "封筒 B4、250 x 353 mm"},
    {34, "封筒 B5、176 x 250 mm"},
    {35, "封筒 B6、176 x 125 mm"},
    {36, "封筒、110 x 230 mm"},
    {37, "封筒 Monarch、3 7/8 x 7 1/2 ｲﾝﾁ"},
    {38, "封筒、3 5/8 x 6 1/2 ｲﾝﾁ"},
    {39, "U.S. ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ"},
    {40, "ﾄﾞｲﾂ ｽﾀﾝﾀﾞｰﾄﾞ ﾌｧﾝﾌｫｰﾙﾄﾞ"},
    {41, "ﾄﾞｲﾂ ﾘｰｶﾞﾙ ﾌｧﾝﾌｫｰﾙﾄﾞ"},
    {43, "はがき"},
    {256, "ﾕｰｻﾞｰ定義のｻｲｽﾞ"},
};

constexpr std::pair<int, const char*> PaperBins[] = {
    {0, "指定なし"},
    {1, "上段のﾄﾚｰの用紙"},
    {2, "下段のﾄﾚｰの用紙"},
    {3, "中央のﾄﾚｰの用紙"},
    {4, "1枚ずつ手差しで供給されるまで待機"},
    {5, "封筒ﾌｨｰﾀﾞの封筒"},
    {6, "封筒ﾌｨｰﾀﾞの封筒の供給待機"},
    {7, "現在の既定値のﾄﾚｰの用紙"},
    {8, "ﾄﾗｸﾀﾌｨｰﾀﾞの用紙"},
    {9, "小さいﾍﾟｰﾊﾟｰﾌｨｰﾀﾞの用紙"},
    {10, "大きいﾍﾟｰﾊﾟｰﾌｨｰﾀﾞの用紙"},
    {11, "容量の大きいﾌｨｰﾀﾞの用紙"},
    {14, "装着されたｶｾｯﾄｶｰﾄﾘｯｼﾞの用紙"},
};

const std::string NoName;

template <std::size_t N>
std::vector<int> NamedCodes(const std::array<std::string, N>& table) {
    std::vector<int> codes;
    for (std::size_t code = 0; code < N; ++code)
        if (!table[code].empty()) codes.push_back(static_cast<int>(code));
    return codes;
}

CodeList sizeList({});
CodeList binList({});

}  // namespace

void InitPaperTables() {
    PaperSizeName.fill({});
    PaperBinName.fill({});
    for (const auto& [code, name] : PaperSizes) PaperSizeName[code] = name;
    for (const auto& [code, name] : PaperBins) PaperBinName[code] = name;
    sizeList = CodeList(NamedCodes(PaperSizeName));
    binList = CodeList(NamedCodes(PaperBinName));
}

const std::string& PaperSizeNameOf(int code) {
    return code >= 0 && code <= PaperSizeMax ? PaperSizeName[code] : NoName;
}

const std::string& PaperBinNameOf(int code) {
    return code >= 0 && code <= PaperBinMax ? PaperBinName[code] : NoName;
}

std::optional<int> CodeList::CodeAt(int index) const {
    if (index < 0 || index >= Count()) return std::nullopt;
    return codes_[index];
}

std::optional<int> CodeList::IndexOf(int code) const {
    const auto found = std::find(codes_.begin(), codes_.end(), code);
    if (found == codes_.end()) return std::nullopt;
    return static_cast<int>(found - codes_.begin());
}

const CodeList& PaperSizeList() { return sizeList; }
const CodeList& PaperBinList() { return binList; }

}  // namespace BasPrinterConst
