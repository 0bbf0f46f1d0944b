# Sourced by the Wine scripts: the project's own Wine prefix inside the build tree, no Mono or Gecko
# installs, no debug chatter. BREVANTIX_WINE_BITS=64 selects 64-bit Wine and a prefix of its own,
# for the tests of the Windows calls that also build for 64 bits.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ "${BREVANTIX_WINE_BITS:-32}" = 64 ]; then
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  : "${BREVANTIX_WINEPREFIX:=$root/build/win64-calls/wineprefix}"
else
  export WINEARCH=win32 WINELOADER=/usr/lib/wine/wine
  : "${BREVANTIX_WINEPREFIX:=$root/build/win32/wineprefix}"
fi
export WINEPREFIX="$BREVANTIX_WINEPREFIX"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

# 32-bit Wine needs a kernel that runs 32-bit Linux programs; some machines have that switched off
# (ia32_emulation=off), and there no 32-bit Windows program can run.
wine_runs() {
  timeout 30 "$WINELOADER" --version >/dev/null 2>&1
}

wine_unavailable_reason() {
  if [ "$WINEARCH" = win32 ]; then
    echo "32-bit Wine cannot run here: the kernel refuses 32-bit programs (boot it with ia32_emulation=on)"
  else
    echo "64-bit Wine cannot run here ($WINELOADER)"
  fi
}

