// Input from outside: keys typed through the input system, popup menus
// worked from the keyboard, and the hot keys' combinations and atoms.
#include "driver.h"

#include <sstream>
#include <vector>

namespace driver {

namespace {

const struct {
  const wchar_t* name;
  WORD vk;
  UINT modifier; // MOD_ALT, MOD_CONTROL, MOD_SHIFT; 0 for a key of its own
} kNamedKeys[] = {{L"ctrl", VK_CONTROL, MOD_CONTROL}, {L"alt", VK_MENU, MOD_ALT}, {L"shift", VK_SHIFT, MOD_SHIFT},
                  {L"tab", VK_TAB, 0},   {L"return", VK_RETURN, 0}, {L"escape", VK_ESCAPE, 0}, {L"space", VK_SPACE, 0},
                  {L"down", VK_DOWN, 0}, {L"up", VK_UP, 0},         {L"left", VK_LEFT, 0},     {L"right", VK_RIGHT, 0}};

struct Combination {
  std::vector<WORD> keys; // the modifiers held, then the key
  UINT modifiers = 0;
};

// "ctrl+alt+p": modifiers, then one letter, digit, F1..F12 or a named key.
std::optional<Combination> ParseCombination(const std::wstring& text) {
  Combination c;
  std::wstringstream parts(text);
  std::wstring part;
  while (std::getline(parts, part, L'+')) {
    for (auto& ch : part)
      ch = static_cast<wchar_t>(towlower(ch));
    WORD vk = 0;
    for (const auto& named : kNamedKeys)
      if (part == named.name) {
        vk = named.vk;
        c.modifiers |= named.modifier;
      }
    if (!vk && part.size() == 1 && iswalnum(part[0]))
      vk = static_cast<WORD>(towupper(part[0]));
    if (!vk && part.size() >= 2 && part[0] == L'f')
      vk = static_cast<WORD>(VK_F1 + _wtoi(part.c_str() + 1) - 1);
    if (!vk)
      return std::nullopt;
    c.keys.push_back(vk);
  }
  if (c.keys.empty())
    return std::nullopt;
  return c;
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

std::vector<HWND> VisibleMenus() {
  std::vector<HWND> menus;
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr))
    if (IsWindowVisible(w))
      menus.push_back(w);
  return menus;
}

// Another process cannot read a menu's items under Wine, but the menu's own
// loop takes key messages posted to its window: a named key goes as
// WM_KEYDOWN and WM_KEYUP, one character as WM_CHAR (an access key).
bool PostMenuKey(HWND menu, const std::wstring& name) {
  for (const auto& named : kNamedKeys)
    if (name == named.name && !named.modifier) {
      const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(named.vk, MAPVK_VK_TO_VSC)) << 16;
      PostMessageW(menu, WM_KEYDOWN, named.vk, scan | 1);
      PostMessageW(menu, WM_KEYUP, named.vk, scan | 1 | (3u << 30));
      return true;
    }
  if (name.size() != 1)
    return false;
  PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(name[0]), 1);
  return true;
}

} // namespace

// Brings the window given (if any) to the foreground, as a click on it would,
// then types each combination in turn (modifiers down, key down and up,
// modifiers up).
int Keys(const Options& options) {
  std::vector<INPUT> inputs;
  std::wstringstream sequence(options.Text(L"keys").value_or(L""));
  std::wstring each;
  while (std::getline(sequence, each, L',')) {
    const auto c = ParseCombination(each);
    if (!c)
      return Fail(L"keys needs --keys like ctrl+alt+p,tab,shift+tab,return");
    for (WORD vk : c->keys)
      inputs.push_back(KeyInput(vk, false));
    for (auto it = c->keys.rbegin(); it != c->keys.rend(); ++it)
      inputs.push_back(KeyInput(*it, true));
  }
  const bool target = options.Text(L"title") || options.Text(L"class") || options.Text(L"hwnd");
  if (inputs.empty() && !target)
    return Fail(L"keys needs --keys or a window");
  if (target) {
    const HWND window = WaitForTarget(options);
    SetForegroundWindow(window);
    if (!WaitUntil(options.TimeoutMs(), [&] { return GetForegroundWindow() == window; }))
      return Fail(L"could not bring the window to the foreground");
  }
  // One key at a time, each after the program took the one before, as a
  // person types.
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (SendInput(1, &inputs[i], sizeof(INPUT)) != 1)
      return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
    Sleep(20);
  }
  PrintLine("sent=1");
  return 0;
}

// Whether this process can register the combination: nobody holds it.
int HotKeyFree(const Options& options) {
  const auto c = ParseCombination(options.Text(L"keys").value_or(L""));
  if (!c)
    return Fail(L"hotkey-free needs --keys like ctrl+alt+p");
  const bool free = RegisterHotKey(nullptr, 1, c->modifiers, c->keys.back()) != FALSE;
  if (free)
    UnregisterHotKey(nullptr, 1);
  PrintLine(std::string("free=") + (free ? "1" : "0"));
  return 0;
}

int Atom(const Options& options) {
  const auto name = options.Text(L"name");
  if (!name)
    return Fail(L"atom needs --name");
  PrintLine("atom=" + std::to_string(GlobalFindAtomW(name->c_str())));
  return 0;
}

// Waits for a popup menu, prints its rectangle, sends the keys and waits for
// every menu to close.
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
    const size_t open = VisibleMenus().size();
    if (!PostMenuKey(menus.back(), name))
      return Fail(L"unknown key " + name);
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

int NoMenu(const Options& options) {
  const DWORD period = static_cast<DWORD>(options.Number(L"for").value_or(1000));
  if (WaitUntil(period, [] { return !VisibleMenus().empty(); }))
    return Fail(L"a popup menu appeared");
  PrintLine("menu=0");
  return 0;
}

} // namespace driver
