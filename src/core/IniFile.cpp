#include "IniFile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <stdexcept>
#include <utility>

#include "Utf8.h"

namespace {

// The platform's notion of a blank: ASCII white space and the DOS end-of-file
// mark. The ideographic space is text.
constexpr bool IsBlank(char32_t cp) { return cp == ' ' || (cp >= '\t' && cp <= '\r') || cp == 0x1A; }

// An ASCII byte is always a character of its own, never part of a sequence,
// so it needs no decoding. Other bytes may be a sequence that decodes to a
// blank or a letter, and a sequence can only be told by reading from its start.
bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Every name and line is trimmed; the bytes that are a blank by themselves
// are looked up rather than tested in turn.
constexpr std::array<bool, 256> BlankByte = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x80; ++c) table[c] = IsBlank(static_cast<char32_t>(c));
    return table;
}();

bool IsBlankByte(char c) { return BlankByte[static_cast<unsigned char>(c)]; }

// Whether the character at pos is a blank; moves pos past it.
bool BlankAt(std::string_view s, std::size_t& pos) {
    if (IsAscii(s[pos])) return IsBlankByte(s[pos++]);
    return IsBlank(utf8::Next(s, pos));
}

std::string_view TrimStart(std::string_view s) {
    std::size_t start = 0;
    for (std::size_t next = 0; next < s.size() && BlankAt(s, next);) start = next;
    s.remove_prefix(start);
    return s;
}

// ASCII blanks come off the back one by one; text that ends in other bytes is
// decoded from the start.
std::string_view TrimEnd(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && IsBlankByte(s[end - 1])) --end;
    if (end != 0 && !IsAscii(s[end - 1])) {
        end = 0;
        for (std::size_t pos = 0; pos < s.size();)
            if (!BlankAt(s, pos)) end = pos;
    }
    s.remove_suffix(s.size() - end);
    return s;
}

std::string_view Trim(std::string_view s) { return TrimEnd(TrimStart(s)); }

// Case folding for the letters code page 932 can hold: ASCII, full-width
// Latin, Greek and Cyrillic, as the platform folds names.
char32_t FoldCase(char32_t cp) {
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xFF21 && cp <= 0xFF3A) || (cp >= 0x0391 && cp <= 0x03A9 && cp != 0x03A2))
        return cp + 0x20;
    if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;
    if (cp == 0x0401) return 0x0451;
    return cp;
}

// Names are folded on every lookup; ASCII by table, without a branch per
// byte. Other bytes are left as they are.
constexpr std::array<char, 256> AsciiFolded = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 0x20 : c);
    return table;
}();

bool IsAsciiOnly(std::string_view s) {
    unsigned char seen = 0;
    for (const char c : s) seen |= static_cast<unsigned char>(c);
    return seen < 0x80;
}

// Folding never changes a character's length in UTF-8, so names of different
// lengths never match and ASCII can be compared byte by byte.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::size_t i = 0, j = 0;
    while (i < a.size()) {
        const unsigned char x = a[i], y = b[j];
        if (x < 0x80 && y < 0x80) {
            if (x != y && FoldCase(x) != FoldCase(y)) return false;
            ++i, ++j;
        } else if (FoldCase(utf8::Next(a, i)) != FoldCase(utf8::Next(b, j))) {
            return false;
        }
    }
    return true;
}

std::string Folded(std::string_view name) {
    if (IsAsciiOnly(name)) {
        std::string folded(name);
        for (char& c : folded) c = AsciiFolded[static_cast<unsigned char>(c)];
        return folded;
    }
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t start = pos;
        const char32_t cp = utf8::Next(name, pos);
        const char32_t fold = FoldCase(cp);
        if (fold == cp) folded.append(name.substr(start, pos - start));
        else utf8::Append(folded, fold);
    }
    return folded;
}

// A key remembers this of its name so that a lookup passes over the other
// keys of a section by comparing numbers. Names of ASCII alone match exactly
// when their folded bytes do; a name with any other byte hashes to 0 (and no
// other name does), and such a name is always left to NamesEqual, which
// decodes it.
std::uint32_t AsciiFoldHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    unsigned char seen = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        seen |= byte;
        hash = (hash ^ static_cast<unsigned char>(AsciiFolded[byte])) * 16777619u;
    }
    if (seen >= 0x80) return 0;
    return hash == 0 ? 1 : hash;
}

