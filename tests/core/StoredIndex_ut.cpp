#include "StoredIndex.h"

#include <gtest/gtest.h>

#include "ShellRules.h"

using namespace stored;

// Numbers a hand-edited file may hold, read into the tables they index.
TEST(StoredIndex, NamedSettingsOnlyInTheSlotsInUse) {
    SettingsModel model;
    const struct {
        int printerCount;
        int slot;
        bool found;
    } cases[] = {
        {2, 1, true}, {2, 2, false}, {2, -1, false}, {0, 0, false}, {-5, 0, false},
        {500, 100, true}, {500, 101, false}, {101, 32767, false},
    };
    for (const auto& c : cases) {
        model.Settings.PrinterCount = static_cast<std::int16_t>(c.printerCount);
        const PrintSettings* setting = NamedSettingAt(model, c.slot);
        EXPECT_EQ(setting != nullptr, c.found) << c.printerCount << " " << c.slot;
        if (setting) {
            EXPECT_EQ(setting, &model.NamedSettings[c.slot]);
        }
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

TEST(StoredIndex, HotKeySlotsAreZeroToEight) {
    SettingsRecord settings;
    settings.HotKeyALT.fill(1);
    for (const int slot : {-1, 9, 1000}) {
        EXPECT_FALSE(IsHotKeySlot(slot));
        EXPECT_EQ(shell::HotKeyModifiers(settings, slot), 0u) << slot;
    }
    EXPECT_TRUE(IsHotKeySlot(0));
    EXPECT_TRUE(IsHotKeySlot(8));
    EXPECT_EQ(shell::HotKeyModifiers(settings, 8), 1u);
}
