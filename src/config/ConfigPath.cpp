#include "config/ConfigPath.h"

std::string ConfigPathBeside(std::string_view modulePath, const char* fileName) {
    std::size_t backslash = modulePath.rfind('\\');
    std::string path;
    if (backslash != std::string_view::npos) path.assign(modulePath.substr(0, backslash + 1));
    path.append(fileName);
    return path;
}

std::string ResolveConfigPath(const char* fileName) {
    return ConfigPathBeside(OwnModulePath(), fileName);
}
