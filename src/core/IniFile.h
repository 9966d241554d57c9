// An INI document that behaves like the system's private-profile functions
// (GetPrivateProfileString / WritePrivateProfileString): the settings file is
// read once and written once, yet every value read and every byte written is
// what the key-by-key calls would have given.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IniFile {
public:
    // Reads any text: hand-edited files, comments, LF or CRLF, no final newline.
    static IniFile Parse(std::string_view text);

    // The document as the platform writes it: "[name]" headers and "key=value"
    // lines, each ending in CRLF.
    std::string Serialize() const;

    // The value the platform reads for a key: the first section of that name,
    // its first key of that name, surrounding matching quotes removed. Missing
    // keys and lines without "=" give nothing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The same value as a view into the document, valid until it changes.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Writes like the platform: appends a missing section or key, replaces an
    // existing value in place; blanks before the value are dropped. Returns
    // whether the document changed.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    struct Entry {
        std::string section;
        std::string key;
        std::optional<std::string> value;
    };
    // Every line of the document in file order, headers left out.
    std::vector<Entry> Entries() const;

private:
    // Where a name or value lies in text_.
    struct Text {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    struct Key {
        Text name;
        Text value;
        bool hasValue = false;       // false for a line without "="
        std::uint32_t nameHash = 0;  // AsciiFoldHash(name), see IniFile.cpp
    };
    struct Section {
        std::string name;  // empty for lines before the first header
        std::vector<Key> keys;
        // Once a section has many keys ([Option] has some sixty): where the
        // first key of each name of ASCII alone is, found by its hash (open
        // addressing; position + 1, 0 for a free slot).
        std::vector<std::uint32_t> index;
        std::size_t firstOther = SIZE_MAX;  // the first key whose name has other bytes
    };

    std::string_view View(Text text) const { return std::string_view(text_.data() + text.at, text.size); }
    Text Keep(std::string_view s);
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;
    void AddSection(std::string name);
    std::size_t FindKey(const Section& section, std::string_view wanted, std::uint32_t hash) const;
    void AddKey(Section& section, const Key& key);
    void IndexKey(Section& section, std::size_t at);

    // Every name and value, back to back: a document is a few allocations
    // rather than some for every key. A replaced value leaves its old text
    // behind.
    std::string text_;
    std::vector<Section> sections_{Section{}};
    // Case-folded name -> index of the first section of that name; a settings
    // file has a hundred sections and a load looks up a thousand keys.
    std::unordered_map<std::string, std::size_t> sectionIndex_{{"", 0}};
    // The first section of its name that was found last. A lookup changes
    // it, so a document is read by one thread at a time.
    mutable std::size_t lastFound_ = 0;
};

// A new document written straight to text, each section and key once and in
// file order: the text that IniFile::Set gives for the same calls into an
// empty document, without a lookup or an allocation per key. A save writes
// some thousand keys this way.
class IniWriter {
public:
    explicit IniWriter(std::size_t expectedSize) { text_.reserve(expectedSize); }
    void Section(std::string_view name);
    void Key(std::string_view key, std::string_view value);
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};
