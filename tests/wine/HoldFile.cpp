// hold-file PATH shared|exclusive STOPFILE: holds PATH open for writing, shared for reading and
// writing or not shared at all, prints "held", and lets go once STOPFILE exists (at most a minute).
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: hold-file PATH shared|exclusive STOPFILE\n");
        return 2;
    }
    DWORD share = std::strcmp(argv[2], "shared") == 0 ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "hold-file: cannot open %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    for (int waited = 0; waited < 1200 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES; ++waited) Sleep(50);
    CloseHandle(file);
    return 0;
}
