#!/usr/bin/env bash
# Installs what is missing (including what the end-to-end tests need), builds
# into build/ and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
TILIMI_TEST_PACKAGES=1 ./scripts/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
