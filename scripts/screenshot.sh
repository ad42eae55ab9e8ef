#!/usr/bin/env bash
# Takes a screenshot of the running program under Xvfb: scripts/screenshot.sh out.png [seconds]
set -euo pipefail
out=$(realpath -m "$1")
wait=${2:-3.5}
binary=$(realpath "$(dirname "$0")/../build/quillmar")
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "\"$binary\" & sleep $wait; import -window root \"$out\"; kill %1" 2>/dev/null
