// The settings reader's whole life (read, text mode, parse, store, the installer's 104 lookups,
// destruction) against inih's parse alone, SimpleIni's LoadData and the floor of one read plus one
// memchr pass, on the same bytes in the same run. Prints a table of medians over interleaved runs.
#include <benchmark/benchmark.h>
#include <ini.h>
#include <malloc.h>

// SimpleIni's narrow class stores UTF-8 as it is; its wide-character converters are not wanted here.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HeapMeter.h"
#include "SettingsText.h"
#include "config/ConfigReader.h"
#include "patch/InstallTrackTable.h"

namespace {

constexpr std::size_t KiB = 1024, MiB = 1024 * KiB;

struct Input {
    std::string name;
    std::string bytes;
    std::string path;  // the same bytes in a file, for those that read one
};

// ---- the contenders; each returns what it built, so that its destruction can stay outside the timing
// where the peer's figure is for its parse alone

std::size_t ReaderRun(const Input& input) {
    ConfigReader reader(ConfigReader::AtPath{}, input.path);
    InstallTracks(reader, [](std::uintptr_t, const char* text) { delete[] text; });
    return 0;
}

std::size_t ReaderEntries(const Input& input) {
    ConfigReader reader(ConfigReader::AtPath{}, input.path);
    std::size_t entries = 0;
    for (const auto& section : reader.Store().Sections()) entries += section.second.Entries().size();
    return entries;
}

int IgnoreEntry(void*, const char*, const char*, const char*) { return 1; }
int CountEntry(void* count, const char*, const char*, const char*) { return ++*static_cast<std::size_t*>(count), 1; }

int InihRun(const Input& input) { return ini_parse_string(input.bytes.c_str(), IgnoreEntry, nullptr); }

std::size_t InihEntries(const Input& input) {
    std::size_t entries = 0;
    ini_parse_string(input.bytes.c_str(), CountEntry, &entries);
    return entries;
}

std::unique_ptr<CSimpleIniA> SimpleIniRun(const Input& input) {
    auto ini = std::make_unique<CSimpleIniA>();
    ini->LoadData(input.bytes.data(), input.bytes.size());
    return ini;
}

std::size_t SimpleIniEntries(const Input& input) {
    auto ini = SimpleIniRun(input);
    CSimpleIniA::TNamesDepend sections;
    ini->GetAllSections(sections);
    std::size_t entries = 0;
    for (const auto& section : sections) entries += static_cast<std::size_t>(ini->GetSectionSize(section.pItem));
    return entries;
}

std::string FloorRun(const Input& input) {
    std::string bytes;
    std::FILE* file = std::fopen(input.path.c_str(), "rb");
    bytes.resize(input.bytes.size());
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    std::size_t lines = 0;
    while ((at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at))))) ++at, ++lines;
    benchmark::DoNotOptimize(lines);
    return bytes;
}

// Times `run`; what it returns is destroyed with the clock stopped, and the heap is trimmed after
// every iteration, so that no run inherits another's freed memory.
template <class Run>
void Measure(benchmark::State& state, const Input& input, Run run, std::size_t entries) {
    std::size_t base = HeapInUse();
    ResetHeapPeak();
    { auto built = run(input); benchmark::DoNotOptimize(built); }
    std::size_t peak = HeapPeak() - base;
    malloc_trim(0);
    for (auto _ : state) {
        auto built = run(input);
        benchmark::DoNotOptimize(built);
        state.PauseTiming();
        { auto gone = std::move(built); (void)gone; }
        malloc_trim(0);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes.size()));
    state.counters["bytes"] = static_cast<double>(input.bytes.size());
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["peak_heap"] = static_cast<double>(peak);
}

// ---- the table

struct Figures {
    std::map<std::int64_t, double> seconds;  // by repetition
    double bytes = 0, entries = 0, peakHeap = 0;
};

class TableReporter : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, Figures> figures;  // by benchmark name, "contender/input"

    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            Figures& f = figures[run.run_name.function_name];
            f.seconds[run.repetition_index] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            f.bytes = run.counters.at("bytes");
            f.entries = run.counters.at("entries");
            f.peakHeap = run.counters.at("peak_heap");
        }
        std::fputc('.', stderr);
    }
};

