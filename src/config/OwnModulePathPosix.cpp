#include "config/ConfigPath.h"

// Natively there is no plugin module: the settings file is sought in the current folder, as for a
// module path without a backslash.
std::string OwnModulePath() { return std::string(); }
