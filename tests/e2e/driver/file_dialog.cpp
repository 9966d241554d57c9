// The open and save dialogs of another process, worked as a user does: the
// folder they show and a name typed into the file name field.
#include "commands.h"
#include "find.h"
#include "output.h"

namespace driver {

namespace {

constexpr int kFolderComboId = 0x471;   // "ファイルの場所"
constexpr int kFileNameFieldId = 0x47c;  // "ファイル名", a combo box in the Explorer style

// The dialog titled --title once it is shown and its file name field exists.
HWND WaitForFileDialog(const std::wstring& title, DWORD timeoutMs) {
  HWND dialog = nullptr;
  WaitUntil(timeoutMs, [&] {
    dialog = FindWindowW(L"#32770", title.c_str());
    return dialog && IsWindowVisible(dialog) && GetDlgItem(dialog, kFileNameFieldId);
  });
  return dialog && IsWindowVisible(dialog) && GetDlgItem(dialog, kFileNameFieldId) ? dialog : nullptr;
}

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
  const auto title = options.Text(L"title");
  if (!title)
    return Fail(L"file-dialog needs --title");
  const HWND dialog = WaitForFileDialog(*title, options.TimeoutMs());
  if (!dialog)
    return Fail(L"no file dialog titled " + *title);
  const HWND folder = GetDlgItem(dialog, kFolderComboId);
  PrintLine("folder=" + Escaped(folder ? WindowText(folder) : L""));
  if (const auto path = options.Text(L"path")) {
    SendMessageW(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path->c_str()));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
  return 0;
}

} // namespace driver
