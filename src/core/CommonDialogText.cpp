#include "CommonDialogText.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace commondlg {
namespace {

struct ErrorText {
    std::int32_t number;
    const char* text;
};

constexpr ErrorText ErrorTexts[] = {
    {20476, "メンバ lpstrFile が指すバッファが小さすぎます。"},
    {20477, "ファイル名が無効です。"},
    {20478, "メモリ不足のために、リスト ボックスをサブクラス化できません。"},
    {24574, "フォントが存在しません。"},
    {28660, "WIN.INI ファイル内の [devices] セクションに、必要なプリンタについてのエントリがありません。"},
    {28661, "PrintDlg 関数が情報コンテキストを作成できません。"},
    {28662, "DevMode データ構造と DevNames データ構造のデータが異なるプリンタを指しています。"},
    {28663, "通常使うプリンタが設定されていません。"},
    {28664, "プリンタ ドライバが見つかりません。"},
    {28665, "PrintDlg 関数を初期化できません。"},
    {28666, "プリンタ ドライバが DevMode データ構造を初期化できません。"},
    {28667, "PrintDlg 関数が、指定したプリンタ ドライバをロードできません。"},
    {28668, "PDReturnDefault フラグが設定されていますが、hDevMode フィールドまたは hDevNames フィールドが 0 ではありません。"},
    {28671, "PDReturnDefault フラグが設定されていますが、hDevMode フィールドまたは hDevNames フィールドが 0 ではありません。"},
    {28669, "CommonDialog 関数が WIN.INI の [devices] セクションの文字列を解析できません。"},
    {28670, "必要なリソースを読み込めません。"},
    {32751, "Microsoft Windows のヘルプを呼び出せません。"},
    {32752, "FileName プロパティまたは Filter プロパティにメモリを割り当てられません。"},
    {32755, "[キャンセル] ボタンが選択されました。"},
    {32757, "関数が、ハンドルに関連付けられたメモリをロックできません。"},
    {32758, "関数が、内部のデータ構造にメモリを割り当てられません。"},
    {32759, "関数が指定したリソースをロックできません。"},
    {32760, "関数が指定したリソースをロードできません。"},
    {32761, "関数が指定したリソースをロードできません。"},
    {32765, "関数を初期化できません。"},
    {-32768, "関数がダイアログ ボックスをロードできません。"},
};

// The dialog service reports its own codes (CommDlgExtendedError); the table
// above is keyed by the numbers the descriptions were written for. Each code
// with a row there, and that row's number.
constexpr std::pair<std::int32_t, std::int32_t> ServiceCodes[] = {
    {0xFFFF, -32768},  // CDERR_DIALOGFAILURE
    {0x0002, 32765},   // CDERR_INITIALIZATION
    {0x0005, 32760},   // CDERR_LOADSTRFAILURE
    {0x0006, 32761},   // CDERR_FINDRESFAILURE
    {0x0007, 32760},   // CDERR_LOADRESFAILURE
    {0x0008, 32759},   // CDERR_LOCKRESFAILURE
    {0x0009, 32758},   // CDERR_MEMALLOCFAILURE
    {0x000A, 32757},   // CDERR_MEMLOCKFAILURE
    {0x1001, 28670},   // PDERR_SETUPFAILURE
    {0x1002, 28669},   // PDERR_PARSEFAILURE
    {0x1003, 28668},   // PDERR_RETDEFFAILURE
    {0x1004, 28667},   // PDERR_LOADDRVFAILURE
    {0x1005, 28666},   // PDERR_GETDEVMODEFAIL
    {0x1006, 28665},   // PDERR_INITFAILURE
    {0x1007, 28664},   // PDERR_NODEVICES
    {0x1008, 28663},   // PDERR_NODEFAULTPRN
    {0x1009, 28662},   // PDERR_DNDMMISMATCH
    {0x100A, 28661},   // PDERR_CREATEICFAILURE
    {0x100B, 28660},   // PDERR_PRINTERNOTFOUND
    {0x2001, 24574},   // CFERR_NOFONTS
    {0x3001, 20478},   // FNERR_SUBCLASSFAILURE
    {0x3002, 20477},   // FNERR_INVALIDFILENAME
    {0x3003, 20476},   // FNERR_BUFFERTOOSMALL
};

const char* TableText(std::int32_t number) {
    for (const ErrorText& e : ErrorTexts)
        if (e.number == number) return e.text;
    return nullptr;
}

}  // namespace

std::string ApiFilter(std::string_view filter) {
    std::string api(filter);
    std::replace(api.begin(), api.end(), '|', '\0');
    if (api.empty() || api.back() != '\0') api.push_back('\0');
    return api;
}

const char* ErrorDescription(std::int32_t number) {
    if (const char* text = TableText(number)) return text;
    for (const auto& [code, row] : ServiceCodes)
        if (code == number) return TableText(row);
    return "未知のｴﾗｰです。";
}

std::optional<std::int32_t> HelpKeyNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace commondlg
