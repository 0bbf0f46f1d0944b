#pragma once
#include <string>
#include <string_view>

// The UTF-8 byte-order mark, as editors put it at the head of a file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Removes UTF-8 byte-order marks from the very start of `text`, then whitespace from the left and/or
// right end as asked. Whitespace is exactly the C locale's isspace set, whatever locale the process has.
std::string& TrimText(std::string& text, bool left, bool right);
