#include "StoredIndex.h"

#include <algorithm>

namespace stored {

int NamedSettingCount(const SettingsRecord& settings) {
    return std::clamp<int>(settings.PrinterCount, 0, NamedSettingsCapacity);
}

const PrintSettings* NamedSettingAt(const SettingsModel& model, int slot) {
    if (slot < 0 || slot >= NamedSettingCount(model.Settings)) return nullptr;
    return &model.NamedSettings[slot];
}

PrintSettings* NamedSettingAt(SettingsModel& model, int slot) {
    return const_cast<PrintSettings*>(NamedSettingAt(static_cast<const SettingsModel&>(model), slot));
}

bool IsHotKeySlot(int slot) { return slot >= 0 && slot < HotKeySlotCount; }

std::optional<int> ChosenOption(OptionGroup group, int value) {
    const int count = group == OptionGroup::Pos ? 5 : group == OptionGroup::Size ? 3 : 2;
    if (value < 1 || value > count) return std::nullopt;
    return value - 1;
}

}  // namespace stored
