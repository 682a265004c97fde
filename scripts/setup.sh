#!/usr/bin/env bash
# Brings a Debian machine to the state the build and the tests need. Idempotent: every step
# checks first and does nothing when its result is already there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

APT_PACKAGES=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
  cmake ninja-build dpkg-dev googletest
  wine wine64 xvfb xauth x11-utils locales fonts-wqy-zenhei imagemagick zbar-tools acl
  python3-pil python3-qrcode python3-numpy
)

install_packages() {
  local missing=()
  for p in "${APT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  log "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Wine takes the system's ANSI code page from the locale: zh_CN.UTF-8 gives 936, the program's
# own; zh_TW.UTF-8 (950) and en_US.UTF-8 (1252) are the systems the tests also start the program
# under. A locale that is not generated gives Wine ASCII file names instead.
LOCALES=(zh_CN.UTF-8 zh_TW.UTF-8 en_US.UTF-8)

generate_locales() {
  local name missing=()
  for name in "${LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name%%.*}\.utf-\?8" || missing+=("$name")
  done
  [ ${#missing[@]} -eq 0 ] && return
  log "generating the locales ${missing[*]}"
  for name in "${missing[@]}"; do
    sed -i "s/^# *\(${name//./\\.} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${name//./\\.} UTF-8" /etc/locale.gen || echo "$name UTF-8" >> /etc/locale.gen
  done
  locale-gen >/dev/null
}

# Debian's source packages need a deb-src entry; it is made from the machine's own deb entry.
enable_sources() {
  local src=/etc/apt/sources.list.d/chengyuan-deb-src.sources
  [ -f "$src" ] && return
  log "adding deb-src entries"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src"
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "${src%.sources}.list"
    touch "$src"
  fi
  apt-get update -qq
}

# Cross-builds one CMake project into the dependency prefix. C code is optimised for size: the
# whole executable is read into memory when Wine starts it, and libjpeg and libpng are most of
# it (-O3 → -Os took 203 KB off the program and left the decoding as fast). Extra arguments are
# passed to CMake after the defaults.
cross_build() {
  local name=$1 srcdir=$2; shift 2
  log "cross-building $name"
  cmake -S "$srcdir" -B "$srcdir/_build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$MINGW_DEPS_PREFIX" \
    -DCMAKE_POSITION_INDEPENDENT_CODE=OFF -DCMAKE_C_FLAGS_RELEASE="-Os -DNDEBUG" "$@" >/dev/null
  cmake --build "$srcdir/_build" >/dev/null
  cmake --install "$srcdir/_build" >/dev/null
}

build_dependencies() {
  local stamp=$MINGW_DEPS_PREFIX/.complete-v4
  [ -f "$stamp" ] && return
  enable_sources
  local work; work=$(mktemp -d)
  trap 'rm -rf "$work"' RETURN
  (cd "$work" && apt-get source --download-only --tar-only libpng1.6 libjpeg-turbo >/dev/null 2>&1)
  mkdir -p "$work/png" "$work/jpeg"
  tar -xf "$(ls "$work"/libpng1.6_*.orig.tar.* | head -n1)" -C "$work/png" --strip-components=1
  tar -xf "$(ls "$work"/libjpeg-turbo_*.orig.tar.* | head -n1)" -C "$work/jpeg" --strip-components=1
  mkdir -p "$MINGW_DEPS_PREFIX"
  # Only what the program uses: libjpeg decodes baseline and progressive Huffman-coded JPEG
  # (no arithmetic coding, no JPEGMEM variable read with sscanf); libpng is built with its own
  # "simplified read only" configuration (no writing, deflate or stdio), which is all the
  # program calls. Together they took about 120 KB off the program.
  cross_build libjpeg-turbo "$work/jpeg" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF -DWITH_ARITH_DEC=OFF -DWITH_ARITH_ENC=OFF -DCMAKE_C_FLAGS=-DNO_GETENV \
    -DCMAKE_INSTALL_DEFAULT_LIBDIR=lib
  cross_build libpng "$work/png" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DPNG_TOOLS=OFF -DSKIP_INSTALL_PROGRAMS=ON -DDFA_XTRA="$work/png/contrib/conftest/s_read.dfa"
  cp -r /usr/src/googletest "$work/gtest"
  cross_build googletest "$work/gtest" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF
  touch "$stamp"
}

# The unprivileged user that Wine runs as when the scripts are started as root (common.sh).
ensure_wine_user() {
  started_as_root || return 0
  id -u "$WINE_USER" >/dev/null 2>&1 && return
  log "creating the user $WINE_USER that runs Wine"
  useradd --system --create-home --home-dir "/var/lib/$WINE_USER" --shell /usr/sbin/nologin \
    "$WINE_USER"
}

install_packages
generate_locales
ensure_wine_user
build_dependencies
log "ready (dependencies in $MINGW_DEPS_PREFIX)"
