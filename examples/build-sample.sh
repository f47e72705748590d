#!/usr/bin/env bash
# Builds the sample puzzle examples/walden.zpx the way a constructor would:
# zpxtool lays the quotation out, then the real program runs under a virtual
# X server while xdotool selects each acrostic word in the author-title window
# and clicks its quotation squares in the grid window, in the order listed in
# examples/walden-words.txt. Ctrl+S saves and Puzzle > Exit closes the program.
#
# Usage: examples/build-sample.sh [--screenshot FILE.png] [BUILD_DIR]
#   BUILD_DIR defaults to build; it must hold src/zephyrtrace and src/zpxtool.
#   --screenshot also saves a picture of the finished puzzle in the program.
# Needs xvfb-run, xdotool, ImageMagick (for --screenshot) and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
words_file="$here/walden-words.txt"
target="$here/walden.zpx"

if [[ "${1:-}" != "--drive" ]]; then
    screenshot=""
    if [[ "${1:-}" == "--screenshot" ]]; then
        screenshot=$(realpath -m "$2")
        shift 2
    fi
    build=$(realpath "${1:-$root/build}")
    for tool in xvfb-run xdotool python3; do
        command -v "$tool" >/dev/null || { echo "build-sample: $tool is needed" >&2; exit 1; }
    done
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The grid window's caption is the file name, so the work copy keeps it.
    "$build/src/zpxtool" new --quote-file "$here/walden-quotation.txt" \
        --author "HENRY DAVID THOREAU, WALDEN" --seed 1854 "$work/walden.zpx"
    xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$0" --drive "$build" "$work" "$work/walden.zpx" "$screenshot"
    cp "$work/walden.zpx" "$target"
    echo "build-sample: wrote $target"
    exit 0
fi

build=$2
work=$3
puzzle=$4
screenshot=$5
zpxtool="$build/src/zpxtool"

# A private settings folder, so no saved window places or colours interfere.
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

# Every word must start on the square the layout gave its first letter.
python3 - "$words_file" <("$zpxtool" info "$puzzle") <<'EOF'
import json, sys
info = json.load(open(sys.argv[2]))
rows = [l.split() for l in open(sys.argv[1]) if l.strip() and not l.startswith("#")]
if len(rows) != sum(1 for w in info["words"] if w):
    sys.exit("build-sample: the word list does not match the puzzle's word count")
for k, (label, word, *squares) in enumerate(rows):
    if len(squares) != len(word) or [int(squares[0])] != info["words"][k]:
        sys.exit(f"build-sample: word {label} {word} does not start on its laid-out square")
EOF

# A window manager, when one is installed, gives the windows their captions;
# the clicks are relative to each window's client area either way.
wm=""
if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    wm=$!
    sleep 1
fi

"$build/src/zephyrtrace" "$puzzle" -C >"$work/program.log" 2>&1 &
program=$!
trap 'kill "$program" $wm 2>/dev/null || true' EXIT

find_window() {
    timeout 30 xdotool search --all --sync --onlyvisible --pid "$program" --name "$1" | head -n 1 || true
}
main=$(find_window '^Zephyrtrace')
grid=$(find_window '^WALDEN')
title=$(find_window '^Author-Title')
[[ -n "$main" && -n "$grid" && -n "$title" ]] || { echo "build-sample: windows did not appear" >&2; exit 1; }
sleep 1

read -r grid_width grid_height < <("$zpxtool" info "$puzzle" |
    python3 -c 'import json, sys; d = json.load(sys.stdin); print(d["width"], d["height"])')
client_size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p'; }
read -r grid_client _ < <(client_size "$grid")
read -r title_client _ < <(client_size "$title")
s=$((grid_client / grid_width))   # ScreenSquare
a=$((title_client / 30))          # AuthorTitleSquare: the window has room for 30 letters

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.05
}

k=0
while read -r label word squares; do
    [[ -z "$label" || "$label" == \#* ]] && continue
    k=$((k + 1))
    # Select word k on the author-title window's top row.
    click "$title" $(( (k - 1) * a + a / 2 )) $(( a / 2 ))
    # The first letter is already placed; the lowest empty position takes each click.
    for ref in ${squares#* }; do
        col=$((ref / 100))
        row=$((ref % 100))
        click "$grid" $(( (col - 1) * s + s / 2 )) $(( (row - 1) * s + s / 2 ))
    done
    echo "build-sample: $label $word"
done <"$words_file"

xdotool mousemove --window "$main" 40 60 windowfocus --sync "$main" key ctrl+s
for _ in $(seq 50); do
    "$zpxtool" info "$puzzle" | grep -q '"complete": true' && break
    sleep 0.2
done
"$zpxtool" info "$puzzle" | grep -q '"complete": true' || { echo "build-sample: the saved puzzle is not complete" >&2; exit 1; }

if [[ -n "$screenshot" ]]; then
    # Update the letters distribution with its tool button: the fifth, a
    # 25 px square at left 112 in the tool panel just above the 18 px byline.
    read -r _ main_client_height < <(client_size "$main")
    click "$main" 124 $((main_client_height - 18 - 21))
    # Show the first word's letters so the grid is not all empty squares, and
    # the acrostic word list (Options > Acrostic Window).
    click "$title" $((a / 2)) $((a / 2))
    xdotool windowfocus --sync "$main" key alt+o
    sleep 0.5
    xdotool key w
    # Below the author-title window, clear of the grid.
    list=$(find_window '^Acrostic')
    eval "$(xdotool getwindowgeometry --shell "$title")"
    [[ -z "$list" ]] || xdotool windowmove --sync "$list" 10 $((Y + HEIGHT + 40))
    sleep 1
    import -window root "$work/screen.png"
    convert "$work/screen.png" -trim +repage "$screenshot"
fi

xdotool windowfocus --sync "$main" key alt+p
sleep 0.5
xdotool key x
for _ in $(seq 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$program" 2>/dev/null; then
    echo "build-sample: the program did not exit" >&2
    exit 1
fi
trap - EXIT
[[ -z "$wm" ]] || kill "$wm" 2>/dev/null || true
