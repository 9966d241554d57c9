// Choosing popup menu items as the keyboard does. Another process cannot
// read a menu's items under Wine, but the menu's own loop takes key messages
// posted to its window.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <sstream>
#include <string>
#include <vector>

namespace driver {

namespace {

std::vector<HWND> VisibleMenus() {
  std::vector<HWND> menus;
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr))
    if (IsWindowVisible(w))
      menus.push_back(w);
  return menus;
}

struct Key {
  UINT message; // WM_KEYDOWN for named keys, WM_CHAR for access keys
  WPARAM code;
};

std::optional<Key> ParseKey(const std::wstring& name) {
  static const struct {
    const wchar_t* name;
    WPARAM vk;
  } kNames[] = {{L"down", VK_DOWN},     {L"up", VK_UP},         {L"left", VK_LEFT},
                {L"right", VK_RIGHT},   {L"return", VK_RETURN}, {L"escape", VK_ESCAPE}};
  for (const auto& known : kNames)
    if (name == known.name)
      return Key{WM_KEYDOWN, known.vk};
  if (name.size() == 1)
    return Key{WM_CHAR, static_cast<WPARAM>(name[0])};
  return std::nullopt;
}

void PostKey(HWND menu, const Key& key) {
  if (key.message == WM_CHAR) {
    PostMessageW(menu, WM_CHAR, key.code, 1);
    return;
  }
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key.code), MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(menu, WM_KEYDOWN, key.code, scan | 1);
  PostMessageW(menu, WM_KEYUP, key.code, scan | 1 | (3u << 30));
}

} // namespace

// menu --keys k1,k2,...  Waits for a popup menu, prints its rectangle, sends
// the keys (down, up, left, right, return, escape or one access-key
// character) and waits for every menu to close.
int Menu(const Options& options) {
  std::vector<HWND> menus;
  if (!WaitUntil(options.TimeoutMs(), [&] { return !(menus = VisibleMenus()).empty(); }))
    return Fail(L"no popup menu appeared");
  RECT r{};
  GetWindowRect(menus.front(), &r);
  PrintLine("left=" + std::to_string(r.left) + " top=" + std::to_string(r.top) + " right=" +
            std::to_string(r.right) + " bottom=" + std::to_string(r.bottom));

  std::wstringstream keys(options.Text(L"keys").value_or(L""));
  std::wstring name;
  while (std::getline(keys, name, L',')) {
    const auto key = ParseKey(name);
    if (!key)
      return Fail(L"unknown key " + name);
    const size_t open = VisibleMenus().size();
    PostKey(menus.back(), *key);
    // Opening a submenu shows another popup; the next key belongs to it.
    if (name == L"right")
      WaitUntil(options.TimeoutMs(), [&] { return (menus = VisibleMenus()).size() > open; });
    else
      Sleep(50);
  }
  if (!WaitUntil(options.TimeoutMs(), [] { return VisibleMenus().empty(); }))
    return Fail(L"the menu is still open");
  PrintLine("closed=1");
  return 0;
}

// no-menu --for ms  Succeeds when no popup menu shows during that time.
int NoMenu(const Options& options) {
  const DWORD period = static_cast<DWORD>(options.Number(L"for").value_or(1000));
  if (WaitUntil(period, [] { return !VisibleMenus().empty(); }))
    return Fail(L"a popup menu appeared");
  PrintLine("menu=0");
  return 0;
}

} // namespace driver
