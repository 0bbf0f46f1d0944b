// attach-benchmark PLUGIN EMPTY [ROUNDS]: what loading the plugin costs a host set up as the stand-in
// host sets itself up (supported entry point, track table in place, read-only), against an empty DLL
// built with the same toolchain and flags. The two are loaded in turn, in the same process: load,
// time, FreeLibrary, each round in the other order. Prints the medians [min, max] and the ratio,
// each ratio from one round.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "HostImage.h"
#include "entry/HostCheck.h"

namespace {

double LoadMilliseconds(const char* path) {
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    HMODULE module = LoadLibraryA(path);
    QueryPerformanceCounter(&stop);
    if (!module) {
        std::fprintf(stderr, "attach-benchmark: cannot load %s (error %lu)\n", path, GetLastError());
        std::exit(1);
    }
    FreeLibrary(module);
    return 1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Spread {
    double median, min, max;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return {n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(), values.back()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: attach-benchmark PLUGIN EMPTY [ROUNDS]\n");
        return 2;
    }
    const char *plugin = argv[1], *empty = argv[2];
    int rounds = argc == 4 ? std::atoi(argv[3]) : 31;
    if (rounds < 1) rounds = 31;
    const char* failure = nullptr;
    if (!PrepareHostImage(SupportedHostEntryPoint, PAGE_READONLY, &failure)) {
        std::fprintf(stderr, "attach-benchmark: %s\n", failure);
        return 3;
    }
    // The first loads read the files from disk; they are not counted.
    LoadMilliseconds(plugin);
    LoadMilliseconds(empty);

    std::vector<double> pluginTimes, emptyTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        double pluginTime, emptyTime;
        if (round % 2) {
            emptyTime = LoadMilliseconds(empty);
            pluginTime = LoadMilliseconds(plugin);
        } else {
            pluginTime = LoadMilliseconds(plugin);
            emptyTime = LoadMilliseconds(empty);
        }
        pluginTimes.push_back(pluginTime);
        emptyTimes.push_back(emptyTime);
        ratios.push_back(pluginTime / emptyTime);
    }
    Spread p = SpreadOf(pluginTimes), e = SpreadOf(emptyTimes), r = SpreadOf(ratios);
    std::printf("plugin %.3f ms [%.3f, %.3f]  empty DLL %.3f ms [%.3f, %.3f]  ratio %.2f [%.2f, %.2f]  (%d rounds)\n",
                p.median, p.min, p.max, e.median, e.min, e.max, r.median, r.min, r.max, rounds);
    return 0;
}
