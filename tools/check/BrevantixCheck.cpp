// brevantix-check [--tsv] [PATH]: what the plugin would install from a settings file, and what in the
// file it reads otherwise than the modder most likely meant. Exit status: 0 no warning, 1 warnings,
// 2 the file cannot be read.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "InstalledTexts.h"
#include "SettingsWarnings.h"
#include "config/ConfigFile.h"
#include "config/TrimText.h"

namespace {

constexpr std::size_t ShownLineLength = 100;

// Older Windows C runtimes know no %zu.
unsigned long Number(std::size_t value) { return static_cast<unsigned long>(value); }

const char* KindName(WarningKind kind) {
    switch (kind) {
        case WarningKind::SectionCase: return "section-case";
        case WarningKind::KeyCase: return "key-case";
        case WarningKind::KeyNotRead: return "key-not-read";
        case WarningKind::TrackKeyOutside: return "key-outside-tracks";
        case WarningKind::HeaderWithText: return "header-with-text";
        case WarningKind::CommentInQuotes: return "comment-in-quotes";
        case WarningKind::EmptyValue: return "empty-value";
        case WarningKind::OneQuoteValue: return "one-quote-value";
        case WarningKind::QuoteAtOneEnd: return "quote-at-one-end";
        case WarningKind::DuplicateKey: return "duplicate-key";
        case WarningKind::ValueTooLong: return "value-too-long";
        case WarningKind::MarkInside: return "mark-inside";
        case WarningKind::TextEndsEarly: return "text-ends-early";
    }
    return "?";
}

// Control bytes, byte-order marks and backslashes as escapes, so every byte shows; other bytes from
// 0x80 up pass as the file's own characters. Longer texts are cut at `limit` bytes.
std::string Printable(std::string_view text, std::size_t limit = std::string_view::npos) {
    std::string shown;
    std::string_view kept = text.substr(0, limit);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(kept[i]);
        if (kept.substr(i, ByteOrderMark.size()) == ByteOrderMark) shown += "\\xef\\xbb\\xbf", i += ByteOrderMark.size() - 1;
        else if (byte == '\\') shown += "\\\\";
        else if (byte == '\t') shown += "\\t";
        else if (byte >= 0x20 && byte != 0x7F) shown += static_cast<char>(byte);
        else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            shown += escape;
        }
    }
    if (text.size() > limit) shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

std::string Hex(std::string_view bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char byte : bytes) std::snprintf(pair, sizeof pair, "%02x", byte), hex += pair;
    return hex;
}

void PrintReadable(const char* path, const std::vector<SettingsWarning>& warnings, const InstalledTable& table) {
    if (warnings.empty()) std::printf("%s: no warnings\n", path);
    else std::printf("%s: %lu warning%s\n", path, Number(warnings.size()), warnings.size() == 1 ? "" : "s");
    for (const SettingsWarning& warning : warnings)
        std::printf("\nline %lu: %s\n  %s\n", Number(warning.line), Printable(warning.lineText, ShownLineLength).c_str(),
                    Printable(warning.message).c_str());
    std::printf("\n%-4s %-7s %-32s %s\n", "slot", "key", "text", "from");
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            const InstalledText& text = table[slot - 1][field];
            std::printf("%-4lu %-7s %-32s %s\n", Number(slot), TrackKeys[field], Printable(text.text).c_str(),
                        text.configured ? "configured" : "default");
        }
}

// The field lines match the stand-in host's report of what the plugin installed.
void PrintTsv(const std::vector<SettingsWarning>& warnings, const InstalledTable& table) {
    for (const SettingsWarning& warning : warnings)
        std::printf("warning\t%lu\t%s\t%s\t%s\n", Number(warning.line), KindName(warning.kind), Hex(warning.lineText).c_str(),
                    Printable(warning.message).c_str());
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            const InstalledText& text = table[slot - 1][field];
            std::printf("field\t%lu\t%s\t%s\t%s\n", Number(slot), TrackKeys[field], Hex(text.text).c_str(),
                        text.configured ? "configured" : "default");
        }
}

}  // namespace

int main(int argc, char** argv) {
    bool tsv = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--tsv") == 0 && !tsv) tsv = true;
        else if (argv[i][0] != '-' && !path) path = argv[i];
        else {
            std::fprintf(stderr, "usage: brevantix-check [--tsv] [PATH]\n"
                                 "PATH defaults to Brevantix.ini in the current folder.\n");
            return 2;
        }
    }
    if (!path) path = "Brevantix.ini";

    errno = 0;
    ConfigFileBytes file = ReadConfigFileBytes(path);
    if (!file.opened || !file.complete) {
        std::fprintf(stderr, "brevantix-check: cannot read the settings file \"%s\" (%s); the plugin would use "
                             "every default text\n", path, errno ? std::strerror(errno) : "read error");
        return 2;
    }
    std::vector<SettingsWarning> warnings = FindSettingsWarnings(file.bytes);
    InstalledTable table = ComputeInstalledTexts(path);
    if (tsv) PrintTsv(warnings, table);
    else PrintReadable(path, warnings, table);
    return warnings.empty() ? 0 : 1;
}
