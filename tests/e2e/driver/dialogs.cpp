// Another process's dialogs, read and worked as a user would: controls one
// at a time, named by what they say (never by the program's numbers for
// them), message boxes, and the open and save dialogs.
#include "driver.h"

namespace driver {

namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

// What the control's parent hears when the user acts on it. Posted: the
// handler may open a modal box, which a sent message would wait for.
void Notify(HWND control, WORD code) {
  PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

HWND FocusOf(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

constexpr int kMessageTextId = 0xFFFF; // the message box's static text
constexpr int kFolderComboId = 0x471;   // "ファイルの場所"
constexpr int kFileNameFieldId = 0x47c;  // "ファイル名", a combo box in the Explorer style

// The edit field the name is typed into: inside ComboBoxEx32 > ComboBox in
// the Explorer style, the control itself in the old style.
HWND FileNameEdit(HWND dialog) {
  HWND field = GetDlgItem(dialog, kFileNameFieldId);
  for (const wchar_t* inner : {L"ComboBox", L"Edit"})
    if (const HWND child = FindWindowExW(field, nullptr, inner, nullptr))
      field = child;
  return field;
}

} // namespace

// control --title T --name NAME (see FindNamed) and one of
//   --show 1         prints visible=0|1 focus=0|1 (the focus on it or inside it)
//                    area=WxH+X+Y (its client area on the screen)
//   --click 1        a push button or a label clicked
//   --check 0|1      a check box set to that value (and clicked if it changed)
//   --item S         a combo box's entry with that text chosen (fails without one)
int Control(const Options& options) {
  const auto name = options.Text(L"name");
  if (!name)
    return Fail(L"control needs --name");
  const HWND dialog = WaitForTarget(options);
  std::wstring why;
  const HWND control = FindNamed(dialog, *name, why);
  if (!control)
    return Fail(why);
  if (options.Text(L"show")) {
    const HWND focus = FocusOf(dialog);
    RECT area{};
    GetClientRect(control, &area);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
    PrintLine(std::string("visible=") + (IsWindowVisible(control) ? "1" : "0") +
              " focus=" + (focus == control || (focus && IsChild(control, focus)) ? "1" : "0") +
              " area=" + std::to_string(area.right - area.left) + "x" + std::to_string(area.bottom - area.top) + "+" +
              std::to_string(area.left) + "+" + std::to_string(area.top));
    return 0;
  }
  if (options.Text(L"click")) {
    Notify(control, IsClass(control, L"Static") ? STN_CLICKED : BN_CLICKED);
  } else if (const auto check = options.Number(L"check")) {
    const bool was = Ask(control, BM_GETCHECK) == BST_CHECKED;
    if (was != (*check != 0)) {
      Ask(control, BM_SETCHECK, *check ? BST_CHECKED : BST_UNCHECKED);
      Notify(control, BN_CLICKED);
    }
  } else if (const auto item = options.Text(L"item")) {
    const LRESULT index = Ask(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item->c_str()));
    if (index < 0)
      return Fail(L"no entry " + *item);
    Ask(control, CB_SETCURSEL, static_cast<WPARAM>(index));
    Notify(control, CBN_SELCHANGE);
  } else {
    return Fail(L"control needs --click, --check or --item");
  }
  PrintLine("done=1");
  return 0;
}

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

int FileDialog(const Options& options) {
  const HWND dialog = WaitForDialog(options, [](HWND d) { return GetDlgItem(d, kFileNameFieldId) != nullptr; });
  const HWND folder = GetDlgItem(dialog, kFolderComboId);
  PrintLine("folder=" + Escaped(folder ? WindowText(folder) : L""));
  if (const auto path = options.Text(L"path")) {
    SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path->c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  return 0;
}

} // namespace driver
