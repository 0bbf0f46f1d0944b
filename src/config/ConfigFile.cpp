#include <cstdio>
#include <memory>
#include <utility>

#include "config/ConfigFile.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's size where the platform tells it, so the bytes land in one block; 0 otherwise. Some
// platforms give a folder a huge size: a size beyond any settings file is no hint.
std::size_t SizeHint(std::FILE* file) {
    constexpr long LargestHint = 1L << 30;
    if (std::fseek(file, 0, SEEK_END) != 0) return 0;
    long size = std::ftell(file);
    std::rewind(file);
    return size > 0 && size <= LargestHint ? static_cast<std::size_t>(size) : 0;
}

}  // namespace

// Binary mode: text mode is ours (ApplyTextMode), not the C runtime's. The runtime's fopen shares
// the file for reading and writing, so a file that an editor holds open is still read.
ConfigFileBytes ReadConfigFileBytes(const char* path) {
    ConfigFileBytes file;
    std::unique_ptr<std::FILE, FileCloser> stream(std::fopen(path, "rb"));
    if (!stream) return file;
    file.opened = true;
    // One byte more than the size, so that the end shows without growing; a file that grows meanwhile
    // is read on to its end.
    std::string& bytes = file.bytes;
    bytes.resize(SizeHint(stream.get()) + 1);
    std::size_t got = 0;
    while ((got += std::fread(&bytes[got], 1, bytes.size() - got, stream.get())) == bytes.size())
        bytes.resize(bytes.size() * 2);
    bytes.resize(got);
    file.complete = !std::ferror(stream.get());
    return file;
}

bool LoadConfigFile(const char* path, ConfigStore& store) {
    ConfigFileBytes file = ReadConfigFileBytes(path);
    if (!file.opened) return false;
    ApplyTextMode(file.bytes);
    return ParseConfigText(std::move(file.bytes), store);
}
