#!/usr/bin/env bash
# Sets up the machine, builds the program and its tests, and runs every test under Wine on a
# private Xvfb display. The last lines printed are CTest's summary.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

prepare_headless_session
cd "$BUILD_DIR"
ctest --output-on-failure --timeout 120 "$@"
