// What the driver's commands share: their options, their output, and finding
// another process's windows. Each command reads "--name value" options,
// prints "key=value" lines on stdout as UTF-8 (errors on stderr), whatever
// the console code page, and returns the process exit code (0 on success).
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>

namespace driver {

class Options {
public:
  Options(int argc, wchar_t** argv); // argv[0] is the first option; throws Failure
  std::optional<std::wstring> Text(const wchar_t* name) const;
  std::optional<long long> Number(const wchar_t* name) const; // decimal or 0x hex
  // --timeout in milliseconds; a minute by default, which only a hung
  // program reaches even on a loaded machine.
  DWORD TimeoutMs() const;

private:
  std::map<std::wstring, std::wstring> values_;
};

// Thrown where a command cannot go on; main ends it with Fail(message).
struct Failure {
  std::wstring message;
};
std::string Utf8(const std::wstring& text);
// Line breaks as \n and a backslash as \\, so each value stays on one line.
std::string Escaped(const std::wstring& text);
void PrintLine(const std::string& line);
int Fail(const std::wstring& message); // to stderr; returns the failure exit code

// Calls ready() until it answers true or timeoutMs have passed. Windows of
// other processes give no event to wait on, so this polls.
template <class Ready>
bool WaitUntil(DWORD timeoutMs, Ready&& ready) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (ready())
      return true;
    if (GetTickCount64() >= deadline)
      return false;
    Sleep(20);
  }
}

// The window named by --hwnd, or the top-level window with --class and/or
// exact --title (hidden ones included); nullptr when there is none now.
HWND FindTarget(const Options& options);
// FindTarget, waiting up to --timeout; throws Failure when none comes.
HWND WaitForTarget(const Options& options);
// The dialog (#32770) captioned --title once it is shown and ready(it)
// holds (before that its controls are still being made or arranged).
HWND WaitForDialog(const Options& options, bool (*ready)(HWND) = nullptr);
// A control named as a user would point at it: "閉じる(&U)" by its caption;
// "用紙：+1" the control that follows the one captioned "用紙：" (a list or a
// field without a caption of its own); "ﾊｰﾄﾞｺﾋﾟｰ/ﾌｧｲﾙ指定+1" within the frame
// captioned "ﾊｰﾄﾞｺﾋﾟｰ". A name of no control, or of two, is an error: why says which.
HWND FindNamed(HWND dialog, std::wstring name, std::wstring& why);
bool IsClass(HWND window, const wchar_t* name);
std::wstring DescribeTarget(const Options& options); // "class=… title=…" for messages
std::wstring WindowText(HWND window);

// The commands, listed with their options in main.cpp.
// find.cpp: top-level windows
int WaitWindow(const Options& options);
int WaitGone(const Options& options);
int Post(const Options& options);
// dialogs.cpp: dialogs, their controls, message boxes, the file dialogs
int Control(const Options& options);
int MsgBox(const Options& options);
int Press(const Options& options);
int FileDialog(const Options& options);
// input.cpp: popup menus, keys and hot keys
int Menu(const Options& options);
int NoMenu(const Options& options);
int Keys(const Options& options);
int HotKeyFree(const Options& options);
int Atom(const Options& options);
// paint.cpp: a window of known content to capture
int Paint(const Options& options);
// shell_screen.cpp: the clipboard and the tray
int ClipboardSize(const Options& options);
int ClipboardText(const Options& options);
int TrayIcon(const Options& options);

} // namespace driver
