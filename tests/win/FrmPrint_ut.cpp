// The print confirmation dialog in-process, on the real printer list,
// clipboard and files.
#include "PictureLoad.h"
#include "Printer.h"
#include "ShellFixture.h"

using namespace BasRuxa;
using namespace PrintPanel;

namespace {

PrintSettings Setting(const char* title, std::int16_t pos, std::int16_t size, std::int16_t sizeP,
                      std::int16_t paperSize, std::int16_t orientation, const char* device = "PDF") {
    return {title, device, pos, size, sizeP, 1, paperSize, 0, orientation};
}

// Two settings print alike whatever their titles.
bool Same(PrintSettings a, const PrintSettings& b) {
    a.Title = b.Title;
    return a == b;
}

// Every channel of every pixel turned over, as the reverse box prints them.
std::vector<std::uint32_t> Reversed(std::vector<std::uint32_t> pixels) {
    for (auto& p : pixels) p ^= 0xFFFFFF;
    return pixels;
}

// Where the window shows pixels of that colour, read from the screen.
layout::PixelRect ScreenArea(HWND window, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    PictureSurface seen;
    seen.Resize(client.right, client.bottom);
    const unique_window_dc dc = GetDcOf(window);
    BitBlt(seen.Dc(), 0, 0, client.right, client.bottom, dc.get().dc, 0, 0, SRCCOPY);
    const std::uint32_t wanted = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    layout::PixelRect found{client.right, client.bottom, 0, 0};
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            if (seen.Pixels()[y * client.right + x] == wanted)
                found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x + 1),
                         std::max(found.bottom, y + 1)};
    return found.Empty() ? layout::PixelRect{} : found;
}

class PrintDialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetSettings([](SettingsModel& s) {
            s.Settings.ConfirmBeforePrint = 1;
            s.CurrentPrint = Setting("", 3, 1, 100, 9, 1);
        });
        SetInputBoxAnswerer([this](const InputBoxCall& call) {
            asked.push_back(call.defaultText);
            return name;
        });
    }

    FrmPrint& Dialog() { return main->PrintDialog(); }
    Form& F() { return Dialog().Window(); }
    // The dialog for a 40 x 30 capture of the pattern with the stored settings.
    void Open() { Dialog().Load(PatternPicture(40, 30), CurrentPrint, Settings.LastSet); }
    // Which option of a group is chosen, from 1; 0 for none.
    int Checked(int firstId, int count) {
        for (int i = 0; i < count; ++i)
            if (F().Check(firstId + i)) return i + 1;
        return 0;
    }
    std::string Chosen(int list) { return F().ListIndex(list) < 0 ? "" : F().ListText(list, F().ListIndex(list)); }
    // What the print controls show: the named setting's index; the position,
    // size mode and orientation chosen; the ratio; paper, source and printer.
    auto Shown() {
        return std::tuple(F().ListIndex(CmbSetting), Checked(OptPos1, PosCount), Checked(OptSize1, SizeCount),
                          Checked(OptOrientation1, OrientationCount), F().Text(TxtSizeP), Chosen(CmbPaperSize),
                          Chosen(CmbPaperBin), Chosen(CmbPrinterName));
    }

    std::string name;
    std::vector<std::string> asked;
};

}  // namespace

