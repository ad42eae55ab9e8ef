#!/usr/bin/env bash
# Installs what is missing, builds Quillmar and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
