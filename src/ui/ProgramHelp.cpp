#include "ProgramHelp.h"

#include "Globals.h"
#include "cCommonDlg.h"

void ShowProgramHelp(HWND owner) {
    cCommonDlg dialog;
    dialog.Form(owner);
    dialog.HelpFile(BasRuxa::AppPath + "ruxa.hlp");
    dialog.HelpCommand(HELP_FINDER);
    dialog.ShowHelp();
}
