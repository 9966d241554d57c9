#include "Settings.h"

#include <gtest/gtest.h>

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

    static SettingsModel FirstStart(const std::optional<LegacyOptions>& legacy = std::nullopt,
                                    const DefaultPrinterInfo& printer = Cups) {
        IniFile ini;
        InitSettings(ini, legacy, printer);
        return Load(ini);
    }
};

std::string HotKeyLines() {
    std::string lines;
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i);
        lines += "HotKeyOn" + n + "=1\r\nHotKeyALT" + n + "=1\r\nHotKeySHIFT" + n + "=0\r\nHotKeyCTRL" + n +
                 "=1\r\nHotKeyButton" + n + "=80\r\n";
    }
    return lines;
}

}  // namespace

TEST_F(SettingsTest, FirstStartWritesTheDefaultsInOrder) {
    IniFile ini;
    ASSERT_TRUE(NeedsFirstStart(ini));
    InitSettings(ini, std::nullopt, Cups);
    EXPECT_EQ(ini.Serialize(),
              "[Application]\r\nTitle=ヴェルモ\r\nVersion=2.50\r\n"
              "[Option]\r\nSelfTimer=0\r\nSelfTime=5\r\nIconDelete=0\r\nConfirmBeforePrint=1\r\nReversePrint=0\r\n"
              "DoubleClick=1\r\nDoubleClickDo=1\r\nLastSet=-1\r\nIconCapture=0\r\n" +
                  HotKeyLines() +
                  "PrinterCount=0\r\n"
                  "[DefaultPrinter]\r\nDeviceName=PDF\r\nHiritsu=1\r\nOrientation=1\r\nPaperBin=7\r\nPaperSize=9\r\n"
                  "Pos=3\r\nSize=1\r\nSizeP=100\r\n");

    const SettingsModel m = Load(ini);
    EXPECT_FALSE(NeedsFirstStart(ini));
    EXPECT_EQ(m.Settings.Title, "ヴェルモ");
    EXPECT_EQ(m.Settings.Icon, "");
    EXPECT_EQ(m.Settings.Version, "2.50");
    EXPECT_EQ(m.Settings.LastSet, -1);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(m.Settings.HotKeyOn[i], 1);
        EXPECT_EQ(m.Settings.HotKeyButton[i], 80);
    }
}

TEST_F(SettingsTest, FirstStartCorrectsThePrintersCodes) {
    EXPECT_EQ(FirstStart({}, {"P", 2, 0, 300}).CurrentPrint.PaperSize, 1);  // above the table
    EXPECT_EQ(FirstStart({}, {"P", 2, 0, 42}).CurrentPrint.PaperSize, 1);   // no name
    EXPECT_EQ(FirstStart({}, {"P", 2, 0, 256}).CurrentPrint.PaperSize, 256);
    EXPECT_EQ(FirstStart({}, {"P", 2, 0, 9}).CurrentPrint.PaperBin, 7);     // 0 is the automatic source
    EXPECT_EQ(FirstStart({}, {"P", 2, 257, 9}).CurrentPrint.PaperBin, 1);   // driver-specific codes
    EXPECT_EQ(FirstStart({}, {"P", 2, 12, 9}).CurrentPrint.PaperBin, 1);
    EXPECT_EQ(FirstStart({}, {"P", 2, -3, -3}).CurrentPrint.PaperBin, 1);   // never an index below the table
    EXPECT_EQ(FirstStart({}, {"P", 2, -3, -3}).CurrentPrint.PaperSize, 1);
}

TEST_F(SettingsTest, FirstStartWithoutAnyPrinter) {
    const SettingsModel m = FirstStart({}, DefaultPrinterInfo{});
    EXPECT_EQ(m.CurrentPrint.DeviceName, "0");  // an empty value reads as "0"
    EXPECT_EQ(m.CurrentPrint.Orientation, 0);
    EXPECT_EQ(m.CurrentPrint.PaperBin, 7);
    EXPECT_EQ(m.CurrentPrint.PaperSize, 0);
}

