#include "Settings.h"

#include <algorithm>

#include "PaperTables.h"
#include "StoredIndex.h"
#include "Utf8.h"
#include "VbNumber.h"

namespace BasRuxa {
namespace {

constexpr std::size_t ReadBufferBytes = 1023;

// Every hotkey slot's five keys, in the order they are stored.
constexpr const char* HotKeyKeys[] = {"HotKeyOn", "HotKeyALT", "HotKeySHIFT", "HotKeyCTRL", "HotKeyButton"};

std::array<std::int16_t, HotKeySlotCount>* HotKeyArrays(SettingsRecord& s, int which) {
    std::array<std::int16_t, HotKeySlotCount>* arrays[] = {&s.HotKeyOn, &s.HotKeyALT, &s.HotKeySHIFT, &s.HotKeyCTRL,
                                                           &s.HotKeyButton};
    return arrays[which];
}

static_assert(HotKeySlotCount <= 10, "a slot's key ends in one digit");
std::string SlotKey(const char* stem, int slot) {
    std::string key(stem);
    key += static_cast<char>('0' + slot);
    return key;
}

// What the platform's read gives of a value: as much as its buffer holds. A
// character is at most two bytes in code page 932 and at least one here (a
// stray byte counts as two), so a short value needs no counting.
std::string_view ReadValue(const IniFile& ini, std::string_view section, std::string_view key) {
    std::string_view value = ini.Find(section, key).value_or("");
    std::size_t bytes = 0;
    for (std::size_t pos = 0; value.size() * 2 > ReadBufferBytes && pos < value.size();) {
        const std::size_t start = pos;
        bytes += utf8::Cp932Width(utf8::Next(value, pos));
        if (bytes > ReadBufferBytes) return value.substr(0, start);
    }
    return value;
}

// Numeric text that is not a stored 16-bit integer reads like a missing key.
std::int16_t ReadNumber(const IniFile& ini, std::string_view section, std::string_view key) {
    return vbnum::ParseInt16(ReadValue(ini, section, key)).value_or(0);
}

void WriteNumber(IniFile& ini, std::string_view section, std::string_view key, int value) {
    WriteIni(ini, section, key, std::to_string(value));
}

void ReadPrintSettings(const IniFile& ini, std::string_view section, PrintSettings& p) {
    p.DeviceName = ReadIni(ini, section, "DeviceName");
    p.Hiritsu = ReadNumber(ini, section, "Hiritsu");
    p.Orientation = ReadNumber(ini, section, "Orientation");
    p.PaperBin = ReadNumber(ini, section, "PaperBin");
    p.PaperSize = ReadNumber(ini, section, "PaperSize");
    p.Pos = ReadNumber(ini, section, "Pos");
    p.Size = ReadNumber(ini, section, "Size");
    p.SizeP = ReadNumber(ini, section, "SizeP");
}

void WritePrintSettings(IniFile& ini, std::string_view section, const PrintSettings& p) {
    WriteIni(ini, section, "DeviceName", p.DeviceName);
    WriteNumber(ini, section, "Hiritsu", p.Hiritsu);
    WriteNumber(ini, section, "Orientation", p.Orientation);
    WriteNumber(ini, section, "PaperBin", p.PaperBin);
    WriteNumber(ini, section, "PaperSize", p.PaperSize);
    WriteNumber(ini, section, "Pos", p.Pos);
    WriteNumber(ini, section, "Size", p.Size);
    WriteNumber(ini, section, "SizeP", p.SizeP);
}

// The [Option] values both layouts share, in the order they are read.
void ReadCommonOptions(const IniFile& ini, SettingsRecord& s) {
    s.SelfTime = ReadNumber(ini, "Option", "SelfTime");
    s.DoubleClick = ReadNumber(ini, "option", "DoubleClick");
    s.DoubleClickDo = ReadNumber(ini, "Option", "DoubleClickDo");
    s.ConfirmBeforePrint = ReadNumber(ini, "Option", "ConfirmBeforePrint");
    s.IconDelete = ReadNumber(ini, "Option", "IconDelete");
    s.ReversePrint = ReadNumber(ini, "Option", "ReversePrint");
    s.SelfTimer = ReadNumber(ini, "Option", "SelfTimer");
    s.PrinterCount = ReadNumber(ini, "Option", "PrinterCount");
    s.LastSet = ReadNumber(ini, "Option", "LastSet");
}

// The oldest layout keeps one unnumbered hotkey, bound to the slot of the
// double-click action.
void ReadLegacyLayout(const IniFile& ini, SettingsRecord& s) {
    ReadCommonOptions(ini, s);
    const int slot = s.DoubleClick == 1 ? s.DoubleClickDo - 1 : s.DoubleClickDo + 3;
    // A slot outside the nine (a hand-edited or damaged file) gets no binding.
    if (slot >= 0 && slot < HotKeySlotCount) {
        for (int which = 0; which < 5; ++which) (*HotKeyArrays(s, which))[slot] = ReadNumber(ini, "Option", HotKeyKeys[which]);
        if (s.HotKeyButton[slot] == 0) {
            s.HotKeyOn[slot] = 1;
            s.HotKeyALT[slot] = 1;
            s.HotKeySHIFT[slot] = 0;
            s.HotKeyCTRL[slot] = 1;
            s.HotKeyButton[slot] = 'P';
        }
    }
    s.IconCapture = 1;
    if (s.DoubleClickDo == 0) {
        s.DoubleClick = 1;
        s.DoubleClickDo = 1;
    }
    // Saved again, the file has the numbered layout; it must say so, or the
    // next start would read it as legacy and lose the numbered bindings.
    s.Version = "2.50";
}

void ReadNumberedLayout(const IniFile& ini, SettingsRecord& s) {
    ReadCommonOptions(ini, s);
    s.IconCapture = ReadNumber(ini, "Option", "IconCapture");
    for (int slot = 0; slot < HotKeySlotCount; ++slot)
        for (int which = 0; which < 5; ++which)
            (*HotKeyArrays(s, which))[slot] = ReadNumber(ini, "Option", SlotKey(HotKeyKeys[which], slot));
    // A file of an older version has no such key: every monitor, as then.
    s.DesktopMonitor = ReadNumber(ini, "Option", "DesktopMonitor") == 1 ? 1 : 0;
}

std::int16_t CorrectedPaperSize(std::int16_t code) {
    if (code > BasPrinterConst::PaperSizeMax) code = 1;
    return BasPrinterConst::PaperSizeNameOf(code).empty() ? 1 : code;
}

std::int16_t CorrectedPaperBin(std::int16_t code) {
    if (code == 0) code = 7;
    if (code > BasPrinterConst::PaperBinMax) code = 1;
    return BasPrinterConst::PaperBinNameOf(code).empty() ? 1 : code;
}

}  // namespace

std::string ReadIni(const IniFile& ini, std::string_view section, std::string_view key) {
    const std::string_view value = ReadValue(ini, section, key);
    return value.empty() ? "0" : std::string(value);
}

void WriteIni(IniFile& ini, std::string_view section, std::string_view key, std::string_view value) {
    // The reader trims blanks around a value and takes a pair of matching
    // quotes off it, so a value with blanks at an end (a title of one space)
    // or enclosed in quotes goes inside one more pair: it reads back as it
    // was, and a save of it changes nothing.
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; };
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (!value.empty() && (quoted || blank(value.front()) || blank(value.back()))) {
        std::string enclosed(1, '"');
        enclosed.append(value).push_back('"');
        ini.Set(section, key, enclosed);
        return;
    }
    ini.Set(section, key, value);
}

