// Hot keys from outside: keys typed through the input system, the check
// whether a combination is taken, and WM_HOTKEY posted by slot.
#include "find.h"
#include "output.h"
#include "shell_commands.h"

#include <sstream>
#include <string>
#include <vector>

namespace driver {

namespace {

struct Combination {
  UINT modifiers = 0; // MOD_ALT, MOD_CONTROL, MOD_SHIFT
  std::vector<WORD> modifierKeys;
  WORD key = 0;
};

// "ctrl+alt+p": modifiers, then one letter, digit or F1..F12.
std::optional<Combination> ParseCombination(const std::wstring& text) {
  Combination c;
  std::wstringstream parts(text);
  std::wstring part;
  while (std::getline(parts, part, L'+')) {
    for (auto& ch : part)
      ch = static_cast<wchar_t>(towlower(ch));
    if (part == L"ctrl") {
      c.modifiers |= MOD_CONTROL;
      c.modifierKeys.push_back(VK_CONTROL);
    } else if (part == L"alt") {
      c.modifiers |= MOD_ALT;
      c.modifierKeys.push_back(VK_MENU);
    } else if (part == L"shift") {
      c.modifiers |= MOD_SHIFT;
      c.modifierKeys.push_back(VK_SHIFT);
    } else if (part.size() == 1 && iswalnum(part[0])) {
      c.key = static_cast<WORD>(towupper(part[0]));
    } else if (part.size() >= 2 && part[0] == L'f') {
      c.key = static_cast<WORD>(VK_F1 + _wtoi(part.c_str() + 1) - 1);
    } else {
      return std::nullopt;
    }
  }
  if (c.key == 0)
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

} // namespace

// hotkey --keys ctrl+alt+p  Types the combination: modifiers down, key down
// and up, modifiers up.
int HotKey(const Options& options) {
  const auto c = ParseCombination(options.Text(L"keys").value_or(L""));
  if (!c)
    return Fail(L"hotkey needs --keys like ctrl+alt+p");
  std::vector<INPUT> inputs;
  for (WORD m : c->modifierKeys)
    inputs.push_back(KeyInput(m, false));
  inputs.push_back(KeyInput(c->key, false));
  inputs.push_back(KeyInput(c->key, true));
  for (auto it = c->modifierKeys.rbegin(); it != c->modifierKeys.rend(); ++it)
    inputs.push_back(KeyInput(*it, true));
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size())
    return Fail(L"SendInput failed, error " + std::to_wstring(GetLastError()));
  PrintLine("sent=1");
  return 0;
}

// hotkey-free --keys ctrl+alt+p  Prints free=1 when nobody holds the
// combination (this process can register it), else free=0.
int HotKeyFree(const Options& options) {
  const auto c = ParseCombination(options.Text(L"keys").value_or(L""));
  if (!c)
    return Fail(L"hotkey-free needs --keys like ctrl+alt+p");
  const bool free = RegisterHotKey(nullptr, 1, c->modifiers, c->key) != FALSE;
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

// post-hotkey --class C --slot N  Posts the WM_HOTKEY that slot N's
// registration delivers, its identifier being the slot's atom read as a
// signed 16-bit number.
int PostHotKey(const Options& options) {
  const auto slot = options.Number(L"slot");
  if (!slot)
    return Fail(L"post-hotkey needs --slot");
  const std::wstring name = L"RUXAHOTKEY" + std::to_wstring(*slot);
  const ATOM atom = GlobalFindAtomW(name.c_str());
  if (!atom)
    return Fail(L"no atom " + name);
  const HWND window = WaitForTarget(options);
  if (!window)
    return Fail(L"no window " + DescribeTarget(options));
  const auto id = static_cast<INT_PTR>(static_cast<short>(atom));
  if (!PostMessageW(window, WM_HOTKEY, static_cast<WPARAM>(id), 0))
    return Fail(L"PostMessageW failed, error " + std::to_wstring(GetLastError()));
  PrintLine("id=" + std::to_string(id));
  return 0;
}

} // namespace driver
