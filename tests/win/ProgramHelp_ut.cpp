// The help pages written out of the resources: whole, once, in place of an
// unfinished set; and no program for .html files. Each window's page, the old
// viewer, an unwritable folder: tests/e2e/shell_options.sh, shell_tray_menus.sh.
#include <filesystem>

#include "FileIo.h"
#include "HelpFolder.h"
#include "HelpPages.h"
#include "ProgramHelp.h"
#include "ShellFixture.h"

namespace {

std::string ResourceBytes(int id) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    const void* bytes = found ? LockResource(LoadResource(nullptr, found)) : nullptr;
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found)) : std::string();
}

// `base` (ending in "\\") holds only the version's folder, which holds every
// file of the resources, byte for byte, and the marker.
void ExpectWholeSet(const std::wstring& base) {
    const std::wstring folder = base + help_pages::Folder + L"\\";
    for (const help_pages::File& file : help_pages::Files) {
        const std::string bytes = ResourceBytes(file.resource);
        EXPECT_FALSE(bytes.empty()) << text::Narrow(file.name);
        EXPECT_EQ(fileio::ReadWholeFile(folder + file.name).bytes, bytes) << text::Narrow(file.name);
    }
    EXPECT_TRUE(std::filesystem::exists(folder + L"complete.marker"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(base), {}), 1);
}

TEST(ProgramHelp, WritesTheWholeSetOnceUsesItAndReplacesAnUnfinishedOne) {
    TestFolder home;
    const std::wstring base = home.Path() + L"ruxa\\help";
    const help::WrittenPages pages = help::WritePages(base);
    ASSERT_EQ(pages.error, DWORD(ERROR_SUCCESS));
    EXPECT_EQ(pages.folder, base + L"\\" + help_pages::Folder + L"\\");
    ExpectWholeSet(base + L"\\");
    // A complete set is used as it is, not written again.
    const std::wstring index = pages.folder + L"index.html";
    ASSERT_EQ(fileio::ReplaceFileAtomically(index, "kept"), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(help::WritePages(base).folder, pages.folder);
    EXPECT_EQ(fileio::ReadWholeFile(index).bytes, "kept");

    // Without its marker the set is unfinished: written again whole, strays gone.
    ASSERT_TRUE(DeleteFileW((pages.folder + L"complete.marker").c_str()));
    ASSERT_EQ(fileio::ReplaceFileAtomically(pages.folder + L"stray.txt", "stray"), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(help::WritePages(base).error, DWORD(ERROR_SUCCESS));
    ExpectWholeSet(base + L"\\");
    EXPECT_FALSE(std::filesystem::exists(pages.folder + L"stray.txt"));
}

// The class for .html names none that exists, as where nothing opens web
// pages; put back afterwards.
class NoProgramForHtml : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.html", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition);
        wchar_t value[256] = {};
        DWORD size = sizeof value;
        if (RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS)
            kept = value;
        SetDefault(L"ruxa-test-no-such-class");
    }
    void TearDown() override {
        if (kept) SetDefault(*kept);
        else RegDeleteValueW(key, nullptr);
        RegCloseKey(key);
        if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.html");
        ShellTest::TearDown();
    }
    void SetDefault(const std::wstring& value) {
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }

    HKEY key = nullptr;
    DWORD disposition = 0;
    std::optional<std::wstring> kept;
};

TEST_F(NoProgramForHtml, SaysSoAndWhereThePageIs) {
    ShowProgramHelp(main->Handle(), HelpPage::PrintDialog);
    ASSERT_EQ(boxes.size(), 1u);
    const std::string& text = boxes[0].text;
    EXPECT_EQ(text.rfind(".html ファイルを開くプログラムが決まっていないため、ヘルプを表示できません。\n", 0), 0u) << text;
    const std::string page = "\\ruxa\\help\\" + text::Narrow(help_pages::Folder) + "\\print-dialog.html";
    EXPECT_EQ(text.substr(text.size() - page.size()), page) << text;
    EXPECT_EQ(boxes[0].title, "ルクサさん");
}

}  // namespace
