#!/usr/bin/env bash
# Installs on Debian 12 what the "fuzz" preset needs beyond the ordinary build:
# clang and its runtime libraries (libFuzzer and the sanitizers). Run as root.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-fuzz-packages.sh: run as root (it calls apt-get)" >&2
  exit 1
fi
apt-get update
apt-get install -y clang libclang-rt-14-dev cmake
