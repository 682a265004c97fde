#!/usr/bin/env bash
# Sets up the machine, builds the program and runs it under Wine in the project's prefix, whose
# game configuration folder is seeded with sample files. On a machine without a display it runs
# on a private Xvfb display, saves a screenshot to build/screenshot.png and closes the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$REPO_ROOT/scripts/setup.sh"
# The program, and the desktop keeper that the private display needs; not the tests.
build_targets chengyuan desktop_keeper
wine_env
own_display=0
if [ -z "${DISPLAY:-}" ]; then
  own_display=1
  trap stop_display_and_wine EXIT
  start_display_and_wine
else
  ensure_wine_prefix
  put_back_shell_folders
fi

# The game's configuration folder of the prefix's user, as the program resolves it.
# (Through a file: a pipe would stay open as long as the console helper that Wine starts.)
answer=$(mktemp)
as_wine_user wine cmd /c 'echo %LOCALAPPDATA%' </dev/null >"$answer" 2>/dev/null
local_appdata=$(tr -d '\r\n' < "$answer")
rm -f "$answer"
config=$(as_wine_user winepath -u "$local_appdata")/TslGame/Saved/Config/WindowsNoEditor
# Made by the user the program runs as, which must be able to write them.
as_wine_user mkdir -p "$config"
for f in Engine.ini GameUserSettings.ini Scalability.ini; do
  [ -f "$config/$f" ] || as_wine_user cp "$REPO_ROOT/scripts/sample-config/$f" "$config/$f"
done
log "game configuration folder: $config"

exe=$BUILD_DIR/app/chengyuan.exe
if [ "$own_display" = 0 ]; then
  # A shell function cannot be exec'ed: the script ends with the program instead.
  as_wine_user wine "$exe"
  exit
fi
as_wine_user wine "$exe" </dev/null >/dev/null 2>&1 &
sleep "${SCREENSHOT_DELAY:-4}"
# The window is centred on the 1280 x 1024 display: (1280 - 500) / 2, (1024 - 200) / 2.
import -window root -crop 500x200+390+412 +repage "$BUILD_DIR/screenshot.png"
log "screenshot: $BUILD_DIR/screenshot.png"
kill %1 2>/dev/null || true
wait || true
