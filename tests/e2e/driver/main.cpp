// ruxa_driver <command> [--option value]...: end-to-end test scripts act on
// ruxa's windows through it as a user would, from another Wine process of
// the same prefix. Commands that wait take --timeout <ms>.
#include "driver.h"

#include <cwchar>

namespace {

const struct {
  const wchar_t* name;
  int (*run)(const driver::Options&);
  const wchar_t* usage;
} kCommands[] = {
    {L"wait-window", driver::WaitWindow, L"--class C [--title T]  prints hwnd=N rect=L,T,R,B visible=0|1"},
    {L"wait-gone", driver::WaitGone, L"--class C [--title T]"},
    {L"menu", driver::Menu, L"--keys down|up|left|right|return|escape|<char>,...  prints left= top= right= bottom="},
    {L"no-menu", driver::NoMenu, L"--for ms  fails when a popup menu shows meanwhile"},
    {L"keys", driver::Keys, L"[--keys ctrl+alt+p,tab,return] [--title T|--hwnd H]  activates the window, types through SendInput"},
    {L"hotkey-free", driver::HotKeyFree, L"--keys ctrl+alt+p  prints free=1 when nobody holds it"},
    {L"atom", driver::Atom, L"--name N  prints atom=N (0: none)"},
    {L"paint", driver::Paint, L"[--style coords|quadrants] [--x --y --width --height] [--title T]  prints hwnd=N, keyup=VK"},
    {L"clipboard-size", driver::ClipboardSize, L"[--points \"x,y x,y\"]  prints width= height=, pixel=x,y RRGGBB"},
    {L"clipboard-text", driver::ClipboardText, L"--set T  empties the clipboard and puts the text on it"},
    {L"tray-icon", driver::TrayIcon, L"--hwnd H  prints icon=1 while the tray holds its icon, else 0"},
    {L"control", driver::Control, L"--title T --name CAPTION[+N] or FRAME/CAPTION[+N] --show 1|--click 1|--check 0|1|--item S"},
    {L"msgbox", driver::MsgBox, L"--title T  prints title=, text=, button=<id> <text>, topmost=0|1 foreground=0|1"},
    {L"press", driver::Press, L"--title T  presses its OK button"},
    {L"file-dialog", driver::FileDialog, L"--title T [--path P]  prints folder=, then chooses P"},
    {L"post", driver::Post, L"--class C|--hwnd H [--title T] --msg N [--lparam L]"},
};

int Usage() {
  std::wstring text = L"usage: ruxa_driver <command> [--timeout ms] ...";
  for (const auto& command : kCommands)
    text += std::wstring(L"\n  ") + command.name + L" " + command.usage;
  driver::Fail(text);
  return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2)
    return Usage();
  for (const auto& command : kCommands) {
    if (std::wcscmp(argv[1], command.name) != 0)
      continue;
    try {
      return command.run(driver::Options(argc - 2, argv + 2));
    } catch (const driver::Failure& failure) {
      return driver::Fail(failure.message);
    }
  }
  return Usage();
}
