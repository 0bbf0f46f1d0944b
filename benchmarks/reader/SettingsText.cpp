#include "SettingsText.h"

#include <cstdint>

namespace {

// splitmix64: small, and the same sequence wherever it runs.
class Random {
public:
    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    bool Chance(unsigned percent) { return Below(100) < percent; }

private:
    std::uint64_t state = 0x5EED;
};

const char* const Words[] = {"night", "drive", "static", "harbor", "neon", "orbit", "chrome", "engine", "velvet",
                             "signal", "garage", "marrow", "rain", "circuit", "radio", "lights", "track", "blue"};

void AppendWords(std::string& text, Random& random, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (i) text += ' ';
        text += Words[random.Below(sizeof Words / sizeof *Words)];
    }
}

}  // namespace

std::string PlausibleSettings(std::size_t size) {
    static const char* const Spacings[] = {"=", " = ", " =", "= ", "\t=\t", "  =  "};
    Random random;
    std::string text = "\xEF\xBB\xBF; settings generated for the benchmark\r\n";
    for (std::size_t section = 1; text.size() < size; ++section) {
        text += "\r\n[Section" + std::to_string(section) + "]\r\n";
        std::size_t keys = 10 + random.Below(21);
        for (std::size_t key = 1; key <= keys; ++key) {
            if (random.Chance(10)) {
                text += "; ";
                AppendWords(text, random, 2 + random.Below(6));
                text += "\r\n";
            }
            if (random.Chance(10)) text += "    ";
            text += random.Chance(50) ? "Key" + std::to_string(key) : Words[random.Below(18)] + std::to_string(key);
            text += Spacings[random.Below(6)];
            bool quoted = random.Chance(20);
            if (quoted) text += '"';
            AppendWords(text, random, 1 + random.Below(5));
            if (quoted) text += '"';
            if (random.Chance(15)) text += " ; a trailing comment";
            else if (random.Chance(10)) text += " // a note";
            text += "\r\n";
        }
    }
    return text;
}

std::string OneLongLine(std::size_t size) { return "Key=" + std::string(size > 4 ? size - 4 : 0, 'v'); }

std::string OneByteLines(std::size_t size) {
    std::string text;
    text.reserve(size);
    while (text.size() + 2 <= size) text += "x\n";
    return text;
}

std::string OneKeySections(std::size_t sections) {
    std::string text;
    for (std::size_t i = 1; i <= sections; ++i) text += "[S" + std::to_string(i) + "]\nk=v\n";
    return text;
}

std::string DuplicateKeys(std::size_t size) {
    std::string text = "[Duplicates]\n";
    while (text.size() < size) text += "Key = the same key again\n";
    return text;
}
