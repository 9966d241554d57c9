#include "commands.h"
#include "find.h"
#include "output.h"

#include <cwchar>
#include <string>
#include <vector>

namespace driver {

namespace {

constexpr int kMessageTextId = 0xFFFF; // the message box's static text

struct Button {
  int id;
  std::wstring text;
};

// A message box creates every kind of button and hides the ones it does not
// use, so only visible buttons count.
std::vector<Button> VisibleButtons(HWND dialog) {
  std::vector<Button> buttons;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(ClassName(child).c_str(), L"Button") == 0 &&
        (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
      buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
  }
  return buttons;
}

std::optional<int> ButtonId(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    int id;
  } kNames[] = {{L"OK", IDOK},         {L"Cancel", IDCANCEL}, {L"Abort", IDABORT},
                {L"Retry", IDRETRY},   {L"Ignore", IDIGNORE}, {L"Yes", IDYES},
                {L"No", IDNO},         {L"TryAgain", IDTRYAGAIN}, {L"Continue", IDCONTINUE}};
  for (const auto& known : kNames)
    if (_wcsicmp(name.c_str(), known.name) == 0)
      return known.id;
  wchar_t* end = nullptr;
  const long id = std::wcstol(name.c_str(), &end, 0);
  if (name.empty() || *end != L'\0')
    return std::nullopt;
  return static_cast<int>(id);
}

} // namespace

// msgbox --title T  Prints title=, text=, each visible button=<id> <text>, and
// topmost=0|1 foreground=0|1: whether the box stands above other programs'
// windows and has the foreground.
int MsgBox(const Options& options) {
  const HWND dialog = WaitForDialog(options);
  if (!dialog)
    return Fail(L"no message box titled " + options.Text(L"title").value_or(L"(no --title)"));
  PrintLine("title=" + Escaped(WindowText(dialog)));
  const HWND text = GetDlgItem(dialog, kMessageTextId);
  PrintLine("text=" + Escaped(text ? WindowText(text) : L""));
  for (const auto& button : VisibleButtons(dialog))
    PrintLine("button=" + std::to_string(button.id) + " " + Escaped(button.text));
  // Whether the user sees it: above other programs' windows, and in front.
  const bool topmost = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  PrintLine(std::string("topmost=") + (topmost ? "1" : "0") +
            " foreground=" + (GetForegroundWindow() == dialog ? "1" : "0"));
  return 0;
}

int Press(const Options& options) {
  const auto id = ButtonId(options.Text(L"button").value_or(L""));
  if (!id)
    return Fail(L"press needs --button OK|Cancel|Yes|No|Abort|Retry|Ignore|<id>");
  const HWND dialog = WaitForDialog(options);
  if (!dialog)
    return Fail(L"no message box titled " + options.Text(L"title").value_or(L"(no --title)"));
  const HWND button = GetDlgItem(dialog, *id);
  if (!button || !(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE))
    return Fail(L"the dialog has no button " + std::to_wstring(*id));
  // The notification a click sends: it needs neither focus nor an active
  // window, which a posted BM_CLICK would under Wine.
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(*id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  PrintLine("pressed=" + std::to_string(*id));
  return 0;
}

} // namespace driver