TEST_F(SettingsTest, LegacyOptionsAreTakenOver) {
    const SettingsModel m = FirstStart(LegacyOptions{1, 10, 0, 1, 0, 2});
    EXPECT_EQ(m.Settings.SelfTimer, 1);
    EXPECT_EQ(m.Settings.SelfTime, 10);
    EXPECT_EQ(m.Settings.ConfirmBeforePrint, 0);
    EXPECT_EQ(m.Settings.IconDelete, 1);
    EXPECT_EQ(m.Settings.ReversePrint, 0);
    EXPECT_EQ(m.Settings.DoubleClick, 2);
    EXPECT_EQ(m.Settings.DoubleClickDo, 2);
}

TEST_F(SettingsTest, InitKeepsKeysItDoesNotWrite) {
    IniFile ini = IniFile::Parse("[Application]\r\nTitle=0\r\nIcon=C:\\a.ico\r\n[Printer1]\r\nTitle=old\r\n");
    ASSERT_TRUE(NeedsFirstStart(ini));
    InitSettings(ini, std::nullopt, Cups);
    const SettingsModel m = Load(ini);
    EXPECT_EQ(m.Settings.Icon, "C:\\a.ico");
    EXPECT_EQ(m.Settings.PrinterCount, 0);
}

TEST_F(SettingsTest, LegacyLayoutBindsTheDoubleClickSlot) {
    const SettingsModel m = Load(IniFile::Parse("[Application]\nTitle=t\n[Option]\nDoubleClick=2\nDoubleClickDo=1\n"));
    EXPECT_EQ(m.Settings.IconCapture, 1);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(m.Settings.HotKeyOn[i], i == 4 ? 1 : 0) << i;
        EXPECT_EQ(m.Settings.HotKeyButton[i], i == 4 ? 80 : 0) << i;
    }
    EXPECT_EQ(m.Settings.HotKeyCTRL[4], 1);
    EXPECT_EQ(m.Settings.HotKeyALT[4], 1);

    const SettingsModel kept = Load(IniFile::Parse(
        "[Application]\nTitle=t\n[Option]\nDoubleClick=1\nDoubleClickDo=3\nHotKeyOn=1\nHotKeySHIFT=1\nHotKeyButton=65\n"));
    EXPECT_EQ(kept.Settings.HotKeyButton[2], 65);
    EXPECT_EQ(kept.Settings.HotKeySHIFT[2], 1);
    EXPECT_EQ(kept.Settings.HotKeyCTRL[2], 0);
}

TEST_F(SettingsTest, LegacyLayoutWithoutAnActionOrOutsideTheSlots) {
    // DoubleClickDo absent with DoubleClick=1 points before slot 0: no binding.
    const SettingsModel none = Load(IniFile::Parse("[Application]\nTitle=t\n[Option]\nDoubleClick=1\nHotKeyButton=65\n"));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(none.Settings.HotKeyButton[i], 0);
    EXPECT_EQ(none.Settings.DoubleClick, 1);
    EXPECT_EQ(none.Settings.DoubleClickDo, 1);

    const SettingsModel beyond = Load(IniFile::Parse("[Application]\nTitle=t\n[Option]\nDoubleClick=2\nDoubleClickDo=9\n"));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(beyond.Settings.HotKeyOn[i], 0);
}

TEST_F(SettingsTest, LegacyLoadSavesAsTheNumberedLayout) {
    SettingsModel m = Load(IniFile::Parse("[Application]\nTitle=t\n[Option]\nDoubleClick=1\nDoubleClickDo=1\n"));
    const IniFile saved = SaveSettings(m);
    EXPECT_EQ(saved.Get("Application", "Version"), "2.50");
    const SettingsModel again = Load(saved);
    EXPECT_EQ(again.Settings.HotKeyButton[0], 80);
    EXPECT_EQ(again.Settings.IconCapture, 1);
}