// NamesEqual for two names of ASCII alone. Names are mostly written as they
// are asked for, so equal bytes are tried first.
bool AsciiNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;
    unsigned char differ = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differ |= AsciiFolded[static_cast<unsigned char>(a[i])] ^ AsciiFolded[static_cast<unsigned char>(b[i])];
    return differ == 0;
}

// The names and values of a settings file written key by key: a document
// starts with room for them rather than growing from a few bytes.
constexpr std::size_t TypicalText = 1024;

}  // namespace

IniFile IniFile::Parse(std::string_view text) {
    IniFile ini;
    // Names and values are never longer than the text.
    ini.text_.reserve(std::max(text.size(), TypicalText));
    std::size_t next = 0;
    while (next < text.size()) {
        const std::size_t newline = text.find('\n', next);
        const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        const std::string_view line = Trim(text.substr(next, end - next));
        next = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                ini.AddSection(std::string(Trim(line.substr(1, close - 1))));
                continue;
            }
        }

        const std::size_t equals = line.find('=');
        const std::string_view name = equals == std::string_view::npos ? line : TrimEnd(line.substr(0, equals));
        // Runs of lines with an empty name collapse into their first line.
        std::vector<Key>& keys = ini.sections_.back().keys;
        if (name.empty() && !keys.empty() && keys.back().name.size == 0) continue;
        Key key{ini.Keep(name), {}, equals != std::string_view::npos, AsciiFoldHash(name)};
        if (key.hasValue) key.value = ini.Keep(TrimStart(line.substr(equals + 1)));
        ini.AddKey(ini.sections_.back(), key);
    }
    return ini;
}

std::string IniFile::Serialize() const {
    // Sized first, so that the text is written into one allocation.
    std::size_t size = 0;
    for (const Section& section : sections_) {
        if (!section.name.empty()) size += section.name.size() + 4;
        for (const Key& key : section.keys) size += key.name.size + (key.hasValue ? 1 + key.value.size : 0) + 2;
    }
    std::string out;
    out.reserve(size);
    for (const Section& section : sections_) {
        if (!section.name.empty()) out.append("[").append(section.name).append("]\r\n");
        for (const Key& key : section.keys) {
            out += View(key.name);
            if (key.hasValue) out.append("=").append(View(key.value));
            out += "\r\n";
        }
    }
    return out;
}

std::vector<IniFile::Entry> IniFile::Entries() const {
    std::vector<Entry> entries;
    for (const Section& section : sections_)
        for (const Key& key : section.keys) {
            std::optional<std::string> value;
            if (key.hasValue) value = View(key.value);
            entries.push_back(Entry{section.name, std::string(View(key.name)), std::move(value)});
        }
    return entries;
}

