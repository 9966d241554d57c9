// The command line: how its text splits into tokens and what the tokens ask
// for. Running the request is the program's business (app/).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Settings.h"

namespace BasRuxa {

constexpr int CmdArgCapacity = 50;

// How a command-line run ends, as its process exit code tells its caller.
enum class RunExit : int {
    Done = 0,            // the page went to the printer
    Failed = 1,          // a printer, paper or capture failure the user was told of
    BadCommandLine = 2,  // the arguments ask for nothing the program does
    Cancelled = 3,       // the user cancelled the region or closed the confirmation unprinted
};

struct CommandLineArgs {
    std::array<std::string, CmdArgCapacity> CmdArgs;
    int CmdArgCount = 0;
};

enum CaptureAction : int { ActionNone = 0, ActionDesktop = 1, ActionActiveWindow = 2, ActionRegion = 3 };

struct CommandLineRequest {
    int Action = ActionNone;
    std::int32_t WindowHandle = 0;  // 0: the foreground window
    std::string SettingName;
    std::int16_t ConfirmBeforePrint = 0;
    bool Error = false;  // no capture asked for, or a window number out of range
};

// The argument text of a full command line: what follows the program's name.
std::string ArgumentText(std::string_view commandLine);

// Spaces and tabs separate tokens, two in a row give an empty token; there is
// no quoting. Tokens past the store's 50 slots are dropped.
CommandLineArgs SplitCommandLine(std::string_view argumentText);

CommandLineRequest ParseCommandLine(const CommandLineArgs& args, std::string_view settingName);

// Copies the named setting whose name matches exactly into CurrentPrint and
// remembers its slot; with several matches the last one wins.
void ApplyNamedSetting(SettingsModel& model, std::string_view name);

}  // namespace BasRuxa
