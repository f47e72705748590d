#!/usr/bin/env bash
# Builds the sample puzzle examples/walden.zpx the way a constructor would:
# zpxtool lays the quotation out, then the real program runs under a virtual
# X server while xdotool selects each acrostic word in the author-title window
# and clicks its quotation squares in the grid window, in the order listed in
# examples/walden-words.txt. Write the clues then opens the Autoclue window,
# where each clue of examples/walden-clues.txt is typed (Enter moves to the
# next word), and Special > Byline credits the puzzle. Ctrl+S saves and
# Puzzle > Exit closes the program.
#
# Usage: examples/build-sample.sh [--screenshot FILE.png] [BUILD_DIR]
#   BUILD_DIR defaults to build; it must hold src/zephyrtrace and src/zpxtool.
#   --screenshot also saves a picture of the finished puzzle in the program.
# Needs xvfb-run, xdotool, ImageMagick (for --screenshot) and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
words_file="$here/walden-words.txt"
clues_file="$here/walden-clues.txt"
byline="the Zephyrtrace team"
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

# Write the clues: the last tool button, a 25 px square at left 164 in the
# tool panel just above the 18 px byline, opens the Autoclue window on the
# selected word, A.
click "$title" $((a / 2)) $((a / 2))
read -r _ main_client_height < <(client_size "$main")
click "$main" 176 $((main_client_height - 18 - 21))
autoclue=$(find_window '^Autoclue$')
[[ -n "$autoclue" ]] || { echo "build-sample: the Autoclue window did not appear" >&2; exit 1; }
# Insert special character (the fifth button under the clue line) opens the
# table the typographic characters are clicked in.
click "$autoclue" 119 66
charmap=$(find_window '^Special Characters$')
[[ -n "$charmap" ]] || { echo "build-sample: the special characters did not appear" >&2; exit 1; }
read -r charmap_width charmap_height < <(client_size "$charmap")

# Each clue as the constructor enters it: ASCII typed, "___" as the blank
# key Ctrl+U, other characters clicked in the table (column, row).
python3 - "$clues_file" >"$work/clue-actions" <<'PY'
import sys
cells = {"\u2018": (1, 1), "\u2019": (2, 1), "\u201c": (3, 1), "\u201d": (4, 1),
         "\u2013": (7, 0), "\u2014": (8, 0), "\u00e9": (8, 7), "\u00a9": (9, 0)}
for line in open(sys.argv[1], encoding="utf-8"):
    if line.startswith("#") or "\t" not in line:
        continue
    label, clue = line.rstrip("\n").split("\t", 1)
    parts = clue.split("___")
    for k, part in enumerate(parts):
        text = ""
        for ch in part:
            if ch in cells:
                if text:
                    print("type " + text)
                    text = ""
                print("cell %d %d" % cells[ch])
            elif ord(ch) < 128:
                text += ch
            else:
                sys.exit(f"build-sample: clue {label} has {ch!r}, which the table here does not place")
        if text:
            print("type " + text)
        if k < len(parts) - 1:
            print("blank")
    print("next " + label)
PY
total=$(grep -c '^next ' "$work/clue-actions")
n=0
xdotool windowfocus --sync "$autoclue"
while IFS= read -r action; do
    argument=${action#* }
    case "${action%% *}" in
    type) xdotool type --delay 20 -- "$argument" ;;
    blank) xdotool key ctrl+u ;;
    cell)
        read -r column row <<<"$argument"
        click "$charmap" $((column * charmap_width / 10 + charmap_width / 20)) \
            $((row * charmap_height / 10 + charmap_height / 20))
        xdotool windowfocus --sync "$autoclue"
        ;;
    next)
        n=$((n + 1))
        # Enter moves on; at the last word it would only say there are no more.
        if ((n < total)); then
            xdotool key Return
        fi
        echo "build-sample: clue $argument"
        ;;
    esac
done <"$work/clue-actions"
xdotool key alt+c

# Special > Byline.
xdotool windowfocus --sync "$main" key alt+s
sleep 0.5
xdotool key b
dialog=$(find_window '^Puzzle Byline$')
[[ -n "$dialog" ]] || { echo "build-sample: the byline dialog did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 -- "$byline"
xdotool key alt+s
sleep 0.5

xdotool mousemove --window "$main" 40 60 windowfocus --sync "$main" key ctrl+s
# The saved file holds every word, every clue and the byline; with --report,
# says on stderr what differs.
saved_whole() {
    "$zpxtool" info "$puzzle" | python3 -c '
import json, sys
info = json.load(sys.stdin)
clues = [l.rstrip("\n").split("\t", 1)[1] for l in open(sys.argv[1], encoding="utf-8") if "\t" in l and not l.startswith("#")]
wrong = [(k, got, want) for k, (got, want) in enumerate(zip(info["clues"], clues)) if got != want]
if len(sys.argv) > 3:
    for k, got, want in wrong:
        print(f"build-sample: clue {chr(65 + k)} is {got!r}, not {want!r}", file=sys.stderr)
    byline = info["byline"]
    if byline != sys.argv[2]:
        print(f"build-sample: the byline is {byline!r}", file=sys.stderr)
sys.exit(0 if info["complete"] and not wrong and info["byline"] == sys.argv[2] else 1)
' "$clues_file" "$byline" "$@"
}
for _ in $(seq 50); do
    saved_whole && break
    sleep 0.2
done
saved_whole --report || { echo "build-sample: the saved puzzle lacks its words, clues or byline" >&2; exit 1; }

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
