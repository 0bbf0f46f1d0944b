// standin-host: plays the game for tests and for the main job. It records the entry point to check
// in its own mapped PE header, lays out the track table at the game's fixed address with pointers to
// its own stock texts, protects the table's page as asked, loads the plugin with LoadLibraryA, answers
// every message box with OK and reports what happened: readable by default, or with --tsv the lines
// "load", "box", "protect" and "field" that outside checks read.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "HostImage.h"
#include "patch/TrackDefaultTable.h"

namespace {

struct MessageBoxSeen {
    std::string caption, text, icon, buttons;
};
std::vector<MessageBoxSeen> BoxesSeen;

struct Options {
    const char* plugin = "Brevantix.asi";
    DWORD entryPoint = 0x270CB5;
    DWORD protect = PAGE_READONLY;
    bool tsv = false;
    bool pointers = false;
};

bool ParseProtection(const char* name, DWORD* protect) {
    static const struct { const char* name; DWORD value; } names[] = {
        {"readonly", PAGE_READONLY}, {"execute-read", PAGE_EXECUTE_READ},
        {"readwrite", PAGE_READWRITE}, {"execute-readwrite", PAGE_EXECUTE_READWRITE}};
    for (const auto& entry : names)
        if (std::strcmp(name, entry.name) == 0) return *protect = entry.value, true;
    return false;
}

bool ParseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--tsv") options->tsv = true;
        else if (arg == "--pointers") options->pointers = true;
        else if (arg == "--plugin" && hasValue) options->plugin = argv[++i];
        else if (arg == "--entry-point" && hasValue) options->entryPoint = std::strtoul(argv[++i], nullptr, 16);
        else if (arg == "--protect" && hasValue) {
            if (!ParseProtection(argv[++i], &options->protect)) return false;
        } else return false;
    }
    return true;
}

std::string Hex(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char byte : bytes) std::snprintf(pair, sizeof pair, "%02x", byte), hex += pair;
    return hex;
}

// The box is not shown yet when the hook sees it, so a control counts as shown by its own style.
bool HasVisibleStyle(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string WindowText(HWND window) {
    char text[4096] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The box's icon as the dialog shows it: its icon control holds one of the system's shared icons.
std::string IconOf(HWND box) {
    HWND iconControl = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        if (_stricmp(className, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            iconControl = child;
    }
    if (!iconControl || !HasVisibleStyle(iconControl)) return "none";
    HICON shown = reinterpret_cast<HICON>(SendMessageA(iconControl, STM_GETICON, 0, 0));
    static const struct { LPCSTR id; const char* name; } icons[] = {
        {IDI_HAND, "error"}, {IDI_EXCLAMATION, "warning"}, {IDI_ASTERISK, "information"}, {IDI_QUESTION, "question"}};
    for (const auto& icon : icons)
        if (shown == LoadIconA(nullptr, icon.id)) return icon.name;
    return "none";
}

std::string ButtonsOf(HWND box) {
    static const struct { int id; const char* name; } buttons[] = {
        {IDOK, "OK"}, {IDCANCEL, "Cancel"}, {IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"},
        {IDYES, "Yes"}, {IDNO, "No"}, {IDTRYAGAIN, "TryAgain"}, {IDCONTINUE, "Continue"}, {IDHELP, "Help"}};
    std::string list;
    for (const auto& button : buttons) {
        HWND control = GetDlgItem(box, button.id);
        if (control && HasVisibleStyle(control)) list += (list.empty() ? "" : ",") + std::string(button.name);
    }
    return list;
}

// Sees every message box this thread opens, records it and presses its default button, so that no
// test waits for a person.
LRESULT CALLBACK WatchMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = "";
        GetClassNameA(box, className, sizeof className);
        if (std::strcmp(className, "#32770") == 0) {
            char text[4096] = "";
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            BoxesSeen.push_back({WindowText(box), text, IconOf(box), ButtonsOf(box)});
            PostMessageA(box, WM_COMMAND, GetDlgItem(box, IDOK) ? IDOK : IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD ProtectionOf(const void* address) {
    MEMORY_BASIC_INFORMATION page = {};
    VirtualQuery(address, &page, sizeof page);
    return page.Protect;
}

const char** TrackField(std::size_t slot, std::size_t field) {
    return reinterpret_cast<const char**>(TrackFieldAddress(slot, field));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: standin-host [--plugin PATH] [--entry-point HEX] "
                     "[--protect readonly|execute-read|readwrite|execute-readwrite] [--tsv] [--pointers]\n");
        return 2;
    }
    const char* failure = nullptr;
    if (!PrepareHostImage(options.entryPoint, options.protect, &failure)) {
        std::fprintf(stderr, "standin-host: %s\n", failure);
        return 3;
    }
    void* table = reinterpret_cast<void*>(HostTrackTable);
    DWORD protectBefore = ProtectionOf(table);

    HHOOK hook = SetWindowsHookExA(WH_CBT, WatchMessageBoxes, nullptr, GetCurrentThreadId());
    HMODULE plugin = LoadLibraryA(options.plugin);
    if (hook) UnhookWindowsHookEx(hook);
    DWORD protectAfter = ProtectionOf(table);

    if (options.tsv) {
        std::printf("load\t%s\n", plugin ? "accepted" : "refused");
        for (const MessageBoxSeen& box : BoxesSeen)
            std::printf("box\t%s\t%s\t%s\t%s\n", Hex(box.caption).c_str(), Hex(box.text).c_str(), box.icon.c_str(),
                        box.buttons.c_str());
        std::printf("protect\t%lx\t%lx\n", protectBefore, protectAfter);
    } else {
        std::printf("plugin %s: load %s\n", options.plugin, plugin ? "accepted" : "refused");
        for (const MessageBoxSeen& box : BoxesSeen)
            std::printf("message box \"%s\" (%s, %s): %s\n", box.caption.c_str(), box.icon.c_str(),
                        box.buttons.c_str(), box.text.c_str());
        std::printf("track table page protection: 0x%lx before, 0x%lx after\n", protectBefore, protectAfter);
        std::printf("%-4s %-7s %-32s %s\n", "slot", "key", "text", "from");
    }
    for (std::size_t slot = 1; slot <= TrackSlotCount; ++slot)
        for (std::size_t field = 0; field < TrackFieldCount; ++field) {
            const char* text = *TrackField(slot, field);
            const char* owner = text == TrackDefaultTable[slot - 1].texts[field] ? "host" : "plugin";
            if (options.tsv) std::printf("field\t%u\t%s\t%s\t%s", static_cast<unsigned>(slot), TrackKeys[field],
                                         Hex(text).c_str(), owner);
            else std::printf("%-4u %-7s %-32s %s", static_cast<unsigned>(slot), TrackKeys[field], text, owner);
            if (options.pointers) std::printf("\t%p", static_cast<const void*>(text));
            std::printf("\n");
        }
    return 0;
}
