// Any command line splits into at most fifty tokens and parses to a request.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BasRuxa::CommandLineArgs args = BasRuxa::SplitCommandLine(BasRuxa::ArgumentText(text));
    if (args.CmdArgCount < 1 || args.CmdArgCount > BasRuxa::CmdArgCapacity) std::abort();
    const BasRuxa::CommandLineRequest request = BasRuxa::ParseCommandLine(args, "");
    if (request.Action < BasRuxa::ActionNone || request.Action > BasRuxa::ActionRegion) std::abort();

    SettingsModel model;
    model.Settings.PrinterCount = static_cast<std::int16_t>(size % 102);
    BasRuxa::ApplyNamedSetting(model, request.SettingName);
    return 0;
}
