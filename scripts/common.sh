# Shared settings for the set-up, build, run and test scripts. Sourced, not run.
REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$REPO_ROOT/build}
# Cross-built libraries live outside the work tree so that a fresh clone reuses them.
MINGW_DEPS_PREFIX=${MINGW_DEPS_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/chengyuan/mingw64-deps}
export MINGW_DEPS_PREFIX

log() { printf '[%s] %s\n' "$(basename "$0")" "$*"; }

# Configures the build folder once.
configure_build() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$REPO_ROOT" -B "$BUILD_DIR" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$REPO_ROOT/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
}

# Configures (once) and builds the executable and the tests.
build_all() {
  configure_build
  cmake --build "$BUILD_DIR"
}

# Configures (once) and builds the named targets only: build_targets chengyuan desktop_keeper.
build_targets() {
  configure_build
  cmake --build "$BUILD_DIR" --target "$@"
}

# Wine runs as an ordinary user, as a player runs the program. As root, Wine lets the program
# write into read-only files and replace them (the file rules of Windows do not hold), so when a
# script is started as root, every Wine process runs as the project's own unprivileged user,
# which the set-up creates. Started by an ordinary user, Wine runs as that user.
WINE_USER=chengyuan-wine

started_as_root() { [ "$(id -u)" = 0 ]; }

# Runs a command as the user Wine runs as.
as_wine_user() {
  if ! started_as_root; then
    "$@"
    return
  fi
  setpriv --reuid="$WINE_USER" --regid="$WINE_USER" --init-groups \
    env HOME="$(getent passwd "$WINE_USER" | cut -d: -f6)" USER="$WINE_USER" LOGNAME="$WINE_USER" "$@"
}

