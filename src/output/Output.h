// What becomes of a capture: a printed page or one bitmap on the clipboard.
#pragma once

namespace BasRuxa {

// Empties the clipboard and puts the capture picture on it as one bitmap.
void CopyCaptureToClipboard();

// Prints the capture, through the confirmation dialog when the settings ask
// for it. A command-line run ends afterwards: the main window is unloaded.
void PrintOutput();

}  // namespace BasRuxa