// The dialog opens on top on the named setting last chosen; values no control
// offers select nothing and break nothing. (On the current settings, the
// focus on 印刷開始(&P): tests/e2e/print_layout.sh, shell_options.sh.)
TEST_F(PrintDialogTest, OpensOnTheNamedSettingLastSetOrTheCurrentAndSelectsNothingOutOfRange) {
    SetNamedSettings(
        {Setting("縮小", 2, 2, 80, 11, 1), Setting("拡大", 5, 3, 150, 8, 2), Setting("紙", 2, 1, 100, 300, 1)});
    using Shows = std::tuple<int, int, int, int, std::string, std::string, std::string, std::string>;
    const struct {
        std::int16_t lastSet, pos, size, orientation, paperSize, paperBin, printerCount;
        int chosen;            // the named setting chosen once open, or -1
        std::int16_t working;  // the named setting the dialog works on
        Shows shown;
    } cases[] = {
        {1, 3, 1, 1, 9, 0, 3, -1, 1, {1, 5, 3, 2, "150", "A3、297 x 420 mm", "指定なし", "PDF"}},
        // LastSet beyond the settings, paper codes beyond the tables, Pos beyond 5
        {5, 9, 1, 1, 300, 200, 3, -1, -1, {-1, 0, 1, 1, "100", "", "", "PDF"}},
        // LastSet below -1; Size, Orientation, paper size and PrinterCount out of range
        {-9, 3, 0, 7, 42, 12, 300, -1, -1, {-1, 3, 0, 0, "100", "", "", "PDF"}},
        {-1, -1, 1, 1, -3, -1, 3, -1, -1, {-1, 0, 1, 1, "100", "", "", "PDF"}},  // negative codes
        // A named setting chosen whose paper size no list offers: the paper list keeps its choice.
        {-1, 3, 1, 1, 9, 0, 3, 2, 2, {2, 2, 1, 1, "100", "A4、210 x 297 mm", "指定なし", "PDF"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(i);
        SetSettings([&](SettingsModel& s) {
            s.CurrentPrint = Setting("", c.pos, c.size, 100, c.paperSize, c.orientation);
            s.CurrentPrint.PaperBin = c.paperBin;
            s.Settings.LastSet = c.lastSet;
            s.Settings.PrinterCount = c.printerCount;
        });
        Open();
        ASSERT_TRUE(Dialog().Loaded());
        if (c.chosen >= 0) F().SetListIndex(CmbSetting, c.chosen);
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_EQ(F().Enabled(TxtSizeP), std::get<2>(c.shown) == 3);
        EXPECT_EQ(F().ListText(CmbPrinterName, 0), "指定なし");
        EXPECT_EQ(F().ListCount(CmbPaperSize), 44);
        EXPECT_EQ(F().ListCount(CmbPaperBin), 13);
        EXPECT_LE(F().ListCount(CmbSetting), NamedSettingsCapacity);
        // The controls and the working copy agree; nothing is detached by filling.
        const PrintSettings& expected = c.working < 0 ? CurrentPrint : NamedSettings[c.working];
        EXPECT_TRUE(c.chosen >= 0 || Same(Dialog().WorkPrint, expected));
        EXPECT_EQ(Dialog().WorkSettings.LastSet, c.working);
        EXPECT_TRUE(GetWindowLongW(F().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
        Dialog().Unload();
    }
    EXPECT_TRUE(boxes.empty());
}

// Size mode 3 enables the ratio field, mode 2 the aspect box; the field takes
// digits only and refuses a ratio beyond 200 as it is typed.
TEST_F(PrintDialogTest, SizeModeEnablesTheRatioFieldWhichTakesDigitsAndHoldsItsRange) {
    Open();
    const unique_window_dc dc = GetDcOf(F().Item(TxtSizeP));
    for (int mode = 1; mode <= SizeCount; ++mode) {
        F().SelectOption(OptSize1 + mode - 1);
        EXPECT_EQ(Dialog().WorkPrint.Size, mode);
        EXPECT_EQ(F().Enabled(TxtSizeP), mode == 3);
        EXPECT_EQ(F().Enabled(ChkHiritsu), mode == 2);
        // A disabled field asks for its colour as a static does.
        const UINT ask = mode == 3 ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        EXPECT_EQ(SendMessageW(F().Handle(), ask, reinterpret_cast<WPARAM>(dc.get().dc),
                               reinterpret_cast<LPARAM>(F().Item(TxtSizeP))),
                  reinterpret_cast<LRESULT>(GetSysColorBrush(mode == 3 ? COLOR_WINDOW : COLOR_BTNFACE)));
    }
    F().SetText(TxtSizeP, "");
    EXPECT_EQ(Dialog().WorkPrint.SizeP, 0);  // cleared while typing
    for (const wchar_t ch : {L'2', L'a', L'5', L'-'}) SendMessageW(F().Item(TxtSizeP), WM_CHAR, ch, 1);
    EXPECT_EQ(F().Text(TxtSizeP), "25");
    EXPECT_EQ(Dialog().WorkPrint.SizeP, 25);
    EXPECT_TRUE(boxes.empty());
    SendMessageW(F().Item(TxtSizeP), WM_CHAR, L'0', 1);
    ExpectBox(0, "倍率は1から200の範囲で設定してください", "設定エラー");
    EXPECT_EQ(F().Text(TxtSizeP), "100");
    EXPECT_EQ(Dialog().WorkPrint.SizeP, 100);
}

TEST_F(PrintDialogTest, EveryEditDetachesTheChosenNamedSetting) {
    // The named setting's printer is gone: only a detach brings it into the working copy.
    const PrintSettings chosen = Setting("旧", 1, 2, 60, 8, 2, "Old printer");
    const struct {
        const char* edit;
        std::function<void(Form&)> act;
        std::function<void(PrintSettings&)> expected;
    } edits[] = {
        {"position", [](Form& f) { f.SelectOption(OptPos1 + 4); }, [](PrintSettings& p) { p.Pos = 5; }},
        {"size mode", [](Form& f) { f.SelectOption(OptSize1 + 2); }, [](PrintSettings& p) { p.Size = 3; }},
        {"orientation", [](Form& f) { f.SelectOption(OptOrientation1); }, [](PrintSettings& p) { p.Orientation = 1; }},
        {"aspect box", [](Form& f) { f.SetCheck(ChkHiritsu, 0); }, [](PrintSettings& p) { p.Hiritsu = 0; }},
        {"ratio", [](Form& f) { f.SetText(TxtSizeP, "75"); }, [](PrintSettings& p) { p.SizeP = 75; }},
        {"printer", [](Form& f) { f.SetListIndex(CmbPrinterName, 0); }, [](PrintSettings& p) { p.DeviceName = "指定なし"; }},
        {"paper", [](Form& f) { f.SetListIndex(CmbPaperSize, 0); }, [](PrintSettings& p) { p.PaperSize = 0; }},
        {"source", [](Form& f) { f.SetListIndex(CmbPaperBin, 1); }, [](PrintSettings& p) { p.PaperBin = 1; }},
        {"typed-over list, then position",
         [](Form& f) {
             SendMessageW(GetWindow(f.Item(CmbSetting), GW_CHILD), WM_CHAR, L'x', 1);
             f.SelectOption(OptPos1);
         },
         [](PrintSettings& p) { p.Pos = 1; }},
    };
    SetNamedSettings({Setting("他", 4, 1, 100, 9, 1), chosen});
    Open();
    for (const auto& e : edits) {
        F().SetListIndex(CmbSetting, 1);
        F().SetCheck(FrmPrint::ChkReverse, 1);  // the reverse box is no print setting
        EXPECT_EQ(Dialog().WorkSettings.LastSet, 1) << e.edit;
        e.act(F());
        PrintSettings expected = chosen;
        e.expected(expected);
        EXPECT_TRUE(Same(Dialog().WorkPrint, expected)) << e.edit;
        EXPECT_EQ(Dialog().WorkSettings.LastSet, -1) << e.edit;
        EXPECT_EQ(F().ListIndex(CmbSetting), -1) << e.edit;
        EXPECT_EQ(Dialog().Panel().SettingName, "旧") << e.edit;
    }
}

TEST_F(PrintDialogTest, SavingANameAppendsOrOverwritesInPlaceUpToTheLastSlot) {
    SetSettings([](SettingsModel& s) {
        for (int i = 0; i < NamedSettingsCapacity - 1; ++i)
            s.NamedSettings[i] = Setting(("設定" + std::to_string(i + 1)).c_str(), 1, 1, 100, 9, 1);
        s.Settings.PrinterCount = NamedSettingsCapacity - 1;
    });
    Open();
    const auto save = [&](const char* answer) {
        name = answer;
        F().Raise(BtnSaveSetting, BN_CLICKED);
    };

    save("最後");  // the 101st fills slot 100
    EXPECT_EQ(Dialog().WorkSettings.PrinterCount, 101);
    EXPECT_EQ(F().ListIndex(CmbSetting), 100);
    EXPECT_EQ(NamedSettings[100].Title, "最後");
    EXPECT_EQ(IniValue("Printer101", "Title"), "最後");
    EXPECT_EQ(IniValue("Option", "LastSet"), "100");

    F().SetListIndex(CmbSetting, 1);
    F().SelectOption(OptPos1 + 2);  // detaches: the save offers the setting's name
    answers = {IDYES};
    save("設定2");
    EXPECT_EQ(asked.back(), "設定2");
    ExpectBox(0, "設定2は既に存在します。上書きしますか？", "上書き確認", MB_YESNO);
    EXPECT_EQ(NamedSettings[1].Pos, 3);
    EXPECT_EQ(F().ListIndex(CmbSetting), 1);
    EXPECT_EQ(Dialog().WorkSettings.PrinterCount, 101);

    const std::string file = folder.Read(L"ruxa.ini");
    F().SelectOption(OptPos1 + 3);
    answers = {IDNO};
    save("設定2");
    EXPECT_EQ(NamedSettings[1].Pos, 3);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), file);

    save("もう一つ");  // no slot left: refused, nothing lost
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].title, "設定エラー");
    EXPECT_EQ(F().ListCount(CmbSetting), 101);
    EXPECT_EQ(Dialog().WorkPrint.Pos, 4);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), file);

    asked.clear();
    F().SetListIndex(CmbPrinterName, 0);
    save("指定なしで");
    EXPECT_TRUE(asked.empty());
    ExpectBox(3, "プリンタ名を正しく設定してください", "設定エラー");
}

