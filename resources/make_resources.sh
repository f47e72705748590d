#!/usr/bin/env bash
# Regenerates the program's sounds, pictures and cursors from nothing but
# synthesis, speech and drawing commands. The results are committed, so this
# is needed only to change them. Tools: sox, espeak-ng, ImageMagick 6 (convert),
# the Liberation fonts (fonts-liberation2).
#
# Every run gives byte-identical files: sox runs without dither in repeatable
# mode, and the PNG writer leaves out its date and time chunks.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
sounds=$here/sounds
images=$here/images
cursors=$here/cursors
mkdir -p "$sounds" "$images" "$cursors"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fonts=/usr/share/fonts/truetype/liberation2
serif_bold=$fonts/LiberationSerif-Bold.ttf
serif_italic=$fonts/LiberationSerif-Italic.ttf
serif_bold_italic=$fonts/LiberationSerif-BoldItalic.ttf
sans=$fonts/LiberationSans-Regular.ttf
sans_bold=$fonts/LiberationSans-Bold.ttf

for tool in sox soxi espeak-ng convert; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
[[ -f $serif_bold ]] || { echo "missing fonts: $fonts" >&2; exit 1; }

export LC_ALL=C
SOX=(sox -R -D -V1)

# ---------------------------------------------------------------- sounds ---

# tone FILE RATE DURATION FREQ [KIND]: one note with a soft attack and release.
tone() {
  local kind=${5:-brass}
  case $kind in
    brass) "${SOX[@]}" -n -r "$2" -c 1 -b 32 -e floating-point "$1" \
             synth "$3" sawtooth "$4" lowpass 2400 fade q 0.012 "$3" 0.05 ;;
    bell)  "${SOX[@]}" -n -r "$2" -c 1 -b 32 -e floating-point "$1" \
             synth "$3" sine "$4" fade p 0.005 "$3" "$3" ;;
    buzz)  "${SOX[@]}" -n -r "$2" -c 1 -b 32 -e floating-point "$1" \
             synth "$3" square "$4" lowpass 1500 fade q 0.005 "$3" 0.02 ;;
    slide) "${SOX[@]}" -n -r "$2" -c 1 -b 32 -e floating-point "$1" \
             synth "$3" sawtooth "$4" lowpass 1200 tremolo 7 40 fade q 0.02 "$3" 0.15 ;;
  esac
}

silence() { "${SOX[@]}" -n -r "$2" -c 1 -b 32 -e floating-point "$1" trim 0 "$3"; }

