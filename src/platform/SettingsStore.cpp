#include "SettingsStore.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "FileIo.h"
#include "HumanSeam.h"
#include "SettingsEdits.h"
#include "Text.h"

SettingsStore::Subscription::Subscription(Subscription&& other) noexcept
    : store_(std::exchange(other.store_, nullptr)), id_(other.id_) {}

SettingsStore::Subscription& SettingsStore::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Cancel();
        store_ = std::exchange(other.store_, nullptr);
        id_ = other.id_;
    }
    return *this;
}

SettingsStore::Subscription::~Subscription() { Cancel(); }

void SettingsStore::Subscription::Cancel() {
    if (store_) std::erase_if(store_->listeners_, [&](const auto& entry) { return entry.first == id_; });
    store_ = nullptr;
}

SettingsStore::Subscription SettingsStore::Listen(Listener listener) {
    listeners_.emplace_back(++nextListenerId_, std::move(listener));
    return Subscription(this, nextListenerId_);
}

void SettingsStore::BindFile(std::wstring path, TextEncoding encoding) {
    path_ = std::move(path);
    encoding_ = encoding;
}

void SettingsStore::Reset(const SettingsModel& model) { model_ = model; }

bool SettingsStore::Commit(SettingsModel next) {
    // Written, such a title would make the next start write the defaults
    // over every setting the file holds.
    if (settings::TitleMeansFirstStart(next.Settings.Title)) next.Settings.Title = model_.Settings.Title;
    const bool written = WriteDocument(BasRuxa::SaveSettings(next));
    if (next.Settings == model_.Settings && next.CurrentPrint == model_.CurrentPrint &&
        !settings::NamedSettingsDiffer(next, model_))
        return written;
    const SettingsModel before = std::exchange(model_, std::move(next));
    // A listener may end a subscription (a dialog closing) or add one: each
    // is heard only while it is still listening.
    std::vector<int> ids;
    for (const auto& entry : listeners_) ids.push_back(entry.first);
    for (const int id : ids) {
        const auto entry = std::find_if(listeners_.begin(), listeners_.end(), [&](const auto& e) { return e.first == id; });
        if (entry == listeners_.end()) continue;
        const Listener listener = entry->second;  // it may end its own subscription while it runs
        listener(before, model_);
    }
    return written;
}

bool SettingsStore::WriteDocument(std::string_view text) {
    if (path_.empty()) return true;
    TextEncoding encoding = encoding_;
    const DWORD error = fileio::ReplaceFileAtomically(path_, EncodeTextFile(text, encoding));
    if (error == ERROR_SUCCESS) {
        encoding_ = encoding;
        return true;
    }
    ShowMessageBox(nullptr, "設定を保存できませんでした。\n" + text::Narrow(path_) + "\n" + fileio::ErrorText(error),
                   "ルクサさん", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

namespace BasRuxa {

SettingsStore& Store() {
    static SettingsStore store;
    return store;
}

}  // namespace BasRuxa
