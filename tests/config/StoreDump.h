#pragma once
#include <cstdio>
#include <string>
#include <string_view>

#include "config/ConfigStore.h"

// The store as readable text: "[name]" then "key=value" lines, bytes outside printable ASCII as \xHH.
inline std::string Escaped(std::string_view bytes) {
    std::string out;
    for (unsigned char byte : bytes) {
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += static_cast<char>(byte);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

inline std::string DumpStore(const ConfigStore& store) {
    std::string dump;
    for (const auto& [name, section] : store.Sections()) {
        dump += "[" + Escaped(name) + "]\n";
        for (const auto& [key, value] : section.Entries()) dump += Escaped(key) + "=" + Escaped(value) + "\n";
    }
    return dump;
}
