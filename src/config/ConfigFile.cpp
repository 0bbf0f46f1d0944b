#include <cstdio>
#include <memory>

#include "config/ConfigFile.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Binary mode: text mode is ours (ApplyTextMode), not the C runtime's. The runtime's fopen shares
// the file for reading and writing, so a file that an editor holds open is still read.
std::string ReadWholeFile(std::FILE* file) {
    std::string bytes;
    char chunk[16384];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    return bytes;
}

}  // namespace

bool LoadConfigFile(const char* path, ConfigStore& store) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) return false;
    std::string text = ApplyTextMode(ReadWholeFile(file.get()));
    file.reset();
    return ParseConfigText(text, store);
}
