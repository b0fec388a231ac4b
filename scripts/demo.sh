#!/usr/bin/env bash
# The main job: runs the shipped walk-through in the host simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd examples
exec ../build/sanitize/bin/vexa-cad --user frame-tour.user frame-tour.lsp 'C:\Vexa\Parts\Cover.dwg' 'C:\Vexa\Parts\Housing.dwg'
