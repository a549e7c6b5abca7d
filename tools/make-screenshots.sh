#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the screenshots of the AppStream metainfo in data/screenshots: the
# lesson chooser, an exercise with the on-screen keyboard, and the class
# overview of a small class. It builds nothing: it runs a copy of the program
# folder that "cmake --install build --prefix DIR" lays out, on an Xvfb
# display, where two pupils type their lessons with xdotool so that the
# windows show real runs. Needs Xvfb, xdotool and ImageMagick.
# Usage: tools/make-screenshots.sh DIR/tastrum
set -euo pipefail
[ $# -eq 1 ] && [ -x "$1" ] || { echo "usage: $0 DIR/tastrum" >&2; exit 2; }

source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$source_dir/data/screenshots
lessons=$source_dir/data/Data/Lessons
work=$(mktemp -d)
display=:9
xvfb_pid=""
program_pid=""

cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A copy, so that the pupils typed here never land in the caller's folder.
cp -a "$(dirname "$(realpath "$1")")" "$work/program"
program=$work/program/$(basename "$1")
rm -rf "$work/program/Data/Pupils" "$work/program/Data/Outbox"
mkdir -p "$work/program/Data/Pupils" "$work/home"

export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/config \
       XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset TASTRUM_PUPILS TASTRUM_LESSONS WAYLAND_DISPLAY

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

start() {
  "$program" "$@" >/dev/null 2>&1 &
  program_pid=$!
}

stop() {
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}

# The newest visible window whose title matches; waits for it.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) && [ -n "$id" ] \
      && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window \"$1\"" >&2
  exit 1
}

# Keys to the window whose title matches (there is no window manager to
# give it the focus).
keys() {
  local id
  id=$(window "$1")
  shift
  xdotool windowfocus --sync "$id" key --delay 50 "$@"
  sleep 0.5
}

shoot() {
  sleep 0.5
  import -window "$(window "$1")" -strip -define png:compression-level=9 "$out/$2"
}

new_pupil() {
  keys "wybieranie ucznia" alt+n
  xdotool windowfocus --sync "$(window '^Question$')" type --delay 50 "$1"
  keys '^Question$' Return
  keys "wybieranie ucznia" Return
}

# Opens the lesson at this place of the chooser's list and lets it start.
open_lesson() {
  local downs=()
  for _ in $(seq $(($1 - 1))); do downs+=(Down); done
  keys '^Tastrum$' Down Home "${downs[@]}" Return
  keys "^$(printf '%02d' "$1") " Return
  window '^Lekcja$' >/dev/null
}

# The lines of a lesson file without drills, as the pupil sees them; the
# file may be in UTF-8 or in Windows-1250.
lesson_lines() {
  local file=$lessons/$1
  local encoding=WINDOWS-1250
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 && encoding=UTF-8
  iconv -f "$encoding" -t UTF-8 "$file" | tr -d '\r' | sed -n 's/^line=//p'
}

# Types the lines at DELAY ms a key, with one wrong key in the line WRONG_LINE
# (0 for none), and closes the result.
type_lesson() {
  local file=$1 delay=$2 wrong_line=$3 n=0 exercise
  exercise=$(window '^Lekcja$')
  while IFS= read -r line; do
    n=$((n + 1))
    xdotool windowfocus --sync "$exercise"
    [ "$n" -ne "$wrong_line" ] || xdotool key x
    xdotool type --delay "$delay" "$line"
    xdotool key Return
  done < <(lesson_lines "$file")
  sleep 1
  local id
  for id in $(xdotool search --onlyvisible --name .); do
    case $(xdotool getwindowname "$id") in
      Tastrum | Lekcja | "Tastrum: wybieranie ucznia") ;;
      *) xdotool windowfocus --sync "$id" key Return ;;
    esac
  done
  sleep 0.5
}

mkdir -p "$out"

# Two pupils with a few runs for the chooser and the class overview.
start
new_pupil Zosia
open_lesson 14
type_lesson "14 Częste słowa.ini" 90 0
open_lesson 15
type_lesson "15 Zdania.ini" 90 0
stop

start
new_pupil Kuba
open_lesson 14
type_lesson "14 Częste słowa.ini" 120 3
stop

# The chooser of a pupil with passed lessons, then an exercise under way.
start
keys "wybieranie ucznia" End Return
keys '^Tastrum$' Down End
shoot '^Tastrum$' chooser.png
open_lesson 15
xdotool windowfocus --sync "$(window '^Lekcja$')" type --delay 90 "$(lesson_lines '15 Zdania.ini' | head -1)"
xdotool key Return type --delay 90 "Kot śpi"
shoot '^Lekcja$' exercise.png
stop

# The teacher's overview of the class, from the chooser's right-click menu.
start --teacher
keys "wybieranie ucznia" End Return
chooser=$(window '^Tastrum$')
xdotool mousemove --window "$chooser" 200 20 click 3
for _ in $(seq 20); do
  xdotool search --onlyvisible --name "przegląd klasy" >/dev/null && break
  sleep 0.5
  xdotool key k
done
# The lessons typed are the last ones of the course.
keys "przegląd klasy" End
shoot "przegląd klasy" class-overview.png
stop

ls -l "$out"
