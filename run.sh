#!/usr/bin/env bash
# Installs what is missing, builds Quillmar and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Quillmar on a virtual one (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/quillmar
fi
exec build/quillmar
