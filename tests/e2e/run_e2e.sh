#!/usr/bin/env bash
# End-to-end test: the built editor on a virtual X display of its own, in a
# fresh folder with the demo archive of its build folder, driven with real
# key events (XTEST, through xdotool). It loads the generator's stage file
# through the open dialog, saves it under a new name through the save
# dialog, leaves with Esc and Yes, and checks that the editor ended with
# status 0 and that the saved file equals the loaded one byte for byte.
#
#   run_e2e.sh <editor> <stage generator>
#
# With E2E_SHOTS=<folder> a screenshot of each step is saved there (and one
# of the screen on failure). Every wait is bounded; whatever the test
# started is killed on every path, even when the test itself is killed.
set -euo pipefail

editor=$(realpath "$1")
generator=$(realpath "$2")
archive=$(dirname "$editor")/vantrel.bfc
shots=${E2E_SHOTS:-}
title='Vantrel v3.1.0 (User Version)'
limit=30  # seconds that any one wait may take

work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-e2e.XXXXXX")
xvfb_pid=
editor_pid=
watchdog_pid=

stop_editor() {
  if [ -n "$editor_pid" ]; then kill -KILL "$editor_pid" 2>/dev/null || true; wait "$editor_pid" 2>/dev/null || true; fi
  editor_pid=
}

stop_display() {
  if [ -n "$xvfb_pid" ]; then kill -TERM "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  xvfb_pid=
}

