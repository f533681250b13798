#!/usr/bin/env bash
# Installs what is missing (including what the tests need), builds into
# build/ and runs every test through CTest; then builds the suite again with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# all but the end-to-end tests there, where any report fails its test; and
# fuzzes the settings and results loaders with clang's libFuzzer in
# build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")"
TILIMI_TEST_PACKAGES=1 ./scripts/setup.sh

ctest --preset default

cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)" >/dev/null
ctest --preset asan

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)" >/dev/null
ctest --preset fuzz
