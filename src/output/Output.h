// What becomes of a capture: a printed page or one bitmap on the clipboard.
#pragma once

namespace BasRuxa {

// Empties the clipboard and puts the capture picture on it as one bitmap.
void CopyCaptureToClipboard();

// Prints the capture. When the settings ask for confirmation the print
// confirmation dialog opens instead (shown again if it is open) and prints
// nothing by itself; a command-line run then ends when the dialog closes.
// Otherwise the capture is printed at once and a command-line run ends.
void PrintOutput();

}  // namespace BasRuxa
