#include "SettingsFile.h"

#include <windows.h>

#include "DefaultPrinter.h"
#include "FileIo.h"
#include "LegacyInf.h"
#include "HumanSeam.h"
#include "Text.h"
#include "TextFile.h"

namespace BasRuxa {
namespace {

std::wstring InProgramFolder(const wchar_t* name) { return text::Widen(AppPath) + name; }

// The encoding ruxa.ini was read in, and is written back in.
TextEncoding iniEncoding = TextEncoding::Cp932;

bool WriteIniFile(const IniFile& ini) {
    TextEncoding encoding = iniEncoding;
    const DWORD error = fileio::ReplaceFileAtomically(IniPath(), EncodeTextFile(ini.Serialize(), encoding));
    if (error == ERROR_SUCCESS) {
        iniEncoding = encoding;
        return true;
    }
    ShowMessageBox(nullptr,
                   "設定を保存できませんでした。\n" + text::Narrow(IniPath()) + "\n" + fileio::ErrorText(error),
                   "ルクサさん", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void ShowRuntimeError(const RuntimeError& error) {
    ShowMessageBox(nullptr, error.Description, "エラー番号：" + std::to_string(error.Number), MB_OK);
}

// Opening failures keep the classic numbers: a file in use by someone else is
// "permission denied", anything else that stops the read a path/file access
// error.
RuntimeError OpenError(DWORD error) {
    const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    return runtime_error::Make(inUse ? runtime_error::PermissionDenied : runtime_error::PathFileAccessError);
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::string UnreadableIniMessage(DWORD error) {
    std::string reason;
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        reason = "ほかのプログラムがこのファイルを使用中です。";
        break;
    case ERROR_ACCESS_DENIED:
        reason = "このファイルを読み取る権限がありません。";
        break;
    case ERROR_FILE_TOO_LARGE:
        reason = "ファイルが大きすぎます。設定ファイルとして読み込めるのは 64 MB までです。";
        break;
    default:
        reason = fileio::ErrorText(error);
        break;
    }
    return "設定ファイルを読み込めませんでした。\n" + text::Narrow(IniPath()) + "\n" + reason +
           "\n\n［再試行］でもう一度読み込みます。［キャンセル］で、設定ファイルには何も書き込まずに終了します。";
}

}  // namespace

std::wstring IniPath() { return InProgramFolder(L"ruxa.ini"); }
std::wstring LegacyInfPath() { return InProgramFolder(L"ruxa.inf"); }

bool LoadSettings() {
    fileio::ReadResult file = fileio::ReadWholeFile(IniPath());
    // A file that is there but cannot be read is no first start: writing the
    // defaults over it would lose every setting it holds.
    while (!file.bytes && !IsMissing(file.error)) {
        if (ShowMessageBox(nullptr, UnreadableIniMessage(file.error), "ルクサさん", MB_RETRYCANCEL | MB_ICONEXCLAMATION) !=
            IDRETRY)
            return false;
        file = fileio::ReadWholeFile(IniPath());
    }
    const DecodedText text = DecodeTextFile(file.bytes.value_or(""));
    iniEncoding = text.encoding;
    IniFile ini = IniFile::Parse(text.utf8);

    if (NeedsFirstStart(ini)) {
        std::optional<LegacyOptions> legacy;
        const fileio::ReadResult inf = fileio::ReadWholeFile(LegacyInfPath());
        if (inf.bytes) {
            const auto parsed = ParseLegacyInf(DecodeTextFile(*inf.bytes).utf8);
            if (const auto* error = std::get_if<RuntimeError>(&parsed)) {
                ShowRuntimeError(*error);
                return false;
            }
            legacy = std::get<LegacyOptions>(parsed);
        } else if (!IsMissing(inf.error)) {
            ShowRuntimeError(OpenError(inf.error));
            return false;
        }
        InitSettings(ini, legacy, QueryDefaultPrinter());
        // The legacy file goes only once ruxa.ini holds its values.
        if (WriteIniFile(ini) && legacy) DeleteFileW(LegacyInfPath().c_str());
    }
    LoadSettings(ini, Model);
    return true;
}

bool SaveSettings() {
    if (AppState != StateCommandLine) return WriteIniFile(SaveSettings(Model));
    // The run's own choice to confirm (or not) is not the user's setting.
    SettingsModel kept = Model;
    kept.Settings.ConfirmBeforePrint = ConfirmBeforePrintInFile;
    return WriteIniFile(SaveSettings(kept));
}

}  // namespace BasRuxa
