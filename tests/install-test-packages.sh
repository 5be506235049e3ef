#!/usr/bin/env bash
# Installs the Debian packages that the test suite checks quarn against, when they
# are missing. Needs root (as in CI); without root it only says what is missing.
# lintian, vim and emacs-nox are optional: where one cannot be installed, the
# tests that use it (the package check; the editors reading quarn -g's messages)
# are skipped with a message.
set -euo pipefail

packages=(cmake g++ make libgtest-dev pkg-config libtifiles-dev pasmo binutils-z80 libz80ex-dev python3)
optional=(lintian vim emacs-nox)

is_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

missing=() missing_optional=()
for p in "${packages[@]}"; do is_installed "$p" || missing+=("$p"); done
for p in "${optional[@]}"; do is_installed "$p" || missing_optional+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${missing[*]} ${missing_optional[*]} (run this script as root to install them)" >&2
  [ ${#missing[@]} -eq 0 ] && exit 0
  exit 1
fi
apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi
for p in "${missing_optional[@]}"; do
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p" >/dev/null ||
    echo "could not install $p: the tests that need it will be skipped" >&2
done
