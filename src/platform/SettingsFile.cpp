#include "SettingsFile.h"

#include <windows.h>
#include <knownfolders.h>

#include "DefaultPrinter.h"
#include "FileIo.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "LegacyInf.h"
#include "SettingsStore.h"
#include "Text.h"
#include "TextFile.h"

namespace BasRuxa {
namespace {

constexpr const wchar_t* IniName = L"ruxa.ini";

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

std::string UnreadableIniMessage(const std::wstring& path, DWORD error) {
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
    return "設定ファイルを読み込めませんでした。\n" + text::Narrow(path) + "\n" + reason +
           "\n\n［再試行］でもう一度読み込みます。［キャンセル］で、設定ファイルには何も書き込まずに終了します。";
}

// The file's bytes, empty for a file that is not there. A file that is there
// but cannot be read is no first start: writing the defaults over it would
// lose every setting it holds, so the user retries or gives up.
std::optional<std::string> ReadIniBytes(const std::wstring& path) {
    fileio::ReadResult file = fileio::ReadWholeFile(path);
    while (!file.bytes && !IsMissing(file.error)) {
        if (ShowMessageBox(nullptr, UnreadableIniMessage(path, file.error), "ルクサさん",
                           MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY)
            return std::nullopt;
        file = fileio::ReadWholeFile(path);
    }
    return file.bytes.value_or("");
}

struct IniLocation {
    std::wstring path;        // where the settings are read and written
    std::wstring seed;        // read instead while `path` does not exist yet
    bool movedAway = false;   // not beside the program, which cannot be written
};

IniLocation FindIniLocation() {
    const std::wstring programFolder = text::Widen(AppPath);
    if (fileio::CanCreateFilesIn(programFolder)) return {programFolder + IniName, {}, false};
    const std::wstring userFolder = fileio::UserFolder(FOLDERID_RoamingAppData);
    // Nowhere else to go: saving will say why it cannot.
    if (userFolder.empty()) return {programFolder + IniName, {}, false};
    // A ruxa.ini that came with the program is where the user's settings start.
    return {userFolder + IniName, programFolder + IniName, true};
}

}  // namespace

std::wstring LegacyInfPath() { return text::Widen(AppPath) + L"ruxa.inf"; }

bool LoadSettings() {
    const IniLocation location = FindIniLocation();
    const bool existed = GetFileAttributesW(location.path.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::optional<std::string> bytes = ReadIniBytes(existed || !location.movedAway ? location.path : location.seed);
    if (!bytes) return false;
    const DecodedText text = DecodeTextFile(*bytes);
    IniFile ini = IniFile::Parse(text.utf8);
    SettingsStore& store = Store();
    store.BindFile(location.path, text.encoding);

    std::optional<LegacyOptions> legacy;
    const bool firstStart = NeedsFirstStart(ini);
    if (firstStart) {
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
    }
    SettingsModel model;
    LoadSettings(ini, model);
    store.Reset(model);
    if (!firstStart && existed) return true;
    // The file is new (a first start, or settings that move to the user's
    // folder): it is written now, as the first start has always done.
    if (!store.WriteDocument(ini.Serialize())) return true;
    // The legacy file goes only once ruxa.ini holds its values.
    if (legacy) DeleteFileW(LegacyInfPath().c_str());
    if (location.movedAway && !existed)
        ShowMessageBox(nullptr,
                       "プログラムのフォルダーには書き込めないため、設定は次のファイルに保存します。\n" +
                           text::Narrow(location.path),
                       "ルクサさん", MB_OK | MB_ICONINFORMATION);
    return true;
}

}  // namespace BasRuxa
