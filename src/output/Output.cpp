#include "Output.h"

#include "Clipboard.h"
#include "FrmPrint.h"
#include "Globals.h"
#include "MainWindow.h"
#include "PrintEngine.h"

namespace BasRuxa {

void CopyCaptureToClipboard() { CopyPictureToClipboard(MainWindow::Handle(), MainWindow::PicPrint()); }

void PrintOutput() {
    if (Settings.ConfirmBeforePrint == 1) {
        if (AppState != StateCommandLine) AppState = StatePrintDialog;
        FrmPrint::Load();
        return;
    }
    PrintCapture();
    if (AppState == StateCommandLine) MainWindow::EndRun();
}

}  // namespace BasRuxa
