#include "config/ConfigFile.h"
#include "config/ParseConfigLines.h"

void ApplyTextMode(std::string& text) {
    std::size_t end = text.find('\x1A');
    if (end != std::string::npos) text.resize(end);
    // CR LF pairs close up to LF; what lies between them moves down in place.
    char* const data = &text[0];
    std::size_t size = text.size(), read = 0, write = 0;
    for (;;) {
        const void* cr = std::memchr(data + read, '\r', size - read);
        std::size_t stop = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - data) : size;
        if (write != read) std::memmove(data + write, data + read, stop - read);
        write += stop - read;
        if (!cr) break;
        read = stop + 1;
        if (read == size || data[read] != '\n') data[write++] = '\r';
    }
    text.resize(write);
}

bool ParseConfigText(std::string text, ConfigStore& store) {
    if (text.empty()) return false;
    IgnoreParsedLines nobody;
    return ParseConfigLines(store.KeepText(std::move(text)), store, nobody);
}
