#pragma once
#include <string>

#include "config/ConfigStore.h"

// Holds the settings file named at construction, read from the plugin's own folder, and answers
// lookups with a fallback default. Used from one thread; lookups change the store.
class ConfigReader {
public:
    explicit ConfigReader(const char* fileName);
    // The settings file at `path` itself, wherever it lies: for tools that check a file.
    struct AtPath {};
    ConfigReader(AtPath, std::string path);
    ConfigReader(const ConfigReader&) = delete;
    ConfigReader& operator=(const ConfigReader&) = delete;

    // A new 255-byte buffer, owned by the caller, holding the stored value with at most one quote
    // character (" or ') taken off each end, or a copy of `defaultText` where there is no usable value.
    // Texts longer than 254 bytes are cut to their first 254. Only the buffer's own allocation throws.
    char* LookupText(const char* section, const char* key, const char* defaultText);

    const ConfigStore& Store() const { return store; }

private:
    std::string path;
    ConfigStore store;
};

constexpr std::size_t TextBufferSize = 255;
