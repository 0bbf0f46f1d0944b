// The yardstick for the attach benchmark: a DLL that does nothing when it is loaded.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
