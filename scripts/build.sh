#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <dir> [extra cmake arguments].
set -euo pipefail
dir=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
# Paths relative to the checkout, so ccache hits from any clone.
export CCACHE_BASEDIR="$root"
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" > /dev/null
cmake --build "$root/$dir" -j "$(nproc)"