TEST_F(SettingsTest, VersionsOtherThanLegacyReadTheNumberedLayout) {
    for (const char* version : {"2.40", "2.50", "3.00"}) {
        IniFile ini;
        InitSettings(ini, LegacyOptions{1, 12, 0, 0, 1, 2}, Cups);
        ini.Set("Application", "Version", version);
        const SettingsModel m = Load(ini);
        EXPECT_EQ(m.Settings.SelfTime, 12) << version;
        EXPECT_EQ(m.Settings.ReversePrint, 1) << version;
        EXPECT_EQ(m.Settings.HotKeyButton[8], 80) << version;
        EXPECT_EQ(SaveSettings(m).Get("Application", "Version"), version);
    }
}

TEST_F(SettingsTest, BadNumbersLoadAsMissingAndIndicesStayInRange) {
    const SettingsModel m = Load(IniFile::Parse(
        "[Application]\nTitle=t\nVersion=2.50\n[Option]\nSelfTime=abc\nSelfTimer=40000\nReversePrint=1.0\n"
        "PrinterCount=500\nLastSet=101\n[DefaultPrinter]\nPos=9\nSize=-4\nPaperSize=999\nPaperBin=300\nOrientation=7\n"));
    EXPECT_EQ(m.Settings.SelfTime, 0);
    EXPECT_EQ(m.Settings.SelfTimer, 0);
    EXPECT_EQ(m.Settings.ReversePrint, 0);
    EXPECT_EQ(m.Settings.PrinterCount, 101);
    EXPECT_EQ(m.Settings.LastSet, -1);
    // Passed on unchanged: every reader copes with them.
    EXPECT_EQ(m.CurrentPrint.Pos, 9);
    EXPECT_EQ(m.CurrentPrint.Size, -4);
    EXPECT_EQ(m.CurrentPrint.PaperSize, 999);
    EXPECT_EQ(m.CurrentPrint.PaperBin, 300);
    EXPECT_EQ(m.CurrentPrint.Orientation, 7);

    EXPECT_EQ(Load(IniFile::Parse("[Application]\nTitle=t\nVersion=2.50\n[Option]\nPrinterCount=-5\n")).Settings.PrinterCount, 0);
    EXPECT_EQ(Load(IniFile::Parse("[Application]\nTitle=t\nVersion=2.50\n[Option]\nPrinterCount=2\nLastSet=1\n"))
                  .Settings.LastSet,
              1);
    EXPECT_EQ(Load(IniFile::Parse("[Application]\nTitle=t\nVersion=2.50\n[Option]\nPrinterCount=2\nLastSet=2\n"))
                  .Settings.LastSet,
              -1);
}

TEST_F(SettingsTest, TextsReadAsStored) {
    const SettingsModel m = Load(IniFile::Parse(
        "[Application]\nTitle=t\nIcon=\nVersion=2.50\n[Option]\nPrinterCount=1\n[Printer1]\nDeviceName=\nTitle=\n"));
    EXPECT_EQ(m.Settings.Icon, "");
    EXPECT_EQ(m.NamedSettings[0].DeviceName, "0");
    EXPECT_EQ(m.NamedSettings[0].Title, "0");
    EXPECT_EQ(ReadIni(IniFile::Parse("[a]\nb=" + std::string(1500, 'x')), "a", "b").size(), 1023u);
    // A value is cut at 1023 bytes of the file's code page, never inside a character.
    EXPECT_EQ(ReadIni(IniFile::Parse("[a]\nb=" + std::string(1022, 'x') + "あ"), "a", "b"), std::string(1022, 'x'));
    EXPECT_EQ(ReadIni(IniFile::Parse("[a]\nb=" + std::string(1022, 'x') + "ｱ"), "a", "b"), std::string(1022, 'x') + "ｱ");
    // A stray byte, no character of its own, counts as two.
    EXPECT_EQ(ReadIni(IniFile::Parse("[a]\nb=" + std::string(600, '\x80')), "a", "b").size(), 511u);
}

