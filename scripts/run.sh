#!/usr/bin/env bash
# Sets up, builds and starts the editor in the folder that holds the demo
# archive "vantrel.bfc".
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build > /dev/null
cmake --build build -j "$(nproc)"

if [ ! -x build/vantrel ]; then
  echo "The editor's main dialog is not built yet." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display. To run the editor on a virtual one:" >&2
  echo "  xvfb-run -s '-screen 0 1600x1000x24' bash scripts/run.sh" >&2
  exit 1
fi
cd build
exec ./vantrel
