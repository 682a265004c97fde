#!/usr/bin/env bash
# Sets up the machine, builds the program and its tests, and runs every test under Wine on a
# private Xvfb display. The last lines printed are CTest's summary.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$REPO_ROOT/scripts/setup.sh"
build_all
wine_env
trap stop_display_and_wine EXIT
start_display_and_wine
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 120 "$@"