TEST_F(PrintDialogTest, DeletingTheFirstOfThreeKeepsTheOrderAndTheControls) {
    SetNamedSettings({Setting("一", 1, 1, 100, 9, 1), Setting("二", 2, 1, 100, 9, 1), Setting("三", 3, 1, 100, 9, 1)});
    SetSettings([](SettingsModel& s) { s.Settings.LastSet = 0; });
    Open();
    answers = {IDNO, IDCANCEL, IDYES};
    for (int i = 0; i < 3; ++i) F().Raise(BtnDelSetting, BN_CLICKED);
    ExpectBox(2, "一を削除しますか？", "削除確認", MB_YESNOCANCEL);  // all three ask about 一
    EXPECT_EQ(NamedSettings[0].Title, "二");
    EXPECT_EQ(NamedSettings[1].Title, "三");
    EXPECT_EQ(IniValue("Option", "PrinterCount"), "2");
    EXPECT_EQ(IniValue("Printer2", "Title"), "三");
    EXPECT_EQ(F().ListCount(CmbSetting), 2);
    EXPECT_EQ(Shown(), std::tuple(-1, 1, 1, 1, "100", "A4、210 x 297 mm", "指定なし", "PDF"));
    EXPECT_EQ(Dialog().WorkPrint.Pos, 1);

    F().Raise(BtnDelSetting, BN_CLICKED);  // nothing chosen now
    ExpectBox(3, "削除できません", "エラー");
}

