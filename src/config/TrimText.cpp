#include "config/TrimText.h"

std::string& TrimText(std::string& text, bool left, bool right) {
    std::string_view kept(text);
    TrimText(kept, left, right);
    text.erase(static_cast<std::size_t>(kept.data() - text.data()) + kept.size());
    text.erase(0, static_cast<std::size_t>(kept.data() - text.data()));
    return text;
}
