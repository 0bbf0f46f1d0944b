// A test library that reads the settings file the way the plugin does, from wherever it is loaded.
#include <cstring>
#include <memory>

#include "config/ConfigPath.h"
#include "config/ConfigReader.h"

extern "C" __declspec(dllexport) void ProbeSettings(char* path, std::size_t pathSize, char* title, std::size_t titleSize) {
    std::strncpy(path, ResolveConfigPath("Brevantix.ini").c_str(), pathSize - 1);
    ConfigReader reader("Brevantix.ini");
    std::unique_ptr<char[]> text(reader.LookupText("Song1", "Title", "<default>"));
    std::strncpy(title, text.get(), titleSize - 1);
}
