#include "SettingsEdits.h"

#include "StoredIndex.h"

namespace settings {
namespace {

template <typename T>
void Take(const T& before, const T& after, T& work) {
    if (!(before == after)) work = after;
}

template <typename T, std::size_t N>
void Take(const std::array<T, N>& before, const std::array<T, N>& after, std::array<T, N>& work) {
    for (std::size_t i = 0; i < N; ++i) Take(before[i], after[i], work[i]);
}

}  // namespace

bool TitleMeansFirstStart(std::string_view title) {
    IniFile ini;
    BasRuxa::WriteIni(ini, "Application", "Title", title);
    return BasRuxa::NeedsFirstStart(ini);
}

void TakeStoredChanges(const SettingsRecord& b, const SettingsRecord& a, SettingsRecord& w) {
    Take(b.Title, a.Title, w.Title);
    Take(b.Icon, a.Icon, w.Icon);
    Take(b.SelfTimer, a.SelfTimer, w.SelfTimer);
    Take(b.SelfTime, a.SelfTime, w.SelfTime);
    Take(b.IconDelete, a.IconDelete, w.IconDelete);
    Take(b.ConfirmBeforePrint, a.ConfirmBeforePrint, w.ConfirmBeforePrint);
    Take(b.ReversePrint, a.ReversePrint, w.ReversePrint);
    Take(b.DoubleClick, a.DoubleClick, w.DoubleClick);
    Take(b.DoubleClickDo, a.DoubleClickDo, w.DoubleClickDo);
    Take(b.PrinterCount, a.PrinterCount, w.PrinterCount);
    Take(b.LastSet, a.LastSet, w.LastSet);
    Take(b.UsesDefaultIcon, a.UsesDefaultIcon, w.UsesDefaultIcon);
    Take(b.HotKeyOn, a.HotKeyOn, w.HotKeyOn);
    Take(b.HotKeyALT, a.HotKeyALT, w.HotKeyALT);
    Take(b.HotKeySHIFT, a.HotKeySHIFT, w.HotKeySHIFT);
    Take(b.HotKeyCTRL, a.HotKeyCTRL, w.HotKeyCTRL);
    Take(b.HotKeyButton, a.HotKeyButton, w.HotKeyButton);
    Take(b.IconCapture, a.IconCapture, w.IconCapture);
    Take(b.DesktopMonitor, a.DesktopMonitor, w.DesktopMonitor);
    Take(b.Version, a.Version, w.Version);
}

void TakeStoredChanges(const PrintSettings& b, const PrintSettings& a, PrintSettings& w) {
    Take(b.Title, a.Title, w.Title);
    Take(b.DeviceName, a.DeviceName, w.DeviceName);
    Take(b.Pos, a.Pos, w.Pos);
    Take(b.Size, a.Size, w.Size);
    Take(b.SizeP, a.SizeP, w.SizeP);
    Take(b.Hiritsu, a.Hiritsu, w.Hiritsu);
    Take(b.PaperSize, a.PaperSize, w.PaperSize);
    Take(b.PaperBin, a.PaperBin, w.PaperBin);
    Take(b.Orientation, a.Orientation, w.Orientation);
}

void TakeStoredChanges(const SettingsModel& before, const SettingsModel& after, SettingsRecord& work,
                       PrintSettings& workPrint) {
    const std::int16_t lastSet = work.LastSet;
    TakeStoredChanges(before.Settings, after.Settings, work);
    TakeStoredChanges(before.CurrentPrint, after.CurrentPrint, workPrint);
    if (work.LastSet == lastSet && NamedSettingsDiffer(before, after)) work.LastSet = FollowNamedSetting(before, after, lastSet);
}

bool NamedSettingsDiffer(const SettingsModel& a, const SettingsModel& b) {
    const int count = stored::NamedSettingCount(a.Settings);
    if (count != stored::NamedSettingCount(b.Settings)) return true;
    for (int slot = 0; slot < count; ++slot)
        if (!(a.NamedSettings[slot] == b.NamedSettings[slot])) return true;
    return false;
}

}  // namespace settings

namespace settings {

std::int16_t FollowNamedSetting(const SettingsModel& before, const SettingsModel& after, int slot) {
    const PrintSettings* named = stored::NamedSettingAt(before, slot);
    if (!named) return -1;
    for (int each = 0; each < stored::NamedSettingCount(after.Settings); ++each)
        if (after.NamedSettings[each].Title == named->Title) return static_cast<std::int16_t>(each);
    return -1;
}

}  // namespace settings
