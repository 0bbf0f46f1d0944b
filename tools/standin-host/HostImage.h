#pragma once
#include <windows.h>

// What the game's process looks like to the plugin, set up in this program's own image: the entry
// point to check recorded in its PE header, the track table at the game's fixed address holding the
// stock texts, and the table's page protected as asked. False, with the reason in `failure`, when
// this program cannot play the game (it must sit at the game's image base, without relocations).
bool PrepareHostImage(DWORD entryPoint, DWORD protect, const char** failure);
