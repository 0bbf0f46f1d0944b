#pragma once
#include <cstring>
#include <forward_list>
#include <map>
#include <new>
#include <utility>
#include <string>
#include <string_view>

#include "config/StoreArena.h"

// Names and keys compare byte by byte as unsigned bytes, so "title" is not "Title". Written out: most
// keys differ within their first bytes, where a call to memcmp would cost more than the comparison.
struct ByteOrder {
    bool operator()(std::string_view a, std::string_view b) const noexcept {
        std::size_t common = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < common; ++i)
            if (a[i] != b[i]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
        return a.size() < b.size();
    }
};

// One section of the settings file: key text to value text. Keys and values are views of a settings
// text that the store keeps.
class ConfigSection {
public:
    using EntryMap = std::map<std::string_view, std::string_view, ByteOrder,
                              StoreAllocator<std::pair<const std::string_view, std::string_view>>>;

    explicit ConfigSection(StoreArena& arena) : entries(EntryMap::allocator_type(arena)) {}

    // The first value given for a key stays; later ones are dropped. Both are views of a text that the
    // store keeps (ConfigStore::KeepText).
    void AddEntryIfAbsent(std::string_view key, std::string_view value) {
        auto at = entries.lower_bound(key);
        if (at == entries.end() || at->first != key) entries.emplace_hint(at, key, value);
    }

    // The stored value itself, so a lookup can shorten it in place; null when the key is absent.
    std::string_view* FindValue(std::string_view key) {
        auto found = entries.find(key);
        return found == entries.end() ? nullptr : &found->second;
    }

    const EntryMap& Entries() const { return entries; }

private:
    EntryMap entries;
};

// The parsed settings: section name to section. Entries above the first header, and under "[]",
// live in the section whose name is the empty text. The store keeps the settings texts that its
// entries point into, and holds every map node and section name in one arena that grows by large
// blocks and is released whole: allocating and freeing hundreds of thousands of small blocks one by
// one would cost more than the parse. Nothing in the maps needs its destructor but to give memory back
// to the arena, so the maps are never walked to destroy them.
class ConfigStore {
public:
    using SectionMap = std::map<std::string_view, ConfigSection, ByteOrder,
                                StoreAllocator<std::pair<const std::string_view, ConfigSection>>>;

    ConfigStore()
        : sections(*new (arena.Allocate(sizeof(SectionMap), alignof(SectionMap)))
                       SectionMap(SectionMap::allocator_type(arena))) {}
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    // A section's name is copied into the store when the section is added.
    ConfigSection& FindOrAddSection(std::string_view name) {
        auto at = sections.lower_bound(name);
        if (at == sections.end() || at->first != name) {
            char* copy = static_cast<char*>(arena.Allocate(name.size(), 1));
            if (!name.empty()) std::memcpy(copy, name.data(), name.size());
            std::string_view kept(copy, name.size());
            at = sections.emplace_hint(at, std::piecewise_construct, std::forward_as_tuple(kept),
                                     std::forward_as_tuple(arena));
        }
        return at->second;
    }

    // Takes a settings text into the store, for entries to point into; it stays in place until the
    // store goes.
    std::string_view KeepText(std::string&& text) {
        texts.push_front(std::move(text));
        return texts.front();
    }

    const SectionMap& Sections() const { return sections; }

private:
    StoreArena arena;
    SectionMap& sections;
    std::forward_list<std::string> texts;
};
