// Saving and loading a settings file with 101 named settings: the program's
// one-read / one-write file against the same work done key by key through
// the platform's private-profile functions, and the save against its ceiling,
// a bare write, flush and rename of the same bytes.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "BenchHarness.h"
#include "FileIo.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "KeyByKey.h"
#include "PaperTables.h"
#include "SettingsFile.h"
#include "Text.h"
#include "TextFile.h"
#include "UniqueHandle.h"

using namespace BasRuxa;

int main() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"ruxa-bench-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    AppPath = text::Narrow(folder);
    BasPrinterConst::InitPaperTables();
    SetMessageBoxAnswerer([](const MessageBoxCall& call) {
        std::printf("unexpected message: %s\n", call.text.c_str());
        return IDOK;
    });

    LoadSettings();
    SettingsModel settings = Store().Model();
    for (int i = 0; i < NamedSettingsCapacity; ++i) {
        settings.NamedSettings[i] = settings.CurrentPrint;
        settings.NamedSettings[i].Title = "名前付き設定" + std::to_string(i + 1);
    }
    settings.Settings.PrinterCount = NamedSettingsCapacity;
    Store().Reset(settings);
    const IniFile document = IniFile::Parse(BasRuxa::SaveSettings(settings));
    const std::wstring reference = folder + L"reference.ini", bare = folder + L"bare.ini", bareTemp = bare + L".new";
    TextEncoding encoding = TextEncoding::Cp932;
    const std::string bytes = EncodeTextFile(document.Serialize(), encoding);

    std::printf("settings file with %d named settings\n", NamedSettingsCapacity);
    const auto commit = [&] { Store().Commit(settings); };
    const double save = bench::SecondsPerRun(commit, 20);
    const double saveKeyByKey = bench::SecondsPerRun([&] { keybykey::Save(document, reference); }, 2, 3);
    bench::Report("SaveSettings vs key by key", save, saveKeyByKey);
    // The least a crash-safe save can do: the bytes written and flushed to a
    // new file that then takes the old one's place.
    const auto bareSave = [&] {
        {
            const unique_hfile file(CreateFileW(bareTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
            DWORD written = 0;
            WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            FlushFileBuffers(file.get());
        }
        MoveFileExW(bareTemp.c_str(), bare.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    };
    // The flush waits for the disk, which other programs share: batches of
    // the two take turns, so a busy spell weighs on both alike.
    double saveTurns = 1e300, ceiling = 1e300;
    for (int turn = 0; turn < 12; ++turn) {
        saveTurns = std::min(saveTurns, bench::SecondsPerRun(commit, 5, 1));
        ceiling = std::min(ceiling, bench::SecondsPerRun(bareSave, 5, 1));
    }
    bench::Report("SaveSettings vs write + flush + rename", saveTurns, ceiling);
    std::printf("the save takes %.2f times as long as the bare write (goal: at most 1.5)\n", saveTurns / ceiling);

    const double load = bench::SecondsPerRun([] { LoadSettings(); }, 20);
    volatile std::size_t sink = 0;
    const double loadKeyByKey = bench::SecondsPerRun([&] { sink = sink + keybykey::Load(document, Store().FilePath()); }, 2, 3);
    bench::Report("LoadSettings vs key by key", load, loadKeyByKey);
    const bool same = Settings.PrinterCount == settings.Settings.PrinterCount &&
                      NamedSettings[100].Title == settings.NamedSettings[100].Title;

    for (const std::wstring& file : {reference, bare, Store().FilePath()}) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    return same ? 0 : 1;
}
