// The settings model: what ruxa.ini holds, how a file of any age loads into
// memory and how memory is written back. The file itself is read and written
// by the Windows side; everything here works on an IniFile document.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "IniFile.h"

constexpr int HotKeySlotCount = 9;
constexpr int NamedSettingsCapacity = 101;

struct SettingsRecord {
    std::string Title;
    std::string Icon;
    std::int16_t SelfTimer = 0;
    std::int16_t SelfTime = 0;
    std::int16_t IconDelete = 0;
    std::int16_t ConfirmBeforePrint = 0;
    std::int16_t ReversePrint = 0;
    std::int16_t DoubleClick = 0;
    std::int16_t DoubleClickDo = 0;
    std::int16_t PrinterCount = 0;
    std::int16_t LastSet = 0;
    std::int16_t UsesDefaultIcon = 0;  // never stored
    std::array<std::int16_t, HotKeySlotCount> HotKeyOn{};
    std::array<std::int16_t, HotKeySlotCount> HotKeyALT{};
    std::array<std::int16_t, HotKeySlotCount> HotKeySHIFT{};
    std::array<std::int16_t, HotKeySlotCount> HotKeyCTRL{};
    std::array<std::int16_t, HotKeySlotCount> HotKeyButton{};
    std::int16_t IconCapture = 0;
    // What the desktop capture takes: 0 every monitor, 1 the monitor under
    // the mouse pointer. Any other stored value reads as 0.
    std::int16_t DesktopMonitor = 0;
    std::string Version;
    // A field added here is also taken over in settings::TakeStoredChanges.
    bool operator==(const SettingsRecord&) const = default;
};

struct PrintSettings {
    std::string Title;
    std::string DeviceName;
    std::int16_t Pos = 0;
    std::int16_t Size = 0;
    std::int16_t SizeP = 0;
    std::int16_t Hiritsu = 0;
    std::int16_t PaperSize = 0;
    std::int16_t PaperBin = 0;
    std::int16_t Orientation = 0;
    bool operator==(const PrintSettings&) const = default;
};

using NamedSettingsArray = std::array<PrintSettings, NamedSettingsCapacity>;

struct SettingsModel {
    SettingsRecord Settings;
    PrintSettings CurrentPrint;
    NamedSettingsArray NamedSettings;
};

// What the first start takes from the system's default printer; all empty and
// zero when there is no printer.
struct DefaultPrinterInfo {
    std::string DeviceName;
    std::int16_t Orientation = 0;
    std::int16_t PaperBin = 0;
    std::int16_t PaperSize = 0;
};

// The values a settings file of the oldest versions (ruxa.inf) hands over.
struct LegacyOptions {
    std::int16_t SelfTimer = 0;
    std::int16_t SelfTime = 0;
    std::int16_t ConfirmBeforePrint = 0;
    std::int16_t IconDelete = 0;
    std::int16_t ReversePrint = 0;
    std::int16_t DoubleClick = 0;
};

namespace BasRuxa {

// One key's value, "0" when missing or empty; at most 1023 bytes of it in the
// file's code page, as a 1024-byte read buffer holds.
std::string ReadIni(const IniFile& ini, std::string_view section, std::string_view key);
void WriteIni(IniFile& ini, std::string_view section, std::string_view key, std::string_view value);

// A file without a title has never been set up (or was reset by hand).
bool NeedsFirstStart(const IniFile& ini);

// Writes the first-start defaults over what the file holds, taking the legacy
// options when a legacy file was read.
void InitSettings(IniFile& ini, const std::optional<LegacyOptions>& legacy, const DefaultPrinterInfo& printer);

// Fills the model from a file that has a title. Only two numbers are held in
// range here: PrinterCount to 0 to 101, and a LastSet that names no slot in
// use becomes -1. Every other number is kept as stored, in range or not (a
// later save writes it back unchanged); readers reach the tables a number
// indexes only through PaperTables.h, StoredIndex.h and ShellRules.h.
void LoadSettings(const IniFile& ini, SettingsModel& model);

// The text of the whole file as the key-by-key save writes it, starting from
// nothing.
std::string SaveSettings(const SettingsModel& model);
// The section of named setting n, from 1.
void SaveNamedSetting(IniWriter& out, const PrintSettings& setting, int n);

}  // namespace BasRuxa
