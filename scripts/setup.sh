#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
set -euo pipefail
packages=(build-essential cmake ninja-build ccache llvm-14 libgtest-dev libgmock-dev libbenchmark-dev python3 libxml2-dev libcurl4-openssl-dev)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
