#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor. Without a screen, run it under Xvfb:
#   xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
. "$root/scripts/env.sh"
exec "${TAVELIN_BUILD_DIR:-$root/build}/app/tavelin" "$@"
