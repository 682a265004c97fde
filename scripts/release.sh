#!/usr/bin/env bash
# Sets up the machine, builds the program in release mode in its own build folder (no tests) and
# writes the release to dist/: chengyuan-<version>-win64.zip with chengyuan.exe and the user guide
# 使用说明.txt (UTF-8 with a byte-order mark and CRLF line ends, which Notepad reads right on every
# Windows), the executable itself, and SHA256SUMS for both.
# The same commit gives the same bytes wherever it is checked out and built.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RELEASE_BUILD_DIR=${RELEASE_BUILD_DIR:-$REPO_ROOT/build-release}
DIST_DIR=$REPO_ROOT/dist

bash "$REPO_ROOT/scripts/setup.sh"
cmake -S "$REPO_ROOT" -B "$RELEASE_BUILD_DIR" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCHENGYUAN_TESTS=OFF >/dev/null
cmake --build "$RELEASE_BUILD_DIR" --target chengyuan

# CMake wrote the project's version and the guide with that version filled in.
release=$RELEASE_BUILD_DIR/release
version=$(cat "$release/version.txt")
archive=chengyuan-$version-win64.zip
# Every entry of the archive is dated at the commit's time: meaningful, and the same on every
# rebuild of that commit.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$REPO_ROOT" log -1 --format=%ct 2>/dev/null || echo 315532800)}

{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$release/使用说明.txt"; } > "$release/guide-crlf.txt"
rm -rf "$DIST_DIR"
mkdir -p "$DIST_DIR"
cp "$RELEASE_BUILD_DIR/app/chengyuan.exe" "$DIST_DIR/chengyuan.exe"
/usr/bin/python3 "$REPO_ROOT/scripts/pack_zip.py" "$DIST_DIR/$archive" "$epoch" \
  chengyuan.exe="$DIST_DIR/chengyuan.exe" 使用说明.txt="$release/guide-crlf.txt"
(cd "$DIST_DIR" && sha256sum "$archive" chengyuan.exe > SHA256SUMS)
log "release $version in $DIST_DIR:"
cat "$DIST_DIR/SHA256SUMS"
