#!/usr/bin/env bash
# Installs a build into a folder of its own and checks it as a desktop and a
# user would find it: the files in their places, the menu entry, the puzzle
# file type and the program that opens it, the icon at every size, the
# installed program opening the installed sample, and zpxtool's manual page
# listing exactly the commands of its --help.
#   tests/packaging/install-check.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install-check: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
for file in bin/zephyrtrace bin/zpxtool lib/zephyrtrace/libzpxsound.so share/zephyrtrace/walden.zpx share/zephyrtrace/help/index.html \
  share/zephyrtrace/help/keywords.html share/man/man1/zpxtool.1 share/applications/zephyrtrace.desktop \
  share/mime/packages/zephyrtrace.xml share/icons/hicolor/scalable/apps/zephyrtrace.svg; do
  [ -f "$file" ] || fail "not installed: $file"
done
[ -x bin/zephyrtrace ] && [ -x bin/zpxtool ] || fail "the programs are not executable"
if readelf -d bin/zephyrtrace bin/zpxtool | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
  fail "an installed program loads libraries from the build folder"
fi

# The menu entry: valid (warnings count too) and opening a puzzle file given to it.
desktop=share/applications/zephyrtrace.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry refused: $report"
[ -z "$report" ] || fail "desktop entry: $report"
for line in 'Exec=zephyrtrace %f' 'GenericName=Acrostic Puzzle Editor' 'Icon=zephyrtrace' \
  'MimeType=application/x-zephyrtrace-puzzle;'; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks: $line"
done

# The file type: what the desktop's file managers ask, with only this
# installation in their view.
export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$prefix/share XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/config
update-mime-database "$prefix/share/mime"
update-desktop-database "$prefix/share/applications"
mkdir -p "$work/files"
for name in walden.zpx WALDEN.ZPX Walden.Zpx; do
  cp share/zephyrtrace/walden.zpx "$work/files/$name"
  type=$(xdg-mime query filetype "$work/files/$name")
  [ "$type" = application/x-zephyrtrace-puzzle ] || fail "$name is taken for $type"
done
cp share/zephyrtrace/walden.zpx "$work/files/walden.zpx.bak"
type=$(xdg-mime query filetype "$work/files/walden.zpx.bak")
[ "$type" != application/x-zephyrtrace-puzzle ] || fail "walden.zpx.bak is taken for a puzzle"
handler=$(xdg-mime query default application/x-zephyrtrace-puzzle)
[ "$handler" = zephyrtrace.desktop ] || fail "puzzle files open with '$handler'"

# The icon: a PNG of each size (width and height from its header), and the drawing they come from.
for size in 16 32 48 64 128 256; do
  png=share/icons/hicolor/${size}x$size/apps/zephyrtrace.png
  [ -f "$png" ] || fail "no icon of $size pixels"
  header=($(od -An -tu1 -N24 "$png"))
  [ "${header[*]:0:8}" = "137 80 78 71 13 10 26 10" ] || fail "$png is not a PNG"
  width=$(( (header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19] ))
  height=$(( (header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23] ))
  [ "$width $height" = "$size $size" ] || fail "$png is $width x $height"
done
grep -q '<svg' share/icons/hicolor/scalable/apps/zephyrtrace.svg || fail "the scalable icon is not SVG"

# The installed program opens the installed sample (offscreen, ending once its
# windows are shown); opening a puzzle records it among the recent puzzles.
QT_QPA_PLATFORM=offscreen ZPX_QUIT_AFTER_SHOW=1 timeout 60 bin/zephyrtrace share/zephyrtrace/walden.zpx \
  2>"$work/zephyrtrace.err" || fail "zephyrtrace did not start with the sample: $(cat "$work/zephyrtrace.err")"
grep -qF "$prefix/share/zephyrtrace/walden.zpx" "$XDG_CONFIG_HOME/Marlowick32/Zephyrtrace5.reg" \
  || fail "zephyrtrace did not open the sample"

# The manual page: clean roff, and the commands of --help, each with its summary.
export LC_ALL=C.UTF-8 MANWIDTH=1000
warnings=$(man --warnings -l share/man/man1/zpxtool.1 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"
bin/zpxtool --help | awk '/^  [^ ]/ { sub(/^ +/, ""); synopsis = $0 }
  /^      [^ ]/ { sub(/^ +/, ""); print synopsis " | " $0 }' >"$work/help.txt"
MANPATH=$prefix/share/man man zpxtool | awk '/^[A-Z]/ { commands = ($0 == "COMMANDS") }
  commands && /^       [^ ]/ { sub(/^ +/, ""); synopsis = $0 }
  commands && /^              [^ ]/ { sub(/^ +/, ""); print synopsis " | " $0 }' >"$work/manual.txt"
[ -s "$work/help.txt" ] || fail "zpxtool --help lists no commands"
diff -u "$work/help.txt" "$work/manual.txt" >&2 || fail "man zpxtool and zpxtool --help disagree"
echo "install-check: $(wc -l <"$work/help.txt") commands, icon, menu entry and file type as installed"
