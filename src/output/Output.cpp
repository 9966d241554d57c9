#include "Output.h"

#include "Clipboard.h"
#include "FrmRuxa.h"
#include "Globals.h"
#include "PrintEngine.h"

namespace BasRuxa {

void CopyCaptureToClipboard() { CopyPictureToClipboard(FrmRuxa::Window(), FrmRuxa::PicPrint()); }

void PrintOutput() {
    if (Settings.ConfirmBeforePrint == 1) {
        // The confirmation dialog decides whether anything is printed; until
        // it exists nothing is, and the run goes back to idle or ends.
        if (AppState != StateCommandLine) AppState = StateIdle;
        return;
    }
    PrintCapture();
}

}  // namespace BasRuxa
