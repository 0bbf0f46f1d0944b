#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What the settings reader silently reads otherwise than a modder most likely meant.
enum class WarningKind {
    SectionCase,         // [song3]: a track section but for the letter case
    KeyCase,             // title in a track section
    KeyNotRead,          // any other key in a track section
    TrackKeyOutside,     // Title, Artist, Album or PlayIn outside the track sections
    HeaderWithText,      // a line that opens like a header but is read as an entry
    CommentInQuotes,     // a ";" or " //" cut a value that opened with a quote
    EmptyValue,          // gives the default, not the empty text
    OneQuoteValue,       // a lone quote character gives the default
    QuoteAtOneEnd,       // only that quote is taken off
    DuplicateKey,        // the later value is dropped
    ValueTooLong,        // only the first 254 bytes reach the game
    MarkInside,          // a byte-order mark not at the head of the file
    TextEndsEarly,       // a 0x1A byte hid the bytes after it
};

struct SettingsWarning {
    std::size_t line;  // 1 for the first line of the file
    std::string lineText;  // the line as written, without its line end
    WarningKind kind;
    std::string message;
};

// The warnings for a settings file's bytes, in line order.
std::vector<SettingsWarning> FindSettingsWarnings(std::string_view fileBytes);
