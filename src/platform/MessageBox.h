// Every message box goes through here, the one place where tests may stand in
// for the person who reads and answers it.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

struct MessageBoxCall {
    HWND owner;
    std::string text;   // UTF-8
    std::string title;  // UTF-8
    UINT type;
};

// Shows the box and returns the button pressed (IDOK, IDCANCEL, ...).
int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type);

// Tests answer message boxes by script; an empty function restores real boxes.
void SetMessageBoxAnswerer(std::function<int(const MessageBoxCall&)> answerer);
