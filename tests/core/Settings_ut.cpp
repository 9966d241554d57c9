#include "Settings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "PaperTables.h"

using namespace BasRuxa;

namespace {

const DefaultPrinterInfo Cups{"PDF", 1, 7, 9};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { BasPrinterConst::InitPaperTables(); }

    static SettingsModel Load(const IniFile& ini) {
        SettingsModel model;
        LoadSettings(ini, model);
        return model;
    }

    // A hand-written file of the numbered layout; `rest` follows the version.
    static SettingsModel LoadFile(const std::string& rest) {
        return Load(IniFile::Parse("[Application]\nTitle=t\nVersion=2.50\n" + rest));
    }

    static SettingsModel FirstStart(const DefaultPrinterInfo& printer = Cups) {
        IniFile ini;
        InitSettings(ini, std::nullopt, printer);
        return Load(ini);
    }
};

}  // namespace

// The defaults go into the file as it is: keys they do not name stay where
// they were. (The defaults' whole text and order, as a first start leaves
// them: tests/e2e/expected/first_start.ini.)
TEST_F(SettingsTest, FirstStartWritesTheDefaultsAndKeepsOtherKeys) {
    IniFile ini = IniFile::Parse("[Application]\r\nTitle=0\r\nIcon=C:\\a.ico\r\n[Printer1]\r\nTitle=old\r\n");
    InitSettings(ini, std::nullopt, Cups);
    const std::string saved = ini.Serialize();
    EXPECT_EQ(saved.rfind("[Application]\r\nTitle=ヴェルモ\r\nIcon=C:\\a.ico\r\nVersion=2.50\r\n"
                          "[Printer1]\r\nTitle=old\r\n[Option]\r\nSelfTimer=0\r\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("[DefaultPrinter]\r\nDeviceName=PDF\r\nHiritsu=1\r\nOrientation=1\r\nPaperBin=7\r\nPaperSize=9\r\n"),
              std::string::npos) << saved;
}

TEST_F(SettingsTest, FirstStartCorrectsThePrintersCodes) {
    const struct {
        DefaultPrinterInfo printer;
        int paperSize, paperBin;
    } cases[] = {
        {{"P", 2, 0, 300}, 1, 7},     // above the table; 0 is the automatic source
        {{"P", 2, 257, 42}, 1, 1},    // no name; a driver-specific code
        {{"P", 2, 12, 256}, 256, 1},  // a bin without a name
        {{"P", 2, -3, -3}, 1, 1},     // never an index below the table
        {{}, 0, 7},                   // no printer at all
    };
    for (const auto& c : cases) {
        const PrintSettings p = FirstStart(c.printer).CurrentPrint;
        EXPECT_EQ(std::tuple(p.PaperSize, p.PaperBin), std::tuple(c.paperSize, c.paperBin)) << c.printer.PaperSize;
    }
}

// Distinct values, so that two options mixed up show. Any version but none
// at all reads the numbered layout, which keeps a later save of a file from
// a newer version from zeroing every option.
TEST_F(SettingsTest, LegacyOptionsAreTakenOverAndAnyVersionReadsTheNumberedLayout) {
    for (const char* version : {"2.50", "2.40", "3.00"}) {
        IniFile ini;
        InitSettings(ini, LegacyOptions{1, 12, 0, 3, 4, 2}, Cups);
        ini.Set("Application", "Version", version);
        const SettingsModel m = Load(ini);
        const SettingsRecord& s = m.Settings;
        EXPECT_EQ(std::tuple(s.SelfTimer, s.SelfTime, s.ConfirmBeforePrint, s.IconDelete, s.ReversePrint, s.DoubleClick,
                             s.DoubleClickDo, s.HotKeyButton[8]),
                  std::tuple(1, 12, 0, 3, 4, 2, 2, 80))
            << version;
        EXPECT_EQ(IniFile::Parse(SaveSettings(m)).Get("Application", "Version"), version);
    }
}

// The oldest layout (no version) keeps one unnumbered hot key, bound to the
// slot of the double-click action. Saved, it is the numbered layout and says
// so, or the next start would lose the binding.
TEST_F(SettingsTest, LegacyLayoutBindsTheDoubleClickSlotAndSavesAsTheNumberedLayout) {
    using Keys = std::tuple<int, int, int, int, int>;  // on, Alt, Shift, Ctrl, key
    const struct {
        const char* options;
        int slot;
        Keys keys;
        int doubleClickDo;
    } cases[] = {
        {"DoubleClick=2\nDoubleClickDo=1\n", 4, {1, 1, 0, 1, 'P'}, 1},  // no key stored: Ctrl+Alt+P
        {"DoubleClick=1\nDoubleClickDo=3\nHotKeyOn=1\nHotKeySHIFT=1\nHotKeyButton=65\n", 2, {1, 0, 1, 0, 65}, 3},
        {"DoubleClick=1\nHotKeyButton=65\n", -1, {}, 1},  // no action points before slot 0, and becomes action 1
        {"DoubleClick=2\nDoubleClickDo=9\n", -1, {}, 9},  // past the last slot
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const SettingsModel m = Load(IniFile::Parse(std::string("[Application]\nTitle=t\n[Option]\n") + c.options));
        const SettingsRecord& s = m.Settings;
        for (int i = 0; i < HotKeySlotCount; ++i)
            EXPECT_EQ(Keys(s.HotKeyOn[i], s.HotKeyALT[i], s.HotKeySHIFT[i], s.HotKeyCTRL[i], s.HotKeyButton[i]),
                      i == c.slot ? c.keys : Keys{})
                << i;
        EXPECT_EQ(std::tuple(s.DoubleClickDo, s.IconCapture), std::tuple(c.doubleClickDo, 1));
        EXPECT_EQ(Load(IniFile::Parse(SaveSettings(m))).Settings, s);
    }
}

// Numbers that are no stored 16-bit integer read as missing; counts and
// indices beyond the tables are brought in, other codes passed on unchanged:
// every reader copes with them.
TEST_F(SettingsTest, BadNumbersLoadAsMissingAndIndicesStayInRange) {
    const SettingsModel m = LoadFile("[Option]\nSelfTime=abc\nSelfTimer=40000\nReversePrint=1.0\nPrinterCount=500\n"
                                     "LastSet=101\n[DefaultPrinter]\nPos=9\nSize=-4\nPaperSize=999\nPaperBin=300\nOrientation=7\n");
    const SettingsRecord& s = m.Settings;
    EXPECT_EQ(std::tuple(s.SelfTime, s.SelfTimer, s.ReversePrint, s.PrinterCount, s.LastSet), std::tuple(0, 0, 0, 101, -1));
    const PrintSettings& p = m.CurrentPrint;
    EXPECT_EQ(std::tuple(p.Pos, p.Size, p.PaperSize, p.PaperBin, p.Orientation), std::tuple(9, -4, 999, 300, 7));
    for (const auto& [options, count, lastSet] : {std::tuple{"PrinterCount=-5\nLastSet=0\n", 0, -1},
                                                  {"PrinterCount=2\nLastSet=1\n", 2, 1},
                                                  {"PrinterCount=2\nLastSet=2\n", 2, -1}}) {
        const SettingsRecord r = LoadFile(std::string("[Option]\n") + options).Settings;
        EXPECT_EQ(std::tuple(r.PrinterCount, r.LastSet), std::tuple(count, lastSet)) << options;
    }
}

TEST_F(SettingsTest, TextsReadAsStoredUpTo1023BytesOfCodePage932) {
    const SettingsModel m = LoadFile("Icon=\n[Option]\nPrinterCount=1\n[Printer1]\nTitle=\n");
    EXPECT_EQ(m.Settings.Icon, "");  // the one text whose empty value stays empty
    EXPECT_EQ(m.NamedSettings[0].Title, "0");
    const auto read = [](const std::string& value) { return ReadIni(IniFile::Parse("[a]\nb=" + value), "a", "b"); };
    const std::string x1022(1022, 'x');
    // Cut, as the platform's reader does (IniDifferential), but never inside a character.
    EXPECT_EQ(read(x1022 + "あ"), x1022);
    EXPECT_EQ(read(x1022 + "ｱ"), x1022 + "ｱ");
    // A stray byte, no character of its own, counts as two.
    EXPECT_EQ(read(std::string(600, '\x80')).size(), 511u);
}

TEST_F(SettingsTest, SaveRoundTripsAndDropsDeletedSections) {
    SettingsModel m = FirstStart();
    // Names in quotes or with blanks at an end keep them: the reader trims
    // blanks and takes one pair of matching quotes off.
    const std::string names[] = {" 設定0 ", "'設定1'", "\"\"設定2\"\""};
    for (int i = 0; i < 3; ++i) {
        m.NamedSettings[i] = m.CurrentPrint;
        m.NamedSettings[i].Title = names[i];
    }
    m.Settings.PrinterCount = 3;
    m.Settings.LastSet = 2;
    m.Settings.Title = " ";  // a title of one space is allowed, and is no first start
    const std::string three = SaveSettings(m);
    const SettingsModel loaded = Load(IniFile::Parse(three));
    EXPECT_EQ(loaded.Settings, m.Settings);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(loaded.NamedSettings[i].Title, names[i]);
    EXPECT_EQ(SaveSettings(loaded), three);

    m.Settings.PrinterCount = 2;
    const std::string two = SaveSettings(m);
    EXPECT_EQ(two.find("[Printer3]"), std::string::npos);
    // PrinterCount keeps its place in [Option] while the named settings are written.
    EXPECT_LT(two.find("PrinterCount=2"), two.find("LastSet="));
}

// A key older versions neither write nor read: only 1 chooses the monitor
// under the pointer. (Where a save puts it, after every key they write:
// SettingsFileTest.SaveWritesEveryKeyInItsPlace.)
TEST_F(SettingsTest, DesktopMonitorReadsAsOneOnlyWhenStoredSo) {
    for (const auto& [stored, read] : {std::pair{"", 0}, {"DesktopMonitor=1", 1}, {"DesktopMonitor=0", 0},
                                       {"DesktopMonitor=2", 0}, {"DesktopMonitor=-1", 0}, {"DesktopMonitor=x", 0}})
        EXPECT_EQ(LoadFile(std::string("[Option]\n") + stored).Settings.DesktopMonitor, read) << stored;
}
