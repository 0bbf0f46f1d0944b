// The settings file is sought beside the library that reads it: not beside the executable, not in
// the current folder. The probe library lies in a folder of its own; each folder gets a settings file.
#include <windows.h>

#include <cstdio>
#include <string>

#include "WineCheck.h"

namespace {

void WriteSettings(const std::string& folder, const char* title) {
    std::FILE* file = std::fopen((folder + "Brevantix.ini").c_str(), "wb");
    std::fprintf(file, "[Song1]\nTitle = \"%s\"\n", title);
    std::fclose(file);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

}  // namespace

int main() {
    char exePath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exePath, MAX_PATH);
    const std::string exeFolder = FolderOf(exePath);
    const std::string probeFolder = exeFolder + "probe.folder\\with spaces\\";
    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, current);
    Check(exeFolder != std::string(current) + "\\", "the current folder is not the executable's");

    WriteSettings(exeFolder, "beside the executable");
    WriteSettings(std::string(current) + "\\", "in the current folder");
    WriteSettings(probeFolder, "beside the library");

    HMODULE probe = LoadLibraryA((probeFolder + "config-path-probe.dll").c_str());
    Check(probe != nullptr, "the probe library loads");
    if (!probe) return 1;
    auto probeSettings = reinterpret_cast<void (*)(char*, std::size_t, char*, std::size_t)>(
        reinterpret_cast<void*>(GetProcAddress(probe, "ProbeSettings")));
    char path[1024] = "", title[256] = "";
    probeSettings(path, sizeof path, title, sizeof title);
    Check(std::string(path) == probeFolder + "Brevantix.ini", std::string("the path is beside the library: ") + path);
    Check(std::string(title) == "beside the library", std::string("the file beside the library is read: ") + title);
    return CheckResult();
}
