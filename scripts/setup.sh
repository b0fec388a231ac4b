#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing.
set -euo pipefail
packages=(build-essential cmake ninja-build ccache llvm-14 libgtest-dev libgmock-dev libbenchmark-dev python3
          libcurl4-openssl-dev libcpp-httplib-dev pkg-config curl openssl
          libocct-foundation-dev libocct-modeling-data-dev libocct-modeling-algorithms-dev
          libocct-data-exchange-dev libtbb-dev occt-misc libxml2-dev
          libcairo2-dev libpango1.0-dev fonts-wine fonts-wqy-zenhei
          g++-mingw-w64-x86-64 wine64 python3-ezdxf)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
