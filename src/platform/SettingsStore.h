// The settings have one owner. It holds them in memory, is the one road by
// which they reach ruxa.ini, and tells whoever listens (the open dialogs, the
// hot keys) what a store changed, so that nobody goes on from a stale copy.
// Dialogs edit working copies and commit them here.
#pragma once
#include <functional>
#include <list>
#include <string_view>
#include <string>

#include "Settings.h"
#include "TextFile.h"

class SettingsStore {
public:
    const SettingsModel& Model() const { return model_; }

    // Where ruxa.ini lives and the encoding it is written in, as the load
    // found them (SettingsFile.h). Without a file nothing is written.
    void BindFile(std::wstring path, TextEncoding encoding);
    const std::wstring& FilePath() const { return path_; }

    // Takes settings as they are, in memory only and without a notice: what
    // start-up read, or what a test sets up.
    void Reset(const SettingsModel& model);

    // Stores `next` and writes ruxa.ini. A title that the next start would
    // read as a file never set up is not taken: the stored title stays (the
    // dialog keeps its edit, and refuses it itself when it stores). When the
    // file cannot be written the user is told and memory keeps the new
    // settings. Every listener then hears what changed. Returns whether the
    // file holds them.
    bool Commit(SettingsModel next);

    // Writes the text of a document as it is: the file a first start makes,
    // which keeps the keys of an older file that the defaults do not set.
    bool WriteDocument(std::string_view text);

    // `before` and `after` of every commit that changed anything.
    using Listener = std::function<void(const SettingsModel& before, const SettingsModel& after)>;
    class Subscription {
    public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription();

    private:
        friend class SettingsStore;
        Subscription(SettingsStore* store, int id) : store_(store), id_(id) {}
        void Cancel();
        SettingsStore* store_ = nullptr;
        int id_ = 0;
    };
    // Listens until the subscription goes.
    [[nodiscard]] Subscription Listen(Listener listener);

private:

    SettingsModel model_;
    std::wstring path_;
    TextEncoding encoding_ = TextEncoding::Cp932;
    std::list<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 0;
};

namespace BasRuxa {

// The program's settings and their owner. The records are read here; they
// change only through Store().Commit.
SettingsStore& Store();
inline const SettingsRecord& Settings = Store().Model().Settings;
inline const PrintSettings& CurrentPrint = Store().Model().CurrentPrint;
inline const NamedSettingsArray& NamedSettings = Store().Model().NamedSettings;

}  // namespace BasRuxa
