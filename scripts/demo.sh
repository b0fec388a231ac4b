#!/usr/bin/env bash
# The main job: the layer system's walk-through in the host simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd examples
exec ../build/sanitize/bin/vexa-cad --user layer-walkthrough.user layer-walkthrough.lsp
