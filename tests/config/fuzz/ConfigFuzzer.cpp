// Arbitrary bytes as the settings file: read from disk with text mode, parsed, and then the 104 lookups
// the installer makes. Every result must be a NUL-terminated text of at most 254 bytes, and the default
// must come back exactly where the stored value gives none.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
