#!/usr/bin/env bash
# Builds the Debian package from the build tree and has lintian check it: any
# error fails the test. Without lintian the check is skipped (exit 77).
set -euo pipefail
build_dir=$1
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: the package check is skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
# lintian warns when it runs as root, as it does in CI; that line is not a finding.
lintian --fail-on error "$work"/*.deb 2> >(grep -v 'running with root privileges' >&2)
echo "lintian found no errors in $(basename "$work"/*.deb)"
