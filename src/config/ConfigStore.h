#pragma once
#include <map>
#include <string>

// One section of the settings file: key text to value text. Keys compare byte by byte as unsigned
// bytes (std::string's ordering), so "title" is not "Title".
class ConfigSection {
public:
    // The first value given for a key stays; later ones are dropped.
    void AddEntryIfAbsent(std::string&& key, std::string&& value) {
        entries.emplace(std::move(key), std::move(value));
    }

    // The stored value itself, so a lookup can shorten it in place; null when the key is absent.
    std::string* FindValue(const std::string& key) {
        auto found = entries.find(key);
        return found == entries.end() ? nullptr : &found->second;
    }

    const std::map<std::string, std::string>& Entries() const { return entries; }

private:
    std::map<std::string, std::string> entries;
};

// The parsed settings: section name to section. Entries above the first header, and under "[]",
// live in the section whose name is the empty text.
class ConfigStore {
public:
    ConfigSection& FindOrAddSection(const std::string& name) { return sections[name]; }

    const std::map<std::string, ConfigSection>& Sections() const { return sections; }

private:
    std::map<std::string, ConfigSection> sections;
};
