#include "InstalledTexts.h"

#include <cstring>
#include <deque>
#include <memory>

#include "config/ConfigReader.h"
#include "patch/InstallTrackTable.h"

namespace {

// No value holds a line feed (a line ends there), so a lookup that gives back this default found no
// usable value.
constexpr const char* NoValue = "\n";

// Answers the installer's lookups from the plugin's reader and notes where each text came from.
class RecordingReader {
public:
    explicit RecordingReader(const char* path) : reader(ConfigReader::AtPath{}, path) {}

    const InstalledText* LookupText(const char* section, const char* key, const char* defaultText) {
        std::unique_ptr<char[]> found(reader.LookupText(section, key, NoValue));
        bool configured = std::strcmp(found.get(), NoValue) != 0;
        texts.push_back({configured ? found.get() : defaultText, configured});
        return &texts.back();
    }

private:
    ConfigReader reader;
    std::deque<InstalledText> texts;  // keeps each text in place while later ones are added
};

}  // namespace

InstalledTable ComputeInstalledTexts(const char* path) {
    InstalledTable table;
    RecordingReader reader(path);
    InstallTracks(reader, [&](std::uintptr_t address, const InstalledText* text) {
        std::uintptr_t offset = address - HostTrackTable;
        table[offset / 0x10][offset % 0x10 / 4] = *text;
    });
    return table;
}
