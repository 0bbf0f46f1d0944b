# The Windows calls' own tests built for 64 bits and run under 64-bit Wine, which runs where 32-bit
# Wine cannot (a kernel without 32-bit programs). The plugin itself is built only for the 32-bit host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-win32)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR env;BREVANTIX_WINE_BITS=64;${CMAKE_CURRENT_LIST_DIR}/../tools/wine/wine-run.sh)
