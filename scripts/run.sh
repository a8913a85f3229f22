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
# Qt wants a private runtime folder; where the session gives none, the
# editor gets one of its own for this run (mktemp makes it mode 0700).
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-runtime.XXXXXX")
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
cd build
./vantrel
