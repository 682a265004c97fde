#!/usr/bin/env bash
# Builds the program and its benchmark, and runs the benchmark under Wine on a private Xvfb
# display. The figures are for this machine under Wine; see bench/benchmark.cpp.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

prepare_headless_session
as_wine_user wine "$BUILD_DIR/bench/chengyuan_bench.exe" "$@" </dev/null
