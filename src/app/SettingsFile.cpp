#include "SettingsFile.h"

#include <windows.h>

#include "DefaultPrinter.h"
#include "FileIo.h"
#include "LegacyInf.h"
#include "HumanSeam.h"
#include "Text.h"

namespace BasRuxa {
namespace {

std::wstring InProgramFolder(const wchar_t* name) { return text::Widen(AppPath) + name; }

bool WriteIniFile(const IniFile& ini) {
    const DWORD error = fileio::ReplaceFileAtomically(IniPath(), text::Utf8ToAnsi(ini.Serialize()));
    if (error == ERROR_SUCCESS) return true;
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

}  // namespace

std::wstring IniPath() { return InProgramFolder(L"ruxa.ini"); }
std::wstring LegacyInfPath() { return InProgramFolder(L"ruxa.inf"); }

bool LoadSettings() {
    const fileio::ReadResult file = fileio::ReadWholeFile(IniPath());
    IniFile ini = IniFile::Parse(text::AnsiToUtf8(file.bytes.value_or("")));

    if (NeedsFirstStart(ini)) {
        std::optional<LegacyOptions> legacy;
        const fileio::ReadResult inf = fileio::ReadWholeFile(LegacyInfPath());
        if (inf.bytes) {
            const auto parsed = ParseLegacyInf(text::AnsiToUtf8(*inf.bytes));
            if (const auto* error = std::get_if<RuntimeError>(&parsed)) {
                ShowRuntimeError(*error);
                return false;
            }
            legacy = std::get<LegacyOptions>(parsed);
        } else if (inf.error != ERROR_FILE_NOT_FOUND && inf.error != ERROR_PATH_NOT_FOUND) {
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
