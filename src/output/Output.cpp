#include "Output.h"

#include "Clipboard.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PrintEngine.h"

namespace BasRuxa {

void CopyCaptureToClipboard() { CopyPictureToClipboard(MainWindow::Handle(), MainWindow::PicPrint()); }

void PrintOutput() {
    const bool confirm = Settings.ConfirmBeforePrint == 1;
    if (confirm && AppState != StateCommandLine) AppState = StatePrintDialog;
    // Until the confirmation dialog is built, confirming is taken as given:
    // the capture is printed as the dialog's print button would, and the
    // shell goes back to idle as the dialog's closing does.
    PrintCapture();
    if (AppState == StateCommandLine)
        MainWindow::EndRun();
    else if (confirm)
        AppState = StateIdle;
}

}  // namespace BasRuxa
