// make-settings SIZE: a plausible settings file of about SIZE bytes on standard output, the same bytes
// the reader benchmark uses; the attach benchmark puts one beside the plugin.
#include <cstdio>
#include <cstdlib>

#include "SettingsText.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::atol(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make-settings SIZE\n");
        return 2;
    }
    std::string text = PlausibleSettings(static_cast<std::size_t>(std::atol(argv[1])));
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