# The environment every Wine process of the project runs in: the project's own prefix under the
# build folder, and the zh_CN.UTF-8 locale, from which Wine takes code page 936 as its ANSI code
# page.
wine_env() {
  export WINEPREFIX=$BUILD_DIR/wineprefix
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko installer prompts in a fresh prefix.
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

# As root: lets the Wine user reach the build folder, which stays root's. A folder above it that
# the user may not pass through (a clone under /root, say) gets an access entry for that user
# alone, for passing through only; on a file system without access lists, every user may pass.
open_build_tree_to_wine_user() {
  started_as_root || return 0
  local target dir part parts
  for target in "$REPO_ROOT" "$BUILD_DIR"; do
    # From the top down: a folder below one the user cannot pass looks closed too.
    IFS=/ read -ra parts <<< "$target"
    dir=""
    for part in "${parts[@]}"; do
      [ -n "$part" ] || continue
      dir=$dir/$part
      if ! as_wine_user test -x "$dir"; then
        log "letting $WINE_USER pass through $dir"
        setfacl -m "u:$WINE_USER:x" "$dir" 2>/dev/null || chmod o+x "$dir"
      fi
    done
  done
  if ! as_wine_user test -r "$BUILD_DIR/build.ninja"; then
    log "the user $WINE_USER cannot read the build folder $BUILD_DIR"
    return 1
  fi
}

# Creates the Wine prefix once, owned by the Wine user: font replacements for the Chinese faces the
# program asks for, no window manager expected on the display, and no debugger on a crash, so that
# a crashing process ends at once with its exit code.
#
# "宋体" (which the default GUI font "MS Shell Dlg" resolves to under a Chinese locale) is drawn
# at 12 pixels, where a Chinese Windows draws SimSun from hand-made bitmaps; the outline face
# WenQuanYi Zen Hei loses strokes at that size, its Sharp variant carries bitmap strikes. "微软雅黑"
# is a smoothed outline face at 19 pixels, as on Windows. Without a window manager, Wine's X11
# driver waits two seconds for one each time a managed window (a message box) goes away;
# unmanaged windows go at once, as on Windows.
ensure_wine_prefix() {
  open_build_tree_to_wine_user
  local stamp=$WINEPREFIX/.chengyuan-v3
  # A prefix made by another user (root, before Wine ran as a user of its own) is made again:
  # Wine refuses a prefix its user does not own. So is one left half made, or made before the
  # prefix kept a copy of its shell folders: a copy taken later could hold a test's leftovers.
  if [ -d "$WINEPREFIX" ] && [ "$(stat -c %u "$WINEPREFIX")" != "$(as_wine_user id -u)" ]; then
    log "removing the Wine prefix $WINEPREFIX of another user"
    rm -rf "$WINEPREFIX"
  elif [ -d "$WINEPREFIX" ] && [ ! -f "$stamp" ]; then
    log "removing the Wine prefix $WINEPREFIX of an earlier set-up"
    rm -rf "$WINEPREFIX"
  fi
  [ -f "$stamp" ] && return
  log "creating the Wine prefix in $WINEPREFIX"
  # Now and then a first boot under load fails without a word; a second one from scratch has
  # always gone through.
  if ! make_wine_prefix; then
    log "making the Wine prefix failed; making it again from scratch"
    as_wine_user wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    make_wine_prefix
  fi
  as_wine_user touch "$stamp"
}

# The steps of ensure_wine_prefix; says which one failed, and fails then.
make_wine_prefix() {
  mkdir -p "$WINEPREFIX"
  if started_as_root; then chown "$WINE_USER:" "$WINEPREFIX"; fi
  as_wine_user wineboot -i >/dev/null 2>&1 || { log "wineboot -i failed"; return 1; }
  local reg; reg=$(mktemp --suffix=.reg)
  chmod a+r "$reg"
  { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Zen Hei Sharp"
"SimSun"="WenQuanYi Zen Hei Sharp"
"微软雅黑"="WenQuanYi Zen Hei"
"Microsoft YaHei"="WenQuanYi Zen Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Debugger"="false"
"Auto"="1"
REG
  local imported=0
  as_wine_user wine regedit /S "$(as_wine_user winepath -w "$reg")" >/dev/null 2>&1 || imported=1
  rm -f "$reg"
  [ "$imported" = 0 ] || { log "importing the prefix's settings failed"; return 1; }
  save_shell_folders || { log "saving the shell folders failed"; return 1; }
  as_wine_user wineserver -w
}

# A test moves the user's roaming and local folders by changing "User Shell Folders" (Wine then
# copies what it finds into "Shell Folders") and puts both back when it ends; killed by its
# time-out, it never does, and every later run would look for the game's folder in a temporary
# folder. So the prefix keeps both keys as they were when it was made, and every session starts
# from that copy: a registry file that deletes the keys and makes them again.
SHELL_FOLDER_KEYS=(
  'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
  'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
)

shell_folders_copy() { printf '%s' "$WINEPREFIX/chengyuan-shell-folders.reg"; }

save_shell_folders() {
  local part=$WINEPREFIX/chengyuan-shell-folders.part key
  {
    printf 'Windows Registry Editor Version 5.00\r\n'
    for key in "${SHELL_FOLDER_KEYS[@]}"; do
      printf '\r\n[-%s]\r\n' "$key"
      as_wine_user wine regedit /E "$(as_wine_user winepath -w "$part")" "$key" >/dev/null 2>&1
      # A key that could not be exported fails the copy: put back, it would only be deleted.
      [ -s "$part" ] || exit 1
      # The export without its first line, the header.
      iconv -f UTF-16 -t UTF-8 "$part" | tail -n +2
      rm -f "$part"
    done
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } > "$(shell_folders_copy)"
}

put_back_shell_folders() {
  as_wine_user wine regedit /S "$(as_wine_user winepath -w "$(shell_folders_copy)")" \
    </dev/null >/dev/null 2>&1
}

# Starts Xvfb on a free display (Xvfb picks it itself), makes sure the prefix exists and keeps a
# wine server running; stop_display_and_wine, which the callers run on exit, stops both.
start_display_and_wine() {
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local n; read -r n < "$fifo"; rm -f "$fifo"
  export DISPLAY=:$n
  ensure_wine_prefix
  as_wine_user wineserver -p
  put_back_shell_folders
  # Start the prefix's background services now, with their output going nowhere: started by a
  # test instead, they would inherit its output pipe and keep CTest waiting for it to close.
  as_wine_user wine wineboot </dev/null >/dev/null 2>&1
  hold_desktop
}

# Wine closes its desktop one second after the last program using it has ended, and a program
# that starts in that second dies before it runs: CreateProcess fails ("cannot start ..."), or a
# test ends at once without output. Every test is a program of its own, started about when the
# previous one has ended, so one program holds the desktop for the whole session (see
# tests/support/desktop_keeper.cpp); wineserver -k ends it with the session.
hold_desktop() {
  local fifo; fifo=$(mktemp -u); mkfifo "$fifo"
  as_wine_user wine "$BUILD_DIR/tests/desktop_keeper.exe" </dev/null >"$fifo" 2>/dev/null &
  local answer=""
  read -r -t 120 answer < "$fifo" || true
  rm -f "$fifo"
  if [ "${answer%$'\r'}" != ready ]; then
    log "the desktop keeper did not start"
    return 1
  fi
}

stop_display_and_wine() {
  as_wine_user wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  return 0
}

# What the test and benchmark commands share: the machine set up, everything built, and a private
# display with a running wine server, both stopped when the calling script exits.
prepare_headless_session() {
  bash "$REPO_ROOT/scripts/setup.sh"
  build_all
  wine_env
  trap stop_display_and_wine EXIT
  start_display_and_wine
}