struct Spread {
    double median, min, max;
};

Spread SpreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    if (values.empty()) return {0, 0, 0};
    std::size_t n = values.size();
    double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

// One value per repetition, from the figures of the same repetition.
Spread PerRun(const std::vector<const Figures*>& of, const std::function<double(const std::vector<double>&)>& value) {
    std::vector<double> values;
    for (const auto& [repetition, seconds] : of.front()->seconds) {
        std::vector<double> times;
        for (const Figures* f : of) {
            auto found = f->seconds.find(repetition);
            if (found == f->seconds.end()) break;
            times.push_back(found->second);
        }
        if (times.size() == of.size()) values.push_back(value(times));
    }
    return SpreadOf(values);
}

std::string Shown(Spread s, const char* format) {
    char text[96];
    std::string f = std::string(format) + " [" + format + ", " + format + "]";
    std::snprintf(text, sizeof text, f.c_str(), s.median, s.min, s.max);
    return text;
}

std::string Size(double bytes) {
    char text[32];
    if (bytes >= MiB) std::snprintf(text, sizeof text, "%.1f MiB", bytes / MiB);
    else std::snprintf(text, sizeof text, "%.0f KiB", bytes / KiB);
    return text;
}

const char* const Contenders[] = {"reader", "inih", "SimpleIni", "floor"};

void PrintTable(TableReporter& table, const std::vector<std::string>& plausible,
                const std::vector<std::pair<std::string, std::string>>& doubled) {
    auto f = [&](const std::string& contender, const std::string& input) { return &table.figures[contender + "/" + input]; };
    // A filtered run leaves rows out.
    auto has = [&](const std::string& input) {
        for (const char* contender : Contenders)
            if (table.figures.count(contender + ("/" + input)) == 0) return false;
        return true;
    };
    std::vector<std::string> rows;
    for (const std::string& input : plausible)
        if (has(input)) rows.push_back(input);
    if (rows.empty()) return;
    std::printf("\nThroughput, MB/s (10^6 bytes), median [min, max] of %zu interleaved runs\n",
                f("reader", rows[0])->seconds.size());
    std::printf("%-10s %-26s %-26s %-26s %-26s\n", "file", "reader, whole life", "inih, parse alone",
                "SimpleIni, LoadData", "floor, read + memchr");
    for (const std::string& input : rows) {
        std::printf("%-10s", Size(f("reader", input)->bytes).c_str());
        for (const char* contender : Contenders) {
            double bytes = f(contender, input)->bytes;
            std::printf(" %-26s", Shown(PerRun({f(contender, input)}, [&](auto& t) { return bytes / t[0] / 1e6; }), "%.0f").c_str());
        }
        std::printf("\n");
    }
    std::printf("\nSpeed of the reader's whole life against each, within each run (above 1: the reader is faster)\n");
    std::printf("%-10s %-26s %-26s %-26s\n", "file", "vs inih", "vs SimpleIni", "vs floor");
    for (const std::string& input : rows) {
        std::printf("%-10s", Size(f("reader", input)->bytes).c_str());
        for (const char* peer : {"inih", "SimpleIni", "floor"})
            std::printf(" %-26s", Shown(PerRun({f("reader", input), f(peer, input)}, [](auto& t) { return t[1] / t[0]; }), "%.2f").c_str());
        std::printf("\n");
    }
    std::printf("\nEntries stored and peak heap\n");
    for (const std::string& input : rows) {
        std::printf("%-10s", Size(f("reader", input)->bytes).c_str());
        for (const char* contender : Contenders) {
            const Figures* of = f(contender, input);
            if (std::strcmp(contender, "floor") == 0) std::printf("  %s: heap %s", contender, Size(of->peakHeap).c_str());
            else std::printf("  %s: %.0f entries, heap %s", contender, of->entries, Size(of->peakHeap).c_str());
        }
        std::printf("\n");
    }
    std::printf("\nGrowth of the reader's time with the file (1.00: in proportion), within each run\n");
    for (const auto& [small, large] : doubled) {
        if (!table.figures.count("reader/" + small) || !table.figures.count("reader/" + large)) continue;
        const Figures *a = f("reader", small), *b = f("reader", large);
        double times = b->bytes / a->bytes;
        std::printf("%-40s %s\n", (large + " / " + small).c_str(),
                    Shown(PerRun({a, b}, [&](auto& t) { return t[1] / (times * t[0]); }), "%.2f").c_str());
    }
}

