#!/usr/bin/env bash
# The Linux program end to end, in a real window under Xvfb, driven through
# real X input (xdotool) only: File, Open through the Open dialog, the map's
# pixels against tarnwick-cli render, a rectangle and a circle dragged,
# dialog 102 answered (space separated, thinning 2), the Save dialog typed
# into, and each written file against tarnwick-cli export of the same drag;
# a rejected file's message box; File, Exit ending with status 0. Screenshots are left in the work folder.
#   tests/e2e/linux_window.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$build/e2e-linux
rm -rf "$work" && mkdir -p "$work"
cp "$root/samples/tarn-ridge.dem" "$work/"
printf 'Digital Elevation Model by Qarn\n%1100s' '' > "$work/broken.dem"  # a line feed in its first record

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
app=
cleanup() { [[ -n $app ]] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null; true; }
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "e2e: $*" >&2; exit 1; }
# The window named exactly so, once it is on the screen; it gets the focus.
window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || fail "no window \"$1\""
  sleep 0.3  # mapped is not yet ready for input
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  sleep 0.1
  echo "$id"
}
gone() { for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0; sleep 0.1; done; fail "\"$1\" stayed"; }
shot() { import -window root "$work/$1.png"; }

cd "$work"
"$build/src/tarnwick" 2>"$work/tarnwick.log" &
app=$!
main=$(window "Tarnwick v1.4 \\(https://tarnwick.example.org\\)")
eval "$(xdotool getwindowgeometry --shell "$main")"
menu=$((HEIGHT - 696))  # the client area lies right below the menu bar
[[ $WIDTH -eq 954 && $menu -gt 0 ]] || fail "window of $WIDTH x $HEIGHT"
left=$X top=$((Y + menu))
cli() { "$build/src/tarnwick-cli" "$@"; }
# With no window manager nobody gives the focus back when a dialog closes.
focusMain() { xdotool windowfocus --sync "$main" 2>/dev/null || true; sleep 0.2; }

openFile() {  # File, Open through the mnemonics, the path typed
  focusMain
  xdotool key alt+f; sleep 0.3; xdotool key o
  if [[ ${1:-} == first ]]; then window "Note:" >/dev/null; xdotool key Return; gone "Note:"; fi
  window "Open" >/dev/null
  xdotool type --delay 10 "$2"; sleep 0.4; xdotool key Return
  gone "Open"
}
drag() {  # x0 y0 x1 y1 in client pixels, with one stop half way
  xdotool mousemove $((left + $1)) $((top + $2)) mousedown 1
  xdotool mousemove $((left + ($1 + $3) / 2)) $((top + ($2 + $4) / 2))
  sleep 0.3
  [[ -n ${5:-} ]] && shot "$5"
  xdotool mousemove $((left + $3)) $((top + $4)); sleep 0.2
  xdotool mouseup 1
}
answerDialog() {  # space separated, thinning 2, OK; then the Save dialog
  window "Write File As" >/dev/null
  xdotool key Down; sleep 0.1          # from the comma button to the space button
  xdotool key Tab; sleep 0.1; xdotool key ctrl+a; xdotool type 2; sleep 0.2
  xdotool key Return
  window "Save As" >/dev/null
  xdotool type --delay 10 "$work/$1"; sleep 0.4; xdotool key Return
  window "File Saved" >/dev/null; xdotool key Return; gone "File Saved"
}
client() { convert "$work/$1.png" -crop "954x696+$left+$top" +repage "$work/$1-client.png"; }
samePixels() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) == 0 ]]; }

# The map after File, Open: exactly the pixels tarnwick-cli renders.
openFile first tarn-ridge.dem
sleep 1; shot opened; client opened
cli render tarn-ridge.dem -o render.png
samePixels opened-client.png render.png || fail "the window's map differs from tarnwick-cli render"

# A rectangle: the band shows mid-drag; the file equals the command line's.
drag 150 150 450 350 dragging
client dragging
samePixels dragging-client.png render.png && fail "no rubber band in the middle of the drag"
answerDialog rect-out
cli export tarn-ridge.dem --drag-rect 150 150 450 350 --format txt --thin 2 -o rect-ref.txt >/dev/null
cmp rect-out.txt rect-ref.txt || fail "the rectangle's file differs from tarnwick-cli export"

# A circle, after Redraw.
focusMain
xdotool key alt+r; sleep 0.5
xdotool key alt+a; sleep 0.3; xdotool key c; sleep 0.3
drag 480 350 560 400
answerDialog circle-out
cli export tarn-ridge.dem --drag-circle 480 350 560 400 --format txt --thin 2 -o circle-ref.txt >/dev/null
cmp circle-out.txt circle-ref.txt || fail "the circle's file differs from tarnwick-cli export"

# A rejected file: its message box comes up in place of the map.
openFile again broken.dem
window "Error" >/dev/null
shot rejected
cli info broken.dem >/dev/null 2>&1 && fail "tarnwick-cli info accepts the broken file"
xdotool key Return; gone "Error"

# File, Exit ends the program with status 0.
focusMain
xdotool key alt+f; sleep 0.3; xdotool key x
status=0
wait "$app" || status=$?
app=
[[ $status -eq 0 ]] || fail "File, Exit ended with status $status"
echo "e2e: the Linux window passed (screenshots in $work)"
