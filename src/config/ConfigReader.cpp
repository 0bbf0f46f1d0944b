#include "config/ConfigReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "config/ConfigFile.h"
#include "config/ConfigPath.h"

namespace {

bool IsQuote(char byte) { return byte == '"' || byte == '\''; }

// Copies `length` bytes, at most what the buffer holds before its terminating NUL.
char* CopyIntoBuffer(char* buffer, const char* text, std::size_t length) {
    length = std::min(length, TextBufferSize - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return buffer;
}

}  // namespace

ConfigReader::ConfigReader(const char* fileName) : ConfigReader(AtPath{}, ResolveConfigPath(fileName)) {}

ConfigReader::ConfigReader(AtPath, std::string filePath) : path(std::move(filePath)) {
    LoadConfigFile(path.c_str(), store);
}

char* ConfigReader::LookupText(const char* section, const char* key, const char* defaultText) {
    char* buffer = new char[TextBufferSize];
    // The one error boundary of the settings reader: whatever goes wrong here gives the default.
    try {
        std::string_view* value = store.FindOrAddSection(section).FindValue(key);
        if (value) {
            // Range-tested reads: an empty value, or one emptied by its only quote, throws and falls
            // back to the default; the emptied value stays in the store.
            if (IsQuote(value->at(0))) value->remove_prefix(1);
            if (IsQuote(value->at(value->size() - 1))) value->remove_suffix(1);
            std::string_view text = value->substr(0, value->find('\0'));  // a C text ends at its first NUL
            return CopyIntoBuffer(buffer, text.data(), text.size());
        }
    } catch (...) {
    }
    return CopyIntoBuffer(buffer, defaultText, std::strlen(defaultText));
}
