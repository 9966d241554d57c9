// The controls of another process's dialog, read and worked as a user
// would: every control's state in one listing, and one action at a time on a
// control named as a user names it, by what it says (its caption), never by
// the program's numbers for it.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <commctrl.h>

#include <climits>
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

bool IsComboPart(HWND window) {
  return (IsClass(window, L"Edit") && IsClass(GetParent(window), L"ComboBox")) || IsClass(window, L"ComboLBox");
}

bool Inside(HWND window, const RECT& scope) {
  RECT box{};
  GetWindowRect(window, &box);
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  return PtInRect(&scope, centre) != FALSE;
}

// The one control anywhere in the dialog (pages included) whose caption is
// `caption` and that lies within `scope` (a frame: on the frame's own page,
// inside it); null when there is none, or more than one (a caption that
// names two controls names neither).
HWND FindCaptioned(HWND dialog, const std::wstring& caption, HWND frame, int& matches) {
  RECT scope{LONG_MIN / 2, LONG_MIN / 2, LONG_MAX / 2, LONG_MAX / 2};
  if (frame)
    GetWindowRect(frame, &scope);
  struct Search {
    const std::wstring& caption;
    const RECT& scope;
    HWND page;
    HWND found;
    int count;
  } search{caption, scope, frame ? GetParent(frame) : nullptr, nullptr, 0};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!IsComboPart(child) && WindowText(child) == s->caption && Inside(child, s->scope) &&
            (!s->page || GetParent(child) == s->page)) {
          s->found = child;
          ++s->count;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  matches = search.count;
  return search.count == 1 ? search.found : nullptr;
}

// A control named as a user would point at it: "閉じる(&U)" by its caption;
// "用紙：+1" the control that follows the one captioned "用紙：" (a list or a
// field without a caption of its own); "ﾊｰﾄﾞｺﾋﾟｰ/ﾌｧｲﾙ指定+1" within the frame
// captioned "ﾊｰﾄﾞｺﾋﾟｰ". Anything that names no control, or two, is an error.
HWND FindNamed(HWND dialog, std::wstring name, std::wstring& why) {
  HWND frame = nullptr;
  int matches = 0;
  for (std::size_t slash; (slash = name.find(L'/')) != std::wstring::npos; name.erase(0, slash + 1)) {
    frame = FindCaptioned(dialog, name.substr(0, slash), frame, matches);
    if (!frame) {
      why = L"no one frame " + name.substr(0, slash) + L" (" + std::to_wstring(matches) + L" found)";
      return nullptr;
    }
  }
  int after = 0;
  if (const std::size_t plus = name.rfind(L'+'); plus != std::wstring::npos && plus + 1 < name.size() &&
                                                  name.find_first_not_of(L"0123456789", plus + 1) == std::wstring::npos) {
    after = std::stoi(name.substr(plus + 1));
    name.erase(plus);
  }
  HWND control = FindCaptioned(dialog, name, frame, matches);
  if (!control) {
    why = L"no one control " + name + L" (" + std::to_wstring(matches) + L" found)";
    return nullptr;
  }
  for (; control && after > 0; --after) control = GetWindow(control, GW_HWNDNEXT);
  if (!control) why = L"nothing follows " + name;
  return control;
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
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM focus) -> BOOL {
        // A combo box's own edit field is part of the combo box.
        if (!IsComboPart(child))
          PrintControl(child, reinterpret_cast<HWND>(focus));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(FocusOf(dialog)));
  return 0;
}

// control --title T --name NAME (see FindNamed) and one of
//   --show 1         its line as `controls` prints it
//   --click 1        a push button or a label clicked
//   --check 0|1      a check box set to that value (and clicked if it changed)
//   --item S         a combo box's entry with that text chosen (fails without one)
int Control(const Options& options) {
  const auto name = options.Text(L"name");
  const HWND dialog = WaitForTarget(options);
  if (!dialog || !name)
    return Fail(L"control needs --name and a window: " + DescribeTarget(options));
  std::wstring why;
  const HWND control = FindNamed(dialog, *name, why);
  if (!control)
    return Fail(why);
  if (options.Text(L"show")) {
    PrintControl(control, FocusOf(dialog));
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

} // namespace driver
