// Arbitrary bytes as the settings file: read from disk with text mode, parsed, and then the 104 lookups
// the installer makes. The store must hold what a plain, slow reading of the rules gives; every result
// must be a NUL-terminated text of at most 254 bytes, and the default must come back exactly where the
// stored value gives none.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "config/ConfigReader.h"
#include "patch/TrackDefaultTable.h"

namespace {

// What a lookup must give for the value as it stood, from the rules alone: no value, an empty one or a
// lone quote give the default; otherwise one quote off each end, the text up to its first NUL, cut to 254.
std::string ExpectedText(const std::optional<std::string>& stored, const char* defaultText) {
    auto isQuote = [](char byte) { return byte == '"' || byte == '\''; };
    std::string text = defaultText;
    if (stored && !stored->empty() && !(stored->size() == 1 && isQuote((*stored)[0]))) {
        text = *stored;
        if (isQuote(text.front())) text.erase(0, 1);
        if (!text.empty() && isQuote(text.back())) text.pop_back();
        text = text.c_str();
    }
    return text.substr(0, 254);
}

// The value as it stands before its lookup shortens it.
std::optional<std::string> StoredValue(const ConfigStore& store, const char* section, const char* key) {
    auto inSection = store.Sections().find(section);
    if (inSection == store.Sections().end()) return std::nullopt;
    auto entry = inSection->second.Entries().find(key);
    if (entry == inSection->second.Entries().end()) return std::nullopt;
    return std::string(entry->second);
}

// The grammar read the slow, obvious way, with copies everywhere, as an independent account of what
// the store must hold.
using PlainStore = std::map<std::string, std::map<std::string, std::string>>;

std::string PlainTrim(std::string text, bool left, bool right) {
    while (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    if (left) while (!text.empty() && space(text.front())) text.erase(0, 1);
    if (right) while (!text.empty() && space(text.back())) text.pop_back();
    return text;
}

PlainStore PlainParse(const std::uint8_t* data, std::size_t size) {
    std::string text;
    for (std::size_t i = 0; i < size && data[i] != 0x1A; ++i)
        if (!(data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')) text += static_cast<char>(data[i]);
    PlainStore store;
    std::string section;
    bool inSection = false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t lf = text.find('\n', start);
        std::string line = text.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        start = lf == std::string::npos ? text.size() : lf + 1;
        if (line.find(';') != std::string::npos) line.erase(line.find(';'));
        if (line.rfind(" //") != std::string::npos) line.erase(line.rfind(" //"));
        line = PlainTrim(line, true, true);
        if (line.empty()) continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = PlainTrim(line.substr(1, line.size() - 2), true, true);
            inSection = true;
            store[section];
            continue;
        }
        std::size_t equals = line.find('=');
        std::string key = equals == std::string::npos ? line : PlainTrim(line.substr(0, equals), false, true);
        std::string value = equals == std::string::npos ? "" : PlainTrim(line.substr(equals + 1), true, false);
        store[inSection ? section : std::string()].emplace(key, value);
    }
    return store;
}

bool SameStore(const ConfigStore& store, const PlainStore& plain) {
    if (store.Sections().size() != plain.size()) return false;
    auto expected = plain.begin();
    for (const auto& [name, section] : store.Sections()) {
        if (name != expected->first || section.Entries().size() != expected->second.size()) return false;
        auto entry = expected->second.begin();
        for (const auto& [key, value] : section.Entries())
            if (key != entry->first || value != entry->second) return false;
            else ++entry;
        ++expected;
    }
    return true;
}

const std::string& SettingsPath() {
    static const std::string path = "/tmp/brevantix-fuzz-" + std::to_string(getpid()) + ".ini";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(SettingsPath().c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    ConfigReader reader(SettingsPath().c_str());
    if (!SameStore(reader.Store(), PlainParse(data, size))) std::abort();
    for (const TrackDefaults& row : TrackDefaultTable) {
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            std::optional<std::string> stored = StoredValue(reader.Store(), row.section, TrackKeys[field]);
            std::unique_ptr<char[]> result(reader.LookupText(row.section, TrackKeys[field], row.texts[field]));
            std::size_t length = strnlen(result.get(), TextBufferSize);
            if (length > TextBufferSize - 1) std::abort();
            if (std::string(result.get()) != ExpectedText(stored, row.texts[field])) std::abort();
        }
    }
    std::remove(SettingsPath().c_str());
    return 0;
}
