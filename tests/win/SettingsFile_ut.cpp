// ruxa.ini and ruxa.inf in a real program folder: saves, encodings, the legacy
// take-over, unreadable or unwritable files, losing nothing; and the INI
// document against the platform's private-profile functions, writes and reads.
#include <windows.h>
#include <knownfolders.h>

#include <cstring>
#include <random>

#include "FileIo.h"
#include "IniFile.h"
#include "SettingsFile.h"
#include "ShellFixture.h"

using namespace BasRuxa;

namespace {

using SettingsFileTest = ShellTest;

// The bytes of UTF-16 text after its mark, in either order.
std::string Utf16(std::wstring_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t c : text) bytes += bigEndian ? std::string{char(c >> 8), char(c)} : std::string{char(c), char(c >> 8)};
    return bytes;
}

// The A functions speak the ANSI code page, 932 in the tests' Japanese locale.
std::string Ansi(const std::string& utf8) { return text::Utf8ToCp932(utf8).value_or(""); }

std::string PlatformRead(const std::wstring& path, const std::string& section, const std::string& key) {
    char buffer[1024] = {};
    GetPrivateProfileStringA(Ansi(section).c_str(), Ansi(key).c_str(), "", buffer, sizeof buffer,
                             Ansi(text::Narrow(path)).c_str());
    const std::string value = text::Cp932ToUtf8(buffer);
    return value.empty() ? "0" : value;
}

void PlatformWrite(const std::wstring& path, const std::string& section, const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(Ansi(section).c_str(), Ansi(key).c_str(), Ansi(value).c_str(),
                               Ansi(text::Narrow(path)).c_str());
}

const char* const Sections[] = {"Application", "Option", "option", "OPTION", "DefaultPrinter",
                                "Printer1",    "Printer12", "設定", "ｾｸｼｮﾝ", ""};
const char* const Keys[] = {"Title", "title", "SelfTime", "HotKeyOn0", "DeviceName", "名前", "k", ""};
const std::string Values[] = {"",           "0",          "-1",        "80",         "ヴェルモ",
                              "  padded",   "\"quoted\"", "'single'",  "\"",         "a=b",
                              "x;y",        "[brackets]", "ｶﾀｶﾅ",      "\u3000全角\u3000", "tab\tinside",
                              std::string(1500, 'x'),     "日本語" + std::string(900, 'y')};

}  // namespace

