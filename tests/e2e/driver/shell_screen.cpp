// The clipboard's bitmap and the tray's icon.
#include "driver.h"

#include "UniqueHandle.h"

#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <sstream>

namespace driver {

namespace {

// Another program may hold the clipboard open for a moment.
bool OpenClipboardWaiting(const Options& options) {
  return WaitUntil(options.TimeoutMs(), [] { return OpenClipboard(nullptr) != FALSE; });
}

} // namespace

int ClipboardSize(const Options& options) {
  if (!OpenClipboardWaiting(options))
    return Fail(L"the clipboard stays busy");
  const struct Closer {
    ~Closer() { CloseClipboard(); }
  } closer;
  const auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info{};
  if (bitmap)
    GetObjectW(bitmap, sizeof info, &info);
  PrintLine("width=" + std::to_string(info.bmWidth) + " height=" + std::to_string(info.bmHeight));
  const unique_hdc memory(CreateCompatibleDC(nullptr));
  const SelectedObject selected(memory.get(), bitmap);
  std::wstringstream points(options.Text(L"points").value_or(L""));
  int x = 0, y = 0;
  wchar_t comma = 0;
  while (points >> x >> comma >> y) {
    if (x < 0 || y < 0 || x >= info.bmWidth || y >= info.bmHeight)
      return Fail(L"point outside the bitmap: " + std::to_wstring(x) + L"," + std::to_wstring(y));
    const COLORREF c = GetPixel(memory.get(), x, y);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    PrintLine("pixel=" + std::to_string(x) + "," + std::to_string(y) + " " + hex);
  }
  return 0;
}

// A mark that tells whether a bitmap has arrived since.
int ClipboardText(const Options& options) {
  const std::wstring text = options.Text(L"set").value_or(L"");
  if (!OpenClipboardWaiting(options))
    return Fail(L"the clipboard stays busy");
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory))
      GlobalFree(memory);
  }
  CloseClipboard();
  PrintLine("set=1");
  return 0;
}

// The tray answers a change to an icon (id 1) it does not hold with a failure.
int TrayIcon(const Options& options) {
  const auto handle = options.Number(L"hwnd");
  if (!handle)
    return Fail(L"tray-icon needs --hwnd");
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = reinterpret_cast<HWND>(*handle);
  data.uID = 1;
  const bool held = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  PrintLine(std::string("icon=") + (held ? "1" : "0"));
  return 0;
}

} // namespace driver
