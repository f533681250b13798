#!/usr/bin/env bash
# Installs what is missing (including what the tests need), builds into
# build/ and runs every test through CTest; then builds the whole suite again
# with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and
# runs it there, where any report fails its test.
set -euo pipefail
cd "$(dirname "$0")"
TILIMI_TEST_PACKAGES=1 ./scripts/setup.sh
jobs=$(nproc)

(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$jobs")

if [ ! -f build-asan/CMakeCache.txt ]; then
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTILIMI_SANITIZE=ON -DTILIMI_FUZZ=OFF >/dev/null
fi
cmake --build build-asan --parallel "$jobs" >/dev/null
# Leaks are looked for by their own test, with the libraries' one-time
# allocations set aside.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$jobs")
