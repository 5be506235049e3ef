#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks that it installs
# quarn, its plug-ins, its table, its include files and its manual page under /usr.
set -euo pipefail
build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >/dev/null
package=$(ls "$work"/*.deb)
contents=$(dpkg-deb -c "$package")
for expected in ./usr/bin/quarn ./usr/lib/quarn/curlew.so ./usr/lib/quarn/avocet.so ./usr/lib/quarn/heron.so \
    ./usr/lib/quarn/plover.so ./usr/lib/quarn/tern.so ./usr/lib/quarn/ferra.so ./usr/lib/quarn/dorun.so \
    ./usr/lib/quarn/dunlin.so ./usr/lib/quarn/knot.so ./usr/lib/quarn/stint.so \
    ./usr/share/quarn/vozo80.tab ./usr/share/quarn/Include/ ./usr/share/man/man1/quarn.1.gz ./usr/share/doc/quarn/copyright \
    ./usr/share/doc/quarn/changelog.gz; do
  grep -q " $expected\$" <<<"$contents" || { echo "package lacks $expected" >&2; echo "$contents" >&2; exit 1; }
done
if grep -q -E 'tests?/|_tests$|gtest|\.a$' <<<"$contents"; then
  echo "package holds test or build files:" >&2
  echo "$contents" >&2
  exit 1
fi
dpkg-deb -f "$package" Package Version Depends
echo "package $(basename "$package") holds the installed layout"
