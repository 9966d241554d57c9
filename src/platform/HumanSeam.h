// Every question the program puts to a person goes through here: message
// boxes, input boxes and the file dialogs. It is the one place where tests
// may stand in for the person who reads and answers.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <optional>
#include <string>

struct MessageBoxCall {
    HWND owner;
    std::string text;   // UTF-8
    std::string title;  // UTF-8
    UINT type;
};

// Shows the box and returns the button pressed (IDOK, IDCANCEL, ...). A box
// without a visible owner (the hidden main window's) belongs to the program's
// active window when it has one, else comes to the front and stays above
// other programs, so it is seen after a long self-timer.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type);

// Tests answer message boxes by script; an empty function restores real boxes.
void SetMessageBoxAnswerer(std::function<int(const MessageBoxCall&)> answerer);

struct InputBoxCall {
    HWND owner;
    std::string prompt;  // UTF-8
    std::string title;
    std::string defaultText;
};

// A modal box with the prompt, an edit field holding the default text
// (selected), OK and キャンセル. Returns the text, or the empty text for
// キャンセル, as the classic input box does.
std::string ShowInputBox(HWND owner, const std::string& prompt, const std::string& title,
                         const std::string& defaultText);
void SetInputBoxAnswerer(std::function<std::string(const InputBoxCall&)> answerer);

// Runs GetOpenFileNameW or GetSaveFileNameW on the record: whether a file
// was chosen, else the dialog's extended error (0 for a cancel). A test's
// answer stands for the person's choice: a path is written to lpstrFile as
// the dialog would (cut to nMaxFile); nothing is a cancel.
struct FileDialogResult {
    bool chosen;
    DWORD error;
};
FileDialogResult RunFileDialog(OPENFILENAMEW& record, bool save);
void SetFileDialogAnswerer(std::function<std::optional<std::wstring>(const OPENFILENAMEW&, bool save)> answerer);