# sequence OUT RATE KIND "FREQ:DUR ..." (FREQ 0 is a rest)
sequence() {
  local out=$1 rate=$2 kind=$3 parts=() i=0 f d
  for step in $4; do
    f=${step%%:*} d=${step##*:}
    i=$((i + 1))
    if [[ $f == 0 ]]; then silence "$work/s$i.wav" "$rate" "$d"
    else tone "$work/s$i.wav" "$rate" "$d" "$f" "$kind"; fi
    parts+=("$work/s$i.wav")
  done
  "${SOX[@]}" "${parts[@]}" "$out"
  rm -f "${parts[@]}"
}

# chord OUT RATE DURATION FREQ...: notes sounding together, dying away.
chord() {
  local out=$1 rate=$2 dur=$3 parts=() f
  shift 3
  for f in "$@"; do
    "${SOX[@]}" -n -r "$rate" -c 1 -b 32 -e floating-point "$work/c$f.wav" \
      synth "$dur" sawtooth "$f" lowpass 2400 fade q 0.012 "$dur" "$dur"
    parts+=("$work/c$f.wav")
  done
  "${SOX[@]}" -m "${parts[@]}" "$out"
  rm -f "${parts[@]}"
}

# finish IN OUT RATE SECONDS: 8-bit unsigned mono PCM of exactly the length.
finish() {
  "${SOX[@]}" "$1" -r "$3" -c 1 -b 8 -e unsigned-integer "$2" \
    gain -n -2 pad 0 "$4" trim 0 "$4"
}

# speak TEXT OUT SECONDS: spoken words, quickened if needed to fit the length.
speak() {
  local raw=$work/speech.wav trimmed=$work/speech-trimmed.wav len factor
  espeak-ng -v en-us -s 165 -p 45 -w "$raw" "$1"
  "${SOX[@]}" "$raw" "$trimmed" silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse
  len=$(soxi -D "$trimmed")
  factor=$(awk -v l="$len" -v t="$3" 'BEGIN { f = l / (t - 0.06); printf "%.4f", (f > 1 ? f : 1) }')
  # Speech peaks far above its average level; evening it out makes the words
  # as loud as the tones.
  "${SOX[@]}" "$trimmed" "$work/speech-fit.wav" tempo -s "$factor" \
    compand 0.01,0.2 -70,-70,-50,-30,-20,-12,0,-3 0 -90 0.05 pad 0.03
  finish "$work/speech-fit.wav" "$2" 11025 "$3"
}

# Note frequencies (equal temperament).
G4=392.00 A4=440.00 C5=523.25 D5=587.33 E5=659.25 F5=698.46 G5=783.99 A5=880.00 C6=1046.50

# WAVE_1: question or refusal, a rising two-note chime.
sequence "$work/w1.wav" 11025 bell "660:0.22 0:0.03 880:0.46"
finish "$work/w1.wav" "$sounds/WAVE_1.wav" 11025 0.71

# WAVE_2: the fanfare for a correctly solved puzzle.
sequence "$work/w2a.wav" 22050 brass \
  "$G4:0.18 $G4:0.18 $G4:0.18 $C5:0.60 0:0.10 \
   $E5:0.18 $E5:0.18 $E5:0.18 $G5:0.60 0:0.10 \
   $E5:0.25 $G5:0.25 $C6:1.00 0:0.20 \
   $A5:0.30 $G5:0.30 $F5:0.30 $E5:0.30 $D5:0.30 $E5:0.30 $C5:1.20"
chord "$work/w2b.wav" 22050 0.91 $C5 $E5 $G5 $C6
"${SOX[@]}" "$work/w2a.wav" "$work/w2b.wav" "$work/w2.wav"
finish "$work/w2.wav" "$sounds/WAVE_2.wav" 22050 8.09

# WAVE_3: puzzle incorrect, a sagging "wah-wah".
sequence "$work/w3.wav" 11025 slide "311.13:0.30 293.66:0.30 277.18:0.49"
finish "$work/w3.wav" "$sounds/WAVE_3.wav" 11025 1.09

# WAVE_4: no more clues, a falling two-note chime.
sequence "$work/w4.wav" 22050 bell "$E5:0.20 0:0.02 $C5:0.30"
finish "$work/w4.wav" "$sounds/WAVE_4.wav" 22050 0.52

# WAVE_5 and WAVE_6: the spoken versions.
speak "No more clues" "$sounds/WAVE_5.wav" 1.10
speak "Do you want to save?" "$sounds/WAVE_6.wav" 1.74

# WAVE_7: error, a short low buzz.
tone "$work/w7.wav" 11025 0.17 220 buzz
finish "$work/w7.wav" "$sounds/WAVE_7.wav" 11025 0.17

# -------------------------------------------------------------- pictures ---

# png ARGS... OUTPUT: convert without the date and time chunks.
png() { convert "${@:1:$#-1}" -strip -define png:exclude-chunks=date,time "${@: -1}"; }

# glyph NAME MVG: a 20 x 20 tool-button picture on transparency, drawn four
# times larger in 20-unit coordinates and averaged down for smooth edges.
glyph() {
  png -size 80x80 xc:none -font "$sans_bold" -draw "scale 4,4 $2" \
    -filter box -resize 20x20 "PNG32:$images/$1.png"
}

ink="'#1c1c1c'"

# Show puzzle answers: an eye.
glyph cheat "fill white stroke $ink stroke-width 1.2
  path 'M 1,10 Q 10,2 19,10 Q 10,18 1,10 Z'
  stroke none fill '#2b6cb0' circle 10,10 13.6,10
  fill black circle 10,10 11.6,10
  fill white circle 11.4,8.6 12.1,8.6"

# Edit quotation grid: a grid of two black and two lettered squares.
glyph squares "stroke $ink stroke-width 1 fill white rectangle 1.5,1.5 18.5,18.5
  fill $ink rectangle 10,1.5 18.5,10 rectangle 1.5,10 10,18.5
  stroke none fill '#b00000' font-size 8 text 3.2,8.8 'A' text 12.2,17.3 'Z'"

# Construct the puzzle: three letter blocks stacked.
glyph letters "stroke '#6b4a1e' stroke-width 0.9 fill '#f4dca0'
  rectangle 1,10.5 9.5,19 rectangle 10.5,10.5 19,19 rectangle 5.7,1.5 14.2,10
  stroke none fill '#1f3f8f' font-size 7.5
  text 2.8,17.6 'B' text 12.3,17.6 'C' text 7.6,8.6 'A'"

# Clear an author-title entry: an eraser rubbing out a line.
glyph spill "stroke '#7a8ca0' stroke-width 1.1 stroke-linecap round
  line 1.5,18 7,18 stroke-dasharray 1.2,1.6 line 8.5,18 18.5,18
  stroke-dasharray none stroke $ink stroke-width 0.9 stroke-linejoin round
  fill '#f08a9a' path 'M 3,13 L 11,5 L 15,9 L 7,17 Z'
  fill '#3a6fc4' path 'M 11,5 L 14,2 L 18,6 L 15,9 Z'"

# Update letters distribution: a bar chart.
glyph distr "stroke none fill '#2b6cb0' rectangle 3.5,9 6.5,17
  fill '#d0402a' rectangle 7.8,4 10.8,17
  fill '#2e9e45' rectangle 12.1,11 15.1,17
  fill '#e0a020' rectangle 16.1,7 18.6,17
  stroke $ink stroke-width 1.1 fill none polyline 1.5,1.5 1.5,18.2 19,18.2"

# Open dictionary: an open book.
glyph dict "stroke $ink stroke-width 0.9 stroke-linejoin round fill '#8b1f1f'
  path 'M 1,5 L 1,17 L 10,18.5 L 19,17 L 19,5 L 10,6.5 Z'
  fill white path 'M 2,3.5 L 2,15.8 Q 6,15.2 10,17 L 10,5.3 Q 6,3.5 2,3.5 Z'
  path 'M 18,3.5 L 18,15.8 Q 14,15.2 10,17 L 10,5.3 Q 14,3.5 18,3.5 Z'
  stroke '#7a8ca0' stroke-width 0.7
  line 3.5,7 8.5,8 line 3.5,9.5 8.5,10.5 line 3.5,12 8.5,13
  line 11.5,8 16.5,7 line 11.5,10.5 16.5,9.5 line 11.5,13 16.5,12"

# Write the clues: a pen writing on a sheet of paper.
glyph autoclue "stroke $ink stroke-width 0.9 fill white rectangle 2,1.5 14,18.5
  stroke '#7a8ca0' stroke-width 0.8 line 4,5 12,5 line 4,8 12,8 line 4,11 9,11
  stroke $ink stroke-width 0.8 stroke-linejoin round
  fill '#e0a020' path 'M 17,4.5 L 19.3,6.8 L 10.5,15.6 L 8.2,13.3 Z'
  fill '#f2d7a8' path 'M 8.2,13.3 L 10.5,15.6 L 7,17 Z'
  fill $ink stroke none path 'M 7.9,16.3 L 7,17 L 7.6,15.9 Z'"

# The logo, 419 x 277: the name over a strip of a half-solved acrostic grid,
# with the west wind's traces drawn across the sky.
logo_mvg=$work/logo.mvg
{
  echo "stroke-linecap round fill none"
  echo "stroke '#9cc3e6' stroke-width 3 path 'M 18,52 C 80,18 140,70 210,40 S 330,12 400,46'"
  echo "stroke '#b9d6ef' stroke-width 2 path 'M 40,120 C 110,96 170,132 250,108 S 360,92 398,112'"
  echo "stroke '#c9e0f3' stroke-width 1.5 path 'M 28,28 C 70,14 96,30 120,22'"
  echo "stroke '#9cc3e6' stroke-width 2.5 path 'M 392,46 C 410,56 406,74 392,72 C 382,70 384,60 392,62'"

  # The grid: 11 x 3 squares of 28 pixels, read row by row; '#' is a filled
  # square, '.' a letter square not yet solved, lower case a solved letter.
  quote="the#wi.d#bl.ws#whe.e#it#l.sts####"
  answer="THE#WIND#BLOWS#WHERE#IT#LISTS####"
  labels="DAHBFCEGAJDBIHCFKEGJDAB"
  size=28 left=55 top=142 n=0
  echo "stroke none fill '#00000030' rectangle $((left + 4)),$((top + 4)) $((left + 11 * size + 4)),$((top + 3 * size + 4))"
  for ((i = 0; i < 33; i++)); do
    x=$((left + (i % 11) * size)) y=$((top + (i / 11) * size))
    c=${quote:i:1}
    if [[ $c == "#" ]]; then
      echo "stroke '#1c1c1c' stroke-width 1 fill '#1c1c1c' rectangle $x,$y $((x + size)),$((y + size))"
      continue
    fi
    echo "stroke '#1c1c1c' stroke-width 1 fill white rectangle $x,$y $((x + size)),$((y + size))"
    echo "stroke none fill '#505050' font '$sans' font-size 7 text $((x + 2)),$((y + 8)) '$((n + 1))'"
    echo "text $((x + size - 7)),$((y + 8)) '${labels:n:1}'"
    n=$((n + 1))
    if [[ $c != "." ]]; then
      echo "fill '#1b2f5e' font '$sans_bold' font-size 15 text $((x + 9)),$((y + 24)) '${answer:i:1}'"
    fi
  done
  # The square being solved, outlined as the grid's cursor shows it.
  echo "stroke '#d0402a' stroke-width 2.5 fill none rectangle $((left + 6 * size + 2)),$((top + 2)) $((left + 7 * size - 2)),$((top + size - 2))"

  echo "gravity North stroke none"
  echo "fill '#1b2f5e30' font '$serif_bold_italic' font-size 66 text 3,31 'Zephyrtrace'"
  echo "fill '#1b2f5e' text 0,28 'Zephyrtrace'"
  echo "fill '#3a4a6a' font '$serif_italic' font-size 16 text 0,247 'acrostic puzzles to construct and to solve'"
} >"$logo_mvg"
# 256 colours: the logo is decoded at every start, and a palette image decodes
# several times faster than a true-colour one.
png -size 419x277 gradient:'#dcebf8-#fbf8f0' -draw "$(<"$logo_mvg")" -dither FloydSteinberg -colors 256 "PNG8:$images/logo.png"

# The preferences dialog's screen-layout pictures, 177 x 131, each a screen
# with the windows where that layout puts them: the main window, the letters
# distribution (or solve window) beside it, and the grid with the
# author-title strip centred in the rest. SCREEN5, the state without a new
# layout, shows the windows where a user might have left them.

# window X1 Y1 X2 Y2 CAPTION: a window with its caption bar, in 177 x 131 units.
window() {
  echo "stroke '#404040' stroke-width 0.6 fill '#d4d0c8' rectangle $1,$2 $3,$4"
  echo "stroke none fill '$5' rectangle $(($1 + 1)),$(($2 + 1)) $(($3 - 1)),$(($2 + 4))"
}

# grid X1 Y1: the grid window, 10 x 6 squares of 9 units, and the author-title strip below it.
grid() {
  local x=$1 y=$2 c r
  window "$x" "$y" $((x + 93)) $((y + 61)) '#1b2f5e'
  echo "stroke '#1c1c1c' stroke-width 0.4"
  for ((r = 0; r < 6; r++)); do
    for ((c = 0; c < 10; c++)); do
      if (( (c * 7 + r * 3) % 5 == 0 )); then echo "fill '#1c1c1c'"; else echo "fill white"; fi
      echo "rectangle $((x + 2 + c * 9)),$((y + 6 + r * 9)) $((x + 11 + c * 9)),$((y + 15 + r * 9))"
    done
  done
  window "$x" $((y + 64)) $((x + 93)) $((y + 79)) '#1b2f5e'
  for ((c = 0; c < 10; c++)); do
    echo "stroke '#1c1c1c' stroke-width 0.4 fill '#f4dca0' rectangle $((x + 2 + c * 9)),$((y + 69)) $((x + 11 + c * 9)),$((y + 78))"
  done
}

# screen NUMBER MAIN_X MAIN_Y SIDE_X SIDE_Y GRID_X GRID_Y
screen() {
  local mvg=$work/screen$1.mvg
  {
    window "$2" "$3" $(($2 + 46)) $(($3 + 22)) '#1b2f5e'
    echo "stroke none fill '#2b6cb0' rectangle $(($2 + 3)),$(($3 + 7)) $(($2 + 9)),$(($3 + 13))"
    echo "fill '#d0402a' rectangle $(($2 + 11)),$(($3 + 7)) $(($2 + 17)),$(($3 + 13))"
    echo "fill '#2e9e45' rectangle $(($2 + 19)),$(($3 + 7)) $(($2 + 25)),$(($3 + 13))"
    window "$4" "$5" $(($4 + 125)) $(($5 + 22)) '#5a6a8a'
    for ((i = 0; i < 9; i++)); do
      echo "stroke none fill '#1c1c1c' rectangle $(($4 + 5 + i * 13)),$(($5 + 9)) $(($4 + 10 + i * 13)),$(($5 + 18))"
    done
    grid "$6" "$7"
  } >"$mvg"
  png -size 708x524 gradient:'#2f7f86-#1d5c62' -draw "scale 4,4 $(<"$mvg")" -filter box -resize 177x131 \
    "PNG24:$images/screen$1.png"
}

screen 1 2 2 50 2 42 28
screen 2 129 2 2 2 42 28
screen 3 129 107 2 107 42 24
screen 4 2 107 50 107 42 24
screen 5 12 14 40 96 74 6

# The print page of the preferences: a page of grid and clues, its bottom margin marked.
png -size 480x600 xc:none -draw "scale 4,4
  stroke none fill '#00000040' rectangle 14,10 114,146
  stroke '#404040' stroke-width 0.8 fill white rectangle 10,6 110,142
  stroke '#1c1c1c' stroke-width 0.4 fill white rectangle 20,16 100,66
  fill '#1c1c1c' rectangle 36,16 44,24 rectangle 68,24 76,32 rectangle 28,40 36,48 rectangle 84,48 92,56 rectangle 52,58 60,66
  stroke '#7a8ca0' stroke-width 1.2 line 20,76 96,76 line 20,84 88,84 line 20,92 98,92 line 20,100 80,100 line 20,108 94,108 line 20,116 70,116
  stroke '#d0402a' stroke-width 0.8 stroke-dasharray 2,1.5 line 10,128 110,128
  stroke none fill '#d0402a' path 'M 104,129 L 101,134 L 107,134 Z' path 'M 104,141 L 101,136 L 107,136 Z'" \
  -filter box -resize 120x150 "PNG32:$images/printpage.png"

# ---------------------------------------------------------------- cursors ---

# cursor NAME MVG: a 32 x 32 cursor picture, drawn like the glyphs.
cursor() {
  png -size 128x128 xc:none -draw "scale 4,4 $2" -filter box -resize 32x32 "PNG32:$cursors/$1.png"
}

# The hot spots are repeated in src/core/ResourcesUnit.h.
# PENCIL: hot spot (1, 30), the graphite point at the lower left. The
# pencil is drawn lying along x from its point, then turned up 45 degrees.
cursor pencil "translate 1,30 rotate -45
  stroke $ink stroke-width 0.9 stroke-linejoin round
  fill '#f2d7a8' path 'M 0,0 L 10,-4 L 10,4 Z'
  fill '#f5c518' rectangle 10,-4 30,4
  fill '#444444' stroke none path 'M 0,0 L 4,-1.6 L 4,1.6 Z'
  stroke '#c89a0a' stroke-width 0.8 line 10.6,0 29.4,0
  stroke $ink stroke-width 0.9 fill '#b8b8b8' rectangle 30,-4 33,4
  fill '#f08a9a' roundrectangle 33,-4 37,4 1.5,1.5"

# HANDPNT: hot spot (11, 1), the tip of the pointing finger.
cursor handpnt "stroke $ink stroke-width 1 stroke-linejoin round fill white
  path 'M 9,14 L 9,3.5 Q 9,1 11.5,1 Q 14,1 14,3.5 L 14,12
        Q 14,10.5 16,10.5 Q 18,10.5 18,12.5
        Q 18,11.5 20,11.5 Q 22,11.5 22,13.5
        Q 22,12.5 24,12.5 Q 26,12.5 26,14.5
        L 26,22 Q 26,26 23,28 L 23,31 L 12,31 L 12,28 Q 10,27 8,24
        L 4,18 Q 2.5,16 4,14.8 Q 5.5,13.8 7,15.5 L 9,18 Z'
  fill none stroke-width 0.8 line 14,12 14,16 line 18,12.5 18,16.5 line 22,13.5 22,17"

# The help book shows the logo and the tool buttons' pictures too.
help_images=$here/../docs/help/images
mkdir -p "$help_images"
for name in logo cheat squares letters spill distr dict autoclue; do
  cp "$images/$name.png" "$help_images/$name.png"
done
