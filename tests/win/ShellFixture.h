// What the in-process tests share: a fresh shell state on a real hidden main
// window with a program folder of its own, settings set in memory, message
// boxes answered by script, message pumping, pictures and the clipboard's
// bitmap read back, and the fixture files of tests/win/data. It brings the
// headers nearly every test uses: the program's state and main window, text
// conversion and handles.
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

#include "FrmRuxa.h"
#include "Globals.h"
#include "HumanSeam.h"
#include "PictureSurface.h"
#include "SettingsStore.h"
#include "ShellState.h"
#include "TestFolder.h"
#include "Text.h"
#include "UniqueHandle.h"

// The clipboard's bitmap as top-down 0x00RRGGBB pixels; empty when it holds
// no bitmap.
struct ClipboardImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};
ClipboardImage ReadClipboardImage();
void PutTextOnClipboard();

// A picture's pixels as 0x00RRGGBB, to compare whole pictures.
std::vector<std::uint32_t> PixelsOf(const PictureSurface& picture);

// A picture whose every pixel tells where it is (PatternAt), so any cut or
// copy of it can be checked exactly.
std::uint32_t PatternAt(int x, int y);
PictureSurface PatternPicture(int width, int height);
std::vector<std::uint32_t> Pattern(int left, int top, int width, int height);

// The settings in memory as a test sets the scene; nothing is written.
template <typename Change>
void SetSettings(Change change) {
    SettingsModel settings = BasRuxa::Store().Model();
    change(settings);
    BasRuxa::Store().Reset(settings);
}

// A file of tests/win/data, as a Windows path.
std::wstring TestData(const wchar_t* name);

// Whether another program could take the hot key combination now.
bool CombinationIsFree(UINT modifiers, UINT key);

// Dispatches the messages this thread has waiting, as a handler's return to
// the message loop would.
void PumpPending();
// Dispatches this thread's messages until done() answers true. The limit
// only keeps a broken build from hanging the run; nothing is timed.
bool PumpUntil(const std::function<bool()>& done);

// A file dialog's question as the person saw it, kept past the call: owner,
// title, filter (its parts each followed by "|"), filter index, flags, the
// name field, the initial folder, and whether it saves.
using FileDialogCall = std::tuple<HWND, std::wstring, std::wstring, DWORD, DWORD, std::wstring, std::wstring, bool>;
FileDialogCall Recorded(const OPENFILENAMEW& record, bool save);

// A path in the folder that the file dialogs' buffer of 255 characters cannot
// hold, yet under MAX_PATH (beyond which Wine's own dialog breaks down).
std::wstring PathTooLongForTheDialog(const TestFolder& folder, const wchar_t* extension);

// A person at the real file dialog titled `title`, one of this process's:
// picks the file type `fileType` (0: the first) when given, types `path` into
// the name field and presses OK, or cancels when `path` is empty. Join the
// thread once the dialog has returned.
std::thread AnswerFileDialog(const wchar_t* title, const std::wstring& path, int fileType = -1);

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Box i was shown with exactly this text, title and type.
    void ExpectBox(std::size_t i, const std::string& text, const std::string& title, UINT type = MB_OK) const;
    // A new main window, for a command-line run or a resident one.
    void Restart(bool commandLine);

    TestFolder folder;                  // the program folder, AppPath, where ruxa.ini is written
    std::unique_ptr<FrmRuxa> main;
    std::vector<MessageBoxCall> boxes;  // every box shown
    std::deque<int> answers;            // the buttons pressed, in turn; IDOK once none is left
};
