// ruxa.ini and ruxa.inf in a real program folder: what a save writes, files
// an editor saved with a byte-order mark, text code page 932 cannot hold,
// the legacy take-over, and files that cannot be read or written, which must
// lose nothing.

#include <windows.h>
#include <knownfolders.h>

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
    SettingsModel next = Store().Model();
    SettingsRecord& s = next.Settings;
    s.Title = "ルクサ";
    s.Icon = "C:\\icons\\ruxa.ico";
    s.SelfTime = 5;
    s.DoubleClick = 2;
    s.DoubleClickDo = 3;
    s.ConfirmBeforePrint = 1;
    s.ReversePrint = 1;
    s.SelfTimer = 1;
    for (int i = 0; i < HotKeySlotCount; ++i) {
        s.HotKeyOn[i] = i == 4 ? 0 : 1;
        s.HotKeyALT[i] = static_cast<std::int16_t>(i % 2);
        s.HotKeySHIFT[i] = i >= 6 ? 1 : 0;
        s.HotKeyCTRL[i] = 1;
        s.HotKeyButton[i] = static_cast<std::int16_t>('A' + i);
    }
    s.DesktopMonitor = 1;
    next.CurrentPrint = {"applied", "PDF", 3, 2, 100, 1, 9, 7, 2};
    next.NamedSettings[0] = {"縮小", "PDF", 1, 3, 50, 0, 8, 0, 1};
    next.NamedSettings[1] = {"拡大", "Other printer", 5, 1, 200, 1, 256, 15, 2};
    next.NamedSettings[2] = {"stale", "", 0, 0, 0, 0, 0, 0, 0};  // past PrinterCount: not written
    s.PrinterCount = 2;
    // A file of the user's that merely looks like a temporary one is left alone.
    folder.Write(L"ruxa.ini.tmp", "the user's");

    ASSERT_TRUE(Store().Commit(next));
    EXPECT_EQ(folder.Read(L"ruxa.ini"), fileio::ReadWholeFile(TestData(L"saved.ini")).bytes);
    EXPECT_EQ(folder.Read(L"ruxa.ini.tmp"), "the user's");
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
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(Settings.Title, "ルクサ");
        EXPECT_EQ(Settings.SelfTime, 7);
        EXPECT_EQ(Settings.HotKeyButton[3], 81);

        SettingsModel next = Store().Model();
        next.Settings.SelfTime = 8;
        ASSERT_TRUE(Store().Commit(next));
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
    SettingsModel next = Store().Model();
    next.CurrentPrint.DeviceName = "Café 프린터 №2";
    ASSERT_TRUE(Store().Commit(next));
    EXPECT_EQ(folder.Read(L"ruxa.ini").rfind("\xEF\xBB\xBF[Application]\r\n", 0), 0u);

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

    SettingsModel next = Store().Model();
    next.Settings.SelfTime = 17;
    EXPECT_FALSE(Store().Commit(next));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "ルクサさん");
    EXPECT_EQ(boxes[0].text.rfind("設定を保存できませんでした。", 0), 0u);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), before);
    EXPECT_EQ(Settings.SelfTime, 17);

    SetFileAttributesW(folder.File(L"ruxa.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(Store().Commit(next));
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.SelfTime, 17);

    // The program folder has gone meanwhile.
    Store().BindFile(folder.File(L"gone\\ruxa.ini"), TextEncoding::Cp932);
    EXPECT_FALSE(Store().Commit(next));
    EXPECT_EQ(boxes.size(), 2u);
    WIN32_FIND_DATAW found;
    const HANDLE leftovers = FindFirstFileW(folder.File(L"*.ruxa-tmp").c_str(), &found);
    EXPECT_EQ(leftovers, INVALID_HANDLE_VALUE);
    if (leftovers != INVALID_HANDLE_VALUE) FindClose(leftovers);
}

// A program folder that cannot be written (a copy in Program Files) keeps its
// settings in the user's folder: the first start there says where, and later
// starts read them from there without a word.
TEST_F(SettingsFileTest, SettingsMoveToTheUsersFolderWhereTheProgramsCannotBeWritten) {
    const std::wstring userIni = fileio::UserFolder(FOLDERID_RoamingAppData) + L"ruxa.ini";
    DeleteFileW(userIni.c_str());
    AppPath = "Z:\\proc\\";  // no file can be made here, whoever asks
    ASSERT_TRUE(LoadSettings());
    ASSERT_EQ(boxes.size(), 1u);
    ExpectBox(0, "プログラムのフォルダーには書き込めないため、設定は次のファイルに保存します。\n" + text::Narrow(userIni),
              "ルクサさん", MB_OK | MB_ICONINFORMATION);
    EXPECT_EQ(Store().FilePath(), userIni);
    SettingsModel next = Store().Model();
    next.Settings.SelfTime = 12;
    ASSERT_TRUE(Store().Commit(next));

    boxes.clear();
    ASSERT_TRUE(LoadSettings());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Settings.SelfTime, 12);
    DeleteFileW(userIni.c_str());
}