// saved.ini, every key with values that tell them apart, read and saved
// again comes back byte for byte.
TEST_F(SettingsFileTest, SaveWritesEveryKeyInItsPlaceAndAFailedOneLosesNothing) {
    const std::string saved = fileio::ReadWholeFile(TestData(L"saved.ini")).bytes.value();
    folder.Write(L"ruxa.ini", saved);
    ASSERT_TRUE(LoadSettings());
    folder.Write(L"ruxa.ini", "");  // what is compared is what the save wrote
    // A file of the user's that merely looks like a temporary one is left alone.
    folder.Write(L"ruxa.ini.tmp", "the user's");

    ASSERT_TRUE(Store().Commit(Store().Model()));
    EXPECT_EQ(folder.Read(L"ruxa.ini"), saved);
    EXPECT_EQ(folder.Read(L"ruxa.ini.tmp"), "the user's");

    // A save that fails says so and keeps the file, and memory, as they were.
    SetFileAttributesW(folder.File(L"ruxa.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(CommitSettings([](SettingsModel& m) { m.Settings.SelfTime = 17; }));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "ルクサさん");
    EXPECT_EQ(boxes[0].text.rfind("設定を保存できませんでした。", 0), 0u);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), saved);
    EXPECT_EQ(Settings.SelfTime, 17);

    // Another program holds the file: the new one written beside it goes.
    SetFileAttributesW(folder.File(L"ruxa.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    const unique_hfile lock(CreateFileW(folder.File(L"ruxa.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(Store().Commit(Store().Model()));
    EXPECT_EQ(boxes.size(), 2u);
    WIN32_FIND_DATAW found;
    const HANDLE leftovers = FindFirstFileW(folder.File(L"*.ruxa-tmp").c_str(), &found);
    EXPECT_EQ(leftovers, INVALID_HANDLE_VALUE);
    if (leftovers != INVALID_HANDLE_VALUE) FindClose(leftovers);
}

// A file an editor saved with a byte-order mark, read as code page 932, would
// be taken for a first start and overwritten; a printer name written through
// code page 932 without its characters would print elsewhere without a word.
TEST_F(SettingsFileTest, FileIsSavedInTheEncodingItWasReadInUnlessCodePage932CannotHoldIt) {
    const std::wstring lines = L"[Application]\r\nTitle=ルクサ\r\nVersion=2.50\r\n[Option]\r\nSelfTime=7\r\nPrinterCount=0\r\n";
    std::string cp932 = text::Narrow(lines);
    cp932.replace(cp932.find("ルクサ"), std::strlen("ルクサ"), "\x83\x8B\x83N\x83T");
    const struct {
        const char* what;
        std::string bytes;
        const char* device;  // the printer name saved
        std::string mark;    // how the saved file begins
        bool utf16, bigEndian;
    } files[] = {
        {"UTF-8", "\xEF\xBB\xBF" + text::Narrow(lines), "PDF", "\xEF\xBB\xBF", false, false},
        {"UTF-16 LE", Utf16(lines, false), "PDF", "\xFF\xFE", true, false},
        {"UTF-16 BE", Utf16(lines, true), "PDF", "\xFE\xFF", true, true},
        {"code page 932", cp932, "Café 프린터 №2", "\xEF\xBB\xBF", false, false},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.what);
        folder.Write(L"ruxa.ini", f.bytes);
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(std::tuple(Settings.Title, Settings.SelfTime), std::tuple("ルクサ", 7));

        ASSERT_TRUE(CommitSettings([&](SettingsModel& m) {
            m.Settings.SelfTime = 8;
            m.CurrentPrint.DeviceName = f.device;
        }));
        const std::string saved = folder.Read(L"ruxa.ini");
        EXPECT_EQ(saved.rfind(f.mark, 0), 0u);
        for (const std::wstring_view line : {L"\r\nTitle=ルクサ\r\n", L"\r\nSelfTime=8\r\n"}) {
            const std::string bytes = f.utf16 ? Utf16(line, f.bigEndian).substr(2) : text::Narrow(line);
            EXPECT_NE(saved.find(bytes), std::string::npos);
        }
        ASSERT_TRUE(LoadSettings());
        EXPECT_EQ(CurrentPrint.DeviceName, f.device);
    }
}

// A file that cannot be read is no first start: the user is told which and
// why, may try again, and nothing is written over it.
TEST_F(SettingsFileTest, UnreadableIniIsNeverTakenForAFirstStart) {
    // Given up, the program ends with the file as it was.
    const LARGE_INTEGER tooLarge{.QuadPart = 64 * 1024 * 1024 + 1};
    for (const bool asFolder : {true, false}) {
        TestFolder own;
        AppPath = text::Narrow(own.Path());
        if (asFolder) {
            CreateDirectoryW(own.File(L"ruxa.ini").c_str(), nullptr);
        } else {
            const unique_hfile file(CreateFileW(own.File(L"ruxa.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
            SetFilePointerEx(file.get(), tooLarge, nullptr, FILE_BEGIN);
            SetEndOfFile(file.get());
        }
        boxes.clear();
        answers = {IDCANCEL};
        EXPECT_FALSE(LoadSettings());
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].text.find(asFolder ? "このファイルを読み取る権限がありません。"
                                              : "ファイルが大きすぎます。設定ファイルとして読み込めるのは 64 MB までです。"),
                  std::string::npos)
            << boxes[0].text;
        WIN32_FILE_ATTRIBUTE_DATA data{};
        EXPECT_TRUE(GetFileAttributesExW(own.File(L"ruxa.ini").c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.nFileSizeLow, asFolder ? 0 : tooLarge.LowPart);
    }

    // Another program holds the file: the user may try again once it lets go.
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
    ExpectBox(0,
              "設定ファイルを読み込めませんでした。\n" + text::Narrow(folder.File(L"ruxa.ini")) +
                  "\nほかのプログラムがこのファイルを使用中です。\n\n"
                  "［再試行］でもう一度読み込みます。［キャンセル］で、設定ファイルには何も書き込まずに終了します。",
              "ルクサさん", MB_RETRYCANCEL | MB_ICONEXCLAMATION);
    EXPECT_EQ(Settings.SelfTime, 7);
    EXPECT_EQ(folder.Read(L"ruxa.ini"), held);  // read, not written again
}

// The oldest versions' ruxa.inf is taken over at a first start and deleted;
// one that cannot be read ends the program with the classic error, unwritten.
TEST_F(SettingsFileTest, LegacyInfIsTakenOverAndDeletedOrEndsTheProgramUntouched) {
    const struct {
        const char* what;
        std::string content;
        bool asFolder, locked;
        const char* title;  // of the error; none when taken over
        const char* text;
    } cases[] = {
        {"code page 932", "1,10,0,1,0,0,2\r\n", false, false, nullptr, nullptr},
        {"UTF-16", Utf16(L"1,10,0,1,0,0,2\r\n", false), false, false, nullptr, nullptr},
        {"damaged", "1,x,0", false, false, "エラー番号：13", "型が一致しません。"},
        {"a folder", "", true, false, "エラー番号：75", "パス名が無効です。"},
        {"locked", "1,10,0,1,0,0,2", false, true, "エラー番号：70", "書き込みできません。"},
    };
    for (const auto& c : cases) {
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
        const bool taken = !c.title;
        EXPECT_EQ(LoadSettings(), taken);
        EXPECT_EQ(own.Exists(L"ruxa.inf"), !taken);
        EXPECT_EQ(own.Exists(L"ruxa.ini"), taken);
        EXPECT_EQ(boxes.size(), taken ? 0u : 1u);
        if (taken) EXPECT_EQ(Settings.SelfTime, 10);
        else ExpectBox(0, c.text, c.title);
    }
}

// A program folder that cannot be written keeps its settings in the user's
// folder: the first start says where, later ones read them silently.
TEST_F(SettingsFileTest, SettingsMoveToTheUsersFolderWhereTheProgramsCannotBeWritten) {
    const std::wstring userIni = fileio::UserFolder(FOLDERID_RoamingAppData) + L"ruxa.ini";
    DeleteFileW(userIni.c_str());
    AppPath = "Z:\\proc\\";  // no file can be made here, whoever asks
    ASSERT_TRUE(LoadSettings());
    ExpectBox(0, "プログラムのフォルダーには書き込めないため、設定は次のファイルに保存します。\n" + text::Narrow(userIni),
              "ルクサさん", MB_OK | MB_ICONINFORMATION);
    ASSERT_TRUE(CommitSettings([](SettingsModel& m) { m.Settings.SelfTime = 12; }));

    boxes.clear();
    ASSERT_TRUE(LoadSettings());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Settings.SelfTime, 12);
    DeleteFileW(userIni.c_str());
}

TEST(IniDifferential, GeneratedWritesAndReadsMatchThePlatform) {
    TestFolder folder;
    std::mt19937 random(20261206);
    const auto pick = [&](const auto& pool) { return std::string(pool[random() % std::size(pool)]); };

    for (int sequence = 0; sequence < 150; ++sequence) {
        const std::wstring path = folder.File(L"seq" + std::to_wstring(sequence) + L".ini");
        IniFile ours;
        for (int step = 0; step < 40; ++step) {
            const std::string section = pick(Sections), key = pick(Keys);
            if (random() % 3 != 0) {
                const std::string value = pick(Values);
                PlatformWrite(path, section, key, value);
                ours.Set(section, key, value);
                ASSERT_EQ(folder.Read(path.substr(folder.Path().size())), Ansi(ours.Serialize()))
                    << "sequence " << sequence << " step " << step << " wrote [" << section << "] " << key;
            } else {
                ASSERT_EQ(BasRuxa::ReadIni(ours, section, key), PlatformRead(path, section, key))
                    << "sequence " << sequence << " step " << step << " read [" << section << "] " << key;
            }
        }
    }
}

TEST(IniDifferential, HandWrittenFilesReadTheSame) {
    const std::string files[] = {
        "; comment line\r\n[Application]\r\nTitle=ヴェルモ\r\n\r\n\r\n[Option]\r\nSelfTime = 5 \r\nnoequals\r\n",
        "[Option]\nSelfTime=1\nSelfTime=2\n[option]\nSelfTime=3\nOther=4\n",  // LF only, duplicates
        "top=before\n[A]\nk=v",                                                // no final newline
        "[A]\r\n  key  =  \"quoted value\"  \r\n=novalue\r\n=second\r\nk2='x'\r\n[B\r\nk3=in broken header\r\n",
        "[日本語]\r\n名前=値\r\n[ｶﾀｶﾅ]\r\nｷｰ=ｱｲｳ\r\n\u3000sp\u3000=\u3000v\u3000\r\n",
        "\r\n\r\n[A]\r\n[A]\r\nk=second section\r\n[a]\r\nk=third\r\n",
        "[A]\r\nk=\x1a\x1avalue\x1a\r\n\t[T]\t\r\ntk=tv\r\n[ Sp ]\r\nin=sp\r\n",
    };
    const char* const probes[][2] = {
        {"Application", "Title"}, {"Option", "SelfTime"}, {"option", "other"}, {"Option", "noequals"}, {"A", "k"},
        {"A", "key"}, {" A ", " key "}, {"A", ""}, {"A", "k2"}, {"B", "k3"}, {"A", "k3"}, {"日本語", "名前"},
        {"ｶﾀｶﾅ", "ｷｰ"}, {"ｶﾀｶﾅ", "sp"}, {"", "top"}, {"T", "tk"}, {"Sp", "in"}, {" Sp ", "in"}, {"Missing", "k"}};
    TestFolder folder;
    int n = 0;
    for (const std::string& utf8 : files) {
        const std::wstring name = L"odd" + std::to_wstring(n++) + L".ini";
        folder.Write(name, Ansi(utf8));
        const IniFile ours = IniFile::Parse(text::Cp932ToUtf8(folder.Read(name)));
        for (const auto& [section, key] : probes)
            EXPECT_EQ(BasRuxa::ReadIni(ours, section, key), PlatformRead(folder.File(name), section, key))
                << "file " << n - 1 << " [" << section << "] " << key;

        // A write rewrites the whole file the platform's way.
        IniFile changed = ours;
        changed.Set("Option", "Added", "1");
        PlatformWrite(folder.File(name), "Option", "Added", "1");
        EXPECT_EQ(folder.Read(name), Ansi(changed.Serialize())) << "file " << n - 1;
    }
}
