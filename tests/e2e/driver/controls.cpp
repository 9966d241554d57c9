// The controls of another process's dialog, read and worked as a user
// would: every control's state in one listing, and one action at a time on
// a control named by its id.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <commctrl.h>

#include <cwchar>
#include <string>

namespace driver {

namespace {

bool IsClass(HWND window, const wchar_t* name) { return _wcsicmp(ClassName(window).c_str(), name) == 0; }

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

std::wstring ListText(HWND combo, LRESULT index) {
  const LRESULT length = Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0)
    return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

// The control with that id anywhere in the dialog (pages included).
HWND FindControl(HWND dialog, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id || (IsClass(child, L"Edit") && IsClass(GetParent(child), L"ComboBox")))
          return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND EditOf(HWND control) {
  if (!IsClass(control, L"ComboBox"))
    return control;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(control, &info) && info.hwndItem ? info.hwndItem : control;
}

// What the control's parent hears when the user acts on it. Posted: the
// handler may open a modal box, which a sent message would wait for.
void Notify(HWND control, WORD code) {
  PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
               reinterpret_cast<LPARAM>(control));
}

void PrintControl(HWND control, HWND focus) {
  std::string line = "id=" + std::to_string(GetDlgCtrlID(control)) + " class=" + Utf8(ClassName(control));
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  line += std::string(" visible=") + (IsWindowVisible(control) ? "1" : "0");
  line += std::string(" enabled=") + (IsWindowEnabled(control) ? "1" : "0");
  line += std::string(" focus=") + (focus == control || (focus && IsChild(control, focus)) ? "1" : "0");
  line += std::string(" tabstop=") + ((style & WS_TABSTOP) ? "1" : "0");
  if (IsClass(control, L"Button"))
    line += " checked=" + std::to_string(Ask(control, BM_GETCHECK));
  if (IsClass(control, L"ComboBox")) {
    const LRESULT index = Ask(control, CB_GETCURSEL);
    line += " index=" + std::to_string(index) + " count=" + std::to_string(Ask(control, CB_GETCOUNT));
  }
  RECT box{};
  GetWindowRect(control, &box);
  line += " rect=" + std::to_string(box.left) + "," + std::to_string(box.top) + "," +
          std::to_string(box.right - box.left) + "," + std::to_string(box.bottom - box.top);
  PrintLine(line + " text=" + Escaped(WindowText(control)));
}

HWND FocusOf(HWND dialog) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) ? info.hwndFocus : nullptr;
}

} // namespace

// controls --title T  One line per control of the window, in tab order:
// id, class, visible, enabled, focus, checked, list index and count, text.
int Controls(const Options& options) {
  const HWND dialog = WaitForTarget(options);
  if (!dialog)
    return Fail(L"no window " + DescribeTarget(options));
  PrintLine("window=" + Escaped(WindowText(dialog)) + " visible=" + (IsWindowVisible(dialog) ? "1" : "0"));
  const HWND focus = FocusOf(dialog);
  struct Walk {
    HWND focus;
  } walk{focus};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        // A combo box's own edit field is part of the combo box.
        if (!(IsClass(child, L"Edit") && IsClass(GetParent(child), L"ComboBox")) && !IsClass(child, L"ComboLBox"))
          PrintControl(child, reinterpret_cast<Walk*>(data)->focus);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return 0;
}

// control --title T --id N and one of
//   --click 1        a push button, check box or option button clicked
//   --check 0|1      a check box set to that value (and clicked if it changed)
//   --select N       a combo box's entry N chosen from its list
//   --item S         a combo box's entry with that text chosen (fails without one)
//   --text S         the field's whole text replaced
//   --type S         characters typed into the field one by one
//   --list 1         prints the combo box's entries: item=N text
int Control(const Options& options) {
  const auto id = options.Number(L"id");
  const HWND dialog = WaitForTarget(options);
  if (!dialog || !id)
    return Fail(L"control needs --id and a window: " + DescribeTarget(options));
  const HWND control = FindControl(dialog, static_cast<int>(*id));
  if (!control)
    return Fail(L"no control " + std::to_wstring(*id));
  if (options.Text(L"click")) {
    if (IsClass(control, L"Button")) {
      const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
      if (type == BS_AUTOCHECKBOX)
        Ask(control, BM_SETCHECK, Ask(control, BM_GETCHECK) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      if (type == BS_AUTORADIOBUTTON) {
        // The option's group loses its old choice, as a click does.
        const HWND parent = GetParent(control);
        for (HWND walk = GetNextDlgGroupItem(parent, control, FALSE); walk && walk != control;
             walk = GetNextDlgGroupItem(parent, walk, FALSE))
          Ask(walk, BM_SETCHECK, BST_UNCHECKED);
        Ask(control, BM_SETCHECK, BST_CHECKED);
      }
    }
    Notify(control, IsClass(control, L"Static") ? STN_CLICKED : BN_CLICKED);
  } else if (const auto check = options.Number(L"check")) {
    const bool was = Ask(control, BM_GETCHECK) == BST_CHECKED;
    if (was != (*check != 0)) {
      Ask(control, BM_SETCHECK, *check ? BST_CHECKED : BST_UNCHECKED);
      Notify(control, BN_CLICKED);
    }
  } else if (const auto select = options.Number(L"select")) {
    Ask(control, CB_SETCURSEL, static_cast<WPARAM>(*select));
    Notify(control, CBN_SELCHANGE);
  } else if (const auto item = options.Text(L"item")) {
    const LRESULT index = Ask(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item->c_str()));
    if (index < 0)
      return Fail(L"no entry " + *item);
    Ask(control, CB_SETCURSEL, static_cast<WPARAM>(index));
    Notify(control, CBN_SELCHANGE);
  } else if (const auto text = options.Text(L"text")) {
    Ask(EditOf(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text->c_str()));
    if (IsClass(control, L"ComboBox"))
      Notify(control, CBN_EDITCHANGE);
  } else if (const auto typed = options.Text(L"type")) {
    const HWND edit = EditOf(control);
    for (const wchar_t ch : *typed)
      PostMessageW(edit, WM_CHAR, ch, 1);
  } else if (options.Text(L"list")) {
    const LRESULT count = Ask(control, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i)
      PrintLine("item=" + std::to_string(i) + " " + Escaped(ListText(control, i)));
    return 0;
  } else {
    return Fail(L"control needs --click, --check, --select, --item, --text, --type or --list");
  }
  PrintLine("done=1");
  return 0;
}

} // namespace driver
