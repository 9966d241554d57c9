// One resident copy per session. A second start without arguments (a double
// click too many) would put a second icon in the tray, find every hot key
// taken, and write ruxa.ini from its own memory over the first copy's
// changes; instead it hands over to the copy that runs and ends.
#pragma once
#include "UniqueHandle.h"

namespace BasRuxa {

using unique_mutex = handles::unique_any<handles::NullTraits<HANDLE, CloseHandle>>;

// The claim of being the resident copy, held for the whole run; empty when
// another copy holds it, which has then been asked to open its menu.
unique_mutex ClaimResidence();

}  // namespace BasRuxa