// What touching fresh memory costs here, per 4 KiB page: on some virtual machines a page fault costs
// tens of times what it does elsewhere, and then dominates every figure that builds a store.
double FirstTouchMicroseconds() {
    constexpr std::size_t Size = 64 * MiB;
    auto* block = static_cast<volatile char*>(std::malloc(Size));
    auto start = std::chrono::steady_clock::now();
    for (std::size_t at = 0; at < Size; at += 4096) block[at] = 1;
    auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::free(const_cast<char*>(block));
    return seconds * 1e6 / (Size / 4096);
}

std::vector<Input>& Inputs() {
    static std::vector<Input> inputs;
    return inputs;
}

const Input& AddInput(std::string name, std::string bytes, const std::filesystem::path& folder) {
    Input input{name, std::move(bytes), (folder / (name + ".ini")).string()};
    std::ofstream(input.path, std::ios::binary).write(input.bytes.data(), static_cast<std::streamsize>(input.bytes.size()));
    Inputs().push_back(std::move(input));
    return Inputs().back();
}

}  // namespace

int main(int argc, char** argv) {
    // A fixed mmap threshold, as in a fresh process: glibc would otherwise raise it after each large free.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=11", interleave = "--benchmark_enable_random_interleaving=true",
                minTime = "--benchmark_min_time=0.1";
    args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), minTime.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "brevantix-reader-benchmark";
    std::filesystem::create_directories(folder);
    Inputs().reserve(16);
    std::vector<std::string> plausible;
    for (auto [name, size] : {std::pair{"64KiB", 64 * KiB}, {"1MiB", MiB}, {"16MiB", 16 * MiB}})
        plausible.push_back(AddInput(name, PlausibleSettings(size), folder).name);
    std::vector<std::pair<std::string, std::string>> doubled = {{"1MiB", "16MiB"}};
    struct Shape { const char* name; std::string (*make)(std::size_t); std::size_t size; };
    for (Shape shape : {Shape{"long-line", OneLongLine, MiB}, Shape{"one-byte-lines", OneByteLines, MiB},
                        Shape{"one-key-sections", OneKeySections, 100000}, Shape{"duplicate-keys", DuplicateKeys, MiB}}) {
        std::string small = AddInput(std::string(shape.name) + "-1x", shape.make(shape.size), folder).name;
        std::string large = AddInput(std::string(shape.name) + "-4x", shape.make(4 * shape.size), folder).name;
        doubled.emplace_back(small, large);
    }

    for (const Input& input : Inputs()) {
        benchmark::RegisterBenchmark(("reader/" + input.name).c_str(), [&input](benchmark::State& state) {
            Measure(state, input, ReaderRun, ReaderEntries(input));
        })->Unit(benchmark::kMillisecond);
        if (std::find(plausible.begin(), plausible.end(), input.name) == plausible.end()) continue;
        benchmark::RegisterBenchmark(("inih/" + input.name).c_str(), [&input](benchmark::State& state) {
            Measure(state, input, InihRun, InihEntries(input));
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("SimpleIni/" + input.name).c_str(), [&input](benchmark::State& state) {
            Measure(state, input, SimpleIniRun, SimpleIniEntries(input));
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("floor/" + input.name).c_str(), [&input](benchmark::State& state) {
            Measure(state, input, FloorRun, 0);
        })->Unit(benchmark::kMillisecond);
    }

    std::printf("First touch of fresh heap memory, us per 4 KiB page, three times:");
    for (int i = 0; i < 3; ++i) std::printf(" %.2f", FirstTouchMicroseconds());
    std::printf("\n");
    std::fflush(stdout);
    TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    PrintTable(table, plausible, doubled);
    std::filesystem::remove_all(folder);
    return 0;
}
