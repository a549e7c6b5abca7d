#!/usr/bin/env bash
# The Debian package as a school installs it: built from the build tree,
# unpacked into a scratch root and run from there with user folders of its
# own. Usage: check-package.sh BUILD_DIR UI_TESTS
set -euo pipefail
build=$1
ui_tests=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -B "$work/cpack" >/dev/null)
deb=$(ls "$work"/cpack/tastrum_*_amd64.deb)
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/tastrum

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
       XDG_CONFIG_DIRS=$work/etc
unset TASTRUM_PUPILS DISPLAY WAYLAND_DISPLAY

fail() { echo "FAIL: $*"; exit 1; }

[ "$("$program" --version)" = "Tastrum 1.0" ] || fail "--version"
"$program" --help | grep -q -- "--check-lessons" || fail "--help"

# The shipped course is sound, and a user's own lesson is listed beside it.
mkdir -p "$XDG_DATA_HOME/tastrum/Lessons"
printf '[LESSON]\r\nline=ab\r\n' > "$XDG_DATA_HOME/tastrum/Lessons/Moja lekcja.ini"
"$program" --check-lessons > "$work/course.txt" || { cat "$work/course.txt"; fail "shipped course"; }
grep -q "^$work/root/usr/share/tastrum/Lessons/01 Rząd środkowy.ini: OK$" "$work/course.txt" \
  || fail "shipped lesson not listed"
grep -q "^$XDG_DATA_HOME/tastrum/Lessons/Moja lekcja.ini: OK$" "$work/course.txt" \
  || fail "own lesson not listed"

# Every fault of a broken lesson folder is found.
broken=$work/broken
mkdir -p "$broken"
printf '[RANDOM_LESSON]\r\ndrill=abc|3\r\n' > "$broken/drill.ini"
printf '[Special]\r\nImportText=brak.txt\r\n[LESSON]\r\nline=a\r\n' > "$broken/import.ini"
printf '[Special]\r\nrun=help/brak.htm\r\n[LESSON]\r\nline=a\r\n' > "$broken/run.ini"
printf '[LESSON]\r\nline=%s\r\n' "$(head -c 3000 /dev/zero | tr '\0' a)" > "$broken/long.ini"
printf '[LESSON]\r\nline=a\0\x81\r\n' > "$broken/binary.ini"
printf '[LESSON]\r\nline=dobra\r\n' > "$broken/good.ini"
if "$program" --check-lessons "$broken" > "$work/broken.txt"; then fail "broken folder passed"; fi
for expected in "good.ini: OK" "błędny opis ćwiczenia losowego" "ImportText=brak.txt: nie ma pliku" \
                "run=help/brak.htm: nie ma pliku" "wartość ma 3000 znaków" \
                "nie jest tekstem w kodowaniu"; do
  grep -q "$expected" "$work/broken.txt" || { cat "$work/broken.txt"; fail "missing: $expected"; }
done

# A pupil and a run, through the windows on the offscreen platform.
TASTRUM_UNPACKED_ROOT=$work/root QT_QPA_PLATFORM=offscreen \
  "$ui_tests" --gtest_filter='InstalledPackage.*' --gtest_brief=1 || fail "windows"
[ -f "$XDG_DATA_HOME/tastrum/Pupils/Zosia/stat.dat" ] || fail "no stat.dat in the data folder"
echo "package checked: $(basename "$deb")"