TEST_F(PrintDialogTest, ReverseBoxAppliesToTheCopyAndThePrintAndIsNeverStored) {
    AppState = StatePrintDialog;
    Open();
    F().SetCheck(FrmPrint::ChkReverse, 1);
    F().SelectOption(OptSize1 + 2);
    F().SetText(TxtSizeP, "50");
    F().Raise(FrmPrint::BtnClipBoard, BN_CLICKED);
    const ClipboardImage copied = ReadClipboardImage();
    EXPECT_EQ(copied.width, 20);
    EXPECT_EQ(copied.height, 15);
    EXPECT_EQ(copied.pixels[0], 0xFFFFA5u);  // 255 - (0, 0, 0x5A)
    EXPECT_EQ(IniValue("Option", "ReversePrint"), "0");
    EXPECT_EQ(IniValue("DefaultPrinter", "SizeP"), "50");
    EXPECT_TRUE(F().Visible());

    F().Raise(FrmPrint::BtnOK, BN_CLICKED);
    EXPECT_FALSE(F().Visible());
    EXPECT_NE(FindWindowW(L"#32770", L"印刷中"), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !Dialog().Loaded(); }));
    EXPECT_EQ(FindWindowW(L"#32770", L"印刷中"), nullptr);
    EXPECT_EQ(Settings.ReversePrint, 0);
    EXPECT_EQ(IniValue("Option", "ReversePrint"), "0");
    EXPECT_EQ(AppState, StateIdle);
    EXPECT_TRUE(boxes.empty());
}

