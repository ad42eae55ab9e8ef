#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <dir> [extra cmake arguments].
set -euo pipefail
dir=$1
shift
root=$(cd "$(dirname "$0")/.." && pwd)
# Paths relative to the checkout, so ccache hits from any clone.
export CCACHE_BASEDIR="$root"
# Qt's test library defines these as the checkout's absolute paths; no test reads
# them, so they are left out of the cache key and a fresh clone still hits.
export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
# Builds with debug information (the sanitizer build) would otherwise key on the
# directory they were built in.
export CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" > /dev/null
cmake --build "$root/$dir" -j "$(nproc)"