IniFile::Text IniFile::Keep(std::string_view s) {
    // The settings file is read only up to 64 MB; anything near this is no
    // settings file.
    if (text_.size() + s.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("IniFile text");
    const Text text{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(s.size())};
    if (text_.capacity() < TypicalText) text_.reserve(TypicalText);
    text_.append(s);
    return text;
}

void IniFile::AddSection(std::string name) {
    sectionIndex_.emplace(Folded(name), sections_.size());  // the first of a name stays the one found
    // [Application], [Option], [DefaultPrinter] and a few named settings.
    if (sections_.capacity() < 8) sections_.reserve(8);
    sections_.emplace_back().name = std::move(name);
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    name = Trim(name);
    // A load or a save asks for the keys of one section after another, spelt
    // as the file spells them, so the section found last is tried before the
    // name is folded and hashed.
    if (sections_[lastFound_].name == name) return &sections_[lastFound_];
    const auto it = sectionIndex_.find(Folded(name));
    if (it == sectionIndex_.end()) return nullptr;
    lastFound_ = it->second;
    return &sections_[it->second];
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

// The position of the first key of the name in the section, or the number of
// its keys.
std::size_t IniFile::FindKey(const Section& section, std::string_view wanted, std::uint32_t hash) const {
    const std::vector<Key>& keys = section.keys;
    std::size_t i = 0;
    if (hash == 0) {
        while (i < keys.size() && !NamesEqual(View(keys[i].name), wanted)) ++i;
        return i;
    }
    if (section.index.empty()) {
        for (; i < keys.size(); ++i) {
            const Key& k = keys[i];
            const bool match = k.nameHash == hash ? AsciiNamesEqual(View(k.name), wanted)
                                                  : k.nameHash == 0 && NamesEqual(View(k.name), wanted);
            if (match) break;
        }
        return i;
    }
    std::size_t found = keys.size();
    const std::size_t mask = section.index.size() - 1;
    for (std::size_t slot = hash & mask; section.index[slot] != 0; slot = (slot + 1) & mask) {
        const Key& k = keys[section.index[slot] - 1];
        if (k.nameHash == hash && AsciiNamesEqual(View(k.name), wanted)) {
            found = section.index[slot] - 1;
            break;
        }
    }
    // A name with other bytes may still match; the first key of all wins.
    for (i = section.firstOther; i < found; ++i)
        if (keys[i].nameHash == 0 && NamesEqual(View(keys[i].name), wanted)) return i;
    return found;
}

void IniFile::AddKey(Section& section, const Key& key) {
    constexpr std::size_t IndexedFrom = 16;  // keys; fewer are found as fast one by one
    std::vector<Key>& keys = section.keys;
    if (keys.empty()) keys.reserve(8);  // most sections hold a handful of keys
    keys.push_back(key);
    const std::size_t at = keys.size() - 1;
    if (key.nameHash == 0) {
        section.firstOther = std::min(section.firstOther, at);
    } else if (keys.size() >= IndexedFrom && keys.size() * 2 > section.index.size()) {
        // Rebuilt in the order of the keys, so that the first of a name is the one indexed.
        section.index.assign(std::bit_ceil(keys.size() * 4), 0);
        for (std::size_t i = 0; i < keys.size(); ++i) IndexKey(section, i);
    } else if (!section.index.empty()) {
        IndexKey(section, at);
    }
}

void IniFile::IndexKey(Section& section, std::size_t at) {
    const Key& key = section.keys[at];
    if (key.nameHash == 0) return;
    const std::size_t mask = section.index.size() - 1;
    for (std::size_t slot = key.nameHash & mask;; slot = (slot + 1) & mask) {
        if (section.index[slot] == 0) {
            section.index[slot] = static_cast<std::uint32_t>(at + 1);
            return;
        }
        const Key& other = section.keys[section.index[slot] - 1];
        if (other.nameHash == key.nameHash && AsciiNamesEqual(View(other.name), View(key.name))) return;
    }
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const std::optional<std::string_view> value = Find(section, key);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::optional<std::string_view> IniFile::Find(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    const std::string_view wanted = Trim(key);
    const std::size_t at = FindKey(*found, wanted, AsciiFoldHash(wanted));
    if (at == found->keys.size() || !found->keys[at].hasValue) return std::nullopt;

    std::string_view value = View(found->keys[at].value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    // Blanks after a written value stay in the file until it is parsed again.
    value = TrimStart(value);
    Section* found = FindSection(section);
    if (!found) {
        AddSection(std::string(TrimStart(section)));
        found = &sections_.back();
    }
    const std::string_view wanted = Trim(key);
    const std::uint32_t hash = AsciiFoldHash(wanted);
    const std::size_t at = FindKey(*found, wanted, hash);
    if (at == found->keys.size()) {
        // The platform keeps blanks after a new key name; later lookups then miss it.
        const std::string_view name = TrimStart(key);
        const std::uint32_t nameHash = name.size() == wanted.size() ? hash : AsciiFoldHash(name);
        AddKey(*found, Key{Keep(name), Keep(value), true, nameHash});
        return true;
    }
    Key& existing = found->keys[at];
    if (existing.hasValue && View(existing.value) == value) return false;
    existing.value = Keep(value);
    existing.hasValue = true;
    return true;
}

// Set drops the blanks before a name and a value, and so does this.
void IniWriter::Section(std::string_view name) { text_.append("[").append(TrimStart(name)).append("]\r\n"); }

void IniWriter::Key(std::string_view key, std::string_view value) {
    text_.append(TrimStart(key)).append("=").append(TrimStart(value)).append("\r\n");
}
