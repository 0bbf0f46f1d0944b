#pragma once
#include <cstdio>
#include <string>

// The Windows test programs' one check: prints each result, counts the failures for the exit status.
inline int& CheckFailures() {
    static int failures = 0;
    return failures;
}

inline void Check(bool ok, const std::string& what) {
    if (!ok) ++CheckFailures();
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what.c_str());
}

inline int CheckResult() {
    std::printf("%d failed\n", CheckFailures());
    return CheckFailures() == 0 ? 0 : 1;
}
