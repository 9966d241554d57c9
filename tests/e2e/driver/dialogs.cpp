#include "commands.h"
#include "find.h"
#include "output.h"

#include <string>

namespace driver {

constexpr int kMessageTextId = 0xFFFF; // the message box's static text

// msgbox --title T  Prints title=, text=, each visible button=<id> <text>, and
// topmost=0|1 foreground=0|1: whether the box stands above other programs'
// windows and has the foreground.
int MsgBox(const Options& options) {
  const HWND dialog = WaitForDialog(options);
  PrintLine("title=" + Escaped(WindowText(dialog)));
  const HWND text = GetDlgItem(dialog, kMessageTextId);
  PrintLine("text=" + Escaped(text ? WindowText(text) : L""));
  // A message box creates every kind of button and hides the ones it does
  // not use, so only visible buttons count.
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsClass(child, L"Button") && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
      PrintLine("button=" + std::to_string(GetDlgCtrlID(child)) + " " + Escaped(WindowText(child)));
  // Whether the user sees it: above other programs' windows, and in front.
  const bool topmost = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  PrintLine(std::string("topmost=") + (topmost ? "1" : "0") +
            " foreground=" + (GetForegroundWindow() == dialog ? "1" : "0"));
  return 0;
}

// press --title T  Presses the box's OK button, the one answer the tests give.
int Press(const Options& options) {
  const HWND dialog = WaitForDialog(options);
  const HWND button = GetDlgItem(dialog, IDOK);
  if (!button || !(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE))
    return Fail(L"the dialog has no OK button");
  // The notification a click sends: it needs neither focus nor an active
  // window, which a posted BM_CLICK would under Wine.
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  PrintLine("pressed=1");
  return 0;
}

} // namespace driver
