// Letting pending window messages through from inside a handler, as a form
// program does before it shows a popup menu.
#pragma once

// Dispatches every message waiting for this thread. A quit request is left
// in place for the main message loop.
void DoEvents();
