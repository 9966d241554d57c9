// Hot keys from outside: keys typed through the input system, the check
// whether a combination is taken, and WM_HOTKEY posted by slot.
#include "find.h"
#include "output.h"
#include "shell_commands.h"

#include <algorithm>
#include <iterator>
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

// "ctrl+alt+p": modifiers, then one letter, digit, F1..F12 or a named key.
std::optional<Combination> ParseCombination(const std::wstring& text) {
  static const struct {
    const wchar_t* name;
    WORD vk;
  } kNamed[] = {{L"tab", VK_TAB},     {L"return", VK_RETURN}, {L"escape", VK_ESCAPE}, {L"space", VK_SPACE},
                {L"back", VK_BACK},   {L"up", VK_UP},         {L"down", VK_DOWN},     {L"left", VK_LEFT},
                {L"right", VK_RIGHT}, {L"delete", VK_DELETE}};
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
    } else if (const auto named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                               [&](const auto& k) { return part == k.name; });
               named != std::end(kNamed)) {
      c.key = named->vk;
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

// keys --keys ctrl+alt+p,tab,return [--title T|--class C|--hwnd H]  Types
// each combination in turn (modifiers down, key down and up, modifiers up),
// after bringing the window given to the foreground.
int Keys(const Options& options) {
  std::vector<INPUT> inputs;
  std::wstringstream sequence(options.Text(L"keys").value_or(L""));
  std::wstring each;
  while (std::getline(sequence, each, L',')) {
    const auto c = ParseCombination(each);
    if (!c)
      return Fail(L"keys needs --keys like ctrl+alt+p,tab,shift+tab,return");
    for (WORD m : c->modifierKeys)
      inputs.push_back(KeyInput(m, false));
    inputs.push_back(KeyInput(c->key, false));
    inputs.push_back(KeyInput(c->key, true));
    for (auto it = c->modifierKeys.rbegin(); it != c->modifierKeys.rend(); ++it)
      inputs.push_back(KeyInput(*it, true));
  }
  if (inputs.empty())
    return Fail(L"keys needs --keys");
  if (options.Text(L"title") || options.Text(L"class") || options.Text(L"hwnd")) {
    const HWND window = WaitForTarget(options);
    if (!window)
      return Fail(L"no window " + DescribeTarget(options));
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
