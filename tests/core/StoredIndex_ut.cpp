#include "StoredIndex.h"

#include <gtest/gtest.h>

using namespace stored;

// Numbers a hand-edited file may hold, read into the tables they index (hot
// key slots: ShellRules_ut).
TEST(StoredIndex, NamedSettingsOnlyInTheSlotsInUse) {
    SettingsModel model;
    const struct {
        int printerCount, slot;
        bool found;
    } cases[] = {{2, 1, true},     {2, 2, false},     {2, -1, false},     {0, 0, false},
                 {-5, 0, false},   {500, 100, true},  {500, 101, false},  {101, 32767, false}};
    for (const auto& c : cases) {
        model.Settings.PrinterCount = static_cast<std::int16_t>(c.printerCount);
        const PrintSettings* setting = NamedSettingAt(model, c.slot);
        EXPECT_EQ(setting, c.found ? &model.NamedSettings[c.slot] : nullptr) << c.printerCount << " " << c.slot;
    }
    model.Settings.PrinterCount = 500;
    EXPECT_EQ(NamedSettingCount(model.Settings), NamedSettingsCapacity);
}

TEST(StoredIndex, OptionButtonsOnlyForTheirValues) {
    const struct {
        OptionGroup group;
        int value;
        std::optional<int> button;
    } cases[] = {
        {OptionGroup::Pos, 1, 0},         {OptionGroup::Pos, 5, 4},          {OptionGroup::Pos, 0, std::nullopt},
        {OptionGroup::Pos, 6, std::nullopt}, {OptionGroup::Size, 3, 2},      {OptionGroup::Size, 4, std::nullopt},
        {OptionGroup::Size, -1, std::nullopt}, {OptionGroup::Orientation, 2, 1},
        {OptionGroup::Orientation, 3, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ChosenOption(c.group, c.value), c.button) << c.value;
}