bool NeedsFirstStart(const IniFile& ini) { return ReadIni(ini, "Application", "Title") == "0"; }

void InitSettings(IniFile& ini, const std::optional<LegacyOptions>& legacy, const DefaultPrinterInfo& printer) {
    LegacyOptions o;
    if (legacy) {
        o = *legacy;
    } else {
        o.SelfTime = 5;
        o.ConfirmBeforePrint = 1;
        o.DoubleClick = 1;
    }
    WriteIni(ini, "Application", "Title", "ヴェルモ");
    WriteIni(ini, "Application", "Version", "2.50");
    WriteNumber(ini, "Option", "SelfTimer", o.SelfTimer);
    WriteNumber(ini, "Option", "SelfTime", o.SelfTime);
    WriteNumber(ini, "Option", "IconDelete", o.IconDelete);
    WriteNumber(ini, "Option", "ConfirmBeforePrint", o.ConfirmBeforePrint);
    WriteNumber(ini, "Option", "ReversePrint", o.ReversePrint);
    WriteNumber(ini, "option", "DoubleClick", o.DoubleClick);
    WriteNumber(ini, "Option", "DoubleClickDo", o.DoubleClick);
    WriteIni(ini, "Option", "LastSet", "-1");
    WriteIni(ini, "Option", "IconCapture", "0");
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        WriteIni(ini, "Option", SlotKey("HotKeyOn", slot), "1");
        WriteIni(ini, "Option", SlotKey("HotKeyALT", slot), "1");
        WriteIni(ini, "Option", SlotKey("HotKeySHIFT", slot), "0");
        WriteIni(ini, "Option", SlotKey("HotKeyCTRL", slot), "1");
        WriteIni(ini, "Option", SlotKey("HotKeyButton", slot), "80");
    }
    WriteIni(ini, "Option", "PrinterCount", "0");

    PrintSettings p;
    p.DeviceName = printer.DeviceName;
    p.Orientation = printer.Orientation;
    p.PaperBin = CorrectedPaperBin(printer.PaperBin);
    p.PaperSize = CorrectedPaperSize(printer.PaperSize);
    p.Hiritsu = 1;
    p.Pos = 3;
    p.Size = 1;
    p.SizeP = 100;
    WritePrintSettings(ini, "DefaultPrinter", p);
}

