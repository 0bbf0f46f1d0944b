// The settings file as Windows shares it: a file that another handle holds open for writing is still
// read; one held with no sharing at all reads as missing, so every default applies.
#include <windows.h>

#include <cstdio>

#include "config/ConfigFile.h"
#include "WineCheck.h"

namespace {

HANDLE HoldOpen(const char* path, DWORD share) {
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

}  // namespace

int main() {
    const char* path = "held-open.ini";
    std::FILE* file = std::fopen(path, "wb");
    std::fputs("[Song1]\r\nTitle = \"Held\"\r\n", file);
    std::fclose(file);

    HANDLE writer = HoldOpen(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    Check(writer != INVALID_HANDLE_VALUE, "another handle holds the file open for writing");
    ConfigStore shared;
    Check(LoadConfigFile(path, shared), "the file is still read");
    Check(shared.FindOrAddSection("Song1").FindValue("Title") &&
              *shared.FindOrAddSection("Song1").FindValue("Title") == "\"Held\"",
          "its entry is in the store");
    CloseHandle(writer);

    HANDLE exclusive = HoldOpen(path, 0);
    Check(exclusive != INVALID_HANDLE_VALUE, "another handle holds the file with no sharing");
    ConfigStore locked;
    Check(!LoadConfigFile(path, locked) && locked.Sections().empty(), "the file reads as missing");
    CloseHandle(exclusive);

    DeleteFileA(path);
    return CheckResult();
}
