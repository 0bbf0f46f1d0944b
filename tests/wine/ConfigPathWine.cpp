// The settings file is sought beside the library that reads it: not beside the executable, not in
// the current folder. The probe library lies in a folder of its own; each folder gets a settings file.
#include <windows.h>

#include <string>

#include "WineCheck.h"

namespace {

// Wide paths throughout: the ANSI calls stop at MAX_PATH.
std::wstring Wide(const std::string& path) { return std::wstring(path.begin(), path.end()); }

void WriteSettings(const std::string& folder, const char* title) {
    std::string text = std::string("[Song1]\nTitle = \"") + title + "\"\n";
    HANDLE file = CreateFileW(Wide(folder + "Brevantix.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    Check(file != INVALID_HANDLE_VALUE && WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr),
          "a settings file is written in " + folder.substr(0, 60));
    CloseHandle(file);
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\') + 1); }

using ProbeSettings = void (*)(char*, std::size_t, char*, std::size_t);

ProbeSettings ProbeOf(HMODULE probe) {
    return reinterpret_cast<ProbeSettings>(reinterpret_cast<void*>(GetProcAddress(probe, "ProbeSettings")));
}

// A plugin folder deeper than MAX_PATH: loaders that load by wide path can put the plugin there, and
// it must still find its settings file beside itself.
void ProbeFromALongFolder(const std::string& probeFolder) {
    std::string folder = probeFolder;
    for (char part : {'a', 'b', 'c'}) {
        folder += std::string(100, part) + "\\";
        CreateDirectoryW(Wide(folder).c_str(), nullptr);
    }
    Check(folder.size() > MAX_PATH, "the long folder's path has " + std::to_string(folder.size()) + " bytes");
    CopyFileW(Wide(probeFolder + "config-path-probe.dll").c_str(), Wide(folder + "config-path-probe.dll").c_str(), FALSE);
    WriteSettings(folder, "beside the library in a long folder");
    std::string library = folder + "config-path-probe.dll";
    HMODULE probe = LoadLibraryW(Wide(library).c_str());
    Check(probe != nullptr, "the probe library loads from the long folder");
    if (!probe) return;
    char path[1024] = "", title[256] = "";
    ProbeOf(probe)(path, sizeof path, title, sizeof title);
    Check(std::string(path) == folder + "Brevantix.ini", "the path is beside the library in the long folder");
    Check(std::string(title) == "beside the library in a long folder",
          std::string("the file beside the library in the long folder is read: ") + title);
}

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
    char path[1024] = "", title[256] = "";
    ProbeOf(probe)(path, sizeof path, title, sizeof title);
    Check(std::string(path) == probeFolder + "Brevantix.ini", std::string("the path is beside the library: ") + path);
    Check(std::string(title) == "beside the library", std::string("the file beside the library is read: ") + title);
    FreeLibrary(probe);

    ProbeFromALongFolder(probeFolder);
    return CheckResult();
}
