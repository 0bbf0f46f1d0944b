#include <windows.h>

#include "config/ConfigPath.h"

std::string OwnModulePath() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&OwnModulePath), &self);
    // A plugin in a deep folder has a path past MAX_PATH: grow the buffer until the path fits, up to
    // the platform's own limit. A result that fills the buffer whole was cut.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::string path(size, '\0');
        DWORD length = GetModuleFileNameA(self, &path[0], size);
        if (length == 0) return std::string();
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    return std::string();
}
