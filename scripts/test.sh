#!/usr/bin/env bash
# Sets up the machine, builds the program and its tests, and runs every test under Wine on a
# private Xvfb display. The last lines printed are CTest's summary, followed by the test processes
# that Wine ended before they ran and that were started again, if there were any.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

prepare_headless_session
cd "$BUILD_DIR"
rm -f "$BUILD_DIR/wine-restarts.log"
status=0
ctest --output-on-failure --timeout 120 "$@" || status=$?
if [ -s "$BUILD_DIR/wine-restarts.log" ]; then
  log "test processes that Wine ended before they ran, started again:"
  cat "$BUILD_DIR/wine-restarts.log"
fi
exit "$status"