void LoadSettings(const IniFile& ini, SettingsModel& model) {
    SettingsRecord& s = model.Settings;
    s.Title = ReadIni(ini, "Application", "Title");
    s.Icon = ReadIni(ini, "Application", "Icon");
    if (s.Icon == "0") s.Icon.clear();
    s.Version = ReadIni(ini, "Application", "Version");
    // Any version but the absent marker has the numbered layout; reading an
    // unknown one that way keeps a later save from zeroing every option.
    if (s.Version == "0") ReadLegacyLayout(ini, s);
    else ReadNumberedLayout(ini, s);

    ReadPrintSettings(ini, "DefaultPrinter", model.CurrentPrint);

    s.PrinterCount = static_cast<std::int16_t>(stored::NamedSettingCount(s));
    for (int slot = 0; slot < s.PrinterCount; ++slot) {
        const std::string section = "Printer" + std::to_string(slot + 1);
        PrintSettings& setting = *stored::NamedSettingAt(model, slot);
        ReadPrintSettings(ini, section, setting);
        setting.Title = ReadIni(ini, section, "Title");
    }
    if (!stored::NamedSettingAt(model, s.LastSet)) s.LastSet = -1;
}

IniFile SaveSettings(const SettingsModel& model) {
    const SettingsRecord& s = model.Settings;
    IniFile ini;
    WriteIni(ini, "Application", "Title", s.Title);
    WriteIni(ini, "Application", "Icon", s.Icon);
    WriteIni(ini, "Application", "Version", s.Version);
    WriteNumber(ini, "Option", "SelfTime", s.SelfTime);
    WriteNumber(ini, "option", "DoubleClick", s.DoubleClick);
    WriteNumber(ini, "Option", "DoubleClickDo", s.DoubleClickDo);
    WriteNumber(ini, "Option", "ConfirmBeforePrint", s.ConfirmBeforePrint);
    WriteNumber(ini, "Option", "IconDelete", s.IconDelete);
    WriteNumber(ini, "Option", "ReversePrint", s.ReversePrint);
    WriteNumber(ini, "Option", "SelfTimer", s.SelfTimer);
    WriteNumber(ini, "Option", "PrinterCount", s.PrinterCount);
    WriteNumber(ini, "Option", "LastSet", s.LastSet);
    WriteNumber(ini, "Option", "IconCapture", s.IconCapture);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        WriteNumber(ini, "Option", SlotKey("HotKeyOn", slot), s.HotKeyOn[slot]);
        WriteNumber(ini, "Option", SlotKey("HotKeyALT", slot), s.HotKeyALT[slot]);
        WriteNumber(ini, "Option", SlotKey("HotKeySHIFT", slot), s.HotKeySHIFT[slot]);
        WriteNumber(ini, "Option", SlotKey("HotKeyCTRL", slot), s.HotKeyCTRL[slot]);
        WriteNumber(ini, "Option", SlotKey("HotKeyButton", slot), s.HotKeyButton[slot]);
    }
    // After the keys older versions write, which their reader finds as before.
    WriteNumber(ini, "Option", "DesktopMonitor", s.DesktopMonitor);
    WritePrintSettings(ini, "DefaultPrinter", model.CurrentPrint);
    for (int slot = 0; slot < stored::NamedSettingCount(s); ++slot)
        SaveNamedSetting(ini, *stored::NamedSettingAt(model, slot), slot + 1);
    return ini;
}

void SaveNamedSetting(IniFile& ini, const PrintSettings& setting, int n) {
    WriteNumber(ini, "Option", "PrinterCount", n);
    const std::string section = "Printer" + std::to_string(n);
    WritePrintSettings(ini, section, setting);
    WriteIni(ini, section, "Title", setting.Title);
}

}  // namespace BasRuxa
