#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing or running Tastrum needs,
# and only those that are missing. Usage: install-deps.sh build|run|package
set -euo pipefail

# The program and its package; the tests and benchmarks need more.
packages=(cmake make g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev fonts-dejavu-core dpkg-dev file
          libx11-dev libsodium-dev pkg-config)
case "${1:-build}" in
  build) packages+=(libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n
                   appstream desktop-file-utils) ;;
  run) packages+=(xdg-utils) ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
