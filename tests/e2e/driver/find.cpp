// Another process's top-level windows and controls, found and waited for.
#include "driver.h"

#include <climits>
#include <cwchar>

namespace driver {

namespace {

// A combo box's own edit field or drop-down list, part of the combo box.
bool IsComboPart(HWND window) {
  return (IsClass(window, L"Edit") && IsClass(GetParent(window), L"ComboBox")) || IsClass(window, L"ComboLBox");
}

bool Inside(HWND window, const RECT& scope) {
  RECT box{};
  GetWindowRect(window, &box);
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  return PtInRect(&scope, centre) != FALSE;
}

// The one control anywhere in the dialog (pages included) with that caption
// inside the frame (on its page) if one is given; null when none or several.
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

} // namespace

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t actual[256] = {};
  GetClassNameW(window, actual, 256);
  return _wcsicmp(actual, name) == 0;
}

HWND FindTarget(const Options& options) {
  if (const auto handle = options.Number(L"hwnd"))
    return IsWindow(reinterpret_cast<HWND>(*handle)) ? reinterpret_cast<HWND>(*handle) : nullptr;
  const auto cls = options.Text(L"class");
  const auto title = options.Text(L"title");
  if (!cls && !title)
    return nullptr;
  return FindWindowW(cls ? cls->c_str() : nullptr, title ? title->c_str() : nullptr);
}

HWND WaitForTarget(const Options& options) {
  HWND found = nullptr;
  if (!WaitUntil(options.TimeoutMs(), [&] { return (found = FindTarget(options)) != nullptr; }))
    throw Failure{L"no window " + DescribeTarget(options)};
  return found;
}

HWND WaitForDialog(const Options& options, bool (*ready)(HWND)) {
  const auto title = options.Text(L"title");
  HWND dialog = nullptr;
  const auto shown = [&] {
    dialog = title ? FindWindowW(L"#32770", title->c_str()) : nullptr;
    return dialog && IsWindowVisible(dialog) && (!ready || ready(dialog));
  };
  if (!WaitUntil(options.TimeoutMs(), shown))
    throw Failure{L"no dialog titled " + title.value_or(L"(no --title)")};
  return dialog;
}

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

std::wstring DescribeTarget(const Options& options) {
  std::wstring text;
  for (const wchar_t* name : {L"hwnd", L"class", L"title"})
    if (const auto value = options.Text(name))
      text += std::wstring(text.empty() ? L"" : L" ") + name + L"=" + *value;
  return text.empty() ? L"(no --class, --title or --hwnd)" : text;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT reaches the owning process, so controls answer with what they
  // hold; a timeout keeps a hung program from hanging the driver.
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 5000, &copied);
  text.resize(copied);
  return text;
}

int WaitWindow(const Options& options) {
  const HWND window = WaitForTarget(options);
  RECT r{};
  GetWindowRect(window, &r);
  PrintLine("hwnd=" + std::to_string(reinterpret_cast<UINT_PTR>(window)) + " rect=" + std::to_string(r.left) + "," +
            std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) +
            " visible=" + (IsWindowVisible(window) ? "1" : "0"));
  return 0;
}

int WaitGone(const Options& options) {
  if (!WaitUntil(options.TimeoutMs(), [&] { return FindTarget(options) == nullptr; }))
    return Fail(L"window still there: " + DescribeTarget(options));
  PrintLine("gone=1");
  return 0;
}

int Post(const Options& options) {
  const auto msg = options.Number(L"msg");
  if (!msg)
    return Fail(L"post needs --msg N");
  const HWND window = WaitForTarget(options);
  if (!PostMessageW(window, static_cast<UINT>(*msg), 0, static_cast<LPARAM>(options.Number(L"lparam").value_or(0))))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  PrintLine("posted=1");
  return 0;
}

} // namespace driver
