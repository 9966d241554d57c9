#include "CommandLine.h"

#include "StoredIndex.h"
#include "VbNumber.h"

namespace BasRuxa {
namespace {

std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool OneOf(std::string_view p, std::initializer_list<std::string_view> switches) {
    for (std::string_view s : switches)
        if (p == s) return true;
    return false;
}

}  // namespace

std::string ArgumentText(std::string_view commandLine) {
    std::size_t pos = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const std::size_t close = commandLine.find('"', 1);
        pos = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        pos = commandLine.find_first_of(" \t");
        if (pos == std::string_view::npos) pos = commandLine.size();
    }
    while (pos < commandLine.size() && commandLine[pos] == ' ') ++pos;
    return std::string(commandLine.substr(pos));
}

CommandLineArgs SplitCommandLine(std::string_view argumentText) {
    CommandLineArgs args;
    std::string token;
    const auto store = [&] {
        if (args.CmdArgCount < CmdArgCapacity) args.CmdArgs[args.CmdArgCount++] = token;
        token.clear();
    };
    for (char c : TrimSpaces(argumentText)) {
        if (c == ' ' || c == '\t') store();
        else token += c;
    }
    store();
    return args;
}

CommandLineRequest ParseCommandLine(const CommandLineArgs& args, std::string_view settingName) {
    CommandLineRequest request;
    request.SettingName = settingName;
    bool badWindowNumber = false;
    for (int i = 0; i < args.CmdArgCount; ++i) {
        const std::string_view token = args.CmdArgs[i];
        // Switches are ASCII, so the first three bytes stand for the first
        // three characters whenever a switch can match at all.
        const std::string_view p = token.substr(0, 3);
        const std::string_view rest = token.size() > 3 ? token.substr(3) : std::string_view{};
        if (OneOf(p, {"/d", "/D"})) {
            request.Action = ActionDesktop;
        } else if (OneOf(p, {"/a", "/A"})) {
            request.Action = ActionActiveWindow;
        } else if (OneOf(p, {"/r", "/R"})) {
            request.Action = ActionRegion;
        } else if (OneOf(p, {"/h=", "/H=", "/h:", "/H:"})) {
            const auto number = vbnum::LeadingNumber(TrimSpaces(rest));
            const auto handle = number ? vbnum::RoundToInt32(*number) : std::nullopt;
            badWindowNumber = !handle;
            request.WindowHandle = handle.value_or(0);
        } else if (OneOf(p, {"/c", "/C", "-c", "-C"})) {
            request.ConfirmBeforePrint = 1;
        } else if (OneOf(p, {"/S:", "/s:", "/s=", "/S="})) {
            request.SettingName = TrimSpaces(rest);
        }
    }
    request.Error = request.Action == ActionNone || badWindowNumber;
    return request;
}

void ApplyNamedSetting(SettingsModel& model, std::string_view name) {
    if (name.empty()) return;
    for (int slot = 0; slot < stored::NamedSettingCount(model.Settings); ++slot) {
        const PrintSettings& setting = *stored::NamedSettingAt(model, slot);
        if (setting.Title == name) {
            model.CurrentPrint = setting;
            model.Settings.LastSet = static_cast<std::int16_t>(slot);
        }
    }
}

}  // namespace BasRuxa
