#!/usr/bin/env bash
# Makes the README's before/after pictures of the seam tools with quillmar-batch,
# from the gravel photo stand-in the tests measure, and prints the scores of each:
#   scripts/seam_pictures.sh [build dir]   (default: build)
# Each picture is the tile repeated 2 x 2, so the seams and patches show.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/tests/photo_stand_in" gravel 192x160 "$work/photo.png"
"$build/quillmar-batch" --open "$work/photo.png" \
    --save-tiled 2x2 "$root/docs/seams-photo.png" --seam-score --repetition-score \
    --make-seamless --save-tiled 2x2 "$root/docs/seams-seamless.png" --seam-score --repetition-score \
    --even-lighting --save-tiled 2x2 "$root/docs/seams-even.png" --seam-score --repetition-score
