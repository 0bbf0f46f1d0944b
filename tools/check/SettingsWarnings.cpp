#include "SettingsWarnings.h"

#include <algorithm>
#include <map>

#include "config/ConfigFile.h"
#include "config/ConfigReader.h"
#include "config/ParseConfigLines.h"
#include "config/TrimText.h"
#include "patch/TrackDefaultTable.h"

namespace {

bool IsQuote(char byte) { return byte == '"' || byte == '\''; }

bool SameButCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// The track whose section `name` spells in any letter case, or null.
const TrackDefaults* TrackSectionLike(std::string_view name) {
    for (const TrackDefaults& row : TrackDefaultTable)
        if (SameButCase(name, row.section)) return &row;
    return nullptr;
}

// The field (0 to 3) whose key `key` spells in any letter case, or TrackFieldCount.
std::size_t TrackFieldLike(std::string_view key) {
    std::size_t field = 0;
    while (field < TrackFieldCount && !SameButCase(key, TrackKeys[field])) ++field;
    return field;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Sees the parser's own pass and notes, line by line, what the plugin reads otherwise than meant.
class WarningCollector {
public:
    explicit WarningCollector(std::vector<SettingsWarning>& warnings) : warnings(warnings) {}

    void LineRead(std::string_view line) {
        ++lineNumber;
        lineText = line;
    }

    void HeaderRead(std::string_view name) {
        sectionName = name;
        const TrackDefaults* like = TrackSectionLike(name);
        trackRow = like && name == like->section ? like : nullptr;
        inMisspelledTrackSection = like && !trackRow;
        if (inMisspelledTrackSection)
            Warn(WarningKind::SectionCase, "section " + Quoted(name) + " is not read: section names match in exact "
                                           "letter case only, as in [" + like->section + "]");
    }

    void EntryRead(std::string_view key, std::string_view value, bool cutByComment) {
        auto first = firstLines.try_emplace(sectionName + '\0' + std::string(key), lineNumber);
        if (!first.second) {
            Warn(WarningKind::DuplicateKey, "key " + Quoted(key) + " is set already on line " +
                                                std::to_string(first.first->second) + ": this value is dropped");
            return;
        }
        if (!key.empty() && key.front() == '[') {
            Warn(WarningKind::HeaderWithText, "not a section header: a header line holds only [name] and perhaps a "
                                              "comment, so this line is read as an entry");
            return;
        }
        std::size_t field = TrackFieldLike(key);
        bool trackKey = field < TrackFieldCount;
        if (trackRow) {
            if (!trackKey)
                Warn(WarningKind::KeyNotRead, "key " + Quoted(key) + " is not read: a track section uses only Title, "
                                                                      "Artist, Album and PlayIn");
            else if (key != TrackKeys[field])
                Warn(WarningKind::KeyCase, "key " + Quoted(key) + " is not read: keys match in exact letter case only, "
                                                                   "as in " + TrackKeys[field]);
            else
                CheckTrackValue(value, cutByComment, trackRow->texts[field]);
        } else if (trackKey && !inMisspelledTrackSection) {
            Warn(WarningKind::TrackKeyOutside, "key " + Quoted(key) + " is not read: it stands outside the sections "
                                                                       "[Song1] to [Song26]");
        }
    }

private:
    // A value that the installer looks up, judged by the lookup's quote and length rules. An empty value
    // where the default is empty gives what it says.
    void CheckTrackValue(std::string_view value, bool cutByComment, const char* defaultText) {
        if (value.empty()) {
            if (*defaultText)
                Warn(WarningKind::EmptyValue, "an empty value gives the default text; write \"\" for an empty text");
            return;
        }
        bool opens = IsQuote(value.front()), closes = value.size() > 1 && IsQuote(value.back());
        if (cutByComment && opens && value.find(value.front(), 1) == std::string_view::npos) {
            Warn(WarningKind::CommentInQuotes, "a \";\" or \" //\" starts a comment even inside quotes: the value "
                                               "was cut to " + std::string(value));
        } else if (value.size() == 1 && opens) {
            Warn(WarningKind::OneQuoteValue, "a value of one quote character gives the default text");
        } else if (opens != closes) {
            Warn(WarningKind::QuoteAtOneEnd, "a quote at one end only: that quote is taken off, the other end "
                                             "stays as written");
        }
        std::string_view text = value.substr(opens, value.size() - opens - closes);
        text = text.substr(0, text.find('\0'));
        if (text.size() > TextBufferSize - 1)
            Warn(WarningKind::ValueTooLong, "the text is " + std::to_string(text.size()) +
                                                " bytes long: only its first " + std::to_string(TextBufferSize - 1) +
                                                " bytes are used");
    }

    void Warn(WarningKind kind, std::string message) {
        warnings.push_back({lineNumber, std::string(lineText), kind, std::move(message)});
    }

    std::vector<SettingsWarning>& warnings;
    std::size_t lineNumber = 0;
    std::string_view lineText;
    std::string sectionName;  // entries above the first header are in the section without a name
    const TrackDefaults* trackRow = nullptr;  // the track of the current section, if it is one
    bool inMisspelledTrackSection = false;
    std::map<std::string, std::size_t> firstLines;  // section, NUL, key: the line that set it
};

// The line that holds byte `position` of the text, without its line feed.
std::string_view LineAround(std::string_view text, std::size_t position) {
    std::size_t start = text.substr(0, position).rfind('\n');
    start = start == std::string_view::npos ? 0 : start + 1;
    std::size_t end = text.find('\n', position);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// Byte-order marks after the run of them at the head of the file: one warning for each line with any.
void FindInnerMarks(std::string_view text, std::vector<SettingsWarning>& warnings) {
    std::size_t head = 0;
    while (text.substr(head, ByteOrderMark.size()) == ByteOrderMark) head += ByteOrderMark.size();
    std::size_t line = 1, counted = 0, lastWarned = 0;
    for (std::size_t at = text.find(ByteOrderMark, head); at != std::string_view::npos; at = text.find(ByteOrderMark, at + 1)) {
        line += static_cast<std::size_t>(std::count(text.begin() + counted, text.begin() + at, '\n'));
        counted = at;
        if (line == lastWarned) continue;
        lastWarned = line;
        warnings.push_back({line, std::string(LineAround(text, at)), WarningKind::MarkInside,
                            "a byte-order mark inside the file: it is part of the text wherever it does not open "
                            "a line, a key or a value"});
    }
}

// Text mode ends the text at the first 0x1A byte; a last byte 0x1A hides nothing.
void FindEarlyEnd(std::string_view bytes, std::string_view text, std::vector<SettingsWarning>& warnings) {
    std::size_t end = bytes.find('\x1A');
    if (end == std::string_view::npos || end + 1 == bytes.size()) return;
    std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    warnings.push_back({line, std::string(LineAround(text, text.size())), WarningKind::TextEndsEarly,
                        "a 0x1A byte ends the text here: the " + std::to_string(bytes.size() - end - 1) +
                            " bytes after it are not read"});
}

}  // namespace

std::vector<SettingsWarning> FindSettingsWarnings(std::string_view fileBytes) {
    std::vector<SettingsWarning> warnings;
    std::string text(fileBytes);
    ApplyTextMode(text);
    ConfigStore store;
    WarningCollector collector(warnings);
    ParseConfigLines(text, store, collector);
    FindInnerMarks(text, warnings);
    FindEarlyEnd(fileBytes, text, warnings);
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const SettingsWarning& a, const SettingsWarning& b) { return a.line < b.line; });
    return warnings;
}
