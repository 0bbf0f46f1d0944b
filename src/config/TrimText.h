#pragma once
#include <string>
#include <string_view>

// The UTF-8 byte-order mark, as editors put it at the head of a file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Removes UTF-8 byte-order marks from the very start of `text`, then whitespace from the left and/or
// right end as asked. Whitespace is exactly the C locale's isspace set, whatever locale the process has.
// The parser trims views of the file's text, several times a line; nothing is copied.
inline bool IsTrimWhitespace(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

inline std::string_view& TrimText(std::string_view& text, bool left, bool right) {
    while (text.size() >= ByteOrderMark.size() && std::string_view(text.data(), ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());
    if (left) {
        std::size_t first = 0;
        while (first < text.size() && IsTrimWhitespace(text[first])) ++first;
        text.remove_prefix(first);
    }
    if (right) {
        std::size_t end = text.size();
        while (end > 0 && IsTrimWhitespace(text[end - 1])) --end;
        text.remove_suffix(text.size() - end);
    }
    return text;
}

std::string& TrimText(std::string& text, bool left, bool right);
