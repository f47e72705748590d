#!/usr/bin/env bash
# Installs every Debian package Zephyrtrace needs to build, test and run.
# Safe to run again: packages already present are skipped quickly.
# Packages named as arguments are installed as well (scripts/fuzz.sh asks for clang).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl1-mesa-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth
  python3-dbf libdbd-xbase-perl dbview sqlite3 libsqlite3-dev time
  # the install check looks at an installation as a desktop and a user would
  desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
  # the exports' tests read the files back with the programs they are meant for
  ghostscript libwmf-bin libreoffice-writer-nogui xclip
  libxcb1-dev openbox x11-utils
  # the tests read printed PDFs back
  poppler-utils
  # ipuz checked against a JSON schema; the web page solved in a headless browser over its DevTools protocol
  python3-jsonschema chromium python3-websocket
  # the answer words come from scowl's lists; the fill is measured against glpsol
  scowl glpk-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
