// ruxa.ini and ruxa.inf in a real program folder: first start, the legacy
// take-over, saves that are atomic and byte-equal to the key-by-key method,
// and failures that lose nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "FileIo.h"
#include "KeyByKey.h"
#include "HumanSeam.h"
#include "PaperTables.h"
#include "SettingsFile.h"
#include "TestFolder.h"
#include "Text.h"
#include "UniqueHandle.h"

using namespace BasRuxa;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        BasPrinterConst::InitPaperTables();
        AppPath = text::Narrow(folder.Path());
        Model = SettingsModel{};
        SetMessageBoxAnswerer([this](const MessageBoxCall& call) {
            boxes.push_back(call);
            return IDOK;
        });
    }
    void TearDown() override { SetMessageBoxAnswerer(nullptr); }

    void AddNamedSettings(int count) {
        for (int i = 0; i < count; ++i) {
            PrintSettings p = CurrentPrint;
            p.Title = "名前付き設定" + std::to_string(i + 1);
            p.SizeP = static_cast<std::int16_t>(1 + i);
            NamedSettings[i] = p;
        }
        Settings.PrinterCount = static_cast<std::int16_t>(count);
    }

    TestFolder folder;
    std::vector<MessageBoxCall> boxes;
};

}  // namespace

TEST_F(SettingsFileTest, FirstStartCreatesTheFileAndSavesMatchKeyByKey) {
    ASSERT_TRUE(LoadSettings());
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Settings.Title, "ヴェルモ");
    const std::string first = folder.Read(L"ruxa.ini");
    EXPECT_EQ(first.rfind("[Application]\r\nTitle=" + text::Utf8ToAnsi("ヴェルモ") + "\r\nVersion=2.50\r\n[Option]\r\n", 0), 0u);

    AddNamedSettings(101);
    Settings.LastSet = 100;
    ASSERT_TRUE(SaveSettings());
    const std::string ours = folder.Read(L"ruxa.ini");
    keybykey::Save(BasRuxa::SaveSettings(Model), folder.File(L"reference.ini"));
    EXPECT_EQ(ours, folder.Read(L"reference.ini"));
    EXPECT_FALSE(folder.Exists(L"ruxa.ini.tmp"));

    const SettingsModel saved = Model;
    Model = SettingsModel{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.PrinterCount, 101);
    EXPECT_EQ(Settings.LastSet, 100);
    EXPECT_EQ(NamedSettings[100].Title, saved.NamedSettings[100].Title);
}

TEST_F(SettingsFileTest, LegacyInfIsTakenOverAndDeleted) {
    folder.Write(L"ruxa.inf", "1,10,0,1,0,0,2\r\n");
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.SelfTimer, 1);
    EXPECT_EQ(Settings.SelfTime, 10);
    EXPECT_EQ(Settings.IconDelete, 1);
    EXPECT_EQ(Settings.DoubleClick, 2);
    EXPECT_EQ(Settings.DoubleClickDo, 2);
    EXPECT_FALSE(folder.Exists(L"ruxa.inf"));
    EXPECT_TRUE(folder.Exists(L"ruxa.ini"));
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
        {"too short", "1,2,3", false, false, "エラー番号：62", "ファイルにこれ以上データがありません。"},
        {"a folder", "", true, false, "エラー番号：75", "パス名が無効です。"},
        {"locked", "1,10,0,1,0,0,2", false, true, "エラー番号：70", "書き込みできません。"},
    };
    for (const Case& c : cases) {
        TestFolder own;
        AppPath = text::Narrow(own.Path());
        boxes.clear();
        if (c.asFolder) CreateDirectoryW(own.File(L"ruxa.inf").c_str(), nullptr);
        else own.Write(L"ruxa.inf", c.content);
        unique_hfile lock;
        if (c.locked)
            lock.reset(CreateFileW(own.File(L"ruxa.inf").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));

        EXPECT_FALSE(LoadSettings()) << c.what;
        ASSERT_EQ(boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes[0].title, c.title) << c.what;
        EXPECT_EQ(boxes[0].text, c.text) << c.what;
        EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK)) << c.what;
        EXPECT_FALSE(own.Exists(L"ruxa.ini")) << c.what;
        EXPECT_TRUE(own.Exists(L"ruxa.inf")) << c.what;
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
}

TEST_F(SettingsFileTest, SaveIntoAVanishedFolderFailsCleanly) {
    ASSERT_TRUE(LoadSettings());
    AppPath = text::Narrow(folder.File(L"gone\\"));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(SettingsFileTest, UnknownVersionSurvivesASave) {
    folder.Write(L"ruxa.ini", "[Application]\r\nTitle=t\r\nVersion=3.10\r\n[Option]\r\nSelfTime=9\r\nPrinterCount=0\r\n");
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.SelfTime, 9);
    ASSERT_TRUE(SaveSettings());
    Model = SettingsModel{};
    ASSERT_TRUE(LoadSettings());
    EXPECT_EQ(Settings.Version, "3.10");
    EXPECT_EQ(Settings.SelfTime, 9);
}
