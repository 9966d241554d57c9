// The program's help, offered by the tray menu and by both dialogs.
//
// The old help viewer has not come with Windows for a long time, so the
// pages travel inside ruxa.exe and open in the user's own browser. A user who
// kept the old help file ruxa.hlp beside the program (and may have its viewer)
// still gets it, as before.
#pragma once
#include <windows.h>

// The pages a window asks for.
enum class HelpPage {
    Contents,
    PrintDialog,
    OptionsBasic,
    OptionsPrint,
    OptionsHotKeys,
    OptionsOther,
};

// The page of the ｵﾌﾟｼｮﾝ設定 tab with index 0 to 3; the contents for any other.
HelpPage OptionsHelpPage(int tabIndex);

// With ruxa.hlp in the program folder: its viewer at the contents (help
// command 11), owned by `owner`. Otherwise the page, written out once per
// version of the pages (HelpFolder.h), opened with the program the system
// opens .html files with. What stops it is told in a message box.
void ShowProgramHelp(HWND owner, HelpPage page);
