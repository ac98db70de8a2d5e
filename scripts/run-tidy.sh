#!/usr/bin/env bash
# clang-tidy with the checks of .clang-tidy over the product code (everything outside tests/
# and bench/), from the compile commands of a configured build folder; exits 1 on a finding.
# Usage: run-tidy.sh BUILD_DIR JOBS
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
jobs=${2:-$(nproc)}
folders='common|sealfiles|render|widgets|stamplog|stamper|manager|logcheck|scripts/demo'
product="^$PWD/($folders)/.*\\.cpp\$"

# The files that include qpdf's headers are read as C++17, as clang compiles them
# (cmake/Qpdf.cmake); configuring lists them.
qpdf=$(grep -E "$product" "$build/qpdf-sources.txt" | sed 's/[.]/\\./g' | paste -sd'|')

status=0
run-clang-tidy -p "$build" -quiet -j "$jobs" "^(?!($qpdf)\$)$product" || status=1
run-clang-tidy -p "$build" -quiet -j "$jobs" -extra-arg=-std=c++17 "^($qpdf)\$" || status=1
exit $status
