// ruxa.ini and ruxa.inf in a real program folder: what a save writes, files
// an editor saved with a byte-order mark, text code page 932 cannot hold,
// the legacy take-over, and files that cannot be read or written, which must
// lose nothing.

#include "FileIo.h"
#include "PaperTables.h"
#include "SettingsFile.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

class SettingsFileTest : public ShellTest {};

// The bytes of UTF-16 text after its mark, in either order.
std::string Utf16(std::wstring_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t c : text) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

}  // namespace

TEST_F(SettingsFileTest, SaveWritesEveryKeyInItsPlace) {
    Settings.Title = "ルクサ";
    Settings.Icon = "C:\\icons\\ruxa.ico";
    Settings.Version = "2.50";
    Settings.SelfTime = 5;
    Settings.DoubleClick = 2;
    Settings.DoubleClickDo = 3;
    Settings.ConfirmBeforePrint = 1;
    Settings.ReversePrint = 1;
    Settings.SelfTimer = 1;
    Settings.LastSet = -1;
    for (int i = 0; i < HotKeySlotCount; ++i) {
        Settings.HotKeyOn[i] = i == 4 ? 0 : 1;
        Settings.HotKeyALT[i] = static_cast<std::int16_t>(i % 2);
        Settings.HotKeySHIFT[i] = i >= 6 ? 1 : 0;
        Settings.HotKeyCTRL[i] = 1;
        Settings.HotKeyButton[i] = static_cast<std::int16_t>('A' + i);
    }
    CurrentPrint = {"applied", "PDF", 3, 2, 100, 1, 9, 7, 2};
    NamedSettings[0] = {"縮小", "PDF", 1, 3, 50, 0, 8, 0, 1};
    NamedSettings[1] = {"拡大", "Other printer", 5, 1, 200, 1, 256, 15, 2};
    NamedSettings[2] = {"stale", "", 0, 0, 0, 0, 0, 0, 0};  // past PrinterCount: not written
    Settings.PrinterCount = 2;

    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(folder.Read(L"ruxa.ini"), fileio::ReadWholeFile(TestData(L"saved.ini")).bytes);
    EXPECT_FALSE(folder.Exists(L"ruxa.ini.tmp"));
    EXPECT_TRUE(boxes.empty());
}

// An editor may save the file with a byte-order mark. Read as code page 932
// it would have no title, be taken for a first start and be overwritten.
TEST_F(SettingsFileTest, FileWithAByteOrderMarkIsReadAndSavedByIt) {
    const std::wstring lines = L"[Application]\r\nTitle=ルクサ\r\nVersion=2.50\r\n[Option]\r\nSelfTime=7\r\n"
                               L"HotKeyButton3=81\r\nPrinterCount=0\r\n";
    const struct {
        const char* what;
        std::string bytes;
        std::string mark;
        bool utf16, bigEndian;
    } files[] = {
        {"UTF-8", "\xEF\xBB\xBF" + text::Narrow(lines), "\xEF\xBB\xBF", false, false},
        {"UTF-16 LE", Utf16(lines, false), "\xFF\xFE", true, false},
        {"UTF-16 BE", Utf16(lines, true), "\xFE\xFF", true, true},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        folder.Write(L"ruxa.ini", f.bytes);
        Model = SettingsModel{};
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(Settings.Title, "ルクサ");
        EXPECT_EQ(Settings.SelfTime, 7);
        EXPECT_EQ(Settings.HotKeyButton[3], 81);

        Settings.SelfTime = 8;
        ASSERT_TRUE(SaveSettings());
        const std::string saved = folder.Read(L"ruxa.ini");
        EXPECT_EQ(saved.rfind(f.mark, 0), 0u);
        for (const std::wstring_view line : {L"\r\nTitle=ルクサ\r\n", L"\r\nSelfTime=8\r\n"}) {
            const std::string bytes = f.utf16 ? Utf16(line, f.bigEndian).substr(2) : text::Narrow(line);
            EXPECT_NE(saved.find(bytes), std::string::npos);
        }
    }
    EXPECT_TRUE(boxes.empty());
}

