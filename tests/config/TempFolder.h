#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

// Runs a test inside a fresh folder of its own, so settings files written there never meet.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "brevantix-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    ~TempFolder() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }

    static void Write(const char* name, const std::string& bytes) {
        std::FILE* file = std::fopen(name, "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

private:
    std::filesystem::path folder, previous;
};
