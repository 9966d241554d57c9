// Saving and loading a settings file with 101 named settings: the program's
// one-read / one-write file against the same work done key by key through
// the platform's private-profile functions.
#include <windows.h>

#include <cstdio>

#include "BenchHarness.h"
#include "KeyByKey.h"
#include "HumanSeam.h"
#include "PaperTables.h"
#include "SettingsFile.h"
#include "Text.h"

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
    for (int i = 0; i < NamedSettingsCapacity; ++i) {
        NamedSettings[i] = CurrentPrint;
        NamedSettings[i].Title = "名前付き設定" + std::to_string(i + 1);
    }
    Settings.PrinterCount = NamedSettingsCapacity;
    const IniFile document = BasRuxa::SaveSettings(Model);
    const std::wstring reference = folder + L"reference.ini";

    std::printf("settings file with %d named settings\n", NamedSettingsCapacity);
    const double save = bench::SecondsPerRun([] { SaveSettings(); }, 20);
    const double saveKeyByKey = bench::SecondsPerRun([&] { keybykey::Save(document, reference); }, 2, 3);
    bench::Report("SaveSettings", save, saveKeyByKey);

    const SettingsModel saved = Model;
    const double load = bench::SecondsPerRun([] { LoadSettings(); }, 20);
    volatile std::size_t sink = 0;
    const double loadKeyByKey = bench::SecondsPerRun([&] { sink = sink + keybykey::Load(document, IniPath()); }, 2, 3);
    bench::Report("LoadSettings", load, loadKeyByKey);
    const bool same = Model.Settings.PrinterCount == saved.Settings.PrinterCount &&
                      Model.NamedSettings[100].Title == saved.NamedSettings[100].Title;

    DeleteFileW(reference.c_str());
    DeleteFileW(IniPath().c_str());
    RemoveDirectoryW(folder.c_str());
    return same ? 0 : 1;
}
