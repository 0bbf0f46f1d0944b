#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "config/ConfigStore.h"
#include "config/TrimText.h"

// The parser's one pass, with an observer that sees every line as written and how it was filed. The
// plugin's parser passes one that does nothing, so it compiles away; the settings checker passes one
// that looks for what the rules read otherwise than a modder meant.
struct IgnoreParsedLines {
    void LineRead(std::string_view) {}
    void HeaderRead(const std::string&) {}
    void EntryRead(const std::string&, const std::string&, bool) {}
};

namespace parse_detail {

// A ";" starts a comment wherever it stands; " //" only counts from its last occurrence. True when
// either cut the line.
inline bool CutComments(std::string& line) {
    std::size_t length = line.size();
    std::size_t semicolon = line.find(';');
    if (semicolon != std::string::npos) line.erase(semicolon);
    std::size_t slashes = line.rfind(" //");
    if (slashes != std::string::npos) line.erase(slashes);
    return line.size() != length;
}

inline bool IsSectionHeader(const std::string& line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace parse_detail

// Observer calls, per line: LineRead(bytes of the line), then for a header HeaderRead(trimmed name),
// for an entry EntryRead(key, value, whether a comment cut the line).
template <class Observer>
bool ParseConfigLines(std::string_view text, ConfigStore& store, Observer& observer) {
    if (text.empty()) return false;
    ConfigSection* current = nullptr;
    std::string line, key, value;
    std::size_t start = 0;
    while (start < text.size()) {
        const char* lf = static_cast<const char*>(std::memchr(text.data() + start, '\n', text.size() - start));
        std::size_t end = lf ? static_cast<std::size_t>(lf - text.data()) : text.size();
        line.assign(text.data() + start, end - start);
        observer.LineRead(std::string_view(text.data() + start, end - start));
        start = end + 1;

        bool cutByComment = parse_detail::CutComments(line);
        if (TrimText(line, true, true).empty()) continue;

        if (parse_detail::IsSectionHeader(line)) {
            key.assign(line, 1, line.size() - 2);
            current = &store.FindOrAddSection(TrimText(key, true, true));
            observer.HeaderRead(key);
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
        observer.EntryRead(key, value, cutByComment);
        section.AddEntryIfAbsent(std::move(key), std::move(value));
    }
    return true;
}
