#!/usr/bin/env bash
# The main job: the layer system's walk-through in the host simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd examples
pictures=../build/pictures/layer-walkthrough
rm -rf "$pictures"
../build/sanitize/bin/vexa-cad --pictures "$pictures" --user layer-walkthrough.user layer-walkthrough.lsp
echo "The dialogs' pictures are in $(cd "$pictures" && pwd)"
