#!/usr/bin/env bash
# Checks a built Debian package: its control file names the libraries the
# programs need (found by dpkg-shlibdeps) and its file list holds the
# installation under /usr and nothing else. Given a FOLDER (as root), it also
# installs the package into a fresh Debian 12 made there by debootstrap (kept
# for the next run), the way a user would: `dpkg -i`, then `apt-get install
# -f` for the dependencies; runs both programs; and removes it again.
#   tests/packaging/package-check.sh zephyrtrace_5.0_amd64.deb [FOLDER]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-}
fail() { echo "package-check: $*" >&2; exit 1; }

control=$(dpkg-deb -I "$deb")
echo "$control"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zephyrtrace ] || fail "package name $(field Package)"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6multimedia6 \
  fonts-liberation2 scowl; do
  [[ ", $depends," == *", $library"[\ ,]* ]] || fail "Depends lacks $library: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
echo "$files"
for file in ./usr/bin/zephyrtrace ./usr/bin/zpxtool ./usr/share/zephyrtrace/walden.zpx \
  ./usr/share/zephyrtrace/help/index.html ./usr/share/man/man1/zpxtool.1 \
  ./usr/share/applications/zephyrtrace.desktop ./usr/share/mime/packages/zephyrtrace.xml \
  ./usr/share/icons/hicolor/scalable/apps/zephyrtrace.svg ./usr/share/icons/hicolor/256x256/apps/zephyrtrace.png; do
  grep -qxF "$file" <<<"$files" || fail "the package lacks $file"
done
if grep -v '^\./usr/' <<<"$files" | grep -qvx '\./'; then fail "the package puts files outside /usr"; fi

[ -n "$root" ] || exit 0
# A fresh Debian 12, made once; a test run takes a copy, so it stays fresh.
if [ ! -x "$root/base/usr/bin/apt-get" ]; then
  rm -rf "$root/base"
  debootstrap --variant=minbase bookworm "$root/base" http://deb.debian.org/debian
fi
system=$root/run
rm -rf "$system"
cp -a "$root/base" "$system"
cp /etc/resolv.conf "$system/etc/resolv.conf"
cp "$deb" "$system/tmp/zephyrtrace.deb"
in_system() { chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 "$@"; }
in_system dpkg -i /tmp/zephyrtrace.deb && fail "dpkg -i installed it without its dependencies"
in_system apt-get update -qq
in_system env DEBIAN_FRONTEND=noninteractive apt-get install -f -y -qq --no-install-recommends >/dev/null
in_system dpkg -s zephyrtrace | grep -qx 'Status: install ok installed' || fail "not installed"
in_system zpxtool --help >/dev/null
in_system zpxtool info /usr/share/zephyrtrace/walden.zpx >/dev/null
in_system env QT_QPA_PLATFORM=offscreen ZPX_QUIT_AFTER_SHOW=1 XDG_CONFIG_HOME=/tmp/config \
  zephyrtrace /usr/share/zephyrtrace/walden.zpx 2>/dev/null || fail "the installed zephyrtrace did not start"
grep -q walden.zpx "$system/tmp/config/Marlowick32/Zephyrtrace5.reg" || fail "zephyrtrace did not open the sample"
in_system dpkg -r zephyrtrace >/dev/null
[ ! -e "$system/usr/bin/zephyrtrace" ] && [ ! -e "$system/usr/share/zephyrtrace" ] || fail "dpkg -r left files behind"
rm -rf "$system"
echo "package-check: installed, run and removed in a fresh Debian 12"
