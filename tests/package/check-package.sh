#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a school installs it: built from the build tree,
# unpacked into a scratch root and run from there with user folders of its
# own. Usage: check-package.sh BUILD_DIR UI_TESTS
set -euo pipefail
build=$1
ui_tests=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -B "$work/cpack" >/dev/null)

# make package configures the program alone: neither GoogleTest nor Google
# Benchmark may be needed for it.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cmake -S "$source_dir" -B "$work/package-build" -DBUILD_TESTING=OFF -DTASTRUM_BENCHMARKS=OFF \
      -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
      >"$work/package-configure.txt" 2>&1 || { cat "$work/package-configure.txt"; fail "make package's configuration needs the test libraries"; }
grep -q "BUILD_TESTING=OFF" "$source_dir/Makefile" || fail "make package builds the tests"
deb=$(ls "$work"/cpack/tastrum_*_amd64.deb)
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/bin/tastrum

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
       XDG_CONFIG_DIRS=$work/etc
unset TASTRUM_PUPILS DISPLAY WAYLAND_DISPLAY

fail() { echo "FAIL: $*"; exit 1; }

# Debian's hardening reaches the packaged program: position-independent,
# relocations read-only and bound at start, stack protector, fortified calls.
# (Read whole first: grep -q ends a pipe early, which pipefail takes for a fault.)
header=$(readelf -hW "$program") segments=$(readelf -lW "$program")
dynamic=$(readelf -dW "$program") symbols=$(nm -D "$program")
grep -q "Type:.*DYN" <<<"$header" || fail "the program is not position-independent"
grep -q GNU_RELRO <<<"$segments" || fail "no read-only relocations"
grep -Eq "BIND_NOW|FLAGS_1.*NOW" <<<"$dynamic" || fail "relocations are not bound at start"
grep -q __stack_chk_fail <<<"$symbols" || fail "no stack protector"
grep -q "_chk@" <<<"$symbols" || fail "no fortified calls"

[ "$("$program" --version)" = "Tastrum 1.0" ] || fail "--version"

# The course ships as UTF-8, which every Linux editor shows right.
for lesson in "$work/root/usr/share/tastrum/Lessons/"*; do
  iconv -f UTF-8 -t UTF-8 "$lesson" >/dev/null 2>&1 || fail "$(basename "$lesson") is not UTF-8"
done

# The manual page names every option --help names.
man_page=$(zcat "$work/root/usr/share/man/man1/tastrum.1.gz")
help_text=$("$program" --help)
for option in $(grep -o -- '--[a-z-]*[a-z]' <<<"$help_text" | sort -u); do
  grep -qF -- "${option//-/\\-}" <<<"$man_page" || fail "the manual page lacks $option"
done
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

# The menu entries and the AppStream metainfo, as software centres read them.
share=$work/root/usr/share
# What a Debian user looks for beside the program.
for doc in README.md changelog.gz copyright tastrum.conf.example; do
  [ -f "$share/doc/tastrum/$doc" ] || fail "no $doc in /usr/share/doc/tastrum"
done
[ "$(dpkg-deb -f "$deb" Homepage)" = "https://tastrum.org/" ] || fail "no Homepage field"
for entry in org.tastrum.tastrum:Tastrum org.tastrum.tastrum.teacher:TastrumTeacher; do
  class=${entry#*:}
  entry=${entry%%:*}
  desktop=$share/applications/$entry.desktop
  grep -qx "StartupNotify=true" "$desktop" || fail "$entry: no StartupNotify"
  # The teacher's windows have a class of their own, told apart in the panel.
  grep -qx "StartupWMClass=$class" "$desktop" || fail "$entry: no StartupWMClass=$class"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "$entry: desktop-file-validate"
  else
    echo "skipped: desktop-file-validate (desktop-file-utils) is not installed"
  fi
done
for shot in chooser exercise class-overview; do
  [ -s "$share/tastrum/screenshots/$shot.png" ] || fail "screenshot $shot.png not installed"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$share/metainfo/org.tastrum.tastrum.metainfo.xml" \
    > "$work/appstream.txt" 2>&1 || { cat "$work/appstream.txt"; fail "appstreamcli validate"; }
  if grep '^[EWIP]: ' "$work/appstream.txt"; then
    fail "appstreamcli has notes on the metainfo"
  fi
else
  echo "skipped: appstreamcli (appstream) is not installed"
fi

# A pupil and a run, through the windows on the offscreen platform.
TASTRUM_UNPACKED_ROOT=$work/root QT_QPA_PLATFORM=offscreen \
  "$ui_tests" --gtest_filter='InstalledPackage.*' --gtest_brief=1 || fail "windows"
[ -f "$XDG_DATA_HOME/tastrum/Pupils/Zosia/stat.dat" ] || fail "no stat.dat in the data folder"
echo "package checked: $(basename "$deb")"
