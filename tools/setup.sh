#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build and test the plugin: the mingw-w64 i686 cross
# compiler, 32-bit Wine, CMake, the native test libraries and the benchmarks' peers. Safe to run again: when everything is
# present it only checks and returns.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-dev libgtest-dev wine64 g++-mingw-w64-x86-64-win32
          g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386
          libbenchmark-dev libinih-dev libsimpleini-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]}); run this script as root to install them" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
