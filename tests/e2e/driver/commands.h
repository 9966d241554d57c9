// The driver's commands. Each reads its options, prints its result lines and
// returns the process exit code (0 on success).
#pragma once

#include "options.h"

namespace driver {

// windows.cpp: top-level windows and messages to them
int WaitWindow(const Options& options);
int WaitGone(const Options& options);
int Post(const Options& options);
int Send(const Options& options);

// controls.cpp: the controls of a dialog, read and worked
int Controls(const Options& options);
int Control(const Options& options);

// dialogs.cpp: message boxes
int MsgBox(const Options& options);
int Press(const Options& options);

// file_dialog.cpp: the open and save dialogs
int FileDialog(const Options& options);

// pattern.cpp: a window of known content to capture
int Pattern(const Options& options);

// printer.cpp: page metrics of a printer
int PrinterMetrics(const Options& options);

} // namespace driver
