#!/usr/bin/env bash
# Idle CPU of the running program: start it under Xvfb, let the splash end,
# then read its CPU time over 10 seconds. Prints the share of one core.
set -euo pipefail
binary=${1:-build/quillmar}
seconds=${2:-10}
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
binary=$(realpath "$binary")
cd "$workdir"
xvfb-run -a -s "-screen 0 1280x1024x24" "$binary" &
runner=$!
sleep 4
pid=$(pgrep -n -f "^$binary" || true)
if [ -z "$pid" ]; then echo "quillmar did not start" >&2; kill $runner 2>/dev/null; exit 1; fi
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")
sleep "$seconds"
after=$(ticks "$pid")
kill "$pid" 2>/dev/null || true
wait $runner 2>/dev/null || true
awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "idle CPU over %ds: %.2f%% of one core\n", s, 100 * d / hz / s }'
