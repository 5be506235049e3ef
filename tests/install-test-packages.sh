#!/usr/bin/env bash
# Installs the Debian packages that the test suite checks quarn against, when they
# are missing. Needs root (as in CI); without root it only says what is missing.
set -euo pipefail

packages=(cmake g++ libgtest-dev pkg-config libtifiles-dev pasmo binutils-z80 libz80ex-dev python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${missing[*]} (run this script as root to install them)" >&2
  exit 1
fi
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