cleanup() {
  if [ -n "$watchdog_pid" ]; then kill -KILL "$watchdog_pid" 2>/dev/null || true; wait "$watchdog_pid" 2>/dev/null || true; fi
  stop_editor
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

# A test that is killed runs no trap. A watchdog outside it ends whatever
# the test started (the pids in $work/pids) once the test is gone.
(
  exec < /dev/null > /dev/null 2>&1
  while kill -0 $$ 2>/dev/null; do sleep 0.2; done
  if [ -f "$work/pids" ]; then
    xargs -r kill -TERM < "$work/pids" 2>/dev/null
    sleep 1
    xargs -r kill -KILL < "$work/pids" 2>/dev/null
  fi
  rm -rf "$work"
) &
watchdog_pid=$!
trap 'exit 130' INT TERM HUP
# A reader of our output that goes away must not end the script before it
# has cleaned up (the editor gets the default back).
trap '' PIPE

shot() {
  if [ -n "$shots" ] && [ -n "${DISPLAY:-}" ]; then
    import -window root "$shots/$1.png" 2>/dev/null || echo "e2e: no screenshot $1" >&2
  fi
}

fail() {
  echo "e2e: FAILED: $*" >&2
  shot failed
  [ -s "$work/editor.log" ] && { echo "e2e: the editor's output:"; cat "$work/editor.log"; } >&2
  exit 1
}

# An exact window title as xdotool's (extended, case-insensitive) pattern.
exactly() {
  printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')"
}

# The ids of the shown windows of that exact title; false when there are none.
window_ids() {
  xdotool search --onlyvisible --name "$(exactly "$1")" 2>/dev/null
}

# Waits for a window of that exact title and prints its id.
wait_window() {
  local id i
  for ((i = 0; i < limit * 10; i++)); do
    id=$(window_ids "$1" | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    editor_gone && fail "the editor ended before a window \"$1\" appeared"
    sleep 0.1
  done
  fail "no window \"$1\" within $limit s"
}

# Starts a virtual display of our own and waits until it accepts a
# connection. Xvfb picks a free number and writes it out; but another X
# server stopping at that moment can still hold the number's lock, and the
# new one then ends right after it wrote it. False when our display is gone
# before it accepted a connection.
start_display() {
  local fifo="$work/display.$1" number
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3> "$fifo" > "$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  echo "$xvfb_pid" >> "$work/pids"
  read -r -t "$limit" number < "$fifo" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$number"
  poll answered_or_gone || fail "the display $DISPLAY accepted no connection within $limit s"
  kill -0 "$xvfb_pid" 2>/dev/null
}

# Whether our display has ended, or accepted a connection.
answered_or_gone() {
  ! kill -0 "$xvfb_pid" 2>/dev/null || xdotool getdisplaygeometry > /dev/null 2>&1
}

# Starts the editor on the display, in the folder of the stage files, with
# runtime and configuration folders of the test's own.
start_editor() {
  (cd "$stages" && exec env --default-signal=PIPE -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY \
    XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
    "$editor" > "$work/editor.log" 2>&1) &
  editor_pid=$!
  echo "$editor_pid" >> "$work/pids"
}

# Whether the editor has ended having found no display to connect to.
lost_display() {
  editor_gone && grep -q "could not connect to display" "$work/editor.log" 2>/dev/null
}

# Gives a window the keyboard focus and presses keys in it.
keys() {
  xdotool windowfocus --sync "$1" key --delay 50 "${@:2}" || fail "cannot press ${*:2} in window $1"
}

# Types a name over the file dialog's name box and accepts it. The name
# there is erased with keys that need no modifier: on a loaded machine a
# Ctrl+A was once taken as a plain "a".
enter_name() {
  local erase i
  erase=(End)
  for ((i = 0; i < 24; i++)); do erase+=(BackSpace); done
  xdotool windowfocus --sync "$1" key --delay 20 "${erase[@]}" || fail "cannot erase the name in window $1"
  xdotool type --delay 50 "$2" || fail "cannot type $2"
  xdotool key Return || fail "cannot press Return"
}

# Runs a check every tenth of a second until it holds; false after $limit s.
poll() {
  local i
  for ((i = 0; i < limit * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

window_or_lost_display() {
  lost_display || window_ids "$1" > /dev/null
}
title_is() { [ "$(xdotool getwindowname "$1" 2>/dev/null)" = "$2" ]; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
window_gone() { ! window_ids "$1" > /dev/null; }
editor_gone() { ! kill -0 "$editor_pid" 2>/dev/null; }

# Waits until the main window's title reads that.
wait_title() {
  poll title_is "$1" "$2" ||
    fail "the title reads \"$(xdotool getwindowname "$1" 2>/dev/null)\", not \"$2\""
}

# Waits until the window has the keyboard focus: with no window manager on
# the display, only the editor itself can give it to a window it shows.
wait_focus() {
  poll has_focus "$1" ||
    fail "the window \"$(xdotool getwindowname "$1" 2>/dev/null)\" did not get the keyboard focus"
}

# Waits for the editor to end and checks its status.
wait_exit() {
  local status=0
  poll editor_gone || fail "the editor did not end within $limit s after Yes"
  wait "$editor_pid" || status=$?
  editor_pid=
  [ "$status" -eq 0 ] || fail "the editor ended with status $status"
}

for tool in Xvfb xdotool; do
  command -v "$tool" > /dev/null || fail "$tool is not installed (bash scripts/setup.sh installs it)"
done
[ -f "$archive" ] || fail "no demo archive at $archive"
if [ -n "$shots" ]; then
  command -v import > /dev/null || fail "no screenshots without ImageMagick's import"
  mkdir -p "$shots"
  rm -f "$shots/failed.png"
fi

# The editor's folder: the archive and the stage files, nothing else.
stages=$work/stages
mkdir "$stages" && cp "$archive" "$stages/"
"$generator" "$stages/in.stg" || fail "the stage generator failed"

# A display that goes away before the editor is up (see start_display) is
# replaced by a fresh one, and the step is tried once more.
mkdir -m 700 "$work/runtime" "$work/config"
for attempt in 1 2; do
  if start_display "$attempt"; then
    start_editor
    # Until the window is there, or the editor ended without a display.
    poll window_or_lost_display "$title  -  none.stg" || true
    lost_display || break
    stop_editor
  fi
  [ "$attempt" -eq 2 ] && fail "the display went away twice: $(cat "$work/xvfb.log" "$work/editor.log" 2>/dev/null)"
  echo "e2e: the display $DISPLAY went away; a fresh one" >&2
  stop_display
done
main=$(wait_window "$title  -  none.stg")
wait_focus "$main"
shot 01-started

# "스테이지로드", first in the tab order, has the focus.
keys "$main" space
open=$(wait_window "열기")
shot 02-open-dialog
enter_name "$open" in.stg
wait_title "$main" "$title  -  in.stg"
shot 03-loaded

# "스테이지저장" follows it in the tab order.
keys "$main" Tab space
save=$(wait_window "다른 이름으로 저장")
shot 04-save-dialog
enter_name "$save" out.stg
wait_title "$main" "$title  -  out.stg"
shot 05-saved

# "캐릭터설정", three stops further on (the two combo boxes between), opens
# an entry dialog that takes the keys at once; Escape cancels it.
keys "$main" Tab Tab Tab space
selection=$(wait_window "캐릭터 선택")
wait_focus "$selection"
shot 06-selection-dialog
keys "$selection" Escape
poll window_gone "캐릭터 선택" || fail "Escape did not close the selection dialog"

keys "$main" Escape
box=$(wait_window "$title")
shot 07-exit-question
# The box's Yes button, "예(&Y)", has the mnemonic Y.
keys "$box" y
wait_exit

if ! cmp -s "$stages/in.stg" "$stages/out.stg"; then
  echo "e2e: in.stg $(stat -c %s "$stages/in.stg") bytes, out.stg $(stat -c %s "$stages/out.stg") bytes;" \
    "first differences (offset, octal bytes):" >&2
  cmp -l "$stages/in.stg" "$stages/out.stg" 2>&1 | head -n 10 >&2 || true
  fail "the saved file differs from the loaded one"
fi
echo "e2e: passed"