// Saved files hold the laid-out picture in the format the name asks for; a
// failed write or dialog is told and changes nothing (temporary files: SettingsFileTest).
TEST_F(PrintDialogTest, SavedPictureFilesHoldTheLayoutPicture) {
    Open();
    F().SetCheck(FrmPrint::ChkReverse, 1);
    AnswerFileDialogsByScript([&] { EXPECT_FALSE(F().Visible()); });
    for (const wchar_t* file : {L"shot.bmp", L"shot.PNG"}) {
        dialogAnswer = folder.File(file);
        F().Raise(FrmPrint::BtnSaveA, BN_CLICKED);
        PictureSurface saved;
        ASSERT_TRUE(LoadPicture(text::Narrow(*dialogAnswer), saved).loaded);
        EXPECT_EQ(PixelsOf(saved), Reversed(Pattern(0, 0, 40, 30)));
        EXPECT_EQ(LastPicturePath, text::Narrow(*dialogAnswer));
        EXPECT_TRUE(F().Visible());
    }
    EXPECT_EQ(folder.Read(L"shot.bmp").substr(28, 2), std::string("\x18\0", 2));  // 24 bits per pixel
    EXPECT_EQ(folder.Read(L"shot.PNG").substr(1, 3), "PNG");
    const std::wstring filter = L"ビットマップファイル(*.BMP)|*.bmp|PNGファイル(*.PNG)|*.png|";
    EXPECT_EQ(dialogs, (std::vector<FileDialogCall>{
        {F().Handle(), L"ピクチャ画像の保存", filter, 0, OFN_OVERWRITEPROMPT, L"", folder.Path(), true},
        {F().Handle(), L"ピクチャ画像の保存", filter, 0, OFN_OVERWRITEPROMPT, L"", folder.File(L"shot.bmp"), true}}));

    folder.Write(L"old.bmp", "old");
    SetFileAttributesW(folder.File(L"old.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
    for (const std::wstring& file : {folder.File(L"old.bmp"), folder.File(L"no such folder\\x.png")}) {
        boxes.clear();
        dialogAnswer = file;
        F().Raise(FrmPrint::BtnSaveA, BN_CLICKED);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, "ファイル保存エラー");
        EXPECT_EQ(boxes[0].text.rfind("画像を保存できませんでした。\n" + text::Narrow(file) + "\n", 0), 0u);
    }
    TypeTooLongName(L"ピクチャ画像の保存", L".bmp", [&] { F().Raise(FrmPrint::BtnSaveA, BN_CLICKED); });
    ExpectBox(0, "画像を保存できませんでした。\nメンバ lpstrFile が指すバッファが小さすぎます。（エラー番号 12291）",
              "ファイル保存エラー", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(folder.Read(L"old.bmp"), "old");
    EXPECT_EQ(LastPicturePath, text::Narrow(folder.File(L"shot.PNG")));
}

// A capture arriving while the dialog is busy (here in its save dialog) waits
// its turn: the file holds the first, then the dialog shows the second.
TEST_F(PrintDialogTest, ACaptureArrivingWhileBusyWaitsItsTurn) {
    Open();
    dialogAnswer = folder.File(L"first.bmp");
    AnswerFileDialogsByScript([&] { Dialog().Load(PatternPicture(7, 5), CurrentPrint, -1); });
    F().Raise(FrmPrint::BtnSaveA, BN_CLICKED);
    PictureSurface saved;
    ASSERT_TRUE(LoadPicture(text::Narrow(folder.File(L"first.bmp")), saved).loaded);
    EXPECT_EQ(saved.Width(), 40);
    EXPECT_EQ(Dialog().Waiting(), 1u);

    F().Raise(FrmPrint::BtnCancel, BN_CLICKED);  // done with the first: the second comes
    ASSERT_TRUE(Dialog().Loaded());
    EXPECT_TRUE(F().Visible());
    F().Raise(FrmPrint::BtnClipBoard, BN_CLICKED);
    EXPECT_EQ(ReadClipboardImage().width, 7);
    F().Raise(FrmPrint::BtnCancel, BN_CLICKED);
    EXPECT_FALSE(Dialog().Loaded());
}

// After each change of a control the preview, and the screen, show what a
// fresh layout of the working settings shows (as opened: print_layout.sh), or
// the line for a paper the printer lacks. It asks the printer without a word
// and leaves the run's printer and the driver's defaults as they were.
TEST_F(PrintDialogTest, PreviewFollowsEveryControlAndLeavesThePrinterAsItWas) {
    SetNamedSettings({Setting("大きく", 5, 3, 200, 8, 2)});
    const CurrentPrinter printer = Printer();
    const std::vector<BYTE> driverSettings = DriverDefaultMode(L"PDF");
    constexpr COLORREF red = RGB(200, 40, 40), cyan = RGB(55, 215, 215);
    Dialog().Load(SolidPicture(40, 30, red), CurrentPrint, -1);
    const HWND canvas = F().Item(FrmPrint::PicPreview);
    const auto paper = [&](int code) {
        for (int i = 0; i < F().ListCount(CmbPaperSize); ++i)
            if (F().ItemData(CmbPaperSize, i) == code) return i;
        return -1;
    };
    const struct {
        const char* change;
        std::function<void(Form&)> act;
    } changes[] = {
        {"position", [](Form& f) { f.SelectOption(OptPos1); }},
        {"fit", [](Form& f) { f.SelectOption(OptSize1 + 1); }},
        {"aspect box", [](Form& f) { f.SetCheck(ChkHiritsu, 0); }},
        {"ratio", [](Form& f) { f.SelectOption(OptSize1 + 2); }},
        {"ratio typed",
         [](Form& f) {
             SendMessageW(f.Item(TxtSizeP), EM_SETSEL, 0, -1);
             for (const wchar_t ch : {L'7', L'5'}) SendMessageW(f.Item(TxtSizeP), WM_CHAR, ch, 1);
         }},
        {"orientation", [](Form& f) { f.SelectOption(OptOrientation1 + 1); }},
        {"paper", [&](Form& f) { f.SetListIndex(CmbPaperSize, paper(8)); }},
        {"reverse box", [](Form& f) { f.SetCheck(FrmPrint::ChkReverse, 1); }},
        {"named setting", [](Form& f) { f.SetListIndex(CmbSetting, 0); }},
        {"a new DPI",
         [](Form& f) {
             const int dpi = f.Dpi() * 3 / 2;
             const RECT at{0, 0, MulDiv(12660, dpi, 1440), MulDiv(4665, dpi, 1440)};
             SendMessageW(f.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&at));
         }},
        {"a paper the printer lacks", [&](Form& f) { f.SetListIndex(CmbPaperSize, paper(12)); }},
    };
    PrintPreview::View before;
    bool reversedBefore = false;
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        c.act(F());
        PumpPending();
        UpdateWindow(canvas);
        const PrintPreview& preview = Dialog().Preview();
        RECT box{};
        GetClientRect(canvas, &box);
        PrintPreview fresh;
        fresh.Update(SolidPicture(40, 30, red), Dialog().WorkPrint, Dialog().WorkSettings.ReversePrint == 1,
                     {box.right, box.bottom}, F().Dpi());
        EXPECT_EQ(preview.Showing(), fresh.Showing());
        EXPECT_EQ(preview.Reversed(), fresh.Reversed());
        EXPECT_TRUE(preview.Showing() != before || preview.Reversed() != reversedBefore);  // every change shows
        before = preview.Showing();
        reversedBefore = preview.Reversed();
        if (const auto* sheet = std::get_if<layout::SheetInBox>(&preview.Showing())) {
            EXPECT_EQ(ScreenArea(canvas, preview.Reversed() ? cyan : red), Intersection(sheet->picture, sheet->printable));
        } else {
            EXPECT_EQ(std::get<std::string>(preview.Showing()), "この用紙サイズはプリンタで使えません");
            EXPECT_EQ(ScreenArea(canvas, preview.Reversed() ? cyan : red), layout::PixelRect{});
        }
    }
    // The preview is no control to work: a click on it leaves the focus where it was.
    F().Focus(TxtSizeP);
    SendMessageW(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), F().Item(TxtSizeP));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Printer() == printer);
    EXPECT_EQ(DriverDefaultMode(L"PDF"), driverSettings);
}
