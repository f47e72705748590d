#!/usr/bin/env bash
# zpxtool draws its pages with Qt's GUI module only: it links no Qt Widgets,
# nor Qt PrintSupport, which would bring Widgets along, and its code holds
# no window class.
#   tests/cli/links-no-window.sh path/to/zpxtool
set -euo pipefail
tool=$1
fail() { echo "links-no-window: $*" >&2; exit 1; }

libraries=$(ldd "$tool")
grep -q 'libQt6Gui\.so' <<<"$libraries" || fail "zpxtool does not link Qt GUI: not the program that prints"
if grep -E 'libQt6(Widgets|PrintSupport)\.so' <<<"$libraries"; then fail "zpxtool links a window library"; fi

symbols=$(nm -C "$tool")
grep -q 'zpx::PrinterCanvas::' <<<"$symbols" || fail "zpxtool holds no page drawing: were its symbols stripped?"
if grep -m 5 -E 'zpx::T[A-Za-z0-9]*(Form|Win)\b|\bQ(Widget|Dialog)\b' <<<"$symbols"; then
  fail "zpxtool holds a window class"
fi
echo "links-no-window: zpxtool links $(grep -o 'libQt6[A-Za-z]*' <<<"$libraries" | sort -u | tr '\n' ' ')"
