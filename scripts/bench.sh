#!/usr/bin/env bash
# Builds the program and its benchmark, and runs the benchmark under Wine on a private Xvfb
# display. The figures are for this machine under Wine; see bench/benchmark.cpp.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$REPO_ROOT/scripts/setup.sh"
build_all
wine_env
trap stop_display_and_wine EXIT
start_display_and_wine
wine "$BUILD_DIR/bench/chengyuan_bench.exe" </dev/null
