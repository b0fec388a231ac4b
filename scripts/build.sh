#!/usr/bin/env bash
# Configures (once) and builds the sanitizer build that the demo and the tests share.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/setup.sh"
[ -f build/sanitize/build.ninja ] || cmake --preset sanitize
cmake --build --preset sanitize
