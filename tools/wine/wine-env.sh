# Sourced by the Wine scripts: the project's own 32-bit Wine prefix inside the build tree, no Mono or
# Gecko installs, no debug chatter.
: "${BREVANTIX_WINEPREFIX:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/win32/wineprefix}"
export WINEPREFIX="$BREVANTIX_WINEPREFIX"
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all

# 32-bit Wine needs a kernel that runs 32-bit Linux programs; some machines have that switched off
# (ia32_emulation=off), and there no Windows program of ours can run.
wine_runs_32bit() {
  timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1
}

wine_unavailable_reason() {
  echo "32-bit Wine cannot run here: the kernel refuses 32-bit programs (boot it with ia32_emulation=on)"
}
