// The open and save dialogs of another process, worked as a user does: the
// folder they show and a name typed into the file name field.
#include "commands.h"
#include "find.h"
#include "output.h"

namespace driver {

namespace {

constexpr int kFolderComboId = 0x471;   // "ファイルの場所"
constexpr int kFileNameFieldId = 0x47c;  // "ファイル名", a combo box in the Explorer style

// The edit field the name is typed into: inside ComboBoxEx32 > ComboBox in
// the Explorer style, the control itself in the old style.
HWND FileNameEdit(HWND dialog) {
  HWND field = GetDlgItem(dialog, kFileNameFieldId);
  for (const wchar_t* inner : {L"ComboBox", L"Edit"})
    if (const HWND child = FindWindowExW(field, nullptr, inner, nullptr))
      field = child;
  return field;
}

} // namespace

// file-dialog --title T [--path P]  Prints folder=<the folder shown>, then
// chooses P as if typed and confirmed.
int FileDialog(const Options& options) {
  const HWND dialog = WaitForDialog(options, [](HWND d) { return GetDlgItem(d, kFileNameFieldId) != nullptr; });
  const HWND folder = GetDlgItem(dialog, kFolderComboId);
  PrintLine("folder=" + Escaped(folder ? WindowText(folder) : L""));
  if (const auto path = options.Text(L"path")) {
    SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path->c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  return 0;
}

} // namespace driver
