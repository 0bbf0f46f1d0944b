#pragma once
#include <string>
#include <string_view>

#include "config/ConfigStore.h"

struct ConfigFileBytes {
    bool opened = false;    // false when the file could not be opened
    bool complete = false;  // false when reading stopped at an error; `bytes` holds what came before
    std::string bytes;
};

// The file's bytes as they are stored.
ConfigFileBytes ReadConfigFileBytes(const char* path);

// Reads the settings file whole, applies text mode and parses it into `store`. False when the file
// could not be opened or held no text; the store is then untouched.
bool LoadConfigFile(const char* path, ConfigStore& store);

// Text mode on the file's own bytes, in place, so every platform reads a file alike: CR LF reads as
// LF, a lone CR stays, and a 0x1A byte ends the text.
void ApplyTextMode(std::string& bytes);

// Files every line of `text` as a section header or an entry; the store keeps the text. False, with
// the store untouched, for an empty text.
bool ParseConfigText(std::string text, ConfigStore& store);
