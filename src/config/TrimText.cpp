#include "config/TrimText.h"

namespace {

bool IsTrimWhitespace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

}  // namespace

std::string& TrimText(std::string& text, bool left, bool right) {
    std::size_t marks = 0;
    while (text.size() - marks >= ByteOrderMark.size() &&
           text.compare(marks, ByteOrderMark.size(), ByteOrderMark.data(), ByteOrderMark.size()) == 0)
        marks += ByteOrderMark.size();
    text.erase(0, marks);
    if (left) {
        std::size_t first = 0;
        while (first < text.size() && IsTrimWhitespace(text[first])) ++first;
        text.erase(0, first);
    }
    if (right) {
        std::size_t end = text.size();
        while (end > 0 && IsTrimWhitespace(text[end - 1])) --end;
        text.erase(end);
    }
    return text;
}
