// The plugin's entry: on process attach, check the host build, then install the track table or
// refuse the load with one error box. Every other call does nothing.
#include <windows.h>

#include "entry/HostCheck.h"
#include "patch/InstallTrackTable.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    if (!IsSupportedHost(reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr)))) {
        MessageBoxA(nullptr,
                    "This .exe is not supported.\nPlease use v1.4 English tarvok.exe (3,03 MB (3.178.496 bytes)).",
                    "Brevantix", MB_ICONERROR | MB_OK);
        return FALSE;
    }
    // No exception may leave DllMain. Should the installer run out of memory part way, the fields
    // written so far point to valid buffers and stay so; the plugin stays loaded and the attach
    // succeeds without a box, since the game runs fine with a partly renamed soundtrack.
    try {
        InstallTrackTable();
    } catch (...) {
    }
    return TRUE;
}
