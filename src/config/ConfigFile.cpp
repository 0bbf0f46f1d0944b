#include <cstdio>
#include <memory>

#include "config/ConfigFile.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

// Binary mode: text mode is ours (ApplyTextMode), not the C runtime's. The runtime's fopen shares
// the file for reading and writing, so a file that an editor holds open is still read.
ConfigFileBytes ReadConfigFileBytes(const char* path) {
    ConfigFileBytes file;
    std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(path, "rb"));
    if (!stream) return file;
    file.opened = true;
    char chunk[16384];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream.get())) > 0) file.bytes.append(chunk, got);
    file.complete = !std::ferror(stream.get());
    return file;
}

bool LoadConfigFile(const char* path, ConfigStore& store) {
    ConfigFileBytes file = ReadConfigFileBytes(path);
    return file.opened && ParseConfigText(ApplyTextMode(file.bytes), store);
}
