// What the in-process tests share: a fresh shell on a real hidden main window,
// settings in memory, boxes and file dialogs answered by script, pictures read back.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "FileIo.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PictureSurface.h"
#include "SettingsStore.h"
#include "ShellState.h"
#include "Text.h"
#include "UniqueHandle.h"

// A fresh, empty folder under the temporary folder, removed with its files.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& Path() const { return path_; }  // ends in "\"
    std::wstring File(const std::wstring& name) const { return path_ + name; }
    void Write(const std::wstring& name, const std::string& bytes) const;
    std::string Read(const std::wstring& name) const { return fileio::ReadWholeFile(File(name)).bytes.value_or(""); }
    bool Exists(const std::wstring& name) const {
        return GetFileAttributesW(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

private:
    std::wstring path_;
};

// The clipboard's bitmap as top-down 0x00RRGGBB pixels; empty when none.
struct ClipboardImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
ClipboardImage ReadClipboardImage();
void PutTextOnClipboard();

// A picture's pixels as 0x00RRGGBB, to compare whole pictures.
std::vector<std::uint32_t> PixelsOf(const PictureSurface& picture);

// A picture whose every pixel tells where it is, so any cut of it can be checked.
PictureSurface PatternPicture(int width, int height);
PictureSurface SolidPicture(int width, int height, COLORREF colour);
std::vector<std::uint32_t> Pattern(int left, int top, int width, int height);

// The settings in memory as a test sets the scene, nothing written; or
// stored, as a dialog stores them.
template <typename Change>
void SetSettings(Change change) {
    SettingsModel settings = BasRuxa::Store().Model();
    change(settings);
    BasRuxa::Store().Reset(settings);
}
template <typename Change>
bool CommitSettings(Change change) {
    SettingsModel settings = BasRuxa::Store().Model();
    change(settings);
    return BasRuxa::Store().Commit(settings);
}
// The named settings in memory, in this order.
void SetNamedSettings(std::initializer_list<PrintSettings> named);

// A file of tests/win/data, as a Windows path.
std::wstring TestData(const wchar_t* name);

// Whether another program could take the hot key combination now.
bool CombinationIsFree(UINT key, UINT modifiers = MOD_ALT | MOD_CONTROL);

// Dispatches the messages waiting, as a handler's return to the loop would.
void PumpPending();
// Dispatches messages until done(); the limit only keeps a broken build from
// hanging the run, nothing is timed.
bool PumpUntil(const std::function<bool()>& done);

// A file dialog's question as the person saw it: owner, title, filter (each
// part followed by "|"), filter index, flags, name field, initial folder, save.
using FileDialogCall = std::tuple<HWND, std::wstring, std::wstring, DWORD, DWORD, std::wstring, std::wstring, bool>;
FileDialogCall Recorded(const OPENFILENAMEW& record, bool save);

// A person at the real file dialog `title`: picks file type `fileType` (0: the
// first) if given, types `path` and presses OK, or cancels if `path` is empty.
std::thread AnswerFileDialog(const wchar_t* title, const std::wstring& path, int fileType = -1);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Box i, the last shown, had exactly this text, title and type.
    void ExpectBox(std::size_t i, const std::string& text, const std::string& title, UINT type = MB_OK) const;
    // A new main window, for a command-line run or a resident one.
    void Restart(bool commandLine);
    // What ruxa.ini holds for the key.
    std::string IniValue(const char* section, const char* key) const;
    // File dialogs answered with `dialogAnswer` (none: cancelled), each kept in
    // `dialogs`; `meanwhile` runs while each is open.
    void AnswerFileDialogsByScript(const std::function<void()>& meanwhile = {});
    // The real file dialog `title` while `open` runs, given a name too long for
    // its 255 characters yet under MAX_PATH (where Wine's dialog breaks down).
    void TypeTooLongName(const wchar_t* title, const wchar_t* extension, const std::function<void()>& open);

    TestFolder folder;                  // the program folder, AppPath, where ruxa.ini is written
    std::unique_ptr<FrmRuxa> main;
    std::vector<MessageBoxCall> boxes;  // every box shown
    std::deque<int> answers;            // the buttons pressed, in turn; IDOK once none is left
    std::vector<FileDialogCall> dialogs;
    std::optional<std::wstring> dialogAnswer;
};