// Written through code page 932, a printer name with characters it lacks
// would become "?" or a look-alike and print elsewhere without a word.
TEST_F(SettingsFileTest, TextCodePage932CannotHoldMakesTheFileUtf8) {
    ASSERT_TRUE(LoadSettings());
    ASSERT_EQ(folder.Read(L"ruxa.ini").rfind("[Application]", 0), 0u);  // code page 932, no mark
    CurrentPrint.DeviceName = "Café 프린터 №2";
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(folder.Read(L"ruxa.ini").rfind("\xEF\xBB\xBF[Application]\r\n", 0), 0u);

    Model = SettingsModel{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(CurrentPrint.DeviceName, "Café 프린터 №2");
    EXPECT_EQ(Settings.Title, "ヴェルモ");
    EXPECT_TRUE(boxes.empty());
}

// A file that is there but cannot be read is no first start: the user is
// told which file and why, may try again, and nothing is written over it.
TEST_F(SettingsFileTest, UnreadableIniIsNeverTakenForAFirstStart) {
    // Given up, the program ends with the file as it was.
    const struct {
        const char* what;
        void (*make)(const TestFolder&);
        const char* reason;
    } cases[] = {
        {"a folder", [](const TestFolder& f) { CreateDirectoryW(f.File(L"ruxa.ini").c_str(), nullptr); },
         "このファイルを読み取る権限がありません。"},
        {"64 MB and more",
         [](const TestFolder& f) {
             unique_hfile file(CreateFileW(f.File(L"ruxa.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
             LARGE_INTEGER size{};
             size.QuadPart = 64 * 1024 * 1024 + 1;
             SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN);
             SetEndOfFile(file.get());
         },
         "ファイルが大きすぎます。設定ファイルとして読み込めるのは 64 MB までです。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder own;
        AppPath = text::Narrow(own.Path());
        c.make(own);
        WIN32_FILE_ATTRIBUTE_DATA before{}, after{};
        GetFileAttributesExW(own.File(L"ruxa.ini").c_str(), GetFileExInfoStandard, &before);
        boxes.clear();
        answers = {IDCANCEL};
        EXPECT_FALSE(LoadSettings());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(c.reason), std::string::npos) << boxes[0].text;
        GetFileAttributesExW(own.File(L"ruxa.ini").c_str(), GetFileExInfoStandard, &after);
        EXPECT_EQ(after.dwFileAttributes, before.dwFileAttributes);
        EXPECT_EQ(after.nFileSizeLow, before.nFileSizeLow);
        EXPECT_EQ(CompareFileTime(&after.ftLastWriteTime, &before.ftLastWriteTime), 0);
        EXPECT_FALSE(own.Exists(L"ruxa.ini.tmp"));
    }

    // Another program holds the file: the user is told which file and why,
    // and may try again once it lets go.
    AppPath = text::Narrow(folder.Path());
    const std::string held = "[Application]\r\nTitle=t\r\nVersion=2.50\r\n[Option]\r\nSelfTime=7\r\nPrinterCount=0\r\n";
    folder.Write(L"ruxa.ini", held);
    unique_hfile lock(CreateFileW(folder.File(L"ruxa.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    boxes.clear();
    SetMessageBoxAnswerer([&](const MessageBoxCall& call) {
        boxes.push_back(call);
        lock.reset();
        return IDRETRY;
    });
    ASSERT_TRUE(LoadSettings());
    ASSERT_EQ(boxes.size(), 1u);
    ExpectBox(0,
              "設定ファイルを読み込めませんでした。\n" + text::Narrow(folder.File(L"ruxa.ini")) +
                  "\nほかのプログラムがこのファイルを使用中です。\n\n"
                  "［再試行］でもう一度読み込みます。［キャンセル］で、設定ファイルには何も書き込まずに終了します。",
              "ルクサさん", MB_RETRYCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(Settings.Title, "t");
    EXPECT_EQ(Settings.SelfTime, 7);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), held);
}

TEST_F(SettingsFileTest, LegacyInfIsTakenOverAndDeleted) {
    for (const std::string& inf : {std::string("1,10,0,1,0,0,2\r\n"), std::string("\xEF\xBB\xBF" "1,10,0,1,0,0,2\r\n"),
                                   Utf16(L"1,10,0,1,0,0,2\r\n", false)}) {
        TestFolder own;
        AppPath = text::Narrow(own.Path());
        Model = SettingsModel{};
        own.Write(L"ruxa.inf", inf);
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(Settings.SelfTimer, 1);
        EXPECT_EQ(Settings.SelfTime, 10);
        EXPECT_EQ(Settings.IconDelete, 1);
        EXPECT_EQ(Settings.DoubleClick, 2);
        EXPECT_EQ(Settings.DoubleClickDo, 2);
        EXPECT_FALSE(own.Exists(L"ruxa.inf"));
        EXPECT_TRUE(own.Exists(L"ruxa.ini"));
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(SettingsFileTest, UnreadableLegacyInfEndsTheProgramAndWritesNothing) {
    struct Case {
        const char* what;
        std::string content;
        bool asFolder, locked;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"damaged", "1,x,0", false, false, "エラー番号：13", "型が一致しません。"},
        {"a folder", "", true, false, "エラー番号：75", "パス名が無効です。"},
        {"locked", "1,10,0,1,0,0,2", false, true, "エラー番号：70", "書き込みできません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder own;
        AppPath = text::Narrow(own.Path());
        boxes.clear();
        if (c.asFolder) CreateDirectoryW(own.File(L"ruxa.inf").c_str(), nullptr);
        else own.Write(L"ruxa.inf", c.content);
        unique_hfile lock;
        if (c.locked)
            lock.reset(CreateFileW(own.File(L"ruxa.inf").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));

        EXPECT_FALSE(LoadSettings());
        ASSERT_EQ(boxes.size(), 1u);
        ExpectBox(0, c.text, c.title);
        EXPECT_FALSE(own.Exists(L"ruxa.ini"));
        EXPECT_TRUE(own.Exists(L"ruxa.inf"));
    }
}

TEST_F(SettingsFileTest, FailedSaveSaysSoAndKeepsFileAndMemory) {
    ASSERT_TRUE(LoadSettings());
    const std::string before = folder.Read(L"ruxa.ini");
    SetFileAttributesW(folder.File(L"ruxa.ini").c_str(), FILE_ATTRIBUTE_READONLY);

    Settings.SelfTime = 17;
    EXPECT_FALSE(SaveSettings());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "ルクサさん");
    EXPECT_EQ(boxes[0].text.rfind("設定を保存できませんでした。", 0), 0u);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), before);
    EXPECT_FALSE(folder.Exists(L"ruxa.ini.tmp"));
    EXPECT_EQ(Settings.SelfTime, 17);

    SetFileAttributesW(folder.File(L"ruxa.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(SaveSettings());
    Model = SettingsModel{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.SelfTime, 17);

    // The program folder has gone meanwhile.
    AppPath = text::Narrow(folder.File(L"gone\\"));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(boxes.size(), 2u);
}
