#pragma once
#include <cstring>
#include <string_view>

#include "config/ConfigStore.h"
#include "config/TrimText.h"

// The parser's one pass, with an observer that sees every line as written and how it was filed. The
// plugin's parser passes one that does nothing, so it compiles away; the settings checker passes one
// that looks for what the rules read otherwise than a modder meant.
struct IgnoreParsedLines {
    void LineRead(std::string_view) {}
    void HeaderRead(std::string_view) {}
    void EntryRead(std::string_view, std::string_view, bool) {}
};

namespace parse_detail {

inline const char* Find(const char* from, const char* end, char byte) {
    return static_cast<const char*>(std::memchr(from, byte, static_cast<std::size_t>(end - from)));
}

// A ";" starts a comment wherever it stands; " //" only counts from its last occurrence. True when
// either cut the line. The slashes are sought forwards with memchr: most lines hold none.
inline bool CutComments(std::string_view& line) {
    const char* begin = line.data();
    const char* end = begin + line.size();
    if (const char* semicolon = Find(begin, end, ';')) end = semicolon;
    const char* comment = nullptr;
    for (const char* slash = begin; (slash = Find(slash, end, '/')); ++slash)
        if (slash > begin && slash[-1] == ' ' && slash + 1 < end && slash[1] == '/') comment = slash - 1;
    if (comment) end = comment;
    bool cut = end != begin + line.size();
    line = std::string_view(begin, static_cast<std::size_t>(end - begin));
    return cut;
}

inline bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

}  // namespace parse_detail

// Observer calls, per line: LineRead(bytes of the line), then for a header HeaderRead(trimmed name),
// for an entry EntryRead(key, value, whether a comment cut the line). Lines, names, keys and values
// are views of `text`, which must outlive the store (ConfigStore::KeepText keeps a text for it).
template <class Observer>
bool ParseConfigLines(std::string_view text, ConfigStore& store, Observer& observer) {
    if (text.empty()) return false;
    ConfigSection* current = nullptr;
    const char* start = text.data();
    const char* const end = start + text.size();
    while (start < end) {
        const char* lf = parse_detail::Find(start, end, '\n');
        std::string_view line(start, static_cast<std::size_t>((lf ? lf : end) - start));
        observer.LineRead(line);
        start = lf ? lf + 1 : end;

        bool cutByComment = parse_detail::CutComments(line);
        if (TrimText(line, true, true).empty()) continue;

        if (parse_detail::IsSectionHeader(line)) {
            std::string_view name(line.data() + 1, line.size() - 2);
            current = &store.FindOrAddSection(TrimText(name, true, true));
            observer.HeaderRead(name);
            continue;
        }
        std::string_view key = line, value;
        if (const char* equals = parse_detail::Find(line.data(), line.data() + line.size(), '=')) {
            std::size_t at = static_cast<std::size_t>(equals - line.data());
            key = std::string_view(line.data(), at);
            TrimText(key, false, true);
            value = std::string_view(line.data() + at + 1, line.size() - at - 1);
            TrimText(value, true, false);
        }
        ConfigSection& section = current ? *current : store.FindOrAddSection(std::string_view());
        observer.EntryRead(key, value, cutByComment);
        section.AddEntryIfAbsent(key, value);
    }
    return true;
}
