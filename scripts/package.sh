#!/usr/bin/env bash
# Builds the Debian package of Zephyrtrace in build-package/ with CPack and
# checks what it holds (tests/packaging/package-check.sh). With
# ZPX_PACKAGE_CHROOT=FOLDER, run as root, the check also installs it into a
# fresh Debian 12 made in FOLDER by debootstrap.
set -euo pipefail
cd "$(dirname "$0")/.."
# CPack asks `file` which of the packed files are programs, for dpkg-shlibdeps.
scripts/setup.sh file dpkg-dev ${ZPX_PACKAGE_CHROOT:+debootstrap}
build=build-package
# The package needs the two programs and the manual page only, not the tests.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZPX_BENCHMARKS=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target zephyrtrace zpxtool zpxtool_manual
rm -f "$build"/zephyrtrace_*.deb
(cd "$build" && cpack -G DEB)
deb=$(echo "$build"/zephyrtrace_*.deb)
tests/packaging/package-check.sh "$deb" ${ZPX_PACKAGE_CHROOT:+"$ZPX_PACKAGE_CHROOT"}
echo "package: $deb"
