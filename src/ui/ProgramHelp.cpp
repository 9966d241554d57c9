#include "ProgramHelp.h"

#include <shellapi.h>
#include <shlobj.h>

#include "FileIo.h"
#include "Globals.h"
#include "HelpFolder.h"
#include "HumanSeam.h"
#include "Text.h"
#include "cCommonDlg.h"

namespace {

constexpr const char* MessageTitle = "ルクサさん";

void Tell(HWND owner, const std::string& text) { ShowMessageBox(owner, text, MessageTitle, MB_OK | MB_ICONEXCLAMATION); }

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The old help file's viewer, at its contents, as the program always asked it.
void ShowHelpFile(HWND owner, const std::string& helpFile) {
    cCommonDlg dialog;
    dialog.Form(owner);
    dialog.HelpFile(helpFile);
    dialog.HelpCommand(HELP_FINDER);
    dialog.ShowHelp();
}

// %LOCALAPPDATA%\ruxa\help: the user's own, on this machine, never roaming.
std::wstring PerUserHelpFolder(DWORD& error) {
    PWSTR path = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path);
    std::wstring folder = SUCCEEDED(result) && path ? std::wstring(path) + L"\\ruxa\\help" : std::wstring();
    CoTaskMemFree(path);
    error = folder.empty() ? static_cast<DWORD>(HRESULT_CODE(result)) : ERROR_SUCCESS;
    return folder;
}

void OpenPage(HWND owner, const std::wstring& page) {
    SetLastError(ERROR_SUCCESS);
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result > 32) return;
    const DWORD error = GetLastError();
    if (result == SE_ERR_NOASSOC || error == ERROR_NO_ASSOCIATION) {
        Tell(owner,
             ".html ファイルを開くプログラムが決まっていないため、ヘルプを表示できません。\n"
             "ブラウザーを .html ファイルの既定のアプリにするか、次のページをブラウザーで開いてください。\n" +
                 text::Narrow(page));
        return;
    }
    // The small results stand for the system errors of the same numbers.
    Tell(owner, "ヘルプを表示できませんでした。\n" + text::Narrow(page) + "\n" +
                    fileio::ErrorText(error != ERROR_SUCCESS ? error : static_cast<DWORD>(result)));
}

}  // namespace

HelpPage OptionsHelpPage(int tabIndex) {
    switch (tabIndex) {
    case 0: return HelpPage::OptionsBasic;
    case 1: return HelpPage::OptionsPrint;
    case 2: return HelpPage::OptionsHotKeys;
    case 3: return HelpPage::OptionsOther;
    default: return HelpPage::Contents;
    }
}

void ShowProgramHelp(HWND owner, HelpPage page) {
    const std::string helpFile = BasRuxa::AppPath + "ruxa.hlp";
    if (IsFile(text::Widen(helpFile))) return ShowHelpFile(owner, helpFile);
    DWORD error = ERROR_SUCCESS;
    const std::wstring base = PerUserHelpFolder(error);
    const help::WrittenPages pages = base.empty() ? help::WrittenPages{L"%LOCALAPPDATA%\\ruxa\\help", error}
                                                  : help::WritePages(base);
    if (pages.error != ERROR_SUCCESS) {
        Tell(owner, "ヘルプのページを次のフォルダーに書き込めませんでした。\n" + text::Narrow(pages.folder) + "\n" +
                        fileio::ErrorText(pages.error));
        return;
    }
    OpenPage(owner, pages.folder + help::PageFile(page));
}
