#!/usr/bin/env bash
# Installs from Debian's archive everything the build and the tests need. Idempotent; runs as root.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build pkgconf g++ clang libclang-rt-14-dev gcc-multilib
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev xz-utils gzip
  g++-mingw-w64-i686 wine wine32:i386
  lua5.1 liblua5.1-0-dev lua-busted lua-check
  lua-expat fp-utils dpkg-dev zip unzip
)

need_apt=0
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need_apt=1
done

if [ "$need_apt" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${packages[@]}"
fi

# The official Lua 5.1.5 sources, for lua5.1.dll and a 32-bit luac.
enable_deb_src() {
  local src=/etc/apt/sources.list.d/debian.sources list=/etc/apt/sources.list
  if [ -f "$src" ]; then
    grep -q '^Types: deb deb-src' "$src" || sed -i 's/^Types: deb$/Types: deb deb-src/' "$src"
  fi
  if [ -f "$list" ] && grep -q '^deb ' "$list" && ! grep -q '^deb-src ' "$list"; then
    sed -n 's/^deb /deb-src /p' "$list" >> "$list"
  fi
}

third=build/third_party
if [ ! -f "$third/lua-5.1.5/src/lua.h" ]; then
  enable_deb_src
  apt-get update -q
  rm -rf "$third/apt-source"
  mkdir -p "$third/apt-source"
  ( cd "$third/apt-source" && apt-get source --download-only -q lua5.1 )
  tarball=$(ls "$third"/apt-source/lua5.1_5.1.5.orig.tar.gz)
  tar -xzf "$tarball" -C "$third"
fi
echo "setup: ok"
