#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program under a headless Wayland compositor, as a Wayland session runs
# it: the program starts on Qt's Wayland plugin and stays up, and every
# window opens and fits. (Keys cannot be sent here: a headless weston has no
# keyboard seat, and Qt 6.4 crashes on synthetic keys without one.) Skipped
# with a message when weston or Qt's Wayland plugin is not installed.
# Usage: check-wayland.sh PROGRAM UI_TESTS
set -euo pipefail
program=$1
ui_tests=$2
if ! command -v weston >/dev/null; then
  echo "weston is not installed: the Wayland check is skipped (apt-get install weston qt6-wayland)"
  exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
  echo "Qt's Wayland plugin is not installed: the Wayland check is skipped (apt-get install qt6-wayland)"
  exit 77
fi
runtime=$(mktemp -d)
trap 'kill "$weston" 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=headless-backend.so --socket=tastrum-check --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$runtime/tastrum-check" ] && break; sleep 0.1; done
[ -S "$runtime/tastrum-check" ] || { cat "$runtime/weston.log"; echo "FAIL: weston did not start"; exit 1; }
export WAYLAND_DISPLAY=tastrum-check QT_QPA_PLATFORM=wayland
export XDG_CONFIG_HOME=$runtime/config XDG_DATA_HOME=$runtime/data
# The program opens its pupil dialog and waits for the pupil: still running
# after three seconds is a start.
status=0
timeout 3 "$program" 2>"$runtime/program.log" || status=$?
[ "$status" -eq 124 ] || { cat "$runtime/program.log"; echo "FAIL: the program ended ($status)"; exit 1; }
"$ui_tests" --gtest_filter='WindowsFit.*'