TEST_F(SettingsTest, SaveRoundTripsAndDropsDeletedSections) {
    SettingsModel m = FirstStart();
    // Names in quotes or with blanks at an end keep them: the reader trims
    // blanks and takes one pair of matching quotes off.
    const std::string names[] = {" 設定0 ", "'設定1'", "\"\"設定2\"\""};
    for (int i = 0; i < 3; ++i) {
        PrintSettings p = m.CurrentPrint;
        p.Title = names[i];
        p.SizeP = static_cast<std::int16_t>(50 + i);
        m.NamedSettings[i] = p;
    }
    m.Settings.PrinterCount = 3;
    m.Settings.LastSet = 2;
    m.Settings.Title = " ";  // a title of one space is allowed, and is no first start
    const IniFile three = SaveSettings(m);
    const SettingsModel loaded = Load(three);
    EXPECT_EQ(loaded.Settings.PrinterCount, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(loaded.NamedSettings[i].Title, names[i]);
    EXPECT_EQ(loaded.Settings.Title, " ");
    EXPECT_FALSE(NeedsFirstStart(three));
    EXPECT_EQ(loaded.NamedSettings[2].SizeP, 52);
    EXPECT_EQ(SaveSettings(loaded).Serialize(), three.Serialize());

    m.Settings.PrinterCount = 2;
    m.Settings.LastSet = -1;
    const std::string two = SaveSettings(m).Serialize();
    EXPECT_NE(two.find("[Printer2]"), std::string::npos);
    EXPECT_EQ(two.find("[Printer3]"), std::string::npos);
    EXPECT_NE(two.find("PrinterCount=2\r\n"), std::string::npos);
    // PrinterCount keeps its place in [Option] while the named settings are written.
    EXPECT_LT(two.find("PrinterCount=2"), two.find("LastSet=-1"));
}

// A key older versions neither write nor read: only 1 chooses the monitor
// under the pointer, and it follows every key they write.
TEST_F(SettingsTest, DesktopMonitorReadsAsOneOnlyWhenStoredSoAndComesAfterTheOlderKeys) {
    EXPECT_EQ(FirstStart().Settings.DesktopMonitor, 0);
    for (const auto& [stored, read] : {std::pair{"1", 1}, {"0", 0}, {"2", 0}, {"-1", 0}, {"x", 0}}) {
        const IniFile ini = IniFile::Parse(std::string("[Application]\nTitle=t\nVersion=2.50\n[Option]\nDesktopMonitor=") + stored);
        EXPECT_EQ(Load(ini).Settings.DesktopMonitor, read) << stored;
    }
    SettingsModel m = FirstStart();
    m.Settings.DesktopMonitor = 1;
    const std::string saved = SaveSettings(m).Serialize();
    EXPECT_NE(saved.find("HotKeyButton8=80\r\nDesktopMonitor=1\r\n[DefaultPrinter]"), std::string::npos) << saved;
    EXPECT_EQ(Load(SaveSettings(m)).Settings.DesktopMonitor, 1);
}

TEST_F(SettingsTest, OptionAndDoubleClickShareOneSection) {
    const SettingsModel m = Load(IniFile::Parse("[Application]\nTitle=t\nVersion=2.50\n[OPTION]\nDoubleClick=2\nSelfTime=3\n"));
    EXPECT_EQ(m.Settings.DoubleClick, 2);
    EXPECT_EQ(m.Settings.SelfTime, 3);
    const std::string saved = SaveSettings(m).Serialize();
    EXPECT_EQ(saved.find("[option]"), std::string::npos);
    EXPECT_NE(saved.find("[Option]\r\nSelfTime=3\r\nDoubleClick=2\r\n"), std::string::npos);
}
