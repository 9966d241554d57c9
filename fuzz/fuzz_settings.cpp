// A settings file of any content loads without reading outside a table, and
// a save of what was loaded loads back to the same file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "LegacyInf.h"
#include "PaperTables.h"
#include "Settings.h"
#include "StoredIndex.h"

// Everything a save writes: equal in two models, their saves are the same.
static bool SameSavedSettings(const SettingsModel& a, const SettingsModel& b) {
    const int count = stored::NamedSettingCount(a.Settings);
    return a.Settings == b.Settings && a.CurrentPrint == b.CurrentPrint &&
           std::equal(a.NamedSettings.begin(), a.NamedSettings.begin() + count, b.NamedSettings.begin());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool tables = (BasPrinterConst::InitPaperTables(), true);
    (void)tables;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    IniFile ini = IniFile::Parse(text);
    if (BasRuxa::NeedsFirstStart(ini)) {
        const auto legacy = ParseLegacyInf(text);
        const auto* options = std::get_if<LegacyOptions>(&legacy);
        BasRuxa::InitSettings(ini, options ? std::optional(*options) : std::nullopt,
                              DefaultPrinterInfo{"PDF", static_cast<std::int16_t>(size), static_cast<std::int16_t>(size * 7),
                                                 static_cast<std::int16_t>(size * 13)});
    }
    SettingsModel model;
    BasRuxa::LoadSettings(ini, model);
    const auto& s = model.Settings;
    if (s.PrinterCount < 0 || s.PrinterCount > NamedSettingsCapacity) std::abort();
    if (s.LastSet < -1 || s.LastSet >= s.PrinterCount) std::abort();
    (void)BasPrinterConst::PaperSizeNameOf(model.CurrentPrint.PaperSize);
    (void)BasPrinterConst::PaperBinNameOf(model.CurrentPrint.PaperBin);

    const std::string saved = BasRuxa::SaveSettings(model);
    SettingsModel reloaded;
    BasRuxa::LoadSettings(IniFile::Parse(saved), reloaded);
    // A save writes the settings and nothing else, so the same settings save
    // to the same file; only settings that came back changed are saved again
    // to see whether the file changed with them.
    if (!SameSavedSettings(reloaded, model) && BasRuxa::SaveSettings(reloaded) != saved) std::abort();
    return 0;
}
