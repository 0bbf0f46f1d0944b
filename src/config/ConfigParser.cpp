#include <cstring>

#include "config/ConfigFile.h"
#include "config/TrimText.h"

namespace {

// A ";" starts a comment wherever it stands; " //" only counts from its last occurrence.
void CutComments(std::string& line) {
    std::size_t semicolon = line.find(';');
    if (semicolon != std::string::npos) line.erase(semicolon);
    std::size_t slashes = line.rfind(" //");
    if (slashes != std::string::npos) line.erase(slashes);
}

bool IsSectionHeader(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace

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
    if (text.empty()) return false;
    ConfigSection* current = nullptr;
    std::string line, key, value;
    std::size_t start = 0;
    while (start < text.size()) {
        const char* lf = static_cast<const char*>(std::memchr(text.data() + start, '\n', text.size() - start));
        std::size_t end = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
        line.assign(text.data() + start, end - start);
        start = end + 1;

        CutComments(line);
        if (TrimText(line, true, true).empty()) continue;

        if (IsSectionHeader(line)) {
            key.assign(line, 1, line.size() - 2);
            current = &store.FindOrAddSection(TrimText(key, true, true));
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            key = line;
            value.clear();
        } else {
            key.assign(line, 0, equals);
            TrimText(key, false, true);
            value.assign(line, equals + 1);
            TrimText(value, true, false);
        }
        ConfigSection& section = current ? *current : store.FindOrAddSection(std::string());
        section.AddEntryIfAbsent(std::move(key), std::move(value));
    }
    return true;
}
