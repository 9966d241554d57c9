// Hot keys from outside: keys typed through the input system, the check
// whether a combination is taken, and the atoms that name them.
#include "commands.h"
#include "find.h"
#include "output.h"

#include <sstream>
#include <string>
#include <vector>

namespace driver {

namespace {

struct Combination {
  std::vector<WORD> keys; // the modifiers held, then the key
  UINT modifiers = 0;     // MOD_ALT, MOD_CONTROL, MOD_SHIFT
};

// "ctrl+alt+p": modifiers, then one letter, digit, F1..F12 or a named key.
std::optional<Combination> ParseCombination(const std::wstring& text) {
  static const struct {
    const wchar_t* name;
    WORD vk;
    UINT modifier;
  } kNamed[] = {{L"ctrl", VK_CONTROL, MOD_CONTROL}, {L"alt", VK_MENU, MOD_ALT}, {L"shift", VK_SHIFT, MOD_SHIFT},
                {L"tab", VK_TAB, 0},  {L"return", VK_RETURN, 0}, {L"escape", VK_ESCAPE, 0}, {L"space", VK_SPACE, 0}};
  Combination c;
  std::wstringstream parts(text);
  std::wstring part;
  while (std::getline(parts, part, L'+')) {
    for (auto& ch : part)
      ch = static_cast<wchar_t>(towlower(ch));
    WORD vk = 0;
    for (const auto& named : kNamed)
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

// Brings the window to the foreground and waits until it is there.
bool BringToFront(HWND window, DWORD timeoutMs) {
  SetForegroundWindow(window);
  return WaitUntil(timeoutMs, [&] { return GetForegroundWindow() == window; });
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

} // namespace

// keys [--keys ctrl+alt+p,tab,return] [--title T|--class C|--hwnd H]
// Brings the window given to the foreground, as a click on it would, then
// types each combination in turn (modifiers down, key down and up, modifiers
// up).
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
    if (!BringToFront(WaitForTarget(options), options.TimeoutMs()))
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

// hotkey-free --keys ctrl+alt+p  Prints free=1 when nobody holds the
// combination (this process can register it), else free=0.
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

// atom --name N  Prints atom=<the global atom of that name>, 0 when none.
int Atom(const Options& options) {
  const auto name = options.Text(L"name");
  if (!name)
    return Fail(L"atom needs --name");
  PrintLine("atom=" + std::to_string(GlobalFindAtomW(name->c_str())));
  return 0;
}

} // namespace driver
