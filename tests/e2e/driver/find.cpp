#include "find.h"

#include <cwchar>

namespace driver {

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
  WaitUntil(options.TimeoutMs(), [&] { return (found = FindTarget(options)) != nullptr; });
  return found;
}

HWND WaitForDialog(const Options& options, bool (*ready)(HWND)) {
  const auto title = options.Text(L"title");
  HWND dialog = nullptr;
  const auto shown = [&] {
    dialog = title ? FindWindowW(L"#32770", title->c_str()) : nullptr;
    return dialog && IsWindowVisible(dialog) && (!ready || ready(dialog));
  };
  return WaitUntil(options.TimeoutMs(), shown) ? dialog : nullptr;
}

HWND FindControl(HWND dialog, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id ||
            (_wcsicmp(ClassName(child).c_str(), L"Edit") == 0 && _wcsicmp(ClassName(GetParent(child)).c_str(), L"ComboBox") == 0))
          return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring DescribeTarget(const Options& options) {
  std::wstring text;
  for (const wchar_t* name : {L"hwnd", L"class", L"title"})
    if (const auto value = options.Text(name))
      text += std::wstring(text.empty() ? L"" : L" ") + name + L"=" + *value;
  return text.empty() ? L"(no --class, --title or --hwnd)" : text;
}

bool BringToFront(HWND window, DWORD timeoutMs) {
  SetForegroundWindow(window);
  return WaitUntil(timeoutMs, [&] { return GetForegroundWindow() == window; });
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

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

} // namespace driver
