#include "Settings.h"

#include <algorithm>
#include <charconv>
#include <iterator>

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

// Where a write goes: one section of a file that may hold the key already
// (the first start writes its defaults over what is there), or the next key
// of a new document (a save).
struct FileSection {
    IniFile& ini;
    std::string_view name;
    void Key(std::string_view key, std::string_view value) const { ini.Set(name, key, value); }
};

template <class Out>
void WriteText(Out&& out, std::string_view key, std::string_view value) {
    // The reader trims blanks around a value and takes a pair of matching
    // quotes off it, so a value with blanks at an end (a title of one space)
    // or enclosed in quotes goes inside one more pair: it reads back as it
    // was, and a save of it changes nothing.
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; };
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (!value.empty() && (quoted || blank(value.front()) || blank(value.back()))) {
        std::string enclosed(1, '"');
        enclosed.append(value).push_back('"');
        out.Key(key, enclosed);
        return;
    }
    out.Key(key, value);
}

template <class Out>
void WriteNumber(Out&& out, std::string_view key, int value) {
    char digits[12];
    out.Key(key, std::string_view(digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr));
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

template <class Out>
void WritePrintSettings(Out&& out, const PrintSettings& p) {
    WriteText(out, "DeviceName", p.DeviceName);
    WriteNumber(out, "Hiritsu", p.Hiritsu);
    WriteNumber(out, "Orientation", p.Orientation);
    WriteNumber(out, "PaperBin", p.PaperBin);
    WriteNumber(out, "PaperSize", p.PaperSize);
    WriteNumber(out, "Pos", p.Pos);
    WriteNumber(out, "Size", p.Size);
    WriteNumber(out, "SizeP", p.SizeP);
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
    WriteText(FileSection{ini, section}, key, value);
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
    const FileSection application{ini, "Application"}, option{ini, "Option"};
    WriteText(application, "Title", "ヴェルモ");
    WriteText(application, "Version", "2.50");
    WriteNumber(option, "SelfTimer", o.SelfTimer);
    WriteNumber(option, "SelfTime", o.SelfTime);
    WriteNumber(option, "IconDelete", o.IconDelete);
    WriteNumber(option, "ConfirmBeforePrint", o.ConfirmBeforePrint);
    WriteNumber(option, "ReversePrint", o.ReversePrint);
    WriteNumber(FileSection{ini, "option"}, "DoubleClick", o.DoubleClick);
    WriteNumber(option, "DoubleClickDo", o.DoubleClick);
    WriteText(option, "LastSet", "-1");
    WriteText(option, "IconCapture", "0");
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        WriteText(option, SlotKey("HotKeyOn", slot), "1");
        WriteText(option, SlotKey("HotKeyALT", slot), "1");
        WriteText(option, SlotKey("HotKeySHIFT", slot), "0");
        WriteText(option, SlotKey("HotKeyCTRL", slot), "1");
        WriteText(option, SlotKey("HotKeyButton", slot), "80");
    }
    WriteText(option, "PrinterCount", "0");

    PrintSettings p;
    p.DeviceName = printer.DeviceName;
    p.Orientation = printer.Orientation;
    p.PaperBin = CorrectedPaperBin(printer.PaperBin);
    p.PaperSize = CorrectedPaperSize(printer.PaperSize);
    p.Hiritsu = 1;
    p.Pos = 3;
    p.Size = 1;
    p.SizeP = 100;
    WritePrintSettings(FileSection{ini, "DefaultPrinter"}, p);
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

std::string SaveSettings(const SettingsModel& model) {
    const SettingsRecord& s = model.Settings;
    const int count = stored::NamedSettingCount(s);
    // The options take some 1.3 KB, a named setting about 170 bytes.
    IniWriter out(1536 + 192 * static_cast<std::size_t>(count));
    out.Section("Application");
    WriteText(out, "Title", s.Title);
    WriteText(out, "Icon", s.Icon);
    WriteText(out, "Version", s.Version);
    out.Section("Option");
    WriteNumber(out, "SelfTime", s.SelfTime);
    WriteNumber(out, "DoubleClick", s.DoubleClick);  // read from "option": this section, its name folded
    WriteNumber(out, "DoubleClickDo", s.DoubleClickDo);
    WriteNumber(out, "ConfirmBeforePrint", s.ConfirmBeforePrint);
    WriteNumber(out, "IconDelete", s.IconDelete);
    WriteNumber(out, "ReversePrint", s.ReversePrint);
    WriteNumber(out, "SelfTimer", s.SelfTimer);
    // The number of named settings written below: what the key holds once
    // each of them has set it to its own number, the last one last.
    WriteNumber(out, "PrinterCount", count);
    WriteNumber(out, "LastSet", s.LastSet);
    WriteNumber(out, "IconCapture", s.IconCapture);
    for (int slot = 0; slot < HotKeySlotCount; ++slot) {
        WriteNumber(out, SlotKey("HotKeyOn", slot), s.HotKeyOn[slot]);
        WriteNumber(out, SlotKey("HotKeyALT", slot), s.HotKeyALT[slot]);
        WriteNumber(out, SlotKey("HotKeySHIFT", slot), s.HotKeySHIFT[slot]);
        WriteNumber(out, SlotKey("HotKeyCTRL", slot), s.HotKeyCTRL[slot]);
        WriteNumber(out, SlotKey("HotKeyButton", slot), s.HotKeyButton[slot]);
    }
    // After the keys older versions write, which their reader finds as before.
    WriteNumber(out, "DesktopMonitor", s.DesktopMonitor);
    out.Section("DefaultPrinter");
    WritePrintSettings(out, model.CurrentPrint);
    for (int slot = 0; slot < count; ++slot) SaveNamedSetting(out, *stored::NamedSettingAt(model, slot), slot + 1);
    return out.Take();
}

void SaveNamedSetting(IniWriter& out, const PrintSettings& setting, int n) {
    out.Section("Printer" + std::to_string(n));
    WritePrintSettings(out, setting);
    WriteText(out, "Title", setting.Title);
}

}  // namespace BasRuxa
