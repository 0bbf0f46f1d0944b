#include "config/ConfigFile.h"
#include "config/ParseConfigLines.h"

std::string ApplyTextMode(std::string_view bytes) {
    std::size_t end = bytes.find('\x1A');
    if (end != std::string_view::npos) bytes = bytes.substr(0, end);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text.push_back(bytes[i]);
    }
    return text;
}

bool ParseConfigText(std::string_view text, ConfigStore& store) {
    IgnoreParsedLines nobody;
    return ParseConfigLines(text, store, nobody);
}
