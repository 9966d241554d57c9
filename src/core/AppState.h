// What the resident program is doing; every handler consults and sets it.
#pragma once
#include <cstdint>

enum AppStateValue : std::int16_t {
    StateIdle = 1,
    StateOption = 2,
    StatePrintDialog = 3,
    StateAwCopy = 4,
    StateDtCopy = 5,
    StateAbout = 6,
    StateCommandLine = 7,
    StateAwCapture = 8,
    StateRsCapture = 9,
    StateRsCopy = 10,
    StateDtCapture = 11,
};
