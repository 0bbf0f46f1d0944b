#pragma once
#include <string>
#include <string_view>

// The settings file's path: the folder of the plugin's own module file (up to and including its last
// backslash) followed by `fileName`; `fileName` alone when the module path holds no backslash.
std::string ConfigPathBeside(std::string_view modulePath, const char* fileName);

// ConfigPathBeside for the module that holds this code.
std::string ResolveConfigPath(const char* fileName);

// The full path of the module that holds this code, or the empty text when the platform can't tell.
std::string OwnModulePath();
